#include "engine/actions.h"

#include "engine/build_rules.h"
#include "engine/placement.h"

#include <algorithm>
#include <array>

namespace tablamor {
namespace {

constexpr std::string_view kAutoplayPrefix = "Dest_Autoplay";
constexpr std::string_view kWasteBuildAction = "Stock02";
constexpr int kCountedActions = 2;

// The pile an action name puts its card on.
std::optional<PileIndex> ActionTarget(std::string_view action) {
    if (action == kWasteBuildAction) return kWastePile;
    if (action.starts_with(kAutoplayPrefix))
        return DecodePileName("Dest" + std::string(action.substr(kAutoplayPrefix.size())));
    auto pile = DecodePileName(action);
    if (!pile || *pile == kWastePile || *pile == kStockPile) return std::nullopt;
    return pile;
}

int MoveSingleCard(GameState& s, Card card, PileIndex to) {
    if (s.table.RemoveCard(card, s.TableauCount()) == PileKind::None) return 0;
    s.table.Append(to, card, true);
    return 1;
}

// The run from the card to the top of its tableau or reserve pile, in the same order.
int MoveRun(GameState& s, Card card, PileIndex to) {
    auto run = RunFrom(s.table, card);
    if (!run) return 0;
    PileKind kind = KindOfPile(run->pile);
    if (kind != PileKind::Tableau && kind != PileKind::Reserve) return MoveSingleCard(s, card, to);
    std::array<Card, Table::kCapacity> cards{};
    for (int k = 0; k < run->size; ++k)
        cards[static_cast<std::size_t>(k)] = s.table.At(run->pile, run->first + k);
    s.table.Truncate(run->pile, run->first);
    for (int k = 0; k < run->size; ++k)
        s.table.Append(to, cards[static_cast<std::size_t>(k)], true);
    return run->size;
}

} // namespace

std::optional<std::string> ActionForTarget(PileIndex target, bool automatic) {
    switch (KindOfPile(target)) {
    case PileKind::Waste:
        return std::string(kWasteBuildAction);
    case PileKind::Foundation:
        if (automatic)
            return std::string(kAutoplayPrefix) + std::to_string(NumberInGroup(target) + 1);
        return PileName(target);
    case PileKind::Tableau:
    case PileKind::Reserve:
        return PileName(target);
    default:
        return std::nullopt;
    }
}

bool PerformAction(GameState& s, int card, std::string_view action, EventSink& sink) {
    auto target = ActionTarget(action);
    if (!OpeningRestrictionAllows(s, card, target.value_or(-1))) return false;
    int moved = 0;
    if (target && card >= 1 && card <= kMaxCards) {
        const Card c = static_cast<Card>(card);
        const PileIndex from = s.table.PileOf(c);
        const bool runMove = KindOfPile(*target) == PileKind::Tableau && !s.move.singleCard;
        if (from >= 0 && from != *target)
            moved = runMove ? MoveRun(s, c, *target) : MoveSingleCard(s, c, *target);
        if (moved > 0) sink.CardsMoved(from, *target, moved);
    }
    s.actionsDone = std::min(s.actionsDone + 1, kCountedActions);
    return moved > 0;
}

} // namespace tablamor
