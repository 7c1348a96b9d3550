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
// Playing: a drop goes straight to the action it names, then the filling of empty piles follows,
// as PlayCommand does without autoplay; every other command (and a drop while the stock is held
// pressed) is played by PlayCommand itself.
#include "engine/commands.h"
#include "engine/geometry.h"

#include <array>
#include <cstdint>
#include <vector>

namespace tablamor {

// A command as the solver keeps it: for a drop, also what the press lifts.
struct SolverMove {
    Command command;
    Card runTop = kNoCard; // the top card of the lifted run (kNoCard off the waste or a foundation)
    bool singleCard = true; // one card is lifted
};

class SolverMoves {
public:
    // For deals of `start`'s game on `geometry` (both outlive this object).
    SolverMoves(const GameState& start, const PileGeometry& geometry);

    // The commands GenerateCommands lists for `state`, in its order, less the sends that repeat
    // a drop. Fills `out` (cleared first).
    void Generate(const GameState& state, std::vector<SolverMove>& out);

    // Plays a move Generate listed for this very state: what PlayCommand(state, move.command,
    // false, ...) does. True when it did something.
    bool Apply(GameState& state, const SolverMove& move) const;

private:
    static constexpr int kNoGroup = -1;
    // A remembered verdict: not asked yet, refused, taken.
    enum class Verdict : std::uint8_t { Unknown, Refused, Taken };
    // The verdicts, kept from one search of the game to the next (engine/solver_cache.h).
    struct KeptVerdicts {
        std::vector<Verdict> verdicts;
    };

    struct Lift {
        Card card = kNoCard;
        Card runTop = kNoCard;
        bool singleCard = true;
    };

    const PileGeometry& geometry_;
    EventSink& quiet_;
    const PlayEnv env_;
    std::vector<PileIndex> targets_;            // the drop candidates, in pile order
    std::array<int, kPileCount> group_{};       // per pile: its group of remembered verdicts
    std::array<bool, kPileCount> remembered_{}; // per pile: its verdicts now read its top alone
    std::vector<Verdict>& verdicts_;            // per group, top card, card and carried count
    bool liftsBuiltRuns_ = false; // tableau presses lift built runs (and nothing else)
    GameState scratch_;           // the drop tests read the move context from it
    std::vector<Command> stock_;  // the stock's commands

    void Pile(const GameState& s, PileIndex pile, std::vector<SolverMove>& out);
    int LowestAsked(const GameState& s, PileIndex pile) const;
    void Drops(const GameState& s, PileIndex from, const Lift& lift, std::vector<SolverMove>& out);
    bool Takes(const GameState& s, PileIndex from, const Lift& lift, PileIndex target);
};

} // namespace tablamor
