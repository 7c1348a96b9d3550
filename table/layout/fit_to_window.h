#pragma once
// "Fit to window": the largest card at which a game's table fits the window.
//
// A table fits when every pile the game uses has a place inside the table area (between the
// table top and bottom, left of the scroll bar) and no two piles cover each other, each pile
// taken with the cards of its deal and, for a downward-fanned tableau column, with room for a
// run of a whole suit more. The pyramid's rows lie half over one another by design; they may
// overlap each other, never another pile.
//
// The widths tried run from the largest fitted card down to the small card's width; the first
// that fits is chosen. When none fits, the largest at which the piles fit side by side (a tall
// column scrolls) is chosen, and failing that the smallest.
#include "engine/params.h"
#include "table/layout/layout_input.h"
#include "table/layout/scaled_layout.h"

#include <vector>

namespace tablamor::layout {

inline constexpr int kLargestFittedCardWidth = 284; // four times the big card
inline constexpr int kSmallestFittedCardWidth = 25; // the small card

// The piles the game puts on the table.
std::vector<PileIndex> UsedPiles(const GameParams& params);

SizedLayout FitToWindow(const GameParams& params, const LayoutInput& input);

} // namespace tablamor::layout
