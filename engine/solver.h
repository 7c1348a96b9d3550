#pragma once
// The solver: decides whether a dealt game can be won, seeing every card (face-down cards and
// the stock included, the usual convention for such a verdict). It searches best first over the
// commands of the move generator, several ways of scoring side by side, applying each to a copy of
// the state as a command of `tablamor-cli play` is applied without autoplay (the command, then the
// filling of empty tableau piles), by the solver's own quicker listing and playing of the same
// moves (engine/solver_moves.h); a winning line found is played once more through play itself
// and reported won only when play ends it won. Positions
// reached are remembered by a key of the table and the per-deal counters and never searched
// twice by one way of scoring; the search stops after a budget of positions, of time or of memory.
#include "engine/commands.h"
#include "engine/geometry.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace tablamor {

// Positions searched when the caller names no budget.
inline constexpr long long kDefaultSolverNodes = 1'000'000;
// Bytes the search's tables may hold when the caller names no budget.
inline constexpr std::size_t kDefaultSolverMemory = std::size_t{150} << 20;

enum class SolveOutcome {
    Won,     // a winning line was found
    Lost,    // every position reachable from the deal was searched: no win
    Unknown, // the budget ran out first
};

struct SolveResult {
    SolveOutcome outcome = SolveOutcome::Unknown;
    std::vector<Command> line; // Won: the commands from the deal to the win
    long long nodes = 0;       // positions searched
};

// Lets another thread follow a search and stop it: the search adds to `positions` and reads
// `stop` between slices of positions, so a stop takes effect within a fraction of a second.
struct SolveWatch {
    std::atomic<bool> stop{false};
    std::atomic<long long> positions{0};
};

// How far a search may go: positions searched, wall-clock milliseconds (0: no limit), and bytes
// of memory its tables may hold (0: no limit). Past the memory limit the least promising
// positions waiting are let go, so the search can then no longer prove a deal lost; a caller
// that must stay small (the window's hints) passes a smaller limit.
struct SolveBudget {
    long long nodes = kDefaultSolverNodes;
    long long timeMs = 0;
    std::size_t memoryBytes = kDefaultSolverMemory;
    SolveWatch* watch = nullptr; // none: the search runs to its budget
};

// Searches from `start` (a dealt, active game) on the given geometry within the budget. A game
// that is not in play is Lost at once; a stopped search is Unknown.
SolveResult Solve(const GameState& start, const PileGeometry& geometry, const SolveBudget& budget);
inline SolveResult Solve(const GameState& start, const PileGeometry& geometry,
                         long long nodeBudget) {
    return Solve(start, geometry, SolveBudget{nodeBudget});
}

// The transposition key of a position: the table and every counter the rules read.
std::uint64_t PositionKey(const GameState& state);

} // namespace tablamor
