// GamePlay's undo and redo, and the record its operations write their steps to.
#include "engine/game_play.h"
#include "engine/state_fault.h"

namespace tablamor {

void GamePlay::HistoryRecord::RecordStep(const Table& before, StepCounters counters) {
    play_.history_.RecordUndoStep(before, play_.state_.HoldsSelection(), counters);
    play_.history_.ClearRedo();
    ++recorded;
}

void GamePlay::HistoryRecord::MarkNewest(std::string_view mark) {
    play_.history_.UndoStack().SetNewestMark(std::string(mark));
}

bool GamePlay::HistoryRecord::AnyMark(std::string_view mark) const {
    return play_.history_.UndoStack().AnyMark(mark);
}

void GamePlay::HistoryRecord::MergeNewestSteps(int n) {
    play_.history_.MergeNewestSteps(n);
}

bool GamePlay::CanUndo() const {
    return state_.active && history_.CanUndo(policy_);
}

bool GamePlay::CanRedo() const {
    return state_.active && history_.CanRedo(policy_);
}

void GamePlay::ClearHistory(bool alsoUndo) {
    history_.Clear(alsoUndo);
}

// The table and the passes made through the stock come back together, so a redeal taken back can
// be made again.
bool GamePlay::UndoRedo(bool undo) {
    const StateCheck check(state_);
    StepCounters counters{state_.passesUsed};
    const bool omitSelection = state_.HoldsSelection();
    const bool stepped =
        state_.active && (undo ? history_.Undo(state_.table, policy_, omitSelection, &counters)
                               : history_.Redo(state_.table, policy_, omitSelection, &counters));
    if (!stepped) {
        sink_.Beep();
        return false;
    }
    if (undo)
        sink_.Sound(GameSound::Undo);
    else
        sink_.Sound(GameSound::Redo);
    state_.passesUsed = counters.passesUsed;
    state_.stockPressed = false;
    drag_ = Drag{};
    UpdateScore(state_);
    if (history_.UndoStack().Empty()) state_.actionsDone = 0;
    sink_.Repaint();
    return true;
}

} // namespace tablamor
