#pragma once
// The table laid out for a card of any width: the big card's layout, fan steps, gaps and margins
// all grown or shrunk in the card's proportion, so that a table of large cards looks like the
// same table of big cards seen closer. A card keeps the big card's shape (71 by 96).
//
// The layout runs on a window shrunk by the scale and its positions are scaled back; the table
// top stays where the window has it. At the big card's width the result is the big card's
// layout exactly.
#include "engine/params.h"
#include "table/layout/card_size.h"
#include "table/layout/fan_steps.h"
#include "table/layout/layout_input.h"
#include "table/layout/pile_positions.h"

namespace tablamor::layout {

// A card size with its fan steps and the positions of a layout made for it.
struct SizedLayout {
    CardSize card;
    FanSteps steps;
    PilePositions positions;
};

// The card of the big card's shape that is `width` pixels wide.
CardSize CardOfWidth(int width);

// The big card's fan steps for the game, scaled to a card `width` pixels wide.
FanSteps ScaledFanSteps(const GameParams& params, int width);

// The layout for cards `width` pixels wide; input.cardSize is not read.
SizedLayout LayOutForCardWidth(const GameParams& params, const LayoutInput& input, int width);

} // namespace tablamor::layout
