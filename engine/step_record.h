#pragma once
// The undo record the flow of play writes to, and what an operation of play reaches besides the
// state. Every change the player can take back is recorded as the table (with its counters) as it
// was just before the change; a step may carry a mark, and the automatic filling of an empty
// column is merged into the move that emptied it. GamePlay keeps a history behind the record; a
// solver trying commands on a copy of the state passes NoStepRecord(), which keeps nothing.
#include "engine/events.h"
#include "engine/game_state.h"
#include "engine/geometry.h"
#include "engine/history.h"

#include <string_view>

namespace tablamor {

class StepRecord {
public:
    virtual ~StepRecord() = default;
    // A change was made; `before` is the table it started from.
    virtual void RecordStep(const Table& /*before*/, StepCounters /*counters*/) {}
    // Writes a mark into the newest step.
    virtual void MarkNewest(std::string_view /*mark*/) {}
    // Whether any step of the undo history carries the mark.
    virtual bool AnyMark(std::string_view /*mark*/) const { return false; }
    // Folds the newest step into the one before, n times.
    virtual void MergeNewestSteps(int /*n*/) {}
};

// A record that keeps nothing.
StepRecord& NoStepRecord();

// The mark of a tableau move in the game that marks them (special code 23).
inline constexpr std::string_view kTableauMoveMark = "001";

// Everything an operation of play reaches besides the state.
struct PlayEnv {
    const PileGeometry& geometry;
    EventSink& sink;
    StepRecord& steps;
};

// Runs `change` (returning whether it changed the piles) as one undo step.
template <class Change> bool AsStep(GameState& state, StepRecord& steps, Change&& change) {
    const Table before = state.table;
    const StepCounters counters{state.passesUsed};
    const bool changed = change();
    if (changed) steps.RecordStep(before, counters);
    return changed;
}

} // namespace tablamor
