// Best-first searches, one per style of scoring, taking turns. In each, the most promising position
// not yet searched is searched next (the newest among equals, so a plateau is walked depth first).
// The searches share one table of the positions reached, by their keys: a position is queued at
// most once by each search, as the move that leads to it from a position that search searched.
// Some searches keep to positions no other searched (they neither queue them nor search them
// when their turn comes); the others follow their lines whole, through positions another
// searched too, as long as those stay a small share of their work. The table counts the positions
// reached that none searched yet. A position is rebuilt from its parent when its turn comes. A
// searched position is kept as its move from its parent, and every few moves down a line as a
// packed snapshot of the table; it is rebuilt from the nearest snapshot above it by replaying the
// moves between. Nothing reached is dropped but positions the rules show can never be won, or, past
// the memory budget, the least promising of those waiting, or the children of moves the guide
// leaves out; so when no position reached waits to be searched by any search with nothing let go,
// every position reachable was searched by one of them and no win exists.
#include "engine/solver.h"

#include "engine/solver_guide.h"
#include "engine/solver_key.h"
#include "engine/solver_moves.h"
#include "engine/solver_repeats.h"
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
static_assert(kSearchStyles <= ReachedPositions::kMostSearches, "a mark per search");
// Per style, whether its lines go on through positions another search searched. The searches
// that keep to ground no other searched spread out over the plateaus of a deal; the one making
// room walks its lines whole, so a line it holds is never cut off by another's visit.
constexpr bool kWalksThrough[kSearchStyles] = {false, false, true};
// Of the positions such a search searches, at most one in this many is one another searched: past
// that share it passes over them, so that a deal's loss, which needs every position searched
// once, costs little more.
constexpr long long kRewalkedOneIn = 8;
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
           ReachedPositions& reached, int style, std::size_t memoryBytes)
        : start_(start), moves_(moves), memoryBytes_(memoryBytes), style_(style),
          walksThrough_(kWalksThrough[static_cast<std::size_t>(style)]), symmetry_(symmetry),
          repeats_(symmetry), reached_(reached), guide_(start, style), current_(start),
          state_(start), child_(start) {}

    // Searches at most `quota` more positions; Stuck when the memory budget is spent, the other
    // searches holding `othersBytes`.
    Status Step(long long quota, std::size_t othersBytes) {
        othersBytes_ = othersBytes;
        if (nodes_ == 0) {
            reached_.Search(PositionKey(start_, symmetry_), style_);
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
            const bool fresh = reached_.Search(PositionKey(state_, symmetry_), style_);
            if (!fresh && !MayWalkThrough()) continue;
            rewalked_ += fresh ? 0 : 1;
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
    int style_;         // this search's number in the shared table
    bool walksThrough_; // it queues and searches positions another search searched
    long long nodes_ = 0;
    long long rewalked_ = 0; // positions searched again after another search
    std::uint32_t order_ = 0;
    bool letGo_ = false;
    PileSymmetry symmetry_;
    RepeatedEmptyDrops repeats_;
    ReachedPositions& reached_;
    SolverGuide guide_;
    std::vector<Searched> searched_;
    std::vector<Snapshot> snapshots_;
    std::vector<std::uint8_t> tables_; // the packed tables of the snapshots
    std::vector<Queued> queue_;        // a heap, the most promising first
    GameState current_;                // the position searched last
    GameState state_;                  // the position being searched
    GameState child_;                  // a child of the position searched, or one to score
    int currentIndex_ = kNoParent;
    std::vector<SolverMove> listed_;
    // A child of the position searched waiting to be queued: its key, what its move changed
    // (the table and the counters) and the move.
    struct Child {
        std::uint64_t key = 0;
        Table table;
        Counters counters;
        SolverMove move;
    };
    std::vector<Child> children_;
    // A child worth reaching only with a given move after it.
    struct Between {
        GameState position;
        SolverMove move; // from the parent
        FollowUp need;
        int parent = kNoParent;
    };
    std::vector<Between> between_;
    std::vector<SolverMove> followUps_; // the moves listed in a position between
    std::vector<SolverMove> replay_;    // the moves from a snapshot to a position being rebuilt
    std::vector<Command> line_;

    std::size_t OwnTablesBytes() const {
        return searched_.capacity() * sizeof(Searched) + snapshots_.capacity() * sizeof(Snapshot) +
               tables_.capacity();
    }

    // The memory of everything but this search's queue: the shared table (with room to grow over
    // a step), the other searches, this one's tables.
    std::size_t HeldBytes() const {
        return reached_.PeakBytes(kMostReachedInAStep) + othersBytes_ + OwnTablesBytes();
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
            state.table = current_.table;
            Counters(current_).Into(state);
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

    // Whether the search may search again a position another searched.
    bool MayWalkThrough() const { return walksThrough_ && rewalked_ * kRewalkedOneIn <= nodes_; }

    // True when this search is to queue the position of `key`: it has not queued it before (it
    // has now) and, unless it walks through others' ground, no search searched it.
    bool Reach(std::uint64_t key) { return reached_.Queue(key, style_, walksThrough_); }

    // Searches one position: queues its children this search is to queue, or only a safe move to
    // the foundations when it has one (nothing when that child was queued or searched already: a
    // win from here is a win from there). A move worth making only with a given move after it
    // is queued with that move, by way of the position between. True when a child is won; the
    // line is then traced.
    bool Expand(const GameState& state, int parent, const SolverMove& reachedBy) {
        ++nodes_;
        const int index = Record(state, parent, reachedBy);
        current_ = state;
        currentIndex_ = index;
        moves_.Generate(state, listed_);
        children_.clear();
        between_.clear();
        repeats_.Clear();
        const Counters counters(state);
        for (const SolverMove& c : listed_) {
            if (repeats_.Repeats(state, c)) continue;
            if (guide_.IsLeftOut(state, c.command)) {
                letGo_ = true;
                continue;
            }
            const FollowUp need = guide_.Needs(state, c.command);
            if (need.kind == FollowUp::Kind::Pointless) continue;
            // A move changes the table and the counters alone: the child is the position with
            // those put back, the move played.
            child_.table = state.table;
            counters.Into(child_);
            if (!moves_.Apply(child_, c)) continue;
            if (child_.won) {
                TraceLine(index, c);
                return true;
            }
            if (guide_.IsDead(child_)) continue;
            if (guide_.IsSafeFlip(state, c.command) || guide_.IsSafeFoundationMove(state, child_)) {
                if (Reach(PositionKey(child_, symmetry_)))
                    Push(guide_.Score(child_), ++order_, index, c);
                return false;
            }
            if (need.kind != FollowUp::Kind::Any) {
                between_.push_back({child_, c, need, index});
                continue;
            }
            children_.push_back(
                {PositionKey(child_, symmetry_), child_.table, Counters(child_), c});
        }
        // Only now are the children marked reached: a safe move found late drops the others.
        // Among equal scores the generator's order holds: foundations and tableau before the stock.
        order_ += static_cast<std::uint32_t>(children_.size());
        for (std::size_t i = 0; i < children_.size(); ++i) {
            const Child& c = children_[i];
            if (!Reach(c.key)) continue;
            child_.table = c.table;
            c.counters.Into(child_);
            Push(guide_.Score(child_), order_ - static_cast<std::uint32_t>(i), index, c.move);
        }
        // A follow-up that asks one of its own joins the list.
        for (std::size_t i = 0; i < between_.size(); ++i)
            if (QueueFollowUps(i)) return true;
        return false;
    }

    // Queues the positions the follow-ups of between_[i] reach, each by way of the position
    // between, which is recorded (not searched) when one is reached. True when one is won.
    bool QueueFollowUps(std::size_t i) {
        moves_.Generate(between_[i].position, followUps_);
        int index = kNoParent;
        for (const SolverMove& c : followUps_) {
            if (!between_[i].need.Admits(c.command)) continue;
            const GameState& position = between_[i].position;
            const FollowUp need = guide_.Needs(position, c.command);
            if (need.kind == FollowUp::Kind::Pointless) continue;
            GameState after = position;
            if (!moves_.Apply(after, c) || !between_[i].need.MetBy(position, after)) continue;
            if (index == kNoParent) index = Record(position, between_[i].parent, between_[i].move);
            if (after.won) {
                TraceLine(index, c);
                return true;
            }
            if (guide_.IsDead(after)) continue;
            if (need.kind != FollowUp::Kind::Any)
                between_.push_back({std::move(after), c, need, index});
            else if (Reach(PositionKey(after, symmetry_)))
                Push(guide_.Score(after), ++order_, index, c);
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
    // the first to win gives the line. One that finds the memory spent drops out. When no position
    // reached waits to be searched, no search can find more: the deal is lost when none let
    // anything go.
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(budget.timeMs);
    SolverMoves moves(start, geometry);
    const PileSymmetry symmetry = SearchSymmetry(start, geometry);
    ReachedPositions reached;
    std::vector<std::unique_ptr<Search>> searches;
    for (int style = 0; style < kSearchStyles; ++style)
        searches.push_back(
            std::make_unique<Search>(start, moves, symmetry, reached, style, budget.memoryBytes));
    if (searches.front()->DealBlocked()) {
        result.outcome = SolveOutcome::Lost;
        return result;
    }
    std::vector<bool> going(searches.size(), true);
    const auto nodes = [&searches] {
        long long total = 0;
        for (const auto& s : searches) total += s->Nodes();
        return total;
    };
    bool closed = false; // every position reached was searched
    for (bool any = true; any && !closed;) {
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
            going[i] = status == Search::Status::Going;
            any = any || going[i];
            closed = reached.Waiting() == 0;
            if (closed) break;
        }
    }
    result.nodes = nodes();
    const bool letGo = std::ranges::any_of(searches, [](const auto& s) { return s->LetGo(); });
    if (closed && !letGo) result.outcome = SolveOutcome::Lost;
    return result;
}

} // namespace tablamor
