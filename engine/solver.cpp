// Best-first search: the most promising position not yet searched is searched next (the newest
// among equals, so a plateau is walked depth first). Every position reached is queued once, by
// its key, as the move that leads to it from a searched position; a position is rebuilt from
// its parent when its turn comes, so memory holds the searched positions in a compact form and a
// few words per queued move. Nothing reached is dropped but positions the rules show can never be
// won, so an empty queue means no win exists.
#include "engine/solver.h"

#include "engine/move_generator.h"
#include "engine/solver_guide.h"
#include "engine/solver_key.h"

#include <algorithm>
#include <chrono>
#include <queue>
#include <unordered_set>

namespace tablamor {
namespace {

constexpr int kNoParent = -1;

// What a move changes in a state: the table and the counters. The parameters, the number and the
// saved deal codes stay as the deal left them.
struct Position {
    Table table;
    MoveContext move;
    int score = 0;
    int passesUsed = 0;
    int actionsDone = 0;
    bool stockPressed = false;
    bool active = false;

    explicit Position(const GameState& s)
        : table(s.table), move(s.move), score(s.score), passesUsed(s.passesUsed),
          actionsDone(s.actionsDone), stockPressed(s.stockPressed), active(s.active) {}

    void Into(GameState& s) const {
        s.table = table;
        s.move = move;
        s.score = score;
        s.passesUsed = passesUsed;
        s.actionsDone = actionsDone;
        s.stockPressed = stockPressed;
        s.active = active;
        s.won = false;
    }
};

// A searched position and the move that reached it.
struct Searched {
    Position position;
    int parent = kNoParent;
    Command command;
};

// A position reached but not yet searched: the move from a searched parent.
struct Queued {
    int score = 0;
    long long order = 0; // later moves first among equal scores
    int parent = kNoParent;
    Command command;

    bool operator<(const Queued& other) const {
        return score != other.score ? score < other.score : order < other.order;
    }
};

class Search {
public:
    Search(const GameState& start, const PileGeometry& geometry, const SolveBudget& budget)
        : start_(start), geometry_(geometry), budget_(budget), symmetry_(SymmetryOf(start)),
          guide_(start) {}

    SolveResult Run() {
        SolveResult result;
        if (!start_.active) {
            result.outcome = SolveOutcome::Lost;
            return result;
        }
        seen_.insert(PositionKey(start_, symmetry_));
        if (Expand(start_, kNoParent, Command{})) return Finish(result, SolveOutcome::Won);
        GameState state = start_;
        while (!queue_.empty()) {
            if (OutOfBudget()) return Finish(result, SolveOutcome::Unknown);
            const Queued next = queue_.top();
            queue_.pop();
            searched_[static_cast<std::size_t>(next.parent)].position.Into(state);
            PlayCommand(state, next.command, false, env_);
            if (Expand(state, next.parent, next.command)) return Finish(result, SolveOutcome::Won);
        }
        return Finish(result, SolveOutcome::Lost);
    }

private:
    const GameState& start_;
    const PileGeometry& geometry_;
    const PlayEnv env_{geometry_, NullEventSink(), NoStepRecord()};
    SolveBudget budget_;
    std::chrono::steady_clock::time_point deadline_ =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(budget_.timeMs);
    long long nodes_ = 0;
    long long order_ = 0;
    PileSymmetry symmetry_;
    SolverGuide guide_;
    std::unordered_set<std::uint64_t> seen_;
    std::vector<Searched> searched_;
    std::priority_queue<Queued> queue_;
    std::vector<Command> commands_;
    std::vector<GameState> children_;
    std::vector<Command> line_;

    // The clock is read once in this many positions.
    static constexpr long long kClockInterval = 256;

    bool OutOfBudget() const {
        if (nodes_ >= budget_.nodes) return true;
        return budget_.timeMs > 0 && nodes_ % kClockInterval == 0 &&
               std::chrono::steady_clock::now() >= deadline_;
    }

    SolveResult& Finish(SolveResult& result, SolveOutcome outcome) {
        result.outcome = outcome;
        result.nodes = nodes_;
        if (outcome == SolveOutcome::Won) result.line = std::move(line_);
        return result;
    }

    // The commands from the deal to the searched position `index`, then `last`.
    void TraceLine(int index, const Command& last) {
        line_.clear();
        line_.push_back(last);
        for (int i = index;
             i != kNoParent && searched_[static_cast<std::size_t>(i)].parent != kNoParent;
             i = searched_[static_cast<std::size_t>(i)].parent)
            line_.push_back(searched_[static_cast<std::size_t>(i)].command);
        std::reverse(line_.begin(), line_.end());
    }

    // Searches one position: queues its children not reached before, or only a safe move to the
    // foundations when it has one (nothing when that child was reached already). True when a
    // child is won; the line is then traced.
    bool Expand(const GameState& state, int parent, const Command& reachedBy) {
        ++nodes_;
        const int index = static_cast<int>(searched_.size());
        searched_.push_back(Searched{Position(state), parent, reachedBy});
        GenerateCommands(state, geometry_, commands_);
        children_.clear();
        std::vector<Command> moves;
        for (const Command& c : commands_) {
            GameState child = state;
            if (!PlayCommand(child, c, false, env_)) continue;
            if (child.won) {
                TraceLine(index, c);
                return true;
            }
            if (guide_.IsDead(child)) continue;
            if (guide_.IsSafeFoundationMove(state, child)) {
                if (seen_.insert(PositionKey(child, symmetry_)).second)
                    queue_.push(Queued{guide_.Score(child), ++order_, index, c});
                return false;
            }
            children_.push_back(std::move(child));
            moves.push_back(c);
        }
        // Only now are the children marked reached: a safe move found late drops the others.
        // Among equal scores the generator's order holds: foundations and tableau before the stock.
        order_ += static_cast<long long>(children_.size());
        for (std::size_t i = 0; i < children_.size(); ++i) {
            if (!seen_.insert(PositionKey(children_[i], symmetry_)).second) continue;
            queue_.push(Queued{guide_.Score(children_[i]), order_ - static_cast<long long>(i),
                               index, moves[i]});
        }
        return false;
    }
};

} // namespace

std::uint64_t PositionKey(const GameState& s) {
    return PositionKey(s, SymmetryOf(s));
}

SolveResult Solve(const GameState& start, const PileGeometry& geometry, const SolveBudget& budget) {
    Search search(start, geometry, budget);
    return search.Run();
}

} // namespace tablamor
