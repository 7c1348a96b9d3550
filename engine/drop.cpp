#include "engine/drop.h"

#include "engine/actions.h"
#include "engine/build_rules.h"
#include "engine/fan_style.h"
#include "engine/placement.h"
#include "engine/rule_codes.h"

#include <algorithm>

namespace tablamor {
namespace {

using namespace code;

constexpr int kEdgeProbeStep = 50; // pixels between the points probed along an edge

bool Within(int v, int low, int high) {
    return v >= low && v <= high;
}

bool PointIn(const Rect& r, int x, int y) {
    return Within(x, r.x, r.Right()) && Within(y, r.y, r.Bottom());
}

int KindRank(PileIndex pile) {
    return static_cast<int>(KindOfPile(pile));
}

struct Candidate {
    PileIndex pile;
    int area;
};

// The waste takes a card of its top card's suit, one rank away, ace and king adjacent.
bool WasteTakes(const GameState& s, Card card) {
    if (s.table.Empty(kWastePile) || s.P(param::kWasteBuild) != kWasteTakesBuilds) return false;
    const Card top = s.table.Top(kWastePile);
    if (CardSuit(s.Face(top)) != CardSuit(s.Face(card))) return false;
    int t = CardRank(top), m = CardRank(card);
    return RankAbove(t) == m || RankBelow(t) == m;
}

} // namespace

bool RectsMeet(const Rect& drop, const Rect& target) {
    for (int x : {drop.x, drop.Right()})
        for (int y : {drop.y, drop.Bottom()})
            if (PointIn(target, x, y)) return true;
    for (int x : {drop.x, drop.Right()}) {
        if (!Within(x, target.x, target.Right())) continue;
        for (int y = drop.y; y <= drop.Bottom(); y += kEdgeProbeStep)
            if (Within(y, target.y, target.Bottom())) return true;
    }
    return false;
}

bool IsDropCandidate(const GameState& s, PileIndex pile, const PileGeometry& geometry) {
    if (pile < 0 || pile >= kPileCount || !geometry.Placed(pile)) return false;
    const int n = NumberInGroup(pile);
    switch (KindOfPile(pile)) {
    case PileKind::Foundation:
        return n < s.FoundationCount();
    case PileKind::Tableau:
        return n < s.TableauCount() && FanStyleOf(s.params, pile) != FanStyle::OneSpot;
    case PileKind::Reserve:
        return n < s.ReserveCount();
    case PileKind::Waste:
        return s.P(param::kWasteNotTarget) != kWasteNeverTarget;
    default:
        return false;
    }
}

bool DropAllowed(const GameState& s, const MoveContext& move, PileIndex target, EventSink& sink) {
    return DropAllowed(s, move, CardPile(s, move.card), target, sink);
}

bool DropAllowed(const GameState& s, const MoveContext& move, PileIndex from, PileIndex target,
                 EventSink& sink) {
    if (!ValidCard(move.card) || from < 0 || from == target) return false;
    if (!OpeningRestrictionAllows(s, move.card, target)) return false;
    return target == kWastePile ? WasteTakes(s, move.card) : CanPlaceOnPile(s, move, target, sink);
}

DropTargets FindDropTargets(const GameState& s, const Rect& drop, const PileGeometry& geometry) {
    std::array<Candidate, kPileCount> found{};
    int count = 0;
    auto consider = [&](PileIndex pile) {
        if (!IsDropCandidate(s, pile, geometry)) return;
        Rect r = geometry.TopCardRect(pile);
        if (RectsMeet(drop, r))
            found[static_cast<std::size_t>(count++)] = {pile, drop.OverlapArea(r)};
    };
    for (int n = 0; n < s.FoundationCount(); ++n) consider(FoundationPile(n));
    for (int n = 0; n < s.TableauCount(); ++n) consider(TableauPile(n));
    for (int k = 0; k < s.ReserveCount(); ++k) consider(ReservePile(k));
    consider(kWastePile);

    std::sort(found.begin(), found.begin() + count, [](const Candidate& a, const Candidate& b) {
        if (a.area != b.area) return a.area > b.area;
        if (KindRank(a.pile) != KindRank(b.pile)) return KindRank(a.pile) > KindRank(b.pile);
        return NumberInGroup(a.pile) > NumberInGroup(b.pile);
    });
    DropTargets targets;
    targets.count = std::min(count, DropTargets::kMost);
    for (int i = 0; i < targets.count; ++i)
        targets.piles[static_cast<std::size_t>(i)] = found[static_cast<std::size_t>(i)].pile;
    return targets;
}

bool TryMoveToPile(GameState& s, Card card, Card runTop, const Rect& drop, PileIndex target,
                   bool automatic, const PileGeometry& geometry, EventSink& sink) {
    if (!geometry.Placed(target) || !RectsMeet(drop, geometry.TopCardRect(target))) return false;
    const MoveContext move{card, runTop, drop.height == geometry.CardHeight()};
    if (!DropAllowed(s, move, target, sink)) return false;
    const std::optional<Action> action = PlacingAction(target, automatic, move.singleCard);
    return action && PerformAction(s, card, *action, sink);
}

bool TryDrop(GameState& s, Card card, Card runTop, const Rect& drop,
             std::optional<PileIndex> target, const PileGeometry& geometry, EventSink& sink) {
    DropTargets targets;
    if (target) {
        if (!IsDropCandidate(s, *target, geometry)) return false;
        targets.piles[0] = *target;
        targets.count = 1;
    } else {
        targets = FindDropTargets(s, drop, geometry);
    }
    for (int i = 0; i < targets.count; ++i) {
        PileIndex pile = targets.piles[static_cast<std::size_t>(i)];
        if (!OpeningRestrictionAllows(s, card, pile)) continue;
        if (TryMoveToPile(s, card, runTop, drop, pile, false, geometry, sink)) return true;
    }
    return false;
}

std::optional<SendTarget> FindSendTarget(const GameState& s, Card card, bool automatic,
                                         bool alsoReserves, const PileGeometry& geometry,
                                         EventSink& sink) {
    if (!s.table.FaceUp(card)) return std::nullopt;
    const PileIndex from = CardPile(s, card);
    auto firstTaking = [&](const MoveContext& move, PileIndex first,
                           int count) -> std::optional<SendTarget> {
        for (int i = 0; i < count; ++i)
            if (geometry.Placed(first + i) && DropAllowed(s, move, from, first + i, sink))
                return SendTarget{move, first + i};
        return std::nullopt;
    };
    // the ace that ends a whole suit sends the suit, where a foundation takes whole suits
    if (const Card king = CompleteSuitUnder(s, card); king != kNoCard) {
        const MoveContext wholeSuit{king, card, false};
        if (auto target = firstTaking(wholeSuit, FoundationPile(0), s.FoundationCount()))
            return target;
    }
    bool choiceOfFirstCard = s.FoundationCount() > 0;
    for (int n = 0; n < s.FoundationCount(); ++n) {
        const int base = s.P(param::kFoundationBase, n);
        choiceOfFirstCard = choiceOfFirstCard &&
                            (base == kBaseSharedRank || base == kBaseSharedRankFirstFromReserve) &&
                            s.table.Empty(FoundationPile(n));
    }
    std::optional<SendTarget> target;
    if (!(automatic && choiceOfFirstCard))
        target = firstTaking(MoveContext::Alone(card), FoundationPile(0), s.FoundationCount());
    if (!target && alsoReserves)
        target = firstTaking(MoveContext::Alone(card), ReservePile(0), s.ReserveCount());
    return target;
}

bool SendToFoundation(GameState& s, Card card, bool automatic, bool alsoReserves,
                      const PileGeometry& geometry, EventSink& sink) {
    const auto target = FindSendTarget(s, card, automatic, alsoReserves, geometry, sink);
    if (!target) return false;
    const std::optional<Action> action =
        PlacingAction(target->pile, automatic, target->move.singleCard);
    return action && PerformAction(s, target->move.card, *action, sink);
}

} // namespace tablamor
