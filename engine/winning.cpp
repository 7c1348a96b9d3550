#include "engine/winning.h"

#include "engine/peaks.h"
#include "engine/rule_codes.h"

#include <algorithm>

namespace tablamor {
namespace {

constexpr int kPointsPerCard = 5;
constexpr int kFirstColumnLimit = 4;

int Count(const GameParams& p, int param, int max) {
    return std::clamp<int>(p[param], 0, max);
}

bool OnlyGaps(const Table& t, PileIndex pile) {
    for (Card c : t.Pile(pile))
        if (c != kNoCard) return false;
    return true;
}

bool OnlyAces(const Table& t, PileIndex pile) {
    for (Card c : t.Pile(pile))
        if (CardRank(c) != kAce) return false;
    return true;
}

} // namespace

bool IsGameWon(const Table& t, const GameParams& p) {
    const int tableaus = Count(p, param::kTableauCount, kMaxTableaus);
    const int reserves = Count(p, param::kReserveCount, kMaxReserves);
    switch (p[param::kSpecialCode]) {
    case special::kFillEveryColumn:
        for (int n = 0; n < tableaus; ++n)
            if (t.Empty(TableauPile(n))) return false;
        return true;
    case special::kFirstColumnOfFour:
    case special::kFirstColumnOfFourToo:
        return t.Empty(kStockPile) && t.Size(TableauPile(0)) <= kFirstColumnLimit;
    default:
        break;
    }
    if (!t.Empty(kStockPile) || !t.Empty(kWastePile)) return false;
    auto cleared = [&](PileIndex pile) {
        if (HasPeaks(p)) return OnlyGaps(t, pile);
        switch (p[param::kSpecialCode]) {
        case special::kGapsOnly:
            return OnlyGaps(t, pile);
        case code::kSpecialAcesStay:
            return OnlyAces(t, pile);
        default:
            return t.Empty(pile);
        }
    };
    for (int n = 0; n < tableaus; ++n)
        if (!cleared(TableauPile(n))) return false;
    for (int n = 0; n < reserves; ++n)
        if (!t.Empty(ReservePile(n))) return false;
    return true;
}

int ComputeScore(const Table& t, const GameParams& p) {
    int cards = p[param::kDealScore] + t.Size(kThirdPile);
    for (int n = 0; n < Count(p, param::kFoundationCount, kMaxFoundations); ++n)
        cards += t.Size(FoundationPile(n));
    return kPointsPerCard * cards - p[param::kCardCount];
}

} // namespace tablamor
