#pragma once
// The readable source of one game (a file under games/):
//
//   # One line saying what the game is.
//   id = 1
//   name = Klondike
//   type = 5
//   TableauCount = 7
//   TableauDealt = 1 2 3 4 5 6 7
//
// Parameters are given by the names of engine/params.h; a range takes its values in pile order
// (or one at a time as "TableauDealt[3] = 4"). A parameter not given is 0. Names and descriptions
// are plain ASCII (the game file's scrambling is defined for it).
#include "engine/game_file.h"

#include <string>
#include <string_view>

namespace tablamor {

// Throws DefinitionError naming `origin` and the line for anything it cannot read.
GameDefinition ParseGameSource(std::string_view text, std::string_view origin);

// The canonical text of a game: the description line, id, name, type, then every non-zero
// parameter in index order, ranges up to their last non-zero value.
std::string FormatGameSource(const GameDefinition& game);

} // namespace tablamor
