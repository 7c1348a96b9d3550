#pragma once
// A game in progress kept in a file and taken up again later: the game and its number, the
// table, the score, the clock, the per-deal counters and the whole undo and redo history. The
// text format lives here and nowhere else. It opens with a version line and closes with an end
// line; every pile is written as the undo snapshots write it. The line "hinted 1" follows the
// redo flag only in a game where a hint was taken, so files kept before it existed still read.
//
// A kept game is taken back whole or not at all: a damaged file, a file of another kind, or one
// whose game definition has changed since it was saved is refused with a message, and the game
// in play stays as it was.
#include "engine/events.h"
#include "engine/game_play.h"
#include "engine/game_state.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tablamor {

// The first line of a saved game of this version.
inline constexpr std::string_view kSavedGameHeader = "Tablamor saved game 1";

// One step of the history as written: the 53 piles, the passes through the stock, the mark.
struct SavedStep {
    std::array<std::string, kPileCount> piles;
    int passesUsed = 1;
    std::string mark;
};

// A game in progress as the file holds it, before it is checked against a game definition.
struct SavedGame {
    int gameId = -1;
    std::uint64_t definition = 0; // DefinitionFingerprint of the game as loaded
    GameNumber number;
    int score = 0;
    bool scoring = true;
    int seconds = 0;
    int passesUsed = 1;
    int actionsDone = 0;
    bool stockPressed = false;
    bool undoDone = false;
    bool redoDone = false;
    bool hinted = false; // the player took a hint before the game was kept
    std::array<std::string, kPileCount> table;
    std::vector<SavedStep> undo; // oldest first
    std::vector<SavedStep> redo;
};

// A short number that changes whenever the game's parameters as loaded change (the values each
// deal rewrites are taken as they were before the deal).
std::uint64_t DefinitionFingerprint(const GameState& state);

// The game in play as it is now. `gameId` is the id the game was loaded under.
SavedGame CaptureGame(int gameId, const GamePlay& play);

std::string SavedGameText(const SavedGame& game);

// The game written in `text`, or the reason it is refused.
std::variant<SavedGame, std::string> ParseSavedGame(std::string_view text);

// Puts the saved game into `state` (freshly set up with the game's definition, no deal needed)
// and `play`. Empty on success; otherwise the reason, and neither `state` nor `play` changed.
std::string ResumeSavedGame(const SavedGame& game, GameState& state, GamePlay& play);

} // namespace tablamor
