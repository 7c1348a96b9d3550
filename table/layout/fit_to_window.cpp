#include "table/layout/fit_to_window.h"

#include "engine/deal.h"
#include "engine/events.h"
#include "engine/fan_style.h"
#include "engine/game_number.h"
#include "engine/game_state.h"
#include "table/layout/arrangements.h"
#include "table/layout/table_geometry.h"

#include <algorithm>

namespace tablamor::layout {
namespace {

// A downward-fanned column keeps room for this many cards more than its deal: a whole suit.
constexpr int kRoomToGrow = 13;
// The deal a game's piles are measured on; every deal of a game puts the same number of cards
// on each pile.
constexpr const char* kMeasuredDeal = "1";

enum class Bottom { Counts, Scrolls };

// The gap a fitted table keeps at the window's right edge, at most the gap on its left: piles
// that touch the frame look cut off.
constexpr int kRightGap = 8;

bool TableauRowsOverlapByDesign(const GameParams& p) {
    const int arrangement = p[param::kTableauLayout];
    return (arrangement == tableau_arrangement::kSlanted ||
            arrangement == tableau_arrangement::kPeaks) &&
           FanStyleOf(p, PileKind::Tableau) == FanStyle::SideBySide;
}

// The area a pile covers with its dealt cards, and a downward-fanned column's room to grow.
Rect Reach(const TableGeometry& g, const Table& table, const GameParams& p, PileIndex pile) {
    const int size = table.Size(pile);
    Rect r = g.CardRect(pile, 0);
    int left = r.x, top = r.y, right = r.Right(), bottom = r.Bottom();
    for (int k = 1; k < size; ++k) {
        const Rect c = g.CardRect(pile, k);
        left = std::min(left, c.x);
        top = std::min(top, c.y);
        right = std::max(right, c.Right());
        bottom = std::max(bottom, c.Bottom());
    }
    if (KindOfPile(pile) == PileKind::Tableau &&
        FanStyleOf(p, PileKind::Tableau) == FanStyle::Vertical) {
        const Rect next = g.CardRect(pile, size);
        bottom = std::max(bottom, next.Bottom() + (kRoomToGrow - 1) * g.Context().steps.verticalUp);
    }
    return {left, top, right - left, bottom - top};
}

bool Fits(const GameState& dealt, const LayoutInput& in, const SizedLayout& sized, Bottom bottom) {
    const GameParams& p = dealt.params;
    const TableGeometry g(sized.positions, dealt.table, p, sized.steps, sized.card);
    const bool pyramid = TableauRowsOverlapByDesign(p);
    const int right = in.windowWidth - in.scrollBarWidth;
    std::vector<std::pair<PileIndex, Rect>> taken;
    int leftmost = right;
    int rightmost = 0;
    for (PileIndex pile : UsedPiles(p)) {
        if (!sized.positions.Placed(pile)) return false;
        const Rect r = Reach(g, dealt.table, p, pile);
        if (r.x < 0 || r.y < in.tableTop || r.Right() > right) return false;
        if (bottom == Bottom::Counts && r.Bottom() > in.tableBottom + 1) return false;
        for (const auto& [other, o] : taken) {
            const bool bothTableau =
                KindOfPile(pile) == PileKind::Tableau && KindOfPile(other) == PileKind::Tableau;
            if (!(pyramid && bothTableau) && o.OverlapArea(r) > 0) return false;
        }
        taken.emplace_back(pile, r);
        leftmost = std::min(leftmost, r.x);
        rightmost = std::max(rightmost, r.Right());
    }
    return right - rightmost >= std::min(kRightGap, leftmost);
}

GameState Dealt(const GameParams& params) {
    GameState state = NewGameState(params);
    // A definition the deal refuses is measured on its empty piles.
    (void)DealGame(state, *GameNumber::Parse(kMeasuredDeal), NullEventSink());
    return state;
}

} // namespace

std::vector<PileIndex> UsedPiles(const GameParams& p) {
    std::vector<PileIndex> piles;
    if (p[param::kStockPlaced] == 1) piles.push_back(kStockPile);
    if (p[param::kWastePlaced] == 1) piles.push_back(kWastePile);
    if (p[param::kThirdPilePlaced] > 0) piles.push_back(kThirdPile);
    const int foundations = std::clamp<int>(p[param::kFoundationCount], 0, kMaxFoundations);
    const int tableaus = std::clamp<int>(p[param::kTableauCount], 0, kMaxTableaus);
    const int reserves = std::clamp<int>(p[param::kReserveCount], 0, kMaxReserves);
    for (int i = 0; i < foundations; ++i) piles.push_back(FoundationPile(i));
    for (int i = 0; i < tableaus; ++i) piles.push_back(TableauPile(i));
    for (int i = 0; i < reserves; ++i) piles.push_back(ReservePile(i));
    return piles;
}

SizedLayout FitToWindow(const GameParams& params, const LayoutInput& input) {
    const GameState dealt = Dealt(params);
    for (Bottom bottom : {Bottom::Counts, Bottom::Scrolls}) {
        for (int width = kLargestFittedCardWidth; width >= kSmallestFittedCardWidth; --width) {
            SizedLayout sized = LayOutForCardWidth(params, input, width);
            if (Fits(dealt, input, sized, bottom)) return sized;
        }
    }
    return LayOutForCardWidth(params, input, kSmallestFittedCardWidth);
}

} // namespace tablamor::layout
