#pragma once
// The program from launch to its first table: the start-up checks behind the splash window and
// its sound, the colour advice, the main window sized to the screen, and on the first activation
// the data files brought up to date and the open-a-game dialog (or the game asked for on the
// command line). A data directory that cannot hold records is told once, at the first
// activation, and play goes on without records. main() parses its arguments, calls Begin() and
// runs the event loop.
#include "engine/game_number.h"
#include "records/data_dir.h"
#include "records/messages.h"
#include "session/game_recording.h"
#include "ui/main_window.h"
#include "ui/startup.h"

#include <QObject>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

namespace tablamor::ui {

class SoundPlayer;
class SplashWindow;

struct StartOptions {
    ProgramDirectories dirs;
    std::optional<int> game;          // deal this game at once instead of asking
    std::optional<GameNumber> number; // with this number
};

enum class StartResult {
    Running,     // the main window is up; the event loop may run
    Failed,      // a file the program needs is missing; its message was shown
    UnknownGame, // the game asked for is not in the game list
};

class ProgramStart : public QObject, private MessageSink {
    Q_OBJECT
public:
    ProgramStart(StartOptions options, MessageSink& messages);
    ~ProgramStart() override;

    StartResult Begin();

    // Valid after Begin() returned Running.
    MainWindow& Window() { return *window_; }
    Startup& State() { return startup_; }
    // Runs once, right after the first table of a dealt game has been painted.
    void OnFirstTablePaint(std::function<void()> handler);
    // Whether the splash window is still up (it goes once the main window shows).
    bool SplashShown() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    StartOptions options_;
    MessageSink& messages_;
    Startup startup_;
    std::unique_ptr<SplashWindow> splash_;
    std::unique_ptr<SoundPlayer> startSounds_; // lives on while the splash sound plays
    std::unique_ptr<SettingsGameRecorder> recorder_;
    std::unique_ptr<MainWindow> window_;
    std::function<void()> firstPaint_;

    // Every message goes to the caller's sink with the splash closed first: a window kept on
    // top of the others must not hide a message, least of all the last one before the end.
    void Show(MessageKind kind, std::string_view text) override;
    void ShowSplash();
    void CloseSplash();
    void FirstActivation();
};

} // namespace tablamor::ui
