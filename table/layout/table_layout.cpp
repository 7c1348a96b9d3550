// The layout's order of steps, and the check that a reserve row at the left margin does not
// cover the tableau.
#include "table/layout/table_layout.h"

#include "table/layout/arrangements.h"
#include "table/layout/layout_work.h"

#include <algorithm>
#include <optional>

namespace tablamor::layout {
namespace {

using detail::LayoutWork;

constexpr int kClashWidening = 85; // a reserve closer than this to a column covers it
constexpr int kClashProbeStep = 50;
constexpr int kForcedStartGap = 86;

// Edges count as inside.
struct Box {
    int left, top, right, bottom;
    bool Holds(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
    bool SpansX(int x) const { return x >= left && x <= right; }
    bool SpansY(int y) const { return y >= top && y <= bottom; }
};

bool Clashes(const Box& r, const Box& b) {
    if (b.Holds(r.left, r.top) || b.Holds(r.right, r.top) || b.Holds(r.left, r.bottom) ||
        b.Holds(r.right, r.bottom))
        return true;
    if (!b.SpansX(r.left) && !b.SpansX(r.right)) return false;
    for (int y = r.top; y <= r.bottom; y += kClashProbeStep)
        if (b.SpansY(y)) return true;
    return false;
}

// Where the tableau must start for the last reserve of a left-margin reserve row to clear it;
// nullopt when there is no clash.
std::optional<int> ReserveClashStart(const LayoutWork& w) {
    if (w.reserves.arrangement != reserve_arrangement::kLeftMargin || w.reserveCount == 0)
        return std::nullopt;
    PileIndex last = ReservePile(w.reserveCount - 1);
    if (!w.positions.Placed(last)) return std::nullopt;
    const int W = w.cardWidth, H = w.cardHeight;
    const int rx = w.positions.X(last), ry = w.positions.AbsoluteY(last);
    Box reserve{rx, ry, rx + W, ry + H};
    for (int i = 0; i < kMaxTableaus; ++i) {
        PileIndex column = TableauPile(i);
        if (!w.positions.Placed(column)) continue;
        int x = w.positions.X(column), y = w.positions.AbsoluteY(column);
        if (Clashes(reserve, {x - kClashWidening, y, x + W + kClashWidening, y + H})) {
            int start = rx + W + kForcedStartGap;
            return start < 1 ? w.margin : start;
        }
    }
    return std::nullopt;
}

void RunSteps(LayoutWork& w) {
    if (detail::PlaceTableau(w)) return;
    detail::PlaceStockGroup(w);
    detail::PlaceFoundations(w);
    detail::PlaceTableauUnderFoundations(w);
    detail::PlaceReserves(w);
    detail::PlaceThirdPile(w);
}

} // namespace

PilePositions ComputeTableLayout(const GameParams& params, const LayoutInput& input) {
    PilePositions positions;
    LayoutWork work{params, positions};
    detail::SetUpFrame(work, input);
    RunSteps(work);
    if (auto start = ReserveClashStart(work)) {
        // One retry: only the centred fixed-gap tableau can move, and whatever the second
        // pass gives stands.
        positions.Reset();
        work.forcedTableauStart = start;
        RunSteps(work);
    }
    positions.SetScrollOffset(std::max(0, input.scrollPosition));
    return positions;
}

} // namespace tablamor::layout
