// The engine's messages and a lost game's notice are held while the engine calls back, and
// delivered in the order raised once the operation has returned: nothing modal opens inside an
// engine callback.
#include "modal_answer.h"
#include "window_fixture.h"

#include <QSignalSpy>

namespace tablamor::ui {
namespace {

using testing::Click;
using testing::ModalAnswer;
using testing::WindowFixture;

constexpr int kKlondike = 1;
constexpr int kQuietMs = 200; // long enough for the answer's timer to find an open window

class EngineEventsHeld : public WindowFixture {};

TEST_F(EngineEventsHeld, MessagesWaitForTheOperationAndKeepTheirOrder) {
    Open(kKlondike, "5");
    ModalAnswer answer(Click(QMessageBox::Ok));
    std::vector<std::size_t> messagesBeforeLoss;
    QObject::connect(&Play(), &PlayController::GameFinished,
                     [&](bool) { messagesBeforeLoss.push_back(answer.texts.size()); });

    Play().Events().Message("first");
    Play().Events().GameEnded(false);
    Play().Events().Message("second");
    QTest::qWait(kQuietMs);
    EXPECT_EQ(answer.seen, 0) << "a message box opened inside the engine's callback";
    EXPECT_TRUE(messagesBeforeLoss.empty()) << "the loss was told inside the engine's callback";

    Play().Undo(); // an operation: its end delivers what was held
    WaitForAnimations();
    EXPECT_EQ(answer.texts, (std::vector<std::string>{"first", "second"}));
    EXPECT_EQ(messagesBeforeLoss, std::vector<std::size_t>{1}) << "told between the messages";

    Play().Undo(); // nothing is delivered twice
    EXPECT_EQ(answer.texts.size(), 2u);
    EXPECT_EQ(messagesBeforeLoss.size(), 1u);
}

TEST_F(EngineEventsHeld, ALostGameIsToldOnceItsOperationReturned) {
    Open(kKlondike, "5");
    ModalAnswer answer(Click(QMessageBox::Ok));
    QSignalSpy finished(&Play(), &PlayController::GameFinished);

    Play().Events().GameEnded(false);
    QTest::qWait(kQuietMs);
    EXPECT_EQ(finished.count(), 0);
    Play().ToggleAutoplay();
    ASSERT_EQ(finished.count(), 1);
    EXPECT_FALSE(finished.front().front().toBool());

    // The engine's own end of the game, raised inside EndGame, is told before it returns.
    finished.clear();
    ASSERT_TRUE(Play().InPlay());
    Play().EndGame();
    ASSERT_EQ(finished.count(), 1);
    EXPECT_FALSE(finished.front().front().toBool());
    EXPECT_FALSE(Play().InPlay());
}

} // namespace
} // namespace tablamor::ui
