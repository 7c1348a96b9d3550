#include "engine/perft.h"

#include "engine/move_generator.h"

namespace tablamor {
namespace {

// The position after a command, when the command did something.
bool Played(const GameState& state, const Command& command, const PileGeometry& geometry,
            GameState& next) {
    next = state;
    const PlayEnv env{geometry, NullEventSink(), NoStepRecord()};
    return PlayCommand(next, command, false, env);
}

std::vector<Command> MovesOf(const GameState& state, const PileGeometry& geometry) {
    if (state.won) return {}; // the game has ended
    return GenerateCommands(state, geometry);
}

} // namespace

std::uint64_t CountPaths(const GameState& state, const PileGeometry& geometry, int depth) {
    if (depth <= 0) return 1;
    std::uint64_t paths = 0;
    GameState next;
    for (const Command& c : MovesOf(state, geometry))
        if (Played(state, c, geometry, next)) paths += CountPaths(next, geometry, depth - 1);
    return paths;
}

PerftResult Perft(const GameState& state, const PileGeometry& geometry, int depth) {
    PerftResult result;
    if (depth <= 0) {
        result.total = 1;
        return result;
    }
    GameState next;
    for (const Command& c : MovesOf(state, geometry)) {
        if (!Played(state, c, geometry, next)) continue;
        const std::uint64_t paths = CountPaths(next, geometry, depth - 1);
        result.branches.push_back({c, paths});
        result.total += paths;
    }
    return result;
}

} // namespace tablamor
