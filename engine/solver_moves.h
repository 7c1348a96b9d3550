#pragma once
// The solver's own listing and playing of moves: the commands of the move generator, found and
// applied with less work, by the same rules.
//
// Listing: the sources are scanned once, in the generator's order; a tableau pile whose presses
// lift built runs is asked only from the lowest card that can still start one. Each lifted card is
// judged against the targets in the generator's order; a target whose verdict reads nothing but
// its top card and the card (VerdictReadsTopOnly) has its verdicts remembered by its rules, top
// card, card and whether one card is carried, each asked of the drop test once. A send that
// repeats a listed drop (a single card onto the first foundation or reserve taking it) is left out.
//
// Where the stock is dealt to a waste nothing is dropped on, with passes without end, and nothing
// else reads the stock or the waste (StockCardsReachedDirectly), the stock press is not listed:
// instead every card the presses can bring to the top of the waste is listed with its moves from
// there, as one move that presses first. The presses change nothing else, so every other move a
// line makes between presses may as well come first; the search loses no line.
//
// In the games that hold a selection, the presses that select cards give way to takes: the cards
// taken away together as one move (engine/solver_takes.h).
//
// Playing: a drop goes straight to the action it names, then the filling of empty piles follows,
// as PlayCommand does without autoplay; every other command (and a drop while the stock is held
// pressed) is played by PlayCommand itself, after the stock presses of a move that has them and
// before the later steps of a take.
#include "engine/commands.h"
#include "engine/geometry.h"
#include "engine/move_context.h"
#include "engine/solver_pairs.h"

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace tablamor {

class SolverTakes;

// A take's steps after its first command: the most it carries.
inline constexpr int kMostLaterSteps = 2;
// A later step of a take that presses the stock rather than a card.
inline constexpr Card kStockStep = INT8_MAX;
static_assert(kMaxCards < kStockStep, "a stock step is told from every card");

// A command as the solver keeps it: for a drop, also what the press lifts; for a card reached in
// the stock, the presses that bring it to the top of the waste first; for a take, its later
// steps.
struct SolverMove {
    Command command;
    MoveContext move; // a drop's lift (its run top kNoCard off the waste or a foundation)
    std::uint8_t presses = 0;
    // A take's steps after `command`, in order: a card pressed, or kStockStep; kNoCard past the
    // last. Only a press or a stock press starts a take.
    std::array<Card, kMostLaterSteps> later{};
};

// The stock presses of one move: at most this many (a cycle through stock and waste is shorter).
inline constexpr int kMostPresses = UINT8_MAX;

// True where the solver lists stock cards reached by presses instead of the press itself.
bool StockCardsReachedDirectly(const GameState& start, const PileGeometry& geometry);

// The command of a take's later step.
Command LaterStepCommand(Card step);

// The moves of a line as play takes them: the presses a move carries, then its command, then a
// take's later steps.
void AppendCommands(const SolverMove& move, std::vector<Command>& line);

class SolverMoves {
public:
    // For deals of `start`'s game on `geometry` (both outlive this object).
    SolverMoves(const GameState& start, const PileGeometry& geometry);
    ~SolverMoves();

    // The moves of the search: List's, where the game holds a selection with the presses that
    // select cards replaced by the takes through them. Fills `out` (cleared first).
    void Generate(const GameState& state, std::vector<SolverMove>& out);

    // The commands GenerateCommands lists for `state`, in its order, less the sends that repeat
    // a drop, one command a move. Fills `out` (cleared first).
    void List(const GameState& state, std::vector<SolverMove>& out);

    // Plays a move Generate listed for this very state: what PlayCommand(state, move.command,
    // false, ...) does, then each later step of a take likewise. True when every command did
    // something.
    bool Apply(GameState& state, const SolverMove& move) const;

private:
    static constexpr int kNoGroup = -1;
    // A remembered verdict: not asked yet, refused, taken.
    enum class Verdict : std::uint8_t { Unknown, Refused, Taken };
    // The verdicts, kept from one search of the game to the next (engine/solver_cache.h).
    struct KeptVerdicts {
        std::vector<Verdict> verdicts;
    };

    const PileGeometry& geometry_;
    EventSink& quiet_;
    const PlayEnv env_;
    // A drop candidate: where its group's verdicts start, and whether they may be read now.
    struct Target {
        PileIndex pile = -1;
        std::size_t verdicts = 0;
        // Where its verdicts now read its top alone, those for its top card (a lifted card's
        // offset added); otherwise null. The stock's presses change no remembered target.
        Verdict* onTop = nullptr;
        Card top = kNoCard; // its top card, read with `onTop`
    };
    std::vector<Target> targets_;    // the drop candidates, in pile order
    std::vector<Verdict>& verdicts_; // per group, card, carried count and top card
    bool liftsBuiltRuns_ = false;    // tableau presses lift built runs (and nothing else)
    bool stockReached_ = false;      // stock cards are listed with their presses
    bool runsChecked_ = false;       // a lifted run's pairs must be built
    // Only a tableau's top card is lifted alone, and every run under the one limit, whatever
    // its card: a longer run at the top of a pile is not asked.
    bool runLimitShared_ = false;
    BuiltPairs pairs_;
    std::vector<Command> stock_;         // the stock's commands
    GameState pressed_;                  // the position after some presses of the stock
    std::unique_ptr<SolverTakes> takes_; // where the game holds a selection

    void Pile(const GameState& s, PileIndex pile, std::vector<SolverMove>& out);
    int LowestAsked(const GameState& s, PileIndex pile);
    int LowestInBuiltRun(const GameState& s, PileIndex pile);
    void Drops(const GameState& s, PileIndex from, const MoveContext& lift,
               std::vector<SolverMove>& out);
    // The drop test, its verdict remembered in `kept` when given.
    bool Ask(const GameState& s, PileIndex from, const MoveContext& lift, PileIndex target,
             Verdict* kept);
    void ReachedInStock(const GameState& s, std::vector<SolverMove>& out);
};

} // namespace tablamor
