// The after-deal steps that move cards already on the table.
#include "engine/deal.h"
#include "engine/deal_steps.h"
#include "engine/rule_codes.h"

#include <array>

namespace tablamor::deal {
namespace {

using namespace code;

// Start code 95 sends a tableau pile's cards to a group of foundations chosen by the pile.
constexpr int kKingPiles = 4;     // piles 1..4 to foundations 1..4
constexpr int kAcePilesFirst = 6; // piles 7..10 to foundations 5..8
constexpr int kAcePilesLast = 9;
constexpr int kFoundationGroup = 4;

// Visits the tableau's cards row by row (row 0 the bottom cards) or pile by pile. When `visit`
// takes the card it is given, the same place is visited again, since the next card has moved
// down into it.
template <typename Visit> void ScanTableau(const GameState& s, bool byPile, Visit visit) {
    const int rows = s.table.LongestTableau(s.TableauCount());
    auto at = [&](int p, int r) {
        while (r < s.table.Size(TableauPile(p)) && visit(p, s.table.At(TableauPile(p), r))) {
        }
    };
    if (byPile) {
        for (int p = 0; p < s.TableauCount(); ++p)
            for (int r = 0; r <= rows; ++r) at(p, r);
    } else {
        for (int r = 0; r <= rows; ++r)
            for (int p = 0; p < s.TableauCount(); ++p) at(p, r);
    }
}

bool OfferToGroup(GameState& s, Card card, int pile, EventSink& sink) {
    int first = 0, count = 2 * kFoundationGroup;
    if (pile < kKingPiles) {
        count = kFoundationGroup;
    } else if (pile >= kAcePilesFirst && pile <= kAcePilesLast) {
        first = kFoundationGroup;
        count = kFoundationGroup;
    }
    for (int f = first; f < first + count; ++f)
        if (TryPutOnFoundation(s, card, f, sink)) return true;
    return false;
}

} // namespace

void AcesFromReserveAndWaste(GameState& s) {
    const PileIndex reserve = ReservePile(0);
    int nextFoundation = 1;
    int moved = 0;
    for (int k = 0; k < s.table.Size(reserve);) {
        Card card = s.table.At(reserve, k);
        if (CardRank(card) != kAce) {
            ++k;
            continue;
        }
        if (nextFoundation >= kMaxFoundations || !s.table.Empty(FoundationPile(nextFoundation)))
            throw Refused{"Cannot deal this game: the aces of " + PileName(reserve) +
                          " find no empty foundation."};
        s.table.EraseAt(reserve, k);
        s.table.Append(FoundationPile(nextFoundation++), card);
        ++moved;
        k = 0; // the scan starts again from the bottom
    }
    // The waste position moves on after every card, also after one was taken out.
    const PileIndex waste = kWastePile;
    bool aceSeen = false;
    for (int pos = 0; pos < s.table.Size(waste); ++pos) {
        Card card = s.table.At(waste, pos);
        if (CardRank(card) == kAce) {
            s.table.EraseAt(waste, pos);
            s.table.Append(FoundationPile(0), card, true);
            aceSeen = true;
        } else if (moved > 0) {
            s.table.EraseAt(waste, pos);
            s.table.Append(reserve, card);
            s.table.SetFaceFlags(reserve, s.table.Size(reserve), true);
            --moved;
        }
        if (moved == 0 && aceSeen) break;
    }
}

void GatherToFoundations(GameState& s, EventSink& sink) {
    const int code = s.P(param::kFoundationStartCard, 0);
    const bool byPile = s.P(param::kAfterDealByPile) != 0;
    ScanTableau(s, byPile, [&](int pile, Card card) {
        if (card == kNoCard) return false;
        switch (code) {
        case kStartAceThenGatherOwn:
            return TryPutOnFoundation(s, card, pile, sink);
        case kStartKingsAndAcesThenGather:
            return OfferToGroup(s, card, pile, sink);
        default:
            return TryPutOnFoundation(s, card, -1, sink);
        }
    });
}

void AcesUpReplacedFromStock(GameState& s, EventSink& sink) {
    ScanTableau(s, false, [&](int pile, Card card) {
        if (CardRank(card) != kAce || !TryPutOnFoundation(s, card, -1, sink)) return false;
        if (!s.table.Empty(kStockPile)) {
            Card replacement = s.table.EraseAt(kStockPile, s.table.Size(kStockPile) - 1);
            s.table.Append(TableauPile(pile), replacement, true);
        }
        return true;
    });
}

void KingsToBottom(GameState& s) {
    for (int n = 0; n < s.TableauCount(); ++n) {
        const PileIndex p = TableauPile(n);
        for (int k = 1; k < s.table.Size(p); ++k)
            if (CardRank(s.table.At(p, k)) == kKing) s.table.Insert(p, 0, s.table.EraseAt(p, k));
    }
}

void HeartsCourtApart(GameState& s) {
    constexpr Card kQueenOfHearts = kQueen;
    constexpr Card kKingOfHearts = kKing;
    if (s.table.RemoveCard(kKingOfHearts, s.TableauCount()) != PileKind::None)
        s.table.Insert(kStockPile, 0, kKingOfHearts);
    if (s.table.RemoveCard(kQueenOfHearts, s.TableauCount()) != PileKind::None)
        s.table.Append(TableauPile(0), kQueenOfHearts, true);
}

} // namespace tablamor::deal
