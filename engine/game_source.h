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
// (or one at a time as "TableauDealt[3] = 4"); a range given without an index is replaced whole,
// its later values 0. A parameter not given is 0. Names and descriptions are plain ASCII (the game
// file's scrambling is defined for it).
//
// A variant names its base as its first setting and states only what differs:
//
//   # Canfield dealing one card at a time, three passes.
//   base = 0016-canfield.game
//   id = 108
//   name = Rainfall
//   StockDealCount = 1
//   StockPasses = 3
//
// It takes the base's type, parameters and description line (its own first comment replaces the
// description), and must give its own id and name. A base is named relative to the variant's
// folder and may have a base of its own.
#include "engine/game_file.h"

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace tablamor {

// Gives the text of the base source a variant names, by its path (the name taken relative to the
// folder of the source that names it); throws DefinitionError when it cannot.
using BaseSourceReader = std::function<std::string(const std::string& path)>;

// Throws DefinitionError naming `origin` and the line for anything it cannot read, a base that
// cannot be read or that is (through its own bases) the source itself included.
GameDefinition ParseGameSource(std::string_view text, std::string_view origin,
                               const BaseSourceReader& readBase = {});

// Reads a source file and the bases it names. Throws DefinitionError.
GameDefinition LoadGameSource(const std::filesystem::path& file);

// The canonical text of a game: the description line, id, name, type, then every non-zero
// parameter in index order, ranges up to their last non-zero value.
std::string FormatGameSource(const GameDefinition& game);

} // namespace tablamor
