#include "engine/hint.h"

#include "engine/move_generator.h"

#include <algorithm>

namespace tablamor {
namespace {

bool Contains(std::span<const Command> commands, const Command& c) {
    return std::find(commands.begin(), commands.end(), c) != commands.end();
}

// Each of `parts` searches gets an equal share of the budget (at least one position).
SolveBudget Share(const SolveBudget& budget, std::size_t parts) {
    SolveBudget share = budget;
    const auto n = static_cast<long long>(std::max<std::size_t>(parts, 1));
    share.nodes = std::max(1LL, budget.nodes / n);
    if (budget.timeMs > 0) share.timeMs = std::max(1LL, budget.timeMs / n);
    return share;
}

bool Stopped(const SolveBudget& budget) {
    return budget.watch && budget.watch->stop.load(std::memory_order_relaxed);
}

} // namespace

SolveBudget HintBudget(SolveWatch* watch) {
    SolveBudget budget;
    budget.nodes = kHintNodes;
    budget.timeMs = kHintTimeMs;
    budget.memoryBytes = kHintMemory;
    budget.watch = watch;
    return budget;
}

Hint HintFinder::Find(const GameState& state, const PileGeometry& geometry,
                      const SolveBudget& budget, std::span<const Command> shown) {
    if (!state.active || state.won) return {};
    if (shown.empty()) {
        if (const Command* next = FromLine(state))
            return {HintKind::Winning, *next, SolveOutcome::Won};
        SolveResult result = Solve(state, geometry, budget);
        if (result.outcome == SolveOutcome::Won && !result.line.empty()) {
            const Command first = result.line.front();
            Remember(state, geometry, std::move(result.line));
            return {HintKind::Winning, first, SolveOutcome::Won};
        }
        const std::vector<Command> moves = GenerateCommands(state, geometry);
        if (moves.empty()) return {HintKind::None, {}, result.outcome};
        return {HintKind::Legal, moves.front(), result.outcome};
    }
    // The next candidate: the first move not shown yet from which a win is found.
    std::vector<Command> candidates;
    for (const Command& c : GenerateCommands(state, geometry))
        if (!Contains(shown, c)) candidates.push_back(c);
    if (candidates.empty()) return {};
    const SolveBudget share = Share(budget, candidates.size());
    const PlayEnv env{geometry, NullEventSink(), NoStepRecord()};
    SolveOutcome verdict = SolveOutcome::Lost;
    for (const Command& c : candidates) {
        if (Stopped(budget)) return {HintKind::Legal, candidates.front(), SolveOutcome::Unknown};
        GameState child = state;
        if (!PlayCommand(child, c, false, env)) continue;
        if (child.won) return {HintKind::Winning, c, SolveOutcome::Won};
        SolveResult result = Solve(child, geometry, share);
        if (result.outcome == SolveOutcome::Won) {
            result.line.insert(result.line.begin(), c);
            Remember(state, geometry, std::move(result.line));
            return {HintKind::Winning, c, SolveOutcome::Won};
        }
        if (result.outcome == SolveOutcome::Unknown) verdict = SolveOutcome::Unknown;
    }
    return {HintKind::Legal, candidates.front(), verdict};
}

void HintFinder::Remember(const GameState& start, const PileGeometry& geometry,
                          std::vector<Command> line) {
    line_ = std::move(line);
    keys_.clear();
    GameState state = start;
    const PlayEnv env{geometry, NullEventSink(), NoStepRecord()};
    for (const Command& c : line_) {
        keys_.push_back(PositionKey(state));
        (void)PlayCommand(state, c, false, env);
    }
}

const Command* HintFinder::FromLine(const GameState& state) const {
    const auto it = std::find(keys_.begin(), keys_.end(), PositionKey(state));
    return it == keys_.end() ? nullptr : &line_[static_cast<std::size_t>(it - keys_.begin())];
}

} // namespace tablamor
