#pragma once
// The table layout: from the game's layout codes and the size of the table area, where the
// bottom card of every pile lies.
//
// Each of five pile groups (stock group, foundations, tableau, reserves, third stock-group pile)
// has a count, an arrangement number and a row digit (1..6) in the game parameters. The rows are
// fixed distances below the table top (row 5 is the bottom row); the wrapping arrangements use
// lines centred in the table height instead. A pile whose arrangement does not place it, whose
// row digit names no row, or whose place derives from a pile that is not placed keeps its marker.
//
// Tableau columns, foundations and reserves are placed only within their group's count; the
// stock group follows its arrangement and the game's stock and waste flags, and the two
// arrangements that end the layout (53, 54) place the stock-group piles they name. The result
// starts from markers, so a layout never depends on an earlier one; ScrollOffset is 0 while the
// layout runs and takes the input's scroll position at its end.
#include "engine/params.h"
#include "table/layout/layout_input.h"
#include "table/layout/pile_positions.h"

namespace tablamor::layout {

PilePositions ComputeTableLayout(const GameParams& params, const LayoutInput& input);

} // namespace tablamor::layout
