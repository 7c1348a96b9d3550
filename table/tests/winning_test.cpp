// The card shower: its size table, frames, rows and stopping.
#include "table/layout/layout_input.h"
#include "table/tests/test_scene.h"
#include "table/winning_animation.h"

#include <gtest/gtest.h>

namespace tablamor::table {
namespace {

using namespace testing;

TEST(WinningTiming, BySize) {
    using layout::CardSizeLetter;
    struct Row {
        int kind;
        CardSizeLetter size;
        int cards;
        int wait;
    } rows[] = {
        {1, CardSizeLetter::Big, 2001, 5},     {1, CardSizeLetter::Medium, 3001, 7},
        {1, CardSizeLetter::Small, 4001, 9},   {2, CardSizeLetter::Big, 1500, 18},
        {2, CardSizeLetter::Medium, 2500, 22}, {2, CardSizeLetter::Small, 3500, 25},
    };
    for (const Row& r : rows) {
        const WinningTiming t = WinningTimingFor(r.kind, r.size);
        EXPECT_EQ(t.cards, r.cards) << r.kind << static_cast<char>(r.size);
        EXPECT_EQ(t.waitMs, r.wait) << r.kind << static_cast<char>(r.size);
    }
}

class WinningTest : public ::testing::Test {
protected:
    TestArtwork art;
    std::unique_ptr<TestTable> t;
    std::mt19937 random{7};
    void SetUp() override {
        ASSERT_TRUE(art.Valid());
        t = std::make_unique<TestTable>(art, ShippedGame("0001-klondike.game"));
        t->canvas->PaintTable();
    }
};

TEST_F(WinningTest, ScatterRunsItsCardsFifteenAFrame) {
    WinningAnimation shower(*t->canvas, 1, random, 5, t->window);
    int frames = 0;
    Frame f;
    do {
        f = shower.Step();
        ++frames;
        if (!f.done) {
            ASSERT_EQ(shower.CardsDrawn(), 15 * frames);
        }
        EXPECT_EQ(f.waitMs, 5);
    } while (!f.done);
    EXPECT_EQ(shower.CardsDrawn(), 2001);
    EXPECT_EQ(frames, (2001 + 14) / 15);
    // The cards stay on the table picture, and the window shows them.
    EXPECT_NE(t->canvas->TablePicture(), t->FreshPaint());
    EXPECT_EQ(t->canvas->Window(), t->canvas->TablePicture().copy(QRect(QPoint(), t->window)));
}

TEST_F(WinningTest, StopsWhenAsked) {
    for (int kind : {1, 2}) {
        WinningAnimation shower(*t->canvas, kind, random, 5, t->window);
        for (int i = 0; i < 3; ++i) ASSERT_FALSE(shower.Step().done);
        const int drawn = shower.CardsDrawn();
        const QImage before = t->canvas->TablePicture();
        shower.Stop();
        EXPECT_TRUE(shower.Step().done) << kind;
        EXPECT_EQ(shower.CardsDrawn(), drawn) << kind;
        EXPECT_EQ(t->canvas->TablePicture(), before) << kind;
    }
}

TEST_F(WinningTest, RowsPauseAtTheRightEdge) {
    const int top = layout::kLargeToolbarTableTop;
    WinningAnimation shower(*t->canvas, 2, random, top, t->window);
    // The first row: from x = -20 at the table's top, a card every round(71 / 5.8) = 12 px,
    // the last at 796, then past the 800-px edge: 69 cards, then the pause.
    int drawn = 0;
    Frame f;
    for (;;) {
        f = shower.Step();
        if (f.waitMs == kRowPauseMs) break;
        ASSERT_EQ(f.waitMs, 18);
        drawn = shower.CardsDrawn();
        ASSERT_EQ(drawn % 20, 0);
    }
    EXPECT_EQ(shower.CardsDrawn(), 69);
    // The first card of the row lies at (-20, top): its right part shows at the window's left.
    EXPECT_NE(t->TableAt({10, top + 50}), t->FreshPaint().pixel(10, top + 50));
    int frames = 1 + RunToEnd(shower);
    EXPECT_GT(frames, 1500 / 20);
    EXPECT_EQ(shower.CardsDrawn(), 1500);
}

} // namespace
} // namespace tablamor::table
