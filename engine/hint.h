#pragma once
// Hints: the move to show the player, found by the one solver from the table as it is. The first
// hint of a position is the first move of a winning line; asked again on the same position, the
// next move (in the move generator's order) from which a win is found. When no winning line is
// found within the budget, any legal move is offered instead, marked as such.
//
// A HintFinder keeps the last winning line it found, so a player who follows the hints gets the
// next one at once: a position met on that line is answered from it without a new search.
// One finder serves one thread at a time.
#include "engine/solver.h"

#include <cstdint>
#include <span>
#include <vector>

namespace tablamor {

// The budget of a hint and of the window's other searches: enough for most deals of the
// quicker games, small enough to answer within seconds and to stay well under 100 MB.
inline constexpr long long kHintNodes = 300'000;
inline constexpr long long kHintTimeMs = 20'000;
inline constexpr std::size_t kHintMemory = std::size_t{64} << 20;

SolveBudget HintBudget(SolveWatch* watch = nullptr);

enum class HintKind {
    None,    // no legal move (or every one was shown already)
    Winning, // the first move of a winning line
    Legal,   // no winning line was found: a legal move
};

struct Hint {
    HintKind kind = HintKind::None;
    Command command;
    // Why there is no winning move: Lost when the search proved the position lost, Unknown when
    // the budget ran out (or the search was stopped). Won for a winning hint.
    SolveOutcome verdict = SolveOutcome::Unknown;
};

class HintFinder {
public:
    // The hint for `state`, passing over the commands in `shown` (earlier hints of this same
    // position, in the order shown).
    Hint Find(const GameState& state, const PileGeometry& geometry, const SolveBudget& budget,
              std::span<const Command> shown = {});

private:
    // The last winning line, and the key of the position before each of its moves.
    std::vector<Command> line_;
    std::vector<std::uint64_t> keys_;

    void Remember(const GameState& start, const PileGeometry& geometry, std::vector<Command> line);
    const Command* FromLine(const GameState& state) const;
};

} // namespace tablamor
