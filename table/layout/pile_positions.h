#pragma once
// The four position tables of a laid-out table: one x and one y per pile, the top-left pixel of
// the pile's bottom card in table space (y grows downwards). A pile the layout did not place
// keeps its group's marker (stock group -10000, foundations -10001, tableau -10002, reserves
// -10003) and is never drawn or hit.
//
// y is stored absolute; reads of y return it minus ScrollOffset (the main window's vertical
// scroll position), x is read as stored; a marker reads as itself. Any pile index outside 0..52
// reads as a marker and ignores writes.
#include "engine/piles.h"

#include <array>

namespace tablamor::layout {

inline constexpr int kStockGroupMarker = -10000;
inline constexpr int kFoundationMarker = -10001;
inline constexpr int kTableauMarker = -10002;
inline constexpr int kReserveMarker = -10003;
// A coordinate below this is a marker: the pile has no place.
inline constexpr int kLowestPlacedCoordinate = -9999;

inline bool IsUnset(int coordinate) {
    return coordinate < kLowestPlacedCoordinate;
}

// The marker of the group the pile belongs to.
int MarkerOf(PileIndex pile);

class PilePositions {
public:
    // Every pile at its marker, ScrollOffset 0.
    PilePositions();

    void Reset();

    int X(PileIndex pile) const;
    // Stored y minus ScrollOffset.
    int Y(PileIndex pile) const;
    int AbsoluteY(PileIndex pile) const;
    // True when both x and y were set.
    bool Placed(PileIndex pile) const;

    void SetX(PileIndex pile, int x);
    void SetY(PileIndex pile, int absoluteY);
    void Set(PileIndex pile, int x, int absoluteY);

    int ScrollOffset() const { return scrollOffset_; }
    void SetScrollOffset(int offset) { scrollOffset_ = offset; }

    bool operator==(const PilePositions&) const = default;

private:
    std::array<int, kPileCount> x_{};
    std::array<int, kPileCount> y_{};
    int scrollOffset_ = 0;
};

} // namespace tablamor::layout
