#pragma once
// GamePlay: the flow of play over one GameState. It owns what lives beside the state for one
// game: the undo history and its policy, the drag state of the pointer, the autoplay switch and
// the clock, and it ends the game through the records' one entry point. The window (after its hit
// test), the command line and the tests drive the game through it; the state itself stays a
// plain value that a solver can copy.
//
// Every operation records the table as it was before each change the player can take back, runs
// what follows a release (the filling of empty tableau piles, and autoplay when switched on), and
// ends the game when it is won.
#include "engine/commands.h"
#include "engine/game_end.h"
#include "engine/history.h"
#include "engine/placed_piles.h"
#include "engine/pointer.h"

#include <optional>

namespace tablamor {

enum class MouseButton {
    Left,
    Right,
    Middle,
};

class GamePlay {
public:
    // The state must outlive the GamePlay; the clock too.
    GamePlay(GameState& state, EventSink& sink, const PlayClock& clock = SystemPlayClock());
    GamePlay(const GamePlay&) = delete;
    GamePlay& operator=(const GamePlay&) = delete;

    // Where the piles lie (the window's table geometry); without one every pile of the game
    // counts as placed. The geometry must outlive its use.
    void SetGeometry(const PileGeometry* geometry) { geometry_ = geometry; }
    // Where a finished game is recorded; none: nowhere.
    void SetRecorder(GameRecorder* recorder) { recorder_ = recorder; }
    void SetUndoPolicy(UndoPolicy policy);
    UndoPolicy Policy() const { return policy_; }
    // The autoplay switch (the menu item's check mark). Autoplay runs when it is on and the game
    // offers autoplay.
    void SetAutoplay(bool on) { autoplay_ = on; }
    bool AutoplayOn() const { return autoplay_; }
    bool AutoplayAvailable() const;

    // A new deal lies in the state: the history is emptied, the clock starts, and autoplay runs
    // when it is on.
    void Begin();
    // A saved game was put back into the state: its history takes the place of this one, the
    // clock goes on from `elapsedSeconds`, and nothing else runs (autoplay ran when it was
    // saved). A game that was hinted before it was kept stays hinted.
    void Resume(History history, int elapsedSeconds, bool hinted);
    // The clock starts again from 0 (the window has finished showing the deal); a game that
    // has already ended keeps its time.
    void RestartClock();

    // The pointer, once the window has turned its position into a pile and a card (kNoCard: an
    // empty place). The left button carries out DecideLeftPress: true when something happened (a
    // lift, a turned card, a selection, a deal). The right button: true when the card is to be
    // shown whole (the window draws it); otherwise a beep. The middle button beeps. In the
    // pairing games other buttons than the left do nothing. The press after a double-click is
    // ignored.
    bool PressOnTable(MouseButton button, PileIndex pile, Card card);
    // The pointer left the stock while it was pressed: the armed redeal is called off.
    void LeaveStock();
    // The release; `drop` is where the lifted cards lie (nullopt when the pointer did not move).
    // Then the fill of empty piles and autoplay. True when something moved.
    [[nodiscard]] bool ReleaseOnTable(const std::optional<Rect>& drop);
    // The double-click on a card: sent to a foundation (or a reserve) when it qualifies.
    bool DoubleClickSend(PileIndex pile, Card card);
    const Drag& Dragged() const { return drag_; }

    // A command as the window would carry it out, with what follows its release. True when the
    // command did something.
    [[nodiscard]] bool Apply(const Command& command);

    // Undo and redo: refused with a beep when no game is in play, the stack is empty or the
    // policy forbids it.
    bool UndoRedo(bool isUndo);
    bool Undo() { return UndoRedo(true); }
    bool Redo() { return UndoRedo(false); }
    bool CanUndo() const;
    bool CanRedo() const;
    // Empties the redo stack and, with alsoUndo, the undo stack.
    void ClearHistory(bool alsoUndo);
    const History& GetHistory() const { return history_; }

    // The autoplay menu item: switches autoplay off, or on and runs it (autoplay, then the fill
    // and autoplay in turn until nothing goes up). True when a card went up.
    bool ToggleAutoplay();
    // Switches autoplay on and runs it as the menu item does.
    bool RunAutoplay();
    // One autoplay run (nothing unless switched on and offered). True when a card went up.
    bool AutoPlayStep();
    bool AutoFillEmptyTableaus();

    // Ends the game in play (won when the won flag is on): stops the clock, hands the result to
    // the records, clears the drag state and the game's flags. Autoplay stops with the game: its
    // passes run only while a game is in play.
    void EndOfGame();
    // The player quits: the game ends as lost.
    void QuitGame();
    // Whether the last game that ended was won.
    bool LastGameWon() const { return lastGameWon_; }
    // The player took a hint: the game counts as hinted when it ends (until the next deal).
    void NoteHint() {
        if (state_.active) hinted_ = true;
    }
    bool Hinted() const { return hinted_; }

    int ElapsedSeconds() const;
    bool ClockRunning() const { return clockRunning_; }
    // Pause: the clock stands still from SetPaused(true) until SetPaused(false), and goes on
    // from where it stood. Nothing while no game is in play; the end of the game ends a pause.
    void SetPaused(bool paused);
    bool Paused() const { return paused_; }
    PlayClock::TimePoint StartTime() const { return start_; }

    const GameState& State() const { return state_; }
    const PileGeometry& Geometry() const;

private:
    class HistoryRecord : public StepRecord {
    public:
        explicit HistoryRecord(GamePlay& play) : play_(play) {}
        void RecordStep(const Table& before, StepCounters counters) override;
        void MarkNewest(std::string_view mark) override;
        bool AnyMark(std::string_view mark) const override;
        void MergeNewestSteps(int n) override;
        int recorded = 0;

    private:
        GamePlay& play_;
    };

    GameState& state_;
    EventSink& sink_;
    const PlayClock& clock_;
    const PileGeometry* geometry_ = nullptr;
    mutable PlacedPiles everyPile_; // the geometry without a window: every pile of the game
    GameRecorder* recorder_ = nullptr;
    History history_;
    HistoryRecord record_{*this};
    UndoPolicy policy_ = UndoPolicy::Unlimited;
    bool autoplay_ = false;
    Drag drag_;
    bool ignoreNextPress_ = false;
    bool clockRunning_ = false;
    bool paused_ = false;
    PlayClock::TimePoint pausedAt_{};
    PlayClock::TimePoint start_{};
    PlayClock::TimePoint end_{};
    bool lastGameWon_ = false;
    bool hinted_ = false;
    int operationStart_ = 0; // steps recorded before the operation in progress began

    PlayEnv Env();
    // A fresh start for the deal in the state: no history, no drag, the clock from now.
    void StartClockAfresh();
    bool AutoplayRuns() const { return autoplay_ && AutoplayAvailable(); }
    bool StartOperation();
    bool StartPress();
    void FinishRelease();
    void EndIfWon();
};

} // namespace tablamor
