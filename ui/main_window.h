#pragma once
// The main window: the menu, the large and the small toolbar with the time and score panels,
// the table, the status bar and the one-second clock. Its commands go to the play controller and
// the dialogs; every toolbar and panel option is written to the preferences at once.
#include "engine/game_file.h"
#include "records/ini_file.h"
#include "records/settings.h"
#include "ui/main_menu.h"
#include "ui/play_controller.h"
#include "ui/statistics_rows.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <filesystem>
#include <memory>
#include <string>

class QAction;
class QLabel;
class QToolBar;
class QFrame;
class QPushButton;

namespace tablamor::table {
class CardCounterWindow;
}

namespace tablamor::ui {

class HelpWindow;
class HintController;
class KeyboardPlay;
class OpenGameDialog;
class WinnableDeals;

struct MainWindowSetup {
    std::filesystem::path programDir; // the game files
    std::filesystem::path dataDir;    // the configuration and record files
    Settings* settings = nullptr;
    const GameFile* games = nullptr;
    table::ImageSet* images = nullptr;
    GameRecorder* recorder = nullptr;
};

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(const MainWindowSetup& setup);
    ~MainWindow() override;

    PlayController& Controller() { return *controller_; }
    HintController& Hints() { return *hints_; }
    KeyboardPlay& Keyboard() { return *keyboard_; }
    WinnableDeals& Winnable() { return *winnable_; }
    table::TableView& View() { return *view_; }
    QAction* Action(MenuCommand command) const;
    QLabel* ClockLabel() const { return clock_; }
    QLabel* ScoreLabel() const { return score_; }
    OpenGameDialog& OpenDialog();

    // The commands, as the menu and the toolbars run them.
    void NewGame();
    void RestartGame();
    void SelectGameNumber();
    void OpenGame();
    void QuitGame();
    // Asks before a game in play is abandoned (ConfirmQuitGame); true to go on.
    bool AskAbandonGame();
    // The game in progress kept in the data directory (File > Save, and on close unless the
    // player switched it off), offered back at the next start; it is forgotten once its game
    // ends.
    bool KeepGame();
    // At start: offers the kept game back. True when it is in play again; declined, it ends
    // as lost, as quitting it would have; a file that cannot be taken up is set aside with a
    // message.
    bool OfferKeptGame();
    // Deals the chosen game (its id already in the settings).
    bool PlayGame(int gameId, std::optional<GameNumber> number = std::nullopt);

    // Toolbar and panel options.
    void SetLargeToolbar(bool large, bool save = true);
    void SetFlatButtons(bool flat, bool save = true);
    void SetTimeShown(bool shown, bool save = true);
    void SetScoreShown(bool shown, bool save = true);
    void SetGameCommandsEnabled(bool on);
    // A finished game: a line in the status bar, the table dimmed, and the commands that need
    // a game in play disabled; a new deal undoes it.
    void ShowGameOver(bool over, bool won = false);
    // A new deal of the game set up (a new number, or the one given).
    void DealAnew(std::optional<GameNumber> number);
    // Pause: the clock stops and a cover hides the table until the command, or a click on the
    // cover, resumes the game. A new deal or the end of the game ends a pause.
    void SetPaused(bool paused);
    QString StatusText() const;

    // The dialogs of the Tools menu and the help.
    void ShowOptions();
    void ShowCustomize();
    // The statistics window over the game (none: every game) and the player (none: every one).
    void ShowStatistics(std::optional<int> gameId, std::optional<std::string> player);
    void ShowHiScores();
    void ShowPlayers();
    // The tip of the day, unless switched off; it does not hold up the window.
    void ShowTipAtStart();
    // After a won game: the win summary, then what the player chose there.
    void ShowWinSummary();
    // The help window, owned by the dialog that is open (a modal dialog would otherwise keep it
    // beneath itself, out of reach) or by the main window.
    HelpWindow& Help();
    table::CardCounterWindow& CardCounter() { return *counter_; }
    // Once the window is up: the card counter takes its saved place and visibility.
    void RestoreCardCounter();

signals:
    void RulesRequested(int gameId);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    MainWindowSetup setup_;
    Settings& settings_;
    IniFile preferences_;
    std::unique_ptr<SoundPlayer> sounds_;
    table::TableView* view_ = nullptr;
    std::unique_ptr<PlayController> controller_;
    std::unique_ptr<OpenGameDialog> openDialog_;
    std::unique_ptr<HintController> hints_;
    std::unique_ptr<KeyboardPlay> keyboard_;
    std::unique_ptr<WinnableDeals> winnable_;
    table::CardCounterWindow* counter_ = nullptr;
    QPointer<HelpWindow> help_;                         // owned by the window it was opened over
    std::array<QAction*, kMenuCommandCount> actions_{}; // filled by BuildMenus
    QToolBar* largeBar_ = nullptr;
    QToolBar* smallBar_ = nullptr;
    QFrame* timePanel_ = nullptr;
    QFrame* scorePanel_ = nullptr;
    QLabel* clock_ = nullptr;
    QLabel* score_ = nullptr;
    QLabel* status_ = nullptr;
    QPushButton* pauseCover_ = nullptr;
    QAction* autoplayLarge_ = nullptr;
    QAction* autoplaySmall_ = nullptr;
    bool closing_ = false;
    bool narrowMessageShown_ = false; // the narrow-screen message comes once a run

    void BuildMenus();
    QToolBar* BuildToolbar(bool large);
    QFrame* BuildPanel(const QString& caption, QLabel*& value, const char* hideText,
                       std::function<void()> hide);
    void ShowToolbarMenu(const QPoint& globalAt);
    void Connect(MenuCommand command, std::function<void()> handler);
    // The menu item and the toolbar buttons that act as it.
    void SetCommandEnabled(MenuCommand command, bool on);
    void RefreshClock();
    void RefreshAutoplayControls();
    void SavePreference(std::string_view key, bool on);
    void AfterGameFinished(bool won);
    std::filesystem::path KeptGamePath() const;
    bool KeepGameOnClose();
    void ForgetKeptGame();
    // Puts the kept game (of the game so named) on the table; the reason when it cannot be.
    std::string ResumeKeptGame(const SavedGame& game, const std::string& name);
    void AfterNarrowScreenCheck(bool narrow, bool switchedNow);
    // The games the record windows offer: the game list, and the current game when it is a
    // custom one.
    std::vector<StatisticsGame> RecordGames() const;
};

} // namespace tablamor::ui
