// The main window's game commands with their questions answered: F2 under ConfirmQuitGame,
// "Restart game", and closing the window while the winning animation runs.
#include "modal_answer.h"
#include "window_fixture.h"

#include "engine/move_generator.h"
#include "engine/solver.h"

#include <QAction>
#include <QSignalSpy>

namespace tablamor::ui {
namespace {

using testing::Click;
using testing::ModalAnswer;
using testing::WindowFixture;

constexpr int kKlondike = 1;
constexpr int kCanfield = 16;
constexpr const char* kWinnableCanfield = "7";
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
        startup.settings.Set(Settings::kConfirmQuitGame, 1, "Y");
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
    startup.settings.Set(Settings::kConfirmQuitGame, 1, "N");
    const Table dealt = State().table;
    PlayOneMove();
    ASSERT_NE(State().table, dealt);
    window->Action("mnuRestartGame")->trigger();
    WaitForAnimations();
    EXPECT_EQ(State().table, dealt);
    EXPECT_EQ(startup.settings.GameNumber(), "0000001234567");
    EXPECT_TRUE(State().active);
    EXPECT_EQ(Play().Play().GetHistory().UndoStack().Size(), 0u);
    ASSERT_EQ(kept.results.size(), 1u) << "the restarted deal counts as lost";
    EXPECT_FALSE(kept.results.front().won);
}

TEST_F(MainWindowCommands, CloseDuringTheWinningAnimationClosesOnceTheGameIsRecorded) {
    Open(kCanfield, kWinnableCanfield);
    startup.settings.Set(Settings::kWinningAnimation, 1, "Y");
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

} // namespace
} // namespace tablamor::ui
