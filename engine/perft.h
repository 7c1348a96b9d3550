#pragma once
// Move-path counting ("perft"): how many command sequences of a given length the player could
// give from a position, each command listed by the move generator and played as the window
// plays it with autoplay off (PlayCommand: the command, then the filling of empty piles). A won
// position ends the game, so nothing follows it. The counts pin the generator and the rules
// together: any change to either that adds or loses a move changes them.
#include "engine/commands.h"

#include <cstdint>
#include <vector>

namespace tablamor {

// The count of one first move.
struct PerftBranch {
    Command first;
    std::uint64_t paths = 0;
};

struct PerftResult {
    std::vector<PerftBranch> branches; // in the generator's order
    std::uint64_t total = 0;
};

// Sequences of exactly `depth` commands from `state`; depth 0 counts the position itself once.
std::uint64_t CountPaths(const GameState& state, const PileGeometry& geometry, int depth);

// The same, split by the first command (depth 1 or more; depth 0 gives no branch and total 1).
PerftResult Perft(const GameState& state, const PileGeometry& geometry, int depth);

} // namespace tablamor
