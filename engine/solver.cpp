// Depth-first search with an explicit stack (winning lines of stock games run to thousands of
// commands) and a set of position keys.
#include "engine/solver.h"

#include "engine/move_generator.h"
#include "engine/winning.h"

#include <algorithm>
#include <unordered_set>

namespace tablamor {
namespace {

constexpr int kUnlimitedStockPasses = -1; // the stock-passes value of no limit

// Ordering weights: a card gone to the foundations outweighs everything else, a face-down card
// turned up comes next, a pile emptied after that.
constexpr int kProgressWeight = 1000;
constexpr int kTurnedWeight = 100;
constexpr int kEmptiedWeight = 10;

struct Child {
    int priority = 0;
    Command command;
    GameState state;
};

// One position on the search path: its children in the order they are tried.
struct Frame {
    std::vector<Child> children;
    std::size_t next = 0;
};

int FaceDownCount(const Table& table) {
    int count = 0;
    for (PileIndex p = 0; p < kPileCount; ++p)
        for (int i = 0; i < table.Size(p); ++i)
            if (const Card c = table.At(p, i); c != kNoCard && !table.FaceUp(c)) ++count;
    return count;
}

int EmptyTableauCount(const GameState& s) {
    int count = 0;
    for (int t = 0; t < s.TableauCount(); ++t)
        if (s.table.Size(TableauPile(t)) == 0) ++count;
    return count;
}

int Priority(const GameState& before, const GameState& after) {
    const int progress =
        ComputeScore(after.table, after.params) - ComputeScore(before.table, before.params);
    const int turned = FaceDownCount(before.table) - FaceDownCount(after.table);
    const int emptied = EmptyTableauCount(after) - EmptyTableauCount(before);
    return progress * kProgressWeight + turned * kTurnedWeight + emptied * kEmptiedWeight;
}

std::uint64_t Mix(std::uint64_t h, std::uint64_t v) {
    h ^= v + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2);
    return h;
}

class Search {
public:
    Search(const PileGeometry& geometry, long long budget) : geometry_(geometry), budget_(budget) {}

    SolveResult Run(const GameState& start) {
        SolveResult result;
        if (!start.active) {
            result.outcome = SolveOutcome::Lost;
            return result;
        }
        seen_.insert(PositionKey(start));
        std::vector<Frame> path;
        std::vector<Command> line;
        path.push_back(Expand(start));
        while (!path.empty()) {
            Frame& top = path.back();
            if (top.next == top.children.size()) {
                path.pop_back();
                if (!line.empty()) line.pop_back();
                continue;
            }
            Child& child = top.children[top.next++];
            if (child.state.won) {
                line.push_back(child.command);
                result.outcome = SolveOutcome::Won;
                result.line = std::move(line);
                result.nodes = nodes_;
                return result;
            }
            if (nodes_ >= budget_) {
                result.outcome = SolveOutcome::Unknown;
                result.nodes = nodes_;
                return result;
            }
            line.push_back(child.command);
            const GameState state = std::move(child.state);
            path.push_back(Expand(state));
        }
        result.outcome = SolveOutcome::Lost;
        result.nodes = nodes_;
        return result;
    }

private:
    const PileGeometry& geometry_;
    long long budget_;
    long long nodes_ = 0;
    std::unordered_set<std::uint64_t> seen_;
    std::vector<Command> commands_;

    // The children of a position not seen before, best first; a won child alone.
    Frame Expand(const GameState& state) {
        ++nodes_;
        Frame frame;
        GenerateCommands(state, geometry_, commands_);
        const PlayEnv env{geometry_, NullEventSink(), NoStepRecord()};
        for (const Command& c : commands_) {
            Child child{0, c, state};
            if (!PlayCommand(child.state, c, false, env)) continue;
            if (child.state.won) {
                frame.children.clear();
                frame.children.push_back(std::move(child));
                return frame;
            }
            if (!seen_.insert(PositionKey(child.state)).second) continue;
            child.priority = Priority(state, child.state);
            frame.children.push_back(std::move(child));
        }
        std::stable_sort(frame.children.begin(), frame.children.end(),
                         [](const Child& a, const Child& b) { return a.priority > b.priority; });
        return frame;
    }
};

} // namespace

std::uint64_t PositionKey(const GameState& s) {
    std::uint64_t h = s.table.Hash();
    // With unlimited passes the count is never read; keying on it would make every pass a new
    // position and the search endless.
    if (s.P(param::kStockPasses) != kUnlimitedStockPasses)
        h = Mix(h, static_cast<std::uint64_t>(s.passesUsed));
    h = Mix(h, static_cast<std::uint64_t>(s.actionsDone));
    h = Mix(h, s.stockPressed ? 1 : 0);
    return h;
}

SolveResult Solve(const GameState& start, const PileGeometry& geometry, long long nodeBudget) {
    Search search(geometry, nodeBudget);
    return search.Run(start);
}

} // namespace tablamor
