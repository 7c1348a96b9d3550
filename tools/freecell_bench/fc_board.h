#pragma once
// A dealt FreeCell table in the board format of the fc-solve program: a "Foundations:" line with
// every suit at 0, an empty "Freecells:" line, then one line per tableau column from its bottom
// card (the one dealt first) to its top card, cards written rank then suit ("TH", "AS", "9C").
#include "engine/game_state.h"

#include <string>

namespace tablamor {

// "AH", "TD", "KS", ...
std::string FcCardText(int card);

std::string FcBoard(const GameState& dealt);

} // namespace tablamor
