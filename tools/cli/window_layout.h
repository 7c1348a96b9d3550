#pragma once
// The table layout as the main window computes it on a window of W x H pixels that fills a screen
// of the same size: the table starts below the large toolbar, the scroll bar's width stays free at
// the right, card shadows are on.
#include "engine/params.h"
#include "engine/placed_piles.h"
#include "table/layout/card_size.h"
#include "table/layout/pile_positions.h"

namespace tablamor::cli {

layout::PilePositions LayOutOnWindow(const GameParams& params, int width, int height,
                                     layout::CardSizeLetter size);

// The window `play` and `solve` judge drops on: 1024 x 768 with big cards.
inline constexpr int kPlayWindowWidth = 1024;
inline constexpr int kPlayWindowHeight = 768;

// The piles the play window's layout places, with a spot of their own each.
PlacedPiles PlacedOnPlayWindow(const GameParams& params);

} // namespace tablamor::cli
