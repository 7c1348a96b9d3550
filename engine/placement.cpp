#include "engine/placement.h"

#include "engine/build_rules.h"
#include "engine/rule_codes.h"

#include <algorithm>

namespace tablamor {
namespace {

using namespace code;

constexpr int kEmptyTop = -1;
constexpr int kKingsReserveLimit = 3;   // reserve rule 8: the first reserve holds fewer
constexpr int kAnyCardReserveLimit = 5; // reserve rule 13: the first reserve holds fewer
constexpr int kFoundationRunLimit = 52; // rule 20 foundations hold at most one deck
constexpr int kMaxDoublings = 7;        // 2^7 already exceeds every card of the game
constexpr int kSuitSize = 13;           // a whole suit, king to ace

int TopOrEmpty(const Table& table, PileIndex pile) {
    return table.Empty(pile) ? kEmptyTop : table.Top(pile);
}

// Rule 22: an ace always (never in a game whose aces stay); another card when some tableau pile
// shows a higher card of its suit, or an ace of its suit, on top.
bool AceOrBelowTableauTop(const GameState& s, Card card) {
    if (CardRank(card) == kAce) return s.P(param::kSpecialCode) != kSpecialAcesStay;
    for (int n = 0; n < s.TableauCount(); ++n) {
        PileIndex p = TableauPile(n);
        if (s.table.Empty(p)) continue;
        const Card top = s.table.Top(p);
        if (CardSuit(s.Face(top)) == CardSuit(s.Face(card)) &&
            (CardRank(top) > CardRank(card) || CardRank(top) == kAce))
            return true;
    }
    return false;
}

} // namespace

BuildQuery TableauQuery(const GameState& s, int n) {
    BuildQuery q;
    q.base = s.P(param::kTableauEmptyFill, n);
    q.stop = s.P(param::kFoundationBase, 0);
    q.direction = s.P(param::kTableauDirection, n);
    q.rule = s.P(param::kTableauRule, n);
    q.wrap = false;
    q.pastBase = s.P(param::kTableauPastBase, n) > 0;
    q.pile = n;
    return q;
}

bool CanPlaceOnFoundation(const GameState& s, int n, const MoveContext& move, EventSink& sink) {
    const Card card = move.card;
    const PileIndex f = FoundationPile(n);
    const int rule = s.P(param::kFoundationRule, n);
    if (rule == kCompleteSuit) return s.table.Empty(f) && IsCompleteSuit(s, card);
    if (!move.singleCard) return false;
    const int count = s.table.Size(f);
    if (rule == kQueenOnlyToEmpty) return CardRank(card) == kQueen && count == 0;
    if (rule == kAceOrBelowTableauTop) return AceOrBelowTableauTop(s, card);
    const bool capacityExempt =
        rule == kUpAnySuitAroundTheCorner || rule == kSuitUpThenKingThenDown;
    if (!capacityExempt && count >= s.P(param::kFoundationCapacity)) return false;
    if (rule == kUpAnySuitAroundTheCorner && count >= kFoundationRunLimit) return false;
    BuildQuery q;
    q.top = TopOrEmpty(s.table, f);
    q.card = card;
    q.base = s.P(param::kFoundationBase, n);
    q.stop = q.base;
    q.direction = s.P(param::kFoundationDirection, n);
    q.rule = rule;
    q.wrap = true;
    q.pastBase = true;
    q.pile = n;
    q.singleCard = move.singleCard;
    return CheckBuild(s, q, sink);
}

bool CanPlaceOnTableau(const GameState& s, int n, const MoveContext& move, EventSink& sink) {
    const Card card = move.card;
    const PileIndex p = TableauPile(n);
    if (!s.table.Empty(p) && s.table.Top(p) != kNoCard && !s.table.FaceUp(s.table.Top(p)))
        return false;
    BuildQuery q = TableauQuery(s, n);
    q.top = TopOrEmpty(s.table, p);
    q.card = card;
    q.singleCard = move.singleCard;
    if (!CheckBuild(s, q, sink)) return false;
    // the runs these codes allow are shorter when the target is an empty pile
    const int runSize = s.P(param::kRunSize);
    const bool shorterToSpace =
        runSize == kRunFreeCellsAndSpaces || runSize == kRunClassicSupermove;
    if (shorterToSpace && !move.singleCard && s.table.Empty(p)) {
        auto run = RunFrom(s.table, card);
        if (run && run->size > LargestRunAllowed(s, card, true)) return false;
    }
    // a run is never put back on the pile it came from
    return q.top != move.runTop;
}

bool CanPlaceOnReserve(const GameState& s, int k, const MoveContext& move) {
    const Card card = move.card;
    const bool single = move.singleCard;
    const bool empty = s.table.Empty(ReservePile(k));
    const int firstReserveSize = s.table.Size(ReservePile(0));
    switch (s.P(param::kReserveRule, k)) {
    case kReserveClosed:
        return false;
    case kReserveKingsWhileFirstShort:
        return CardRank(card) == kKing && single && firstReserveSize < kKingsReserveLimit;
    case kReserveAnyWhileFirstShort:
        return single && firstReserveSize < kAnyCardReserveLimit;
    case kReserveCourtCardsToEmpty:
        return IsCourtCard(card) && single && empty;
    default:
        return single && empty;
    }
}

bool VerdictReadsTopOnly(const GameState& s, PileIndex target) {
    const int n = NumberInGroup(target);
    if (KindOfPile(target) == PileKind::Reserve) {
        // two rules count the first reserve's cards; the others read the card and whether the
        // reserve is empty
        const int rule = s.P(param::kReserveRule, n);
        return n < s.ReserveCount() && rule != kReserveKingsWhileFirstShort &&
               rule != kReserveAnyWhileFirstShort;
    }
    const bool empty = s.table.Empty(target);
    const Card top = s.table.Top(target);
    if (!empty && (top == kNoCard || !s.table.FaceUp(top))) return false;
    switch (KindOfPile(target)) {
    case PileKind::Tableau:
        // the run-size limit reads the table only for an empty target
        return !empty && n < s.TableauCount() && RuleReadsQueryOnly(s.P(param::kTableauRule, n));
    case PileKind::Foundation: {
        const int rule = s.P(param::kFoundationRule, n);
        // these rules are judged on the foundation's count, the tableau or a whole suit
        const bool countOrTableau =
            rule == kCompleteSuit || rule == kQueenOnlyToEmpty || rule == kAceOrBelowTableauTop ||
            rule == kUpAnySuitAroundTheCorner || rule == kSuitUpThenKingThenDown;
        return n < s.FoundationCount() && !countOrTableau && RuleReadsQueryOnly(rule) &&
               (!empty || EmptyBaseReadsQueryOnly(s.P(param::kFoundationBase, n))) &&
               s.table.Size(target) < s.P(param::kFoundationCapacity);
    }
    default:
        return false;
    }
}

bool CanPlaceOnPile(const GameState& s, const MoveContext& move, PileIndex target,
                    EventSink& sink) {
    const int n = NumberInGroup(target);
    switch (KindOfPile(target)) {
    case PileKind::Foundation:
        return n < s.FoundationCount() && CanPlaceOnFoundation(s, n, move, sink);
    case PileKind::Tableau:
        return n < s.TableauCount() && CanPlaceOnTableau(s, n, move, sink);
    case PileKind::Reserve:
        return n < s.ReserveCount() && CanPlaceOnReserve(s, n, move);
    default:
        return false;
    }
}

std::optional<Run> RunFrom(const Table& table, Card card) {
    const PileIndex pile = table.PileOf(card);
    if (pile < 0) return std::nullopt;
    Run run;
    run.pile = pile;
    run.first = table.Find(pile, card);
    run.size = table.Size(pile) - run.first;
    run.top = table.Top(pile);
    return run;
}

bool RunChecked(const GameState& s) {
    const int mode = s.P(param::kTableauRunCheck);
    return mode == kRunCheckPileRule || mode == kRunCheckSameSuit;
}

BuildQuery RunQuery(const GameState& s, int n) {
    BuildQuery q = TableauQuery(s, n);
    q.dropping = false;
    if (s.P(param::kTableauRunCheck) == kRunCheckSameSuit) q.rule = kSameSuit;
    return q;
}

bool IsBuiltRun(const GameState& s, Card card, int n, EventSink& sink) {
    if (!RunChecked(s)) return true;
    const PileIndex p = TableauPile(n);
    const int first = ValidCard(card) ? s.table.Find(p, card) : -1; // 0 would find a gap
    if (first < 0) return false;
    BuildQuery q = RunQuery(s, n);
    for (int k = first; k + 1 < s.table.Size(p); ++k) {
        q.top = s.table.At(p, k);
        q.card = s.table.At(p, k + 1);
        if (!CheckBuild(s, q, sink)) return false;
    }
    return true;
}

bool IsCompleteSuit(const GameState& s, Card king) {
    auto run = RunFrom(s.table, king);
    if (!run || KindOfPile(run->pile) != PileKind::Tableau || run->size != kSuitSize) return false;
    for (int k = 0; k < run->size; ++k) {
        const Card c = s.table.At(run->pile, run->first + k);
        if (!s.table.FaceUp(c) || CardSuit(s.Face(c)) != CardSuit(s.Face(king)) ||
            CardRank(c) != kKing - k)
            return false;
    }
    return true;
}

Card CompleteSuitUnder(const GameState& s, Card top) {
    const PileIndex pile = s.table.PileOf(top);
    return pile >= 0 && s.table.Top(pile) == top ? CompleteSuitOnTopOf(s, pile) : kNoCard;
}

Card CompleteSuitOnTopOf(const GameState& s, PileIndex pile) {
    const int size = s.table.Size(pile);
    if (size < kSuitSize) return kNoCard;
    const Card king = s.table.At(pile, size - kSuitSize);
    return IsCompleteSuit(s, king) ? king : kNoCard;
}

int LargestRunAllowed(const GameState& s, Card runBottom, bool toEmptyTableau) {
    const int code = s.P(param::kRunSize);
    if (code >= 0) return std::max(code, 1);
    if (code == kRunAny) return kMaxCards;
    if (code == kRunKingLed) return CardRank(runBottom) == kKing ? kMaxCards : 1;
    if (code == kRunTopCardOrWholePile) {
        auto run = RunFrom(s.table, runBottom);
        return run && run->first == 0 ? kMaxCards : 1;
    }
    int freeCells = 0, spaces = 0;
    for (int k = 0; k < s.ReserveCount(); ++k) freeCells += s.table.Empty(ReservePile(k));
    for (int n = 0; n < s.TableauCount(); ++n) spaces += s.table.Empty(TableauPile(n));
    switch (code) {
    case kRunFreeCellsAndSpaces:
        if (spaces == 0) return freeCells + 1;
        return toEmptyTableau ? freeCells + spaces : freeCells + spaces + 1;
    case kRunFreeCellsOrSpaces:
        return spaces == 0 ? freeCells + 1 : freeCells + spaces;
    case kRunClassicSupermove: {
        // each space doubles the run; the target space, when there is one, does not
        const int doublings = toEmptyTableau ? std::max(spaces - 1, 0) : spaces;
        return std::min((freeCells + 1) << std::min(doublings, kMaxDoublings), kMaxCards);
    }
    case kRunFreeCellsOnly:
        return freeCells + 1;
    default:
        return std::max(spaces, 1);
    }
}

bool RunLimitReadsCard(const GameState& s) {
    const int code = s.P(param::kRunSize);
    return code == kRunKingLed || code == kRunTopCardOrWholePile;
}

bool OpeningRestricted(const GameState& s) {
    return s.P(param::kOpeningRestriction) == kOpeningRestrictionOn && s.actionsDone == 0;
}

bool OpeningRestrictionAllows(const GameState& s, Card card, PileIndex target) {
    if (!OpeningRestricted(s)) return true;
    return IsTableauLocation(LocateCard(s.table, card)) &&
           KindOfPile(target) == PileKind::Foundation;
}

} // namespace tablamor
