#include "engine/deal_array.h"

#include <algorithm>

namespace tablamor {
namespace {

constexpr int kRanks = 13;
constexpr int kFirstDeckSuits = 4; // entries of a suit-table row used with one deck
constexpr int kBothDeckSuits = 8;  // ... and with two

// Suit order of one cycle: row (number mod 13), four suits for the first deck, four for the second.
constexpr int kSuitTable[kRanks][kBothDeckSuits] = {
    {4, 2, 3, 1, 4, 2, 1, 3}, {1, 3, 2, 4, 4, 3, 2, 1}, {2, 4, 3, 1, 3, 4, 1, 2},
    {3, 4, 2, 1, 2, 3, 1, 4}, {4, 2, 3, 1, 1, 3, 4, 2}, {1, 4, 2, 3, 4, 1, 2, 3},
    {2, 1, 3, 4, 3, 1, 2, 4}, {3, 2, 1, 4, 2, 4, 1, 3}, {4, 3, 1, 2, 1, 2, 3, 4},
    {2, 1, 4, 3, 4, 2, 1, 3}, {3, 1, 4, 2, 1, 2, 4, 3}, {3, 2, 4, 1, 1, 4, 3, 2},
    {2, 3, 4, 1, 4, 1, 3, 2},
};

// How far the slot cursor moves before each card, by the cycle's digit.
constexpr int kStepTable[10][kBothDeckSuits] = {
    {25, 18, 13, 22, 21, 20, 15, 15}, {20, 19, 12, 13, 18, 18, 23, 17},
    {30, 21, 19, 19, 13, 22, 20, 18}, {51, 16, 14, 18, 21, 21, 17, 19},
    {18, 19, 19, 23, 13, 16, 15, 20}, {17, 21, 14, 19, 19, 16, 18, 17},
    {48, 16, 13, 14, 19, 20, 20, 16}, {11, 21, 21, 23, 17, 18, 22, 20},
    {22, 16, 13, 13, 19, 17, 22, 13}, {24, 13, 20, 21, 21, 14, 15, 22},
};

// Digits k1, k2, k3 (1-based) read as one three-digit number.
int ThreeDigits(const GameNumber& g, int k1, int k2, int k3) {
    return g.Digit(k1) * 100 + g.Digit(k2) * 10 + g.Digit(k3);
}

// The nine digits that choose the suit row of cycle z, as a number modulo 13: for z up to 10 the
// number without its digits z..z+3; for z = 11, 12, 13 the digits 3..11, 4..12, 5..13.
int SuitRow(const GameNumber& g, int z) {
    constexpr int kLeftOut = 4;
    constexpr int kLastSkippingCycle = 10;
    int value = 0;
    auto add = [&](int k) { value = (value * 10 + g.Digit(k)) % kRanks; };
    if (z <= kLastSkippingCycle) {
        for (int k = 1; k <= GameNumber::kDigits; ++k)
            if (k < z || k >= z + kLeftOut) add(k);
    } else {
        int first = z - (kLastSkippingCycle - 2);
        for (int k = first; k < first + 9; ++k) add(k);
    }
    return value;
}

// A free slot for a card whose slot is taken: from `from` upward (forward) or downward, then
// from slot 0 upward; -1 when the array is full.
int FreeSlot(DealArray& deal, int size, int from, bool forward) {
    if (forward) {
        for (int k = from; k < size; ++k)
            if (deal.Slot(k) == kNoCard) return k;
    } else {
        for (int k = from; k >= 0; --k)
            if (deal.Slot(k) == kNoCard) return k;
    }
    for (int k = 0; k < size; ++k)
        if (deal.Slot(k) == kNoCard) return k;
    return -1;
}

} // namespace

bool DealArray::Remove(Card card) {
    for (int k = head_; k < size_; ++k) {
        if (cards_[static_cast<std::size_t>(k)] != card) continue;
        std::copy(cards_.begin() + k + 1, cards_.begin() + size_, cards_.begin() + k);
        --size_;
        return true;
    }
    return false;
}

std::optional<DealArray> BuildDealArray(const GameNumber& g, int cardCount) {
    const int n = cardCount;
    if (n < 1 || (n > kDeckSize && n != kMaxCards)) return std::nullopt;
    const int suitsPerCycle = n <= kDeckSize ? kFirstDeckSuits : kBothDeckSuits;

    DealArray deal(n);
    std::array<int, kRanks> ranks{};
    for (int r = 0; r < kRanks; ++r) ranks[static_cast<std::size_t>(r)] = r + 1;
    int ranksLeft = kRanks;

    constexpr int kCursor1 = 1, kCursor2 = 7, kCursor3 = 13;
    constexpr int kWeightDigit1 = 2, kWeightDigit2 = 6, kWeightDigit3 = 12;
    int w = ThreeDigits(g, kWeightDigit1, kWeightDigit2, kWeightDigit3);
    int x1 = kCursor1, x2 = kCursor2, x3 = kCursor3;
    auto advance = [](int& x) { x = x == GameNumber::kDigits ? 1 : x + 1; };

    for (int z = 1; z <= kRanks; ++z) {
        const int d = g.Digit(z);
        const bool forward = d == 0;
        const int s = SuitRow(g, z);

        int r = ThreeDigits(g, x1, x2, x3) % kRanks;
        if (r >= ranksLeft) r = forward ? ranksLeft - 1 : 0;
        const int rank = ranks[static_cast<std::size_t>(r)];
        std::copy(ranks.begin() + r + 1, ranks.begin() + ranksLeft, ranks.begin() + r);
        --ranksLeft;
        advance(x1);
        advance(x2);
        advance(x3);

        w -= d;
        for (int i = 0; i < suitsPerCycle; ++i) {
            w += kStepTable[d][i];
            if (w >= n)
                w %= n;
            else if (w < 0)
                w = 0;
            const int suit = kSuitTable[s][i];
            const int card = (suit - 1) * kRanks + rank + (i >= kFirstDeckSuits ? kDeckSize : 0);
            int slot = deal.Slot(w) == kNoCard ? w : FreeSlot(deal, n, w, forward);
            if (slot < 0) continue; // the array is full: the card is dropped and w stays
            w = slot;
            deal.Slot(w) = static_cast<Card>(card);
        }
    }
    return deal;
}

} // namespace tablamor
