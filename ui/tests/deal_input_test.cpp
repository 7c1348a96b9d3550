// The deal shown card by card keeps no player waiting: a key or a click finishes it at once, and
// the clock starts only once the dealt table is shown.
#include "window_fixture.h"

#include <chrono>
#include <functional>

namespace tablamor::ui {
namespace {

using testing::WindowFixture;

constexpr int kSpider = 13; // 54 cards travel: a long deal

class DealInput : public WindowFixture {};

TEST_F(DealInput, AKeyOrAClickFinishesTheDealAndTheClockStartsThen) {
    const struct Row {
        const char* name;
        std::function<void()> input;
    } rows[] = {
        {"a key", [this] { QTest::keyClick(&window->View(), Qt::Key_Space); }},
        {"a click",
         [this] {
             QTest::mouseClick(&window->View(), Qt::LeftButton, {}, {5, 5});
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        OpenWithoutGame(true);
        ASSERT_TRUE(window->PlayGame(kSpider, GameNumber::Parse("7")));
        QTest::qWait(50);
        ASSERT_TRUE(Play().Animating()) << "the deal is still being shown";
        const auto before = std::chrono::system_clock::now();
        row.input();
        QApplication::processEvents();
        EXPECT_FALSE(Play().Animating());
        EXPECT_GE(Play().Play().StartTime(), before) << "the clock starts with the dealt table";
        EXPECT_TRUE(Play().InPlay());
    }
}

} // namespace
} // namespace tablamor::ui
