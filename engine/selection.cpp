#include "engine/selection.h"

#include "engine/actions.h"
#include "engine/pairing_rules.h"

#include <algorithm>
#include <array>

namespace tablamor {
namespace {

constexpr int kPyramidFourteenSum = 14;
constexpr int kPyramidThirteenSum = 13;
constexpr int kMostSelected = 16; // no rule lets a selection grow near this

int SumOfPyramidGame(const GameState& s) {
    return s.P(param::kSpecialCode) == pairing::kPyramidFourteen ? kPyramidFourteenSum
                                                                 : kPyramidThirteenSum;
}

// Code 30: the two cards lie on tableau places that touch in the grid the tableau's lines make.
bool TouchingOnTheGrid(const GameState& s, Card a, Card b) {
    const PileIndex pa = CardPile(s, a), pb = CardPile(s, b);
    if (pa < 0 || pb < 0 || KindOfPile(pa) != PileKind::Tableau ||
        KindOfPile(pb) != PileKind::Tableau)
        return false;
    const int lines = std::max(1, static_cast<int>(s.P(param::kTableauLines)));
    const int columns = (s.TableauCount() + lines - 1) / lines;
    return TouchInGrid(NumberInGroup(pa), NumberInGroup(pb), columns);
}

// Code 30: a card of the same rank touches this one, so that selecting it can lead to a pair.
bool HasTouchingMate(const GameState& s, Card card) {
    for (int n = 0; n < s.TableauCount(); ++n)
        for (const Card other : s.table.Pile(TableauPile(n)))
            if (other != kNoCard && other != card && CardRank(other) == CardRank(card) &&
                TouchingOnTheGrid(s, card, other))
                return true;
    return false;
}

} // namespace

ToggleResult PreviewToggle(const GameState& s, Card card, bool isPairing) {
    if (s.table.Find(kSelectionPile, card) >= 0) return ToggleResult::Deselected;
    auto current = s.table.Pile(kSelectionPile);
    if (current.size() >= kMostSelected) return ToggleResult::Refused;
    // code 30: a first card needs a mate of its rank beside it, a second card must touch the first
    if (isPairing && s.P(param::kSpecialCode) == pairing::kTouchingEqualRanks &&
        (current.empty() ? !HasTouchingMate(s, card)
                         : !TouchingOnTheGrid(s, current.front(), card)))
        return ToggleResult::Refused;
    std::array<Card, kMostSelected + 1> cards{};
    std::array<bool, kMostSelected + 1> faceUp{};
    std::size_t n = 0;
    for (Card c : current) {
        cards[n] = c;
        faceUp[n++] = s.table.FaceUp(c);
    }
    cards[n] = card;
    faceUp[n++] = s.table.FaceUp(card);
    std::span<const Card> selection(cards.data(), n);
    SelectionCheck check =
        isPairing ? CheckPairingSelection(s.P(param::kSpecialCode), s.P(param::kPairingSum),
                                          selection, std::span<const bool>(faceUp.data(), n))
                  : CheckSumSelection(SumOfPyramidGame(s), selection);
    switch (check) {
    case SelectionCheck::Refused:
        return ToggleResult::Refused;
    case SelectionCheck::Complete:
        return ToggleResult::Completed;
    case SelectionCheck::Incomplete:
        break;
    }
    return ToggleResult::Selected;
}

namespace {

bool Toggle(GameState& s, Card card, bool isPairing, const PlayEnv& env) {
    switch (PreviewToggle(s, card, isPairing)) {
    case ToggleResult::Deselected:
        s.table.FindInPile(kSelectionPile, card, FindMode::Delete);
        env.sink.SelectionChanged(card, false);
        return true;
    case ToggleResult::Selected:
        s.table.Append(kSelectionPile, card);
        env.sink.SelectionChanged(card, true);
        return true;
    case ToggleResult::Refused:
        env.sink.Beep();
        return false;
    case ToggleResult::Completed:
        break;
    }
    AsStep(s, env.steps, [&] {
        s.table.Append(kSelectionPile, card);
        env.sink.SelectionChanged(card, true);
        bool moved = PerformAction(s, kNoCard, Action::Of(ActionKind::DiscardSelection), env.sink);
        if (isPairing && !pairing::ClosesGaps(s.P(param::kSpecialCode)))
            moved =
                PerformAction(s, kNoCard, Action::Of(ActionKind::RefillAfterPairing), env.sink) ||
                moved;
        return moved;
    });
    return true;
}

} // namespace

bool ToggleSumSelection(GameState& s, Card card, const PlayEnv& env) {
    return Toggle(s, card, false, env);
}

bool TogglePairingSelection(GameState& s, Card card, const PlayEnv& env) {
    return Toggle(s, card, true, env);
}

} // namespace tablamor
