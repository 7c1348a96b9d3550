// Best-first searches, one per style of scoring, taking turns. In each, the most promising position
// not yet searched is searched next (the newest among equals, so a plateau is walked depth first).
// The searches share one table of the positions reached, by their keys: a position is queued at
// most once by each search, as the move that leads to it from a position that search searched, and
// searched once by whichever search takes it first; the others pass over it when its turn comes,
// and what lies beyond it is then that search's to find. A position is rebuilt from its parent when
// its turn comes. A searched position is kept as its move from its parent, and every few moves down
// a line as a packed snapshot of the table; it is rebuilt from the nearest snapshot above it by
// replaying the moves between. Nothing reached is dropped but positions the rules show can never be
// won, or, past the memory budget, the least promising of those waiting, or the children of moves
// the guide leaves out; so when every search's queue is empty with nothing let go, every position
// reachable was searched by one of them and no win exists.
#include "engine/solver.h"

#include "engine/solver_guide.h"
#include "engine/solver_key.h"
#include "engine/solver_moves.h"
#include "engine/solver_seen.h"

#include <algorithm>
#include <chrono>
#include <memory>

namespace tablamor {
namespace {

constexpr int kNoParent = -1;
constexpr std::uint32_t kNoSnapshot = UINT32_MAX;
// A searched position this many moves below its nearest snapshot gets one of its own.
constexpr int kSnapshotInterval = 4;
// The searches take turns this many positions at a time (the clock is read between turns).
constexpr long long kSliceNodes = 256;
// The mark of a position searched, in the shared table; the marks below it name the searches that
// queued it.
constexpr std::uint64_t kSearchedMark = std::uint64_t{1} << kSearchStyles;
static_assert(kSearchStyles < SeenPositions::kMarkCount, "a mark per search and one more");
// Positions one search step reaches at most, as far as the memory budget is concerned: the seen
// table may grow while they go in.
constexpr std::size_t kMostReachedInAStep = 1024;

// A move in four bytes. A card reached in the stock is lifted off the waste, where no run is
// lifted: the byte of the run's top card holds the presses instead. A take (a press or a stock
// press with later steps) names no pile and lifts nothing: those two bytes hold its later steps.
struct PackedCommand {
    std::uint8_t kind : 6 = 0;
    std::uint8_t singleCard : 1 = 1;
    std::uint8_t pressed : 1 = 0;
    Card card = kNoCard;
    std::int8_t pile = -1;
    std::uint8_t runTopOrPresses = kNoCard;

    static PackedCommand Of(const SolverMove& m) {
        const bool pressed = m.presses > 0;
        if (m.later[0] != kNoCard)
            return {static_cast<std::uint8_t>(m.command.kind), 1,         0, m.command.card,
                    static_cast<std::int8_t>(m.later[0]),      m.later[1]};
        return {static_cast<std::uint8_t>(m.command.kind),
                m.move.singleCard ? std::uint8_t{1} : std::uint8_t{0},
                pressed ? std::uint8_t{1} : std::uint8_t{0},
                m.command.card,
                static_cast<std::int8_t>(m.command.pile),
                pressed ? m.presses : m.move.runTop};
    }
    SolverMove Unpacked() const {
        const auto k = static_cast<CommandKind>(kind);
        if ((k == CommandKind::Press || k == CommandKind::Stock) && pile > 0)
            return {Command{k, card, -1},
                    MoveContext{card, kNoCard, true},
                    0,
                    {static_cast<Card>(pile), runTopOrPresses}};
        return {Command{k, card, pile},
                MoveContext{card, pressed ? kNoCard : runTopOrPresses, singleCard != 0},
                pressed ? runTopOrPresses : std::uint8_t{0}};
    }
};
static_assert(kStockStep <= INT8_MAX, "a take's step fits the pile's byte");
static_assert(kPileCount <= INT8_MAX, "a pile number fits a packed move");

// What a move changes in a state besides the table: the counters. The parameters, the number
// and the saved deal codes stay as the deal left them.
struct Counters {
    int score = 0;
    int passesUsed = 0;
    int actionsDone = 0;
    bool stockPressed = false;
    bool active = false;

    explicit Counters(const GameState& s)
        : score(s.score), passesUsed(s.passesUsed), actionsDone(s.actionsDone),
          stockPressed(s.stockPressed), active(s.active) {}

    void Into(GameState& s) const {
        s.score = score;
        s.passesUsed = passesUsed;
        s.actionsDone = actionsDone;
        s.stockPressed = stockPressed;
        s.active = active;
        s.won = false;
    }
};

// A searched position: the move that reached it and, every few moves, a snapshot.
struct Searched {
    int parent = kNoParent;
    std::uint32_t snapshot = kNoSnapshot; // index into the snapshots
    PackedCommand command;
    int sinceSnapshot = 0; // moves from the nearest snapshot up the line
};

// A snapshot: the counters, and where the packed table starts in the byte store.
struct Snapshot {
    Counters counters;
    std::size_t tableOffset = 0;
};

// A position reached but not yet searched: the move from a searched parent. Later moves come
// first among equal scores.
struct Queued {
    int score = 0;
    std::uint32_t order = 0;
    int parent = kNoParent;
    PackedCommand command;

    bool operator<(const Queued& other) const {
        return score != other.score ? score < other.score : order < other.order;
    }
};

// One best-first search, run a slice at a time. Every search searches the deal itself.
class Search {
public:
    // Drained: nothing is left in its queue (and nothing will be: only it queues there).
    enum class Status { Going, Won, Drained, Stuck };

    Search(const GameState& start, SolverMoves& moves, const PileSymmetry& symmetry,
           SeenPositions& seen, int style, std::size_t memoryBytes)
        : start_(start), moves_(moves), memoryBytes_(memoryBytes), queuedMark_(1ULL << style),
          symmetry_(symmetry), seen_(seen), guide_(start, style), current_(start), state_(start) {}

    // Searches at most `quota` more positions; Stuck when the memory budget is spent, the other
    // searches holding `othersBytes`.
    Status Step(long long quota, std::size_t othersBytes) {
        othersBytes_ = othersBytes;
        if (nodes_ == 0) {
            seen_.Mark(PositionKey(start_, symmetry_), kSearchedMark | queuedMark_);
            quota -= 1;
            if (Expand(start_, kNoParent, SolverMove{})) return Status::Won;
        }
        for (; quota > 0; --quota) {
            if (queue_.empty()) return Status::Drained;
            if (memoryBytes_ > 0 && HeldBytes() >= memoryBytes_) return Status::Stuck;
            std::pop_heap(queue_.begin(), queue_.end());
            const Queued next = queue_.back();
            queue_.pop_back();
            Rebuild(next.parent, state_);
            const SolverMove move = next.command.Unpacked();
            if (!moves_.Apply(state_, move)) continue;
            const std::uint64_t marks = seen_.Mark(PositionKey(state_, symmetry_), kSearchedMark);
            if (marks != SeenPositions::kAbsent && (marks & kSearchedMark) != 0) continue;
            if (Expand(state_, next.parent, move)) return Status::Won;
        }
        return queue_.empty() ? Status::Drained : Status::Going;
    }

    // Whether the deal holds a card that can never move (asked of one search: the rules are the
    // same for all).
    bool DealBlocked() { return guide_.IsBlocked(start_); }

    long long Nodes() const { return nodes_; }
    // The memory of this search's own tables and queue.
    std::size_t OwnBytes() const { return OwnTablesBytes() + queue_.capacity() * sizeof(Queued); }
    // Moves were left out, or positions waiting let go past the memory budget.
    bool LetGo() const { return letGo_; }
    std::vector<Command> TakeLine() { return std::move(line_); }

private:
    const GameState& start_;
    SolverMoves& moves_;
    std::size_t memoryBytes_; // for all the searches together
    std::size_t othersBytes_ = 0;
    std::uint64_t queuedMark_; // this search's mark in the shared table
    long long nodes_ = 0;
    std::uint32_t order_ = 0;
    bool letGo_ = false;
    PileSymmetry symmetry_;
    SeenPositions& seen_;
    SolverGuide guide_;
    std::vector<Searched> searched_;
    std::vector<Snapshot> snapshots_;
    std::vector<std::uint8_t> tables_; // the packed tables of the snapshots
    std::vector<Queued> queue_;        // a heap, the most promising first
    GameState current_;                // the position searched last
    GameState state_;                  // the position being searched
    int currentIndex_ = kNoParent;
    std::vector<SolverMove> listed_;
    std::vector<GameState> children_;
    std::vector<SolverMove> toChildren_; // the moves to children_
    std::vector<SolverMove> replay_;     // the moves from a snapshot to a position being rebuilt
    std::vector<Command> line_;

    std::size_t OwnTablesBytes() const {
        return searched_.capacity() * sizeof(Searched) + snapshots_.capacity() * sizeof(Snapshot) +
               tables_.capacity();
    }

    // The memory of everything but this search's queue: the shared table (with room to grow over
    // a step), the other searches, this one's tables.
    std::size_t HeldBytes() const {
        return seen_.PeakBytes(kMostReachedInAStep) + othersBytes_ + OwnTablesBytes();
    }

    // When the queue is full and growing it would pass the memory budget (while it moves, the
    // old and the new array are both held), the less promising half of it is let go instead.
    void MakeRoomInQueue() {
        constexpr std::size_t kGrowthFootprint = 3;
        constexpr std::size_t kFewest = 2;
        if (memoryBytes_ == 0 || queue_.size() < queue_.capacity() || queue_.size() < kFewest)
            return;
        if (HeldBytes() + kGrowthFootprint * queue_.capacity() * sizeof(Queued) <= memoryBytes_)
            return;
        std::sort_heap(queue_.begin(), queue_.end());
        queue_.erase(queue_.begin(),
                     queue_.begin() + static_cast<std::ptrdiff_t>(queue_.size() / 2));
        std::make_heap(queue_.begin(), queue_.end());
        letGo_ = true;
    }

    // The searched position `index` into `state`: the last one searched is at hand; others are
    // replayed from the nearest snapshot.
    void Rebuild(int index, GameState& state) {
        if (index == currentIndex_) {
            state = current_;
            return;
        }
        replay_.clear();
        int i = index;
        for (; searched_[static_cast<std::size_t>(i)].snapshot == kNoSnapshot;
             i = searched_[static_cast<std::size_t>(i)].parent)
            replay_.push_back(searched_[static_cast<std::size_t>(i)].command.Unpacked());
        const Snapshot& snapshot = snapshots_[searched_[static_cast<std::size_t>(i)].snapshot];
        state.table.Unpack(std::span(tables_).subspan(snapshot.tableOffset));
        snapshot.counters.Into(state);
        // Every command of the line played when the position was first reached.
        for (auto m = replay_.rbegin(); m != replay_.rend(); ++m) (void)moves_.Apply(state, *m);
    }

    // Records a searched position, with a snapshot when it lies far enough below the last.
    int Record(const GameState& state, int parent, const SolverMove& reachedBy) {
        Searched s{parent, kNoSnapshot, PackedCommand::Of(reachedBy), 0};
        if (parent != kNoParent)
            s.sinceSnapshot = searched_[static_cast<std::size_t>(parent)].sinceSnapshot + 1;
        if (parent == kNoParent || s.sinceSnapshot >= kSnapshotInterval) {
            s.snapshot = static_cast<std::uint32_t>(snapshots_.size());
            s.sinceSnapshot = 0;
            snapshots_.push_back(Snapshot{Counters(state), tables_.size()});
            state.table.Pack(tables_);
        }
        searched_.push_back(s);
        return static_cast<int>(searched_.size()) - 1;
    }

    // The commands from the deal to the searched position `index`, then `last`.
    void TraceLine(int index, const SolverMove& last) {
        std::vector<const Searched*> moves;
        for (int i = index;
             i != kNoParent && searched_[static_cast<std::size_t>(i)].parent != kNoParent;
             i = searched_[static_cast<std::size_t>(i)].parent)
            moves.push_back(&searched_[static_cast<std::size_t>(i)]);
        line_.clear();
        for (auto m = moves.rbegin(); m != moves.rend(); ++m)
            AppendCommands((*m)->command.Unpacked(), line_);
        AppendCommands(last, line_);
    }

    void Push(int score, std::uint32_t order, int parent, const SolverMove& c) {
        MakeRoomInQueue();
        queue_.push_back(Queued{score, order, parent, PackedCommand::Of(c)});
        std::push_heap(queue_.begin(), queue_.end());
    }

    // True when this search is to queue the position: no search searched it, and this one has
    // not queued it before (it has now).
    bool Reach(const GameState& position) {
        const std::uint64_t marks = seen_.Mark(PositionKey(position, symmetry_), queuedMark_);
        return marks == SeenPositions::kAbsent || (marks & (kSearchedMark | queuedMark_)) == 0;
    }

    // Searches one position: queues its children this search is to queue, or only a safe move to
    // the foundations when it has one (nothing when that child was queued or searched already: a
    // win from here is a win from there). True when a child is won; the line is then traced.
    bool Expand(const GameState& state, int parent, const SolverMove& reachedBy) {
        ++nodes_;
        const int index = Record(state, parent, reachedBy);
        current_ = state;
        currentIndex_ = index;
        moves_.Generate(state, listed_);
        children_.clear();
        toChildren_.clear();
        for (const SolverMove& c : listed_) {
            if (guide_.IsLeftOut(state, c.command)) {
                letGo_ = true;
                continue;
            }
            GameState child = state;
            if (!moves_.Apply(child, c)) continue;
            if (child.won) {
                TraceLine(index, c);
                return true;
            }
            if (guide_.IsDead(child)) continue;
            if (guide_.IsSafeFoundationMove(state, child)) {
                if (Reach(child)) Push(guide_.Score(child), ++order_, index, c);
                return false;
            }
            children_.push_back(std::move(child));
            toChildren_.push_back(c);
        }
        // Only now are the children marked reached: a safe move found late drops the others.
        // Among equal scores the generator's order holds: foundations and tableau before the stock.
        order_ += static_cast<std::uint32_t>(children_.size());
        for (std::size_t i = 0; i < children_.size(); ++i) {
            if (!Reach(children_[i])) continue;
            Push(guide_.Score(children_[i]), order_ - static_cast<std::uint32_t>(i), index,
                 toChildren_[i]);
        }
        return false;
    }
};

// The key's symmetry, with the stock keyed as a cycle where the moves reach every stock card.
PileSymmetry SearchSymmetry(const GameState& start, const PileGeometry& geometry) {
    PileSymmetry symmetry = SymmetryOf(start);
    symmetry.stockCycle =
        StockCardsReachedDirectly(start, geometry) && start.P(param::kStockDealCount) == 1;
    return symmetry;
}

// The line played as the command line plays it: a win only when play agrees.
bool ReplaysToWin(GameState s, const PileGeometry& geometry, const std::vector<Command>& line) {
    const PlayEnv env{geometry, NullEventSink(), NoStepRecord()};
    for (const Command& c : line)
        if (!PlayCommand(s, c, false, env)) return false;
    return s.won;
}

} // namespace

std::uint64_t PositionKey(const GameState& s) {
    return PositionKey(s, SymmetryOf(s));
}

SolveResult Solve(const GameState& start, const PileGeometry& geometry, const SolveBudget& budget) {
    SolveResult result;
    if (!start.active) {
        result.outcome = SolveOutcome::Lost;
        return result;
    }
    // The styles take turns a slice of positions at a time, all within the one memory budget;
    // the first to win gives the line. One that finds the memory spent drops out. When all have
    // emptied their queues and none let anything go, the deal is lost.
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(budget.timeMs);
    SolverMoves moves(start, geometry);
    const PileSymmetry symmetry = SearchSymmetry(start, geometry);
    SeenPositions seen;
    std::vector<std::unique_ptr<Search>> searches;
    for (int style = 0; style < kSearchStyles; ++style)
        searches.push_back(
            std::make_unique<Search>(start, moves, symmetry, seen, style, budget.memoryBytes));
    if (searches.front()->DealBlocked()) {
        result.outcome = SolveOutcome::Lost;
        return result;
    }
    std::vector<bool> going(searches.size(), true);
    std::size_t drained = 0;
    const auto nodes = [&searches] {
        long long total = 0;
        for (const auto& s : searches) total += s->Nodes();
        return total;
    };
    for (bool any = true; any;) {
        any = false;
        for (std::size_t i = 0; i < searches.size(); ++i) {
            if (!going[i]) continue;
            const long long quota = std::min(kSliceNodes, budget.nodes - nodes());
            if (quota <= 0) break;
            if (budget.timeMs > 0 && std::chrono::steady_clock::now() >= deadline) break;
            if (budget.watch && budget.watch->stop.load(std::memory_order_relaxed)) break;
            const long long before = searches[i]->Nodes();
            std::size_t others = 0;
            for (std::size_t j = 0; j < searches.size(); ++j)
                others += j == i ? 0 : searches[j]->OwnBytes();
            const Search::Status status = searches[i]->Step(quota, others);
            if (budget.watch) budget.watch->positions += searches[i]->Nodes() - before;
            if (status == Search::Status::Won) {
                result.line = searches[i]->TakeLine();
                result.nodes = nodes();
                if (ReplaysToWin(start, geometry, result.line))
                    result.outcome = SolveOutcome::Won;
                else
                    result.line.clear();
                return result;
            }
            drained += status == Search::Status::Drained ? 1 : 0;
            going[i] = status == Search::Status::Going;
            any = any || going[i];
        }
    }
    result.nodes = nodes();
    const bool letGo = std::ranges::any_of(searches, [](const auto& s) { return s->LetGo(); });
    if (drained == searches.size() && !letGo) result.outcome = SolveOutcome::Lost;
    return result;
}

} // namespace tablamor
