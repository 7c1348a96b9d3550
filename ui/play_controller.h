#pragma once
// The game on the table widget, the face the main window plays through: it owns the game
// session and deals through it, plays through the session's GamePlay, and owns the three parts
// that show the play: the pointer's input, the motion queue, and the engine's events. After
// every operation the score is told, the notices the engine raised during it are delivered,
// and the motion it left plays.
#include "engine/game_play.h"
#include "session/session.h"
#include "table/card_counter_window.h"
#include "table/cursors.h"
#include "table/layout/hit_test.h"
#include "table/layout/layout_input.h"
#include "table/table_view.h"
#include "ui/engine_events.h"
#include "ui/motion_queue.h"
#include "ui/pointer_input.h"
#include "ui/sound_player.h"

#include <QObject>
#include <QPoint>

#include <cstdint>
#include <memory>
#include <optional>
#include <random>

namespace tablamor::ui {

class PlayController : public QObject {
    Q_OBJECT
public:
    PlayController(Settings& settings, const GameFile& games, std::filesystem::path programDir,
                   std::filesystem::path dataDir, table::TableView& view, table::ImageSet& images,
                   SoundPlayer& sounds, GameRecorder* recorder, QWidget* dialogParent);
    ~PlayController() override;

    // Sets the game up (its id is in the settings) and deals it; with a number, that deal.
    bool StartGame(std::optional<GameNumber> number = std::nullopt);
    // A new deal of the game set up, with a new number or the given one.
    bool Deal(std::optional<GameNumber> number = std::nullopt);
    // Sets up the game whose id is in the settings and takes up the kept game in it; the
    // reason when it cannot be.
    std::string Resume(const SavedGame& game);
    // The game in play ends (lost unless it was won).
    void EndGame();

    void Undo();
    void Redo();
    // A command as the pointer would give it (a hint, a replayed line), shown like the pointer's.
    bool ApplyCommand(const Command& command);
    bool ToggleAutoplay();
    void SetAutoplay(bool on) { play_.SetAutoplay(on); }
    bool AutoplayOn() const { return play_.AutoplayOn(); }
    bool AutoplayAvailable() const { return session_.IsSetUp() && play_.AutoplayAvailable(); }

    // A paused game: the clock stands still and the table takes no input.
    void SetPaused(bool paused) { play_.SetPaused(paused); }
    bool Paused() const { return play_.Paused(); }
    bool InPlay() const { return session_.State().active; }
    bool Won() const { return session_.State().won; }
    bool SetUp() const { return session_.IsSetUp(); }
    int Score() const { return session_.State().score; }
    // "h:nn:ss" since the deal, frozen at the end of the game.
    QString ClockText() const;
    GameSession& Session() { return session_; }
    GamePlay& Play() { return play_; }
    const GameState& State() const { return session_.State(); }
    // The table geometry of the current layout (valid after a deal).
    const layout::TableGeometry& Geometry() const { return *geometry_; }
    bool Animating() const { return view_.Animating(); }
    // The engine's events, as the session's game calls them.
    EngineEvents& Events() { return events_; }

    // Pointer events in table coordinates, as the widget delivers them.
    void PressLeft(QPoint at);
    void PressRight(QPoint at);
    void Move(QPoint at);
    void Release(QPoint at);
    void DoubleClick(QPoint at);

    // The screen and card size the layout works with; the screen width also decides the
    // narrow-screen check when a game is set up.
    void SetLayoutFrame(const layout::LayoutInput& frame);
    const layout::LayoutInput& LayoutFrame() const { return frame_; }

    // Repaints the whole table from the state.
    void RefreshTable();
    // The table's cursor: the preference Cursor when idle, its dragging form while cards are
    // lifted.
    void LoadCursors(const table::ImageSource& source);
    void ApplyCursor();
    // The card size of the settings (the customize dialog's choice) takes effect on the table.
    void ApplyCardSize();

    // The card counter told of moves while it is shown, refreshed at a deal and after undo and
    // redo; it reads the table through State() (nullptr: none).
    void SetCardCounter(table::CardCounterWindow* counter);

signals:
    void CaptionChanged(const QString& title);
    void ScoreChanged(int score);
    void UndoControlsChanged(bool enabled);
    // The game ended; a won game after its winning animation.
    void GameFinished(bool won);
    // A new deal lies on the table.
    void GameDealt();
    // A game was set up: `narrow` when it plays with the fixed medium set on a narrow screen,
    // `switchedNow` when the player's cards were set aside by this set-up.
    void NarrowScreenChecked(bool narrow, bool switchedNow);

private:
    friend class PointerInput;
    friend class EngineEvents;

    Settings& settings_;
    std::filesystem::path programDir_;
    table::TableView& view_;
    table::ImageSet& images_;
    SoundPlayer& sounds_;
    QWidget* dialogParent_;
    EngineEvents events_; // before the session, which tells it of the game
    GameSession session_;
    GamePlay& play_; // the session's
    std::unique_ptr<layout::TableGeometry> geometry_;
    table::CursorSet cursors_;
    std::mt19937 random_;
    MotionQueue motion_;
    PointerInput* pointer_;        // a child
    std::uint64_t operations_ = 0; // operations shown, to notice one begun by a notice's answer
    table::CardCounterWindow* counter_ = nullptr;
    layout::LayoutInput frame_;

    void InstallScene();
    void TakeGeometry();
    table::ImageSet::Choice CardChoice() const;
    void ReloadCards();
    std::optional<layout::Hit> HitAt(QPoint at) const;
    // After an operation: OperationReturned(), then its motion.
    void AfterOperation();
    // The score told and the held notices delivered.
    void OperationReturned();
    bool CounterShown() const { return counter_ && counter_->isVisible(); }
};

} // namespace tablamor::ui
