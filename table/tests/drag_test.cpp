// The drag picture on the window: what it shows, its corners, its shadows, what a move restores,
// placing it on the table.
#include "table/tests/test_scene.h"

#include <gtest/gtest.h>

namespace tablamor::table {
namespace {

using namespace testing;

const QRgb kBlack = qRgb(0, 0, 0);

class DragTest : public ::testing::Test {
protected:
    TestArtwork art;
    std::unique_ptr<TestTable> t;
    void SetUp() override {
        ASSERT_TRUE(art.Valid());
        GameParams klondike = ShippedGame("0001-klondike.game");
        klondike[param::kStockFaceDown] = 1;
        t = std::make_unique<TestTable>(art, klondike);
        DealKlondike(*t);
        t->Put(TableauPile(1), {40, 27, 14});
        Paint();
    }
    void Paint(const PaintPreferences& prefs = {}) {
        t->Relayout(prefs);
        t->canvas->PaintTable();
    }
    QRgb Window(QPoint p) const { return t->canvas->Window().pixel(p); }
    QRgb Table(QPoint p) const { return t->TableAt(p); }
    TableCanvas& canvas() { return *t->canvas; }
};

TEST_F(DragTest, SingleCardWithItsShadow) {
    canvas().BuildDragCard(5);
    const QPoint at(300, 250);
    ASSERT_TRUE(canvas().MoveDragImage(at, false, true));
    const QRect card(at, QSize(71, 96));
    EXPECT_EQ(Window(Centre(card)), FaceColour(5));
    // Corners show the table under the picture; the bottom-right pair is the shadow's.
    EXPECT_EQ(Window(card.topLeft()), Table(card.topLeft()));
    EXPECT_EQ(Window(card.bottomLeft()), Table(card.bottomLeft()));
    EXPECT_EQ(Window(card.bottomRight() - QPoint(0, 1)), kBlack);
    EXPECT_EQ(Window(card.bottomRight() - QPoint(1, 0)), kBlack);
    EXPECT_EQ(Window(card.bottomRight()), Table(card.bottomRight()));
    // The strips: black on every second pixel, the table between.
    struct Row {
        const char* name;
        QPoint a;
    } rows[] = {
        {"right strip", QPoint(card.right() + 1, card.top() + 30)},
        {"right strip, deeper", QPoint(card.right() + 5, card.top() + 60)},
        {"bottom strip", QPoint(card.left() + 20, card.bottom() + 2)},
    };
    for (const Row& r : rows) {
        const QPoint b = r.a + QPoint(1, 0);
        const bool aBlack = Window(r.a) == kBlack;
        EXPECT_NE(aBlack, Window(b) == kBlack) << r.name;
        EXPECT_EQ(aBlack ? Window(b) : Window(r.a), aBlack ? Table(b) : Table(r.a)) << r.name;
    }
    // Nothing above the right strip's start.
    EXPECT_EQ(Window(QPoint(card.right() + 1, card.top() + 2)),
              Table(QPoint(card.right() + 1, card.top() + 2)));
}

TEST_F(DragTest, NoShadowWhenShadowsAreOff) {
    PaintPreferences prefs;
    prefs.cardsShadowed = false;
    Paint(prefs);
    canvas().BuildDragCard(5);
    const QPoint at(300, 250);
    canvas().MoveDragImage(at, false, true);
    const QRect card(at, QSize(71, 96));
    for (int dx = 0; dx < 7; ++dx)
        for (int y = card.top(); y < card.bottom() + 7; y += 5) {
            const QPoint p(card.right() + 1 + dx, y);
            ASSERT_EQ(Window(p), Table(p)) << dx << "," << y;
        }
    // The bottom-right corner shows the table instead of the shadow's two black pixels.
    EXPECT_EQ(Window(card.bottomRight() - QPoint(0, 1)), Table(card.bottomRight() - QPoint(0, 1)));
    EXPECT_EQ(Window(card.bottomRight() - QPoint(2, 0)), FaceColour(5));
}

TEST_F(DragTest, RunGetsACheckeredShadow) {
    const PileIndex column = TableauPile(1);
    canvas().BuildDragRun(column, 2);
    ASSERT_TRUE(canvas().Drag().IsRun());
    EXPECT_EQ(canvas().Drag().Size(), QSize(71, 96 + 2 * 18));
    const QPoint at(400, 200);
    canvas().MoveDragImage(at, false, true);
    const QRect run(at, canvas().Drag().Size());
    // Each card of the run, one face-up step apart.
    EXPECT_EQ(Window(at + QPoint(35, 9)), FaceColour(40));
    EXPECT_EQ(Window(at + QPoint(35, 27)), FaceColour(27));
    EXPECT_EQ(Window(at + QPoint(35, 100)), FaceColour(14));
    for (int y = run.top() + 7; y <= run.bottom() + 7; y += 13)
        for (int x = run.right() + 1; x <= run.right() + 7; ++x) {
            const bool black = (x + y) % 2 == 0;
            ASSERT_EQ(Window(QPoint(x, y)) == kBlack, black) << x << "," << y;
        }
    for (int x = run.left() + 8; x <= run.right(); x += 9) {
        const int y = run.bottom() + 3;
        ASSERT_EQ(Window(QPoint(x, y)) == kBlack, (x + y) % 2 == 0) << x;
    }
    EXPECT_NE(Window(QPoint(run.right() + 1, run.top() + 3)), kBlack);
}

TEST_F(DragTest, MovingRestoresWhatItUncovered) {
    canvas().BuildDragCard(5);
    canvas().MoveDragImage({300, 250}, false, true);
    EXPECT_FALSE(canvas().MoveDragImage({300, 250}, false, true));
    const QPoint steps[] = {{303, 252}, {290, 240}, {120, 400}, {125, 402}};
    for (const QPoint& p : steps) ASSERT_TRUE(canvas().MoveDragImage(p, false, true));
    canvas().HideDragImage();
    EXPECT_EQ(canvas().Window(), canvas().TablePicture().copy(QRect(QPoint(), t->window)));
}

TEST_F(DragTest, TableRepaintKeepsThePictureOnTop) {
    canvas().BuildDragCard(5);
    const QRect card(QPoint(300, 250), QSize(71, 96));
    canvas().MoveDragImage(card.topLeft(), false, true);
    canvas().RepaintArea(card.adjusted(-20, -20, 20, 20));
    EXPECT_EQ(Window(Centre(card)), FaceColour(5));
    EXPECT_EQ(Window(card.bottomRight() - QPoint(0, 1)), kBlack);
}

TEST_F(DragTest, PlacingPutsThePictureOnTheTable) {
    canvas().BuildDragCard(9);
    const QRect card(QPoint(500, 300), QSize(71, 96));
    canvas().MoveDragImage(card.topLeft() + QPoint(-40, 0), false, true);
    canvas().MoveDragImage(card.topLeft(), true, true);
    EXPECT_FALSE(canvas().Drag().Visible());
    EXPECT_EQ(Table(Centre(card)), FaceColour(9));
    EXPECT_EQ(Table(card.topLeft()), canvas().BackgroundPicture().pixel(card.topLeft()));
    EXPECT_EQ(canvas().Window(), canvas().TablePicture().copy(QRect(QPoint(), t->window)));
}

TEST_F(DragTest, HighlightInvertsACardButItsCorners) {
    const QRect card = t->Card(TableauPile(4), 4);
    const QImage before = canvas().TablePicture();
    canvas().ToggleHighlight(card);
    EXPECT_EQ(Table(Centre(card)), FaceColour(t->table.Top(TableauPile(4))) ^ 0x00ffffffu);
    EXPECT_EQ(Window(Centre(card)), Table(Centre(card)));
    EXPECT_EQ(Table(card.bottomRight()), before.pixel(card.bottomRight()));
    EXPECT_EQ(Table(card.topLeft() + QPoint(1, 0)), before.pixel(card.topLeft() + QPoint(1, 0)));
    canvas().ToggleHighlight(card);
    EXPECT_EQ(canvas().TablePicture(), before);
}

TEST_F(DragTest, PeekShowsACoveredCardUntilTheTableIsCopiedBack) {
    const QRect covered = t->Card(TableauPile(6), 5);
    canvas().DrawCardOnWindow(t->table.At(TableauPile(6), 5), covered.topLeft());
    EXPECT_EQ(Window(Centre(covered)), FaceColour(t->table.At(TableauPile(6), 5)));
    EXPECT_NE(Table(Centre(covered)), Window(Centre(covered)));
    canvas().CopyTableToWindow(covered);
    EXPECT_EQ(Window(Centre(covered)), Table(Centre(covered)));
}

} // namespace
} // namespace tablamor::table
