#include "engine/build_rules.h"

#include "engine/rule_codes.h"

#include <array>

namespace tablamor {
namespace {

using namespace code;

constexpr int kRanks = 13;
constexpr int kShortPileLimit = 3;        // rule 26 builds only on piles shorter than this
constexpr int kFullSuitOnFoundation = 13; // rule 29 turns at the king after a whole suit

// The block of 13 codes a card lies in, 1..4; the empty-pile marker falls in the first block.
int SuitBlock(int code) {
    if (code < 1) return kHearts;
    if (code > kDeckSize) code -= kDeckSize;
    return (code - 1) / kRanks + 1;
}

bool IsEmptyTop(int top) {
    return top <= 0;
}

// The face the target's top shows; an empty-pile marker stays itself (SuitBlock reads it as the
// first block).
int TopFace(const GameState& s, int top) {
    return FaceCode(top, s.P(param::kDeckSuits));
}

// The base code an empty target is judged by.
bool EmptyPileTakes(const GameState& s, const BuildQuery& q, EventSink& sink) {
    const int m = CardRank(q.card);
    switch (q.base) {
    case kBaseAnyCard:
        return true;
    case kBaseBalancedAces:
    case kBaseBalancedKingsBySuit:
    case kBaseBalancedAcesBySuit:
        return BalancedBaseAllowed(s, q.base, q.card, sink);
    case kBaseStartedByDeal:
    case kBaseStartedByDealToo:
        return false;
    case kBaseAnySingleCard:
        return q.singleCard;
    case kBaseFromStockOrWaste: {
        int from = LocateCard(s.table, q.card);
        return from == location::kStock || from == location::kWaste || from == location::kNowhere;
    }
    case kBaseSharedRank:
    case kBaseSharedRankFirstFromReserve: {
        // the first foundation started fixes the rank for all
        bool started = false;
        for (int n = 0; n < s.FoundationCount(); ++n) {
            PileIndex f = FoundationPile(n);
            if (s.table.Empty(f)) continue;
            if (CardRank(s.table.At(f, 0)) != m) return false;
            started = true;
        }
        return started || q.base == kBaseSharedRank ||
               IsReserveLocation(LocateCard(s.table, q.card));
    }
    default:
        return q.stop == kBaseAnyCard || m == q.base;
    }
}

// The suit or colour condition of the general test, on the faces the cards show.
bool SuitConditionHolds(const GameState& s, int rule, int top, Card card) {
    switch (rule) {
    case kSameSuit:
    case kSameSuitNoQueenOnKingJack:
        return SuitBlock(TopFace(s, top)) == SuitBlock(s.Face(card));
    case kSameColour:
        return IsRed(TopFace(s, top)) == IsRed(s.Face(card));
    case kAlternateColour:
        return IsRed(TopFace(s, top)) != IsRed(s.Face(card));
    case kNoCardOnCard:
        return false;
    default:
        return true;
    }
}

bool GeneralTest(const GameState& s, const BuildQuery& q, int rule, EventSink& sink) {
    if (IsEmptyTop(q.top)) return EmptyPileTakes(s, q, sink);
    if (!SuitConditionHolds(s, rule, q.top, q.card)) return false;
    const int t = CardRank(q.top), m = CardRank(q.card);
    const bool up = q.direction == kUp || q.direction == kUpOrDown;
    const bool down = q.direction == kDown || q.direction == kUpOrDown;
    if (up) {
        if (q.wrap && t == kKing) return m == kAce && q.base != kAce;
        if (m == t + 1) return true;
    }
    if (!down) return false;
    if (q.wrap) {
        if (t == kAce) return m == kKing && q.base != kKing;
        return m == t - 1;
    }
    // a tableau pile stops at the foundations' base rank unless it may be built past it
    bool atBase =
        t == q.stop || (t == kAce && (q.stop == kBaseBalancedAces || q.stop == kBaseStartedByDeal ||
                                      q.stop == kBaseStartedByDealToo));
    if (atBase && !q.pastBase) return false;
    if (t == kAce) return m == kKing;
    return m == t - 1;
}

// Rule 30: in suit, one rank away, following the way the pile's top two cards run.
bool FollowsPileDirection(const GameState& s, const BuildQuery& q) {
    const int t = CardRank(q.top), m = CardRank(q.card);
    if ((t == kAce && m == kKing) || (t == kKing && m == kAce)) return false;
    if (!IsEmptyTop(q.top) && SuitBlock(TopFace(s, q.top)) != SuitBlock(s.Face(q.card)))
        return false;
    PileIndex pile = TableauPile(q.pile);
    int size = s.table.Size(pile);
    if (size == 0) return false;
    if (size == 1) return m == t + 1 || m == t - 1;
    bool descending = CardRank(s.table.At(pile, size - 1)) < CardRank(s.table.At(pile, size - 2));
    return descending ? m == t - 1 : m == t + 1;
}

} // namespace

int LocateCard(const Table& table, Card card) {
    const PileIndex pile = table.PileOf(card);
    if (pile < 0) return location::kNowhere;
    switch (KindOfPile(pile)) {
    case PileKind::Stock:
        return location::kStock;
    case PileKind::Waste:
        return location::kWaste;
    case PileKind::Foundation:
        return -(NumberInGroup(pile) + 1);
    case PileKind::Tableau:
        return NumberInGroup(pile) + 1;
    case PileKind::Reserve:
        return location::kFirstReserve - NumberInGroup(pile);
    default:
        return location::kNowhere;
    }
}

bool IsTableauLocation(int loc) {
    return loc >= 1 && loc <= kMaxTableaus;
}
bool IsFoundationLocation(int loc) {
    return loc <= -1 && loc >= -kMaxFoundations;
}
bool IsReserveLocation(int loc) {
    return loc <= location::kFirstReserve && loc > location::kFirstReserve - kMaxReserves;
}

bool CheckBuild(const GameState& s, const BuildQuery& q, EventSink& sink) {
    if (q.top == q.card) return false;
    const int t = CardRank(q.top), m = CardRank(q.card);
    const bool empty = IsEmptyTop(q.top);
    const bool sameSuit = SuitBlock(TopFace(s, q.top)) == SuitBlock(s.Face(q.card));
    auto from = [&] { return LocateCard(s.table, q.card); };
    auto tableauSize = [&] { return s.table.Size(TableauPile(q.pile)); };

    int generalRule = q.rule;
    switch (q.rule) {
    case kClosed:
    case kClosedToo:
    case kCompleteSuit: // whole suits only, judged as a run by the foundation test
        return false;
    case kEmptyOnceStockIsOut:
        if (q.dropping) return empty && s.table.Empty(kStockPile);
        break;
    case kSameSuitNoQueenOnKingJack:
        if (m == kQueen && (t == kKing || t == kJack)) return false;
        break;
    case kAnything:
        return true;
    case kStepsOfTwo:
    case kStepsOfThree:
    case kStepsOfFour: {
        int step = q.rule - kStepsOfTwo + 2;
        return m == t + step || m == (t + step) % kRanks;
    }
    case kNotFromTableau:
        return !IsTableauLocation(from());
    case kNotFromTableauUnlessEmpty:
        return !IsTableauLocation(from()) || tableauSize() == 0;
    case kNotFromTableauOrReserve: {
        int loc = from();
        return !IsTableauLocation(loc) && !IsReserveLocation(loc);
    }
    case kUpAnySuitAroundTheCorner:
        if (empty || t == kKing) return m == kAce;
        return m == t + 1;
    case kNotSameSuit:
        if (!empty && sameSuit) return false;
        break;
    case kUpInSuitWhileWasteEmpty:
        return !empty && s.table.Empty(kWastePile) && sameSuit && m == t + 1;
    case kSuitNoQueenKingPair:
        if (empty) return EmptyPileTakes(s, q, sink);
        if ((m == kQueen && t == kKing) || (m == kKing && t == kQueen)) return false;
        if (!sameSuit) return false;
        break;
    case kSuitByTwos:
        if (empty) return true;
        return sameSuit && (q.direction == kUp ? m == t + 2 : m == t - 2);
    case kAnySuitOnShortPile:
        if (empty || tableauSize() >= kShortPileLimit) return false;
        return m == t + 1 || m == t - 1;
    case kAlternateNotFromFoundationOrReserve: {
        int loc = from();
        if (IsFoundationLocation(loc) || IsReserveLocation(loc)) return false;
        generalRule = kAlternateColour;
        break;
    }
    case kSuitUpOrDownNoWrap:
        if (empty) return true;
        return sameSuit && (m == t + 1 || m == t - 1);
    case kSuitUpThenKingThenDown: {
        if (empty) return BalancedBaseAllowed(s, q.base, q.card, sink);
        if (!sameSuit) return false;
        int count = s.table.Size(FoundationPile(q.pile));
        if (count < kFullSuitOnFoundation) return m == t + 1;
        if (count == kFullSuitOnFoundation) return m == kKing;
        return m == t - 1;
    }
    case kSuitFollowsPileDirection:
        return FollowsPileDirection(s, q);
    case kSuitDownNothingOnAce:
        return t != kAce && sameSuit && m == t - 1;
    case kSuitUpNothingOnKing:
        return t != kKing && sameSuit && m == t + 1;
    case kNotFromTableauOnShortPile:
        return !IsTableauLocation(from()) && tableauSize() <= 1;
    default:
        break;
    }
    return GeneralTest(s, q, generalRule, sink);
}

bool EmptyBaseReadsQueryOnly(int base) {
    switch (base) {
    case kBaseBalancedAces:
    case kBaseBalancedKingsBySuit:
    case kBaseBalancedAcesBySuit:
    case kBaseFromStockOrWaste:
    case kBaseSharedRank:
    case kBaseSharedRankFirstFromReserve:
        return false;
    default:
        return true;
    }
}

bool RuleReadsQueryOnly(int rule) {
    switch (rule) {
    case kSameSuit:
    case kSameColour:
    case kAnySuit:
    case kAlternateColour:
    case kClosed:
    case kClosedToo:
    case kNoCardOnCard:
    case kSameSuitNoQueenOnKingJack:
    case kAnything:
    case kStepsOfTwo:
    case kStepsOfThree:
    case kStepsOfFour:
    case kUpAnySuitAroundTheCorner:
    case kNotSameSuit:
    case kSuitNoQueenKingPair:
    case kSuitByTwos:
    case kSuitUpOrDownNoWrap:
    case kSuitDownNothingOnAce:
    case kSuitUpNothingOnKing:
        return true;
    default:
        return false;
    }
}

bool BalancedBaseAllowed(const GameState& s, int baseCode, Card card, EventSink& sink) {
    const int m = CardRank(card);
    if ((baseCode == kBaseBalancedAces || baseCode == kBaseBalancedAcesBySuit) && m != kAce)
        return false;
    if (baseCode == kBaseBalancedKingsBySuit && m != kKing) return false;
    const bool bySuit = baseCode == kBaseBalancedKingsBySuit || baseCode == kBaseBalancedAcesBySuit;

    int sharing = 0;
    for (int n = 0; n < s.FoundationCount(); ++n)
        if (s.P(param::kFoundationBase, n) == baseCode) ++sharing;
    const int half = sharing / 2;

    int red = 0, black = 0;
    std::array<int, kSpades + 1> suits{};
    auto count = [&](Card c) {
        const int face = s.Face(c);
        if (CardSuit(face) == 0) return false;
        (IsRed(face) ? red : black) += 1;
        ++suits[static_cast<std::size_t>(CardSuit(face))];
        return true;
    };
    if (!count(card)) {
        sink.Message(kUnknownSuitText);
        return false;
    }
    for (int n = 0; n < s.FoundationCount(); ++n) {
        PileIndex f = FoundationPile(n);
        if (s.P(param::kFoundationBase, n) != baseCode || s.table.Empty(f)) continue;
        if (!count(s.table.At(f, 0))) {
            sink.Message(kUnknownSuitText);
            return false;
        }
        if (red > half || black > half) return false;
        if (bySuit)
            for (int c : suits)
                if (c > 1) return false;
    }
    return true;
}

} // namespace tablamor
