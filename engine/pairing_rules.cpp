#include "engine/pairing_rules.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace tablamor {
namespace {

using namespace pairing;

constexpr int kTen = 10;

struct Tally {
    int count = 0;
    int pips = 0;    // ace to nine
    int numbers = 0; // ace to ten: the number cards that make up sums
    int high = 0;    // ten to king
    int courts = 0;  // jack, queen, king
    int rankSum = 0;
    int courtsAsTenSum = 0; // jack, queen and king count ten
    int nonCourtSum = 0;
    std::array<int, 14> perRank{};
    int maxPerRank = 0;
    int distinctRanks = 0;
};

Tally Count(std::span<const Card> selection) {
    Tally t;
    for (Card c : selection) {
        int r = CardRank(c);
        if (r < 1) continue;
        ++t.count;
        (r < kTen ? t.pips : t.high) += 1;
        if (r <= kTen) ++t.numbers;
        if (r >= kJack) ++t.courts;
        t.rankSum += r;
        t.courtsAsTenSum += r >= kJack ? kTen : r;
        if (r < kJack) t.nonCourtSum += r;
        if (t.perRank[static_cast<std::size_t>(r)]++ == 0) ++t.distinctRanks;
        t.maxPerRank = std::max(t.maxPerRank, t.perRank[static_cast<std::size_t>(r)]);
    }
    return t;
}

SelectionCheck Verdict(bool allowed, bool complete) {
    if (!allowed) return SelectionCheck::Refused;
    return complete ? SelectionCheck::Complete : SelectionCheck::Incomplete;
}

bool AllFaceUp(std::span<const bool> faceUp) {
    for (bool up : faceUp)
        if (!up) return false;
    return true;
}

// Code 17 and 26: two number cards making eleven (a ten goes with an ace), or one jack, one
// queen and one king.
SelectionCheck ElevensOrCourts(const Tally& t) {
    bool allowed = t.numbers > 0 ? (t.courts == 0 && t.count <= 2) : t.maxPerRank <= 1;
    bool complete = (t.numbers == 2 && t.rankSum == 11) ||
                    (t.courts == 3 && t.distinctRanks == 3 && t.count == 3);
    return Verdict(allowed, complete);
}

} // namespace

SelectionCheck CheckPairingSelection(int code, int targetSum, std::span<const Card> selection,
                                     std::span<const bool> faceUp) {
    const Tally t = Count(selection);
    switch (code) {
    case kPipsAndFourOfAKind: {
        bool allowed = t.high == 0 ? (targetSum != kTen || t.pips <= 2)
                                   : (t.pips == 0 && t.distinctRanks == 1);
        bool fourHigh = t.high == 4 && t.distinctRanks == 1;
        bool sumDone = (targetSum == 10 && t.pips == 2 && t.rankSum == 10) ||
                       (targetSum == 15 && t.high == 0 && t.rankSum == 15);
        return Verdict(allowed, fourHigh || sumDone);
    }
    // one or two cards: a card of the sum's own rank (a king for thirteen) goes alone
    case kTwoCardSum:
        return Verdict(t.count <= 2, t.count > 0 && t.rankSum == targetSum);
    case kEqualRankPairs:
    case kEqualRankPairsToo:
    case kTouchingEqualRanks:
        return Verdict(t.count <= 2 && t.distinctRanks <= 1, t.count == 2 && t.distinctRanks == 1);
    case kElevensAndCourts:
        return ElevensOrCourts(t);
    case kFaceUpElevens:
        if (!AllFaceUp(faceUp)) return SelectionCheck::Refused;
        return ElevensOrCourts(t);
    case kAceOrEighteen: {
        bool hasAce = t.perRank[kAce] > 0;
        // the three cards besides the court are number cards, tens included
        bool allowed = t.count <= 4 && t.courts <= 1 && t.count - t.courts <= 3 &&
                       t.maxPerRank <= 1 && (!hasAce || t.count == 1);
        bool complete =
            (hasAce && t.count == 1) || (t.count == 4 && t.courts == 1 && t.nonCourtSum == 18);
        return Verdict(allowed, complete);
    }
    case kTensTwentiesThirties: {
        int s = t.courtsAsTenSum;
        return Verdict(true, t.count > 1 && (s == 10 || s == 20 || s == 30));
    }
    case kTwoCardsFree:
    case kTwoCardsFreeQueenKing:
        return Verdict(t.count <= 2, false);
    case kAnyCardsFree:
        return Verdict(true, false);
    case kNinesAndTenToKing: {
        bool allowed = t.pips > 0 ? (t.high == 0 && t.count <= 2) : t.maxPerRank <= 1;
        bool complete = (t.high == 0 && t.count >= 1 && t.count <= 2 && t.rankSum == 9) ||
                        (t.high == 4 && t.distinctRanks == 4);
        return Verdict(allowed, complete);
    }
    case kFaceUpEqualPairs:
        if (!AllFaceUp(faceUp)) return SelectionCheck::Refused;
        return Verdict(t.count <= 2 && t.distinctRanks <= 1, t.count == 2 && t.distinctRanks == 1);
    default:
        return Verdict(true, t.count > 0 && t.rankSum == targetSum);
    }
}

bool TouchInGrid(int a, int b, int columns) {
    if (columns < 1 || a < 0 || b < 0 || a == b) return false;
    return std::abs(a / columns - b / columns) <= 1 && std::abs(a % columns - b % columns) <= 1;
}

SelectionCheck CheckSumSelection(int sum, std::span<const Card> selection) {
    const Tally t = Count(selection);
    return Verdict(t.count <= 2, t.rankSum == sum);
}

} // namespace tablamor
