// A game played to its win in the window: the winning animation runs, a key stops it, and the
// window learns that the game was won. With TABLAMOR_SCREENSHOT_DIR set, pictures of a drag and
// of the winning animation are saved there.
#include "window_fixture.h"

#include "engine/solver.h"
#include "table/layout/table_geometry.h"

#include <QSignalSpy>
#include <QTimer>

#include <cstdlib>

namespace tablamor::ui {
namespace {

using testing::WindowFixture;

constexpr int kCanfield = 16;
constexpr const char* kWinnableNumber = "3";
constexpr long long kSolveBudget = 20000;

void Save(QWidget& widget, const char* name) {
    if (const char* dir = std::getenv("TABLAMOR_SCREENSHOT_DIR"))
        widget.grab().save(QString(dir) + "/" + name + ".png");
}

class Winning : public WindowFixture {};

TEST_F(Winning, AnimationThenTheWindowIsTold) {
    Open(kCanfield, kWinnableNumber);
    startup.settings.Set(Settings::kWinningAnimation, "Y");
    SolveResult solved = Solve(State(), Play().Geometry(), kSolveBudget);
    ASSERT_EQ(solved.outcome, SolveOutcome::Won);

    // A drag, for the picture: the top card of the first tableau pile lifted over the empty
    // lower table and let go there, so it goes back.
    const Table dealt = State().table;
    const QPoint emptyPlace(window->View().width() - 120, window->View().height() - 120);
    Press(TopCentre(TableauPile(0)));
    MoveHeld(emptyPlace);
    Save(*window, "drag");
    Release(emptyPlace);
    ASSERT_EQ(State().table, dealt);

    QSignalSpy finished(&Play(), &PlayController::GameFinished);
    for (std::size_t i = 0; i < solved.line.size(); ++i)
        ASSERT_TRUE(Play().ApplyCommand(solved.line[i]))
            << i << " of " << solved.line.size() << ": " << CommandText(solved.line[i]);
    EXPECT_TRUE(Play().Play().LastGameWon());
    EXPECT_FALSE(State().active);
    ASSERT_TRUE(Play().Animating()) << "the winning animation";
    QTest::qWait(1500);
    Save(*window, "won");
    EXPECT_EQ(finished.count(), 0);
    // After a win the window opens the open-a-game dialog: close it when it comes.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    });
    closer.start(50);
    QTest::keyClick(&window->View(), Qt::Key_Space);
    WaitForAnimations();
    ASSERT_EQ(finished.count(), 1);
    EXPECT_TRUE(finished.front().front().toBool());
}

} // namespace
} // namespace tablamor::ui
