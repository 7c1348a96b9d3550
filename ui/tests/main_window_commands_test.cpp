// The main window's game commands with their questions answered: F2 under ConfirmQuitGame,
// "Restart game", and closing the window while the winning animation runs.
#include "modal_answer.h"
#include "window_fixture.h"

#include "engine/move_generator.h"
#include "engine/solver.h"
#include "ui/game_number_dialog.h"
#include "ui/help_window.h"
#include "ui/win_summary_dialog.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>

namespace tablamor::ui {
namespace {

using testing::Click;
using testing::ModalAnswer;
using testing::WindowFixture;

constexpr int kKlondike = 1;
constexpr int kCanfield = 16;
constexpr const char* kWinnableCanfield = "3";
constexpr long long kSolveBudget = 20000;

class KeptResults final : public GameRecorder {
public:
    void RecordFinishedGame(const GameResult& result) override { results.push_back(result); }
    std::vector<GameResult> results;
};

class MainWindowCommands : public WindowFixture {
protected:
    KeptResults kept;
    void SetUp() override {
        WindowFixture::SetUp();
        recorder = &kept;
    }
    // Plays the first move the generator offers, so that the table differs from the deal.
    void PlayOneMove() {
        auto commands = GenerateCommands(State(), Play().Geometry());
        ASSERT_FALSE(commands.empty());
        ASSERT_TRUE(Play().ApplyCommand(commands.front()));
        WaitForAnimations();
    }
};

struct NewGameRow {
    const char* name;
    QMessageBox::StandardButton answer;
    bool dealsAnew;
};

TEST_F(MainWindowCommands, F2UnderConfirmQuitGameAsksFirst) {
    const NewGameRow rows[] = {
        {"Cancel leaves the game untouched", QMessageBox::Cancel, false},
        {"OK ends the game as lost and deals anew", QMessageBox::Ok, true},
    };
    for (const NewGameRow& row : rows) {
        SCOPED_TRACE(row.name);
        kept.results.clear();
        Open(kKlondike, "1");
        startup.settings.Set(Settings::kConfirmQuitGame, "Y");
        PlayOneMove();
        const Table before = State().table;
        const std::string number = startup.settings.GameNumber();
        const std::size_t undoSteps = Play().Play().GetHistory().UndoStack().Size();

        ModalAnswer answer(Click(row.answer));
        QTest::keyClick(window.get(), Qt::Key_F2);
        WaitForAnimations();

        ASSERT_EQ(answer.texts.size(), 1u) << "asked once";
        EXPECT_EQ(answer.texts.front(), "Quit this game?");
        EXPECT_TRUE(State().active);
        if (row.dealsAnew) {
            EXPECT_NE(startup.settings.GameNumber(), number);
            ASSERT_EQ(kept.results.size(), 1u);
            EXPECT_FALSE(kept.results.front().won);
            EXPECT_EQ(kept.results.front().number.Text(), number);
        } else {
            EXPECT_EQ(startup.settings.GameNumber(), number);
            EXPECT_EQ(State().table, before);
            EXPECT_EQ(Play().Play().GetHistory().UndoStack().Size(), undoSteps);
            EXPECT_TRUE(kept.results.empty());
        }
    }
}

TEST_F(MainWindowCommands, RestartDealsTheSameTableAgain) {
    Open(kKlondike, "1234567");
    startup.settings.Set(Settings::kConfirmQuitGame, "N");
    const Table dealt = State().table;
    PlayOneMove();
    ASSERT_NE(State().table, dealt);
    window->Action(MenuCommand::RestartGame)->trigger();
    WaitForAnimations();
    EXPECT_EQ(State().table, dealt);
    EXPECT_EQ(startup.settings.GameNumber(), "0000001234567");
    EXPECT_TRUE(State().active);
    EXPECT_EQ(Play().Play().GetHistory().UndoStack().Size(), 0u);
    ASSERT_EQ(kept.results.size(), 1u) << "the restarted deal counts as lost";
    EXPECT_FALSE(kept.results.front().won);
}

// The game-over line that ending the game shows goes before the new deal is laid out, so the deal
// plays to its end on the table as it stays (no resize after it lays the table out again and cuts
// the deal short).
TEST_F(MainWindowCommands, ANewDealPlaysOnTheTableAsItStays) {
    startup.settings.SetFlag(Settings::kConfirmQuitGame, false);
    Open(kKlondike, "1", true);
    ASSERT_TRUE(window->statusBar()->isHidden()) << "the player keeps it hidden";
    for (const MenuCommand command : {MenuCommand::New, MenuCommand::RestartGame}) {
        window->Action(command)->trigger();
        ASSERT_TRUE(Play().Animating()) << static_cast<int>(command);
        const Rect dealtAt = Play().Geometry().TopCardRect(TableauPile(6));
        QTest::qWait(300); // longer than a resize takes to settle
        WaitForAnimations();
        EXPECT_EQ(Play().Geometry().TopCardRect(TableauPile(6)), dealtAt)
            << static_cast<int>(command);
        EXPECT_TRUE(window->statusBar()->isHidden()) << static_cast<int>(command);
    }
}

// A fitted table keeps room for the hidden status bar, so that the cards stay where they are
// while the bar shows for a while (a search's progress, the game-over line) and after it hides.
TEST_F(MainWindowCommands, AFittedTableStaysPutAsTheStatusBarComesAndGoes) {
    startup.settings.SetCardSize("F");
    Open(kKlondike, "1");
    QStatusBar* bar = window->statusBar();
    ASSERT_TRUE(bar->isHidden()) << "the player keeps it hidden";
    auto settled = [this] {
        QTest::qWait(300); // longer than a resize takes to settle
        return Play().Geometry().TopCardRect(TableauPile(6));
    };
    const Rect laidOut = settled();
    bar->show();
    EXPECT_EQ(settled(), laidOut) << "the bar shows";
    bar->hide();
    EXPECT_EQ(settled(), laidOut) << "the bar hides again";
}

TEST_F(MainWindowCommands, CloseDuringTheWinningAnimationClosesOnceTheGameIsRecorded) {
    Open(kCanfield, kWinnableCanfield);
    startup.settings.Set(Settings::kWinningAnimation, "Y");
    SolveResult solved = Solve(State(), Play().Geometry(), kSolveBudget);
    ASSERT_EQ(solved.outcome, SolveOutcome::Won);
    QSignalSpy finished(&Play(), &PlayController::GameFinished);
    for (const Command& command : solved.line) ASSERT_TRUE(Play().ApplyCommand(command));
    ASSERT_TRUE(Play().Animating());

    // Whatever window comes up after the win (the open-a-game dialog) would be a fault here.
    ModalAnswer unexpected(Click(QMessageBox::Cancel));
    EXPECT_TRUE(window->close());
    QTest::qWait(200);
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(Play().Animating());
    ASSERT_EQ(finished.count(), 1);
    EXPECT_TRUE(finished.front().front().toBool());
    ASSERT_EQ(kept.results.size(), 1u) << "recorded once, as won";
    EXPECT_TRUE(kept.results.front().won);
    EXPECT_EQ(unexpected.seen, 0);
}

// The "&?" and "Rules" buttons of a modal dialog open the help above it, within reach, and Esc
// closes it.
TEST_F(MainWindowCommands, HelpFromAModalDialogComesToTheFrontAndEscClosesIt) {
    Open(kKlondike, "1");
    struct Row {
        const char* name;
        std::function<void()> command;
    } const rows[] = {
        {"Options", [this] { window->ShowOptions(); }},
        {"Open a game", [this] { window->OpenGame(); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        bool checked = false;
        ModalAnswer answer([&](QWidget* modal) {
            for (auto* button : modal->findChildren<QPushButton*>())
                if (button->text() == "&?") button->click();
            HelpWindow& help = window->Help();
            EXPECT_TRUE(help.isVisible());
            EXPECT_EQ(help.parentWidget(), modal) << "owned by the dialog, so not blocked by it";
            QTest::keyClick(&help, Qt::Key_Escape);
            EXPECT_FALSE(help.isVisible());
            checked = true;
            modal->close();
        });
        row.command();
        EXPECT_TRUE(checked);
    }
}

// Quit game, then Cancel in the open-a-game dialog: the table shows that the game is over and
// what needs a game in play is disabled, until a new deal.
TEST_F(MainWindowCommands, AfterQuitGameAndCancelTheTableShowsTheGameIsOver) {
    Open(kKlondike, "1");
    const QColor before = window->View().grab().toImage().pixelColor(5, 100);
    ModalAnswer answer(Click(QMessageBox::Ok)); // OK to the question, Cancel to the dialog
    window->QuitGame();
    EXPECT_FALSE(State().active);
    EXPECT_TRUE(window->View().Dimmed());
    EXPECT_LT(window->View().grab().toImage().pixelColor(5, 100).lightness(), before.lightness());
    EXPECT_TRUE(window->StatusText().contains("over"));
    for (MenuCommand name :
         {MenuCommand::QuitGame, MenuCommand::Pause, MenuCommand::Undo, MenuCommand::Redo})
        EXPECT_FALSE(window->Action(name)->isEnabled())
            << window->Action(name)->objectName().toStdString();
    for (MenuCommand name :
         {MenuCommand::New, MenuCommand::RestartGame, MenuCommand::SelectNumber, MenuCommand::Open})
        EXPECT_TRUE(window->Action(name)->isEnabled())
            << window->Action(name)->objectName().toStdString();

    window->NewGame();
    WaitForAnimations();
    EXPECT_TRUE(State().active);
    EXPECT_FALSE(window->View().Dimmed());
    EXPECT_TRUE(window->StatusText().isEmpty());
    EXPECT_TRUE(window->Action(MenuCommand::QuitGame)->isEnabled());
}

// "Select a game number..." takes digits only as they are typed and says why a key was refused.
TEST_F(MainWindowCommands, SelectAGameNumberTakesDigitsOnly) {
    Open(kKlondike, "1");
    startup.settings.Set(Settings::kConfirmQuitGame, "N");
    bool typed = false;
    ModalAnswer answer([&](QWidget* modal) {
        auto* dialog = qobject_cast<GameNumberDialog*>(modal);
        if (!dialog) {
            modal->close();
            return;
        }
        QTest::keyClicks(dialog->Line(), "12a");
        EXPECT_EQ(dialog->Line()->text(), "12");
        EXPECT_TRUE(dialog->Explanation()->text().contains("digits"));
        dialog->Line()->clear();
        EXPECT_FALSE(dialog->OkButton()->isEnabled()) << "nothing typed";
        QTest::keyClicks(dialog->Line(), "x4321");
        EXPECT_EQ(dialog->Line()->text(), "4321");
        QTest::keyClicks(dialog->Line(), "123456789012");
        EXPECT_EQ(dialog->Line()->text().size(), GameNumber::kDigits);
        typed = true;
        dialog->OkButton()->click();
    });
    window->SelectGameNumber();
    WaitForAnimations();
    ASSERT_TRUE(typed);
    EXPECT_EQ(startup.settings.GameNumber(), "4321123456789");
    EXPECT_TRUE(State().active);
}

// After a win the summary comes with the time, the score and the moves; "Play this number
// again" deals the same number.
TEST_F(MainWindowCommands, AWinShowsTheSummaryAndItsChoiceIsCarriedOut) {
    Open(kCanfield, kWinnableCanfield);
    SolveResult solved = Solve(State(), Play().Geometry(), kSolveBudget);
    ASSERT_EQ(solved.outcome, SolveOutcome::Won);
    const std::string number = startup.settings.GameNumber();
    bool summarised = false;
    ModalAnswer answer([&](QWidget* modal) {
        auto* summary = qobject_cast<WinSummaryDialog*>(modal);
        if (!summary) {
            modal->close();
            return;
        }
        const QString facts = summary->Facts()->text();
        EXPECT_TRUE(facts.contains("Score: " + QString::number(Play().Score())))
            << facts.toStdString();
        EXPECT_TRUE(facts.contains("Moves: ")) << facts.toStdString();
        summarised = true;
        summary->Button(WinChoice::SameNumber)->click();
    });
    for (const Command& command : solved.line) ASSERT_TRUE(Play().ApplyCommand(command));
    for (int i = 0; i < 100 && !summarised; ++i) QTest::qWait(20);
    WaitForAnimations();
    ASSERT_TRUE(summarised);
    EXPECT_TRUE(State().active) << "dealt again";
    EXPECT_EQ(startup.settings.GameNumber(), number);
    EXPECT_FALSE(window->View().Dimmed());
}

// Pause stops the clock, covers the table and holds back the table and the commands that play.
TEST_F(MainWindowCommands, PauseCoversTheTableUntilResumed) {
    Open(kKlondike, "1");
    const Table dealt = State().table;
    window->Action(MenuCommand::Pause)->trigger();
    EXPECT_TRUE(Play().Paused());
    auto* cover = window->findChild<QPushButton*>("btnPaused");
    ASSERT_NE(cover, nullptr);
    EXPECT_TRUE(cover->isVisible());
    EXPECT_FALSE(window->Action(MenuCommand::Undo)->isEnabled());
    Press(TopCentre(kStockPile));
    Release(TopCentre(kStockPile));
    EXPECT_EQ(State().table, dealt) << "the table takes no input while paused";
    cover->click();
    EXPECT_FALSE(Play().Paused());
    EXPECT_FALSE(cover->isVisible());
    EXPECT_FALSE(window->Action(MenuCommand::Pause)->isChecked());
    Press(TopCentre(kStockPile));
    Release(TopCentre(kStockPile));
    EXPECT_NE(State().table, dealt);
}

} // namespace
} // namespace tablamor::ui
