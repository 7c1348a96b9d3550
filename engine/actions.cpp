#include "engine/actions.h"

#include "engine/action_steps.h"
#include "engine/peaks.h"
#include "engine/placement.h"
#include "engine/rule_codes.h"
#include "engine/winning.h"

#include <algorithm>
#include <array>

namespace tablamor {
namespace {

constexpr int kCountedActions = 2;

void Notify(EventSink& sink, Card card, PileKind from, PileKind to) {
    if (from != to) sink.CardLeft(card, from);
    sink.CardArrived(card, to);
}

// The card and every card above it on its tableau or reserve pile, in the same order.
bool RunToPile(GameState& s, Card card, PileIndex to, EventSink& sink) {
    const PileIndex from = CardPile(s, card);
    const PileKind kind = KindOfPile(from);
    if (from < 0 || from == to) return false;
    if (kind != PileKind::Tableau && kind != PileKind::Reserve)
        return act::MoveCard(s, card, to, sink);
    const int size = s.table.Size(from) - s.table.Find(from, card);
    s.table.MoveTop(from, size, to);
    const int landed = s.table.Size(to) - size;
    for (int k = 0; k < size; ++k) {
        const Card c = s.table.At(to, landed + k);
        s.table.SetFaceUp(c, true);
        Notify(sink, c, kind, KindOfPile(to));
    }
    sink.CardsMoved(from, to, size);
    return true;
}

// One card, or a whole suit from a tableau pile.
bool ToFoundation(GameState& s, Card card, const Action& action, EventSink& sink) {
    const PileIndex f = action.target;
    const bool moved =
        action.singleCard ? act::MoveCard(s, card, f, sink) : RunToPile(s, card, f, sink);
    if (!moved) return false;
    if (action.automatic)
        sink.Sound(GameSound::Autoplay);
    else
        sink.Sound(GameSound::Foundation);
    if (s.P(param::kFoundationResort) == code::kOn) ReorderFoundation(s, NumberInGroup(f), sink);
    return true;
}

bool MoveByTarget(GameState& s, Card card, const Action& action, EventSink& sink) {
    if (!ValidCard(card)) return false;
    const PileIndex target = action.target;
    switch (KindOfPile(target)) {
    case PileKind::Foundation:
        return ToFoundation(s, card, action, sink);
    case PileKind::Tableau: {
        bool moved = action.singleCard ? act::MoveCard(s, card, target, sink)
                                       : RunToPile(s, card, target, sink);
        if (moved) sink.Sound(GameSound::Tableau);
        return moved;
    }
    case PileKind::Reserve:
    case PileKind::Waste: {
        bool moved = act::MoveCard(s, card, target, sink);
        if (moved) sink.Sound(GameSound::Tableau);
        return moved;
    }
    case PileKind::ThirdPile: {
        // a card of the peaks leaves its place as a gap and uncovers the cards it lay on
        const PileIndex from = CardPile(s, card);
        const bool peaks = HasPeaks(s.params) && from >= 0 && KindOfPile(from) == PileKind::Tableau;
        bool moved = peaks ? act::MoveCardLeavingGap(s, card, target, sink)
                           : act::MoveCard(s, card, target, sink);
        if (moved && peaks) TurnUncoveredPeakCards(s, sink);
        if (moved && s.P(param::kSpecialCode) == code::kSpecialPeaks) sink.Sound(GameSound::Eddy);
        return moved;
    }
    default:
        return false;
    }
}

bool Dispatch(GameState& s, Card card, Action action, EventSink& sink) {
    switch (action.kind) {
    case ActionKind::MoveTo:
        return MoveByTarget(s, card, action, sink);
    case ActionKind::DealToWaste:
    case ActionKind::DealToThirdPile:
        return act::StockPress(s, action.kind, sink);
    case ActionKind::AddTableaus:
    case ActionKind::AddReserves:
    case ActionKind::FillTableaus:
    case ActionKind::AddTableausLast:
        return act::DealFromStock(s, action.kind, sink);
    case ActionKind::DiscardSelection:
        return act::DiscardSelection(s, sink);
    case ActionKind::RefillAfterPairing:
        return act::RefillAfterPairing(s, sink);
    case ActionKind::CloseGaps:
        return act::CloseGaps(s, sink);
    case ActionKind::RedealTableaus:
        return act::RedealTableaus(s, sink);
    }
    return false;
}

bool StockRunning(const Table& t) {
    return !t.Empty(kStockPile) || t.Size(kWastePile) >= 2;
}

} // namespace

namespace act {

bool MoveCard(GameState& s, Card card, PileIndex to, EventSink& sink) {
    const PileIndex from = CardPile(s, card);
    if (from < 0 || from == to) return false;
    if (s.table.Top(from) == card) {
        s.table.MoveTop(from, 1, to);
        s.table.SetFaceUp(card, true);
    } else {
        s.table.FindInPile(from, card, FindMode::Delete);
        s.table.Append(to, card, true);
    }
    sink.CardsMoved(from, to, 1);
    Notify(sink, card, KindOfPile(from), KindOfPile(to));
    return true;
}

bool MoveCardLeavingGap(GameState& s, Card card, PileIndex to, EventSink& sink) {
    const PileIndex from = CardPile(s, card);
    if (from < 0 || from == to) return false;
    s.table.FindInPile(from, card, FindMode::Blank);
    s.table.Append(to, card, true);
    sink.CardsMoved(from, to, 1);
    Notify(sink, card, KindOfPile(from), KindOfPile(to));
    return true;
}

void NoteWon(GameState& s) {
    s.won = IsGameWon(s.table, s.params);
}

} // namespace act

std::optional<Action> PlacingAction(PileIndex target, bool automatic, bool singleCard) {
    switch (KindOfPile(target)) {
    case PileKind::Foundation:
    case PileKind::Tableau:
    case PileKind::Reserve:
    case PileKind::Waste:
        return singleCard ? Action::Move(target, automatic) : Action::MoveRun(target, automatic);
    default:
        return std::nullopt;
    }
}

namespace {

// What follows every action: the score, the count of actions, the fill after the first action,
// the won flag and the empty-stock mark. `dispatch` carries the action out.
template <class Dispatcher>
bool CarryOut(GameState& s, Card card, PileIndex target, EventSink& sink, Dispatcher&& dispatch) {
    if (!OpeningRestrictionAllows(s, card, target)) return false;
    const bool stockWasRunning = StockRunning(s.table);
    bool moved = dispatch();
    if (moved) UpdateScore(s);
    if (s.actionsDone < kCountedActions) ++s.actionsDone;
    if (s.P(param::kAutoFillAfterFirst) == code::kOn && s.actionsDone == 1) {
        s.actionsDone = kCountedActions;
        moved = act::DealFromStock(s, ActionKind::FillTableaus, sink) || moved;
    }
    if (moved) act::NoteWon(s);
    if (stockWasRunning && !StockRunning(s.table)) sink.StockLookChanged(StockLook::Empty);
    return moved;
}

} // namespace

bool PerformAction(GameState& s, Card card, Action action, EventSink& sink) {
    const PileIndex target = action.kind == ActionKind::MoveTo ? action.target : -1;
    return CarryOut(s, card, target, sink, [&] { return Dispatch(s, card, action, sink); });
}

bool PerformMove(GameState& s, Card card, PileIndex target, bool singleCard, EventSink& sink) {
    const std::optional<Action> action = PlacingAction(target, false, singleCard);
    return action && PerformAction(s, card, *action, sink);
}

bool TurnCardFaceUp(GameState& s, Card card, int n, EventSink& sink) {
    if (n < 0 || n >= s.TableauCount() || !ValidCard(card)) return false;
    const PileIndex pile = TableauPile(n);
    if (s.table.Empty(pile) || s.table.Top(pile) != card || s.table.FaceUp(card)) return false;
    s.table.SetFaceUp(card, true);
    sink.CardTurned(card, true);
    sink.Sound(GameSound::FaceUp);
    sink.CardArrived(card, PileKind::Tableau);
    return true;
}

void ReorderFoundation(GameState& s, int n, EventSink& sink) {
    if (n < 0 || n >= kMaxFoundations) return;
    const PileIndex f = FoundationPile(n);
    std::array<Card, Table::kCapacity> cards{};
    const int size = s.table.Size(f);
    for (int k = 0; k < size; ++k) cards[static_cast<std::size_t>(k)] = s.table.At(f, k);
    std::stable_sort(cards.begin(), cards.begin() + size);
    s.table.Assign(f, std::span<const Card>(cards.data(), static_cast<std::size_t>(size)));
    sink.Repaint();
    if (size > 1) sink.Sound(GameSound::Reorder);
}

} // namespace tablamor
