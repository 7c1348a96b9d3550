// The table widget: it lays the game out for its size, shows the painted table, and plays an
// animation that a key press stops.
#include "table/table_view.h"
#include "table/tests/test_scene.h"
#include "table/winning_animation.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>

#include <gtest/gtest.h>

namespace tablamor::table {
namespace {

using namespace testing;

class TableViewTest : public ::testing::Test {
protected:
    TestArtwork art;
    std::unique_ptr<TestTable> t;
    std::unique_ptr<TableView> view;
    void SetUp() override {
        ASSERT_TRUE(art.Valid());
        GameParams klondike = ShippedGame("0001-klondike.game");
        klondike[param::kStockFaceDown] = 1;
        t = std::make_unique<TestTable>(art, klondike);
        DealKlondike(*t);
        view = std::make_unique<TableView>(t->images);
        view->SetScene(t->scene);
        view->resize(900, 640);
        view->show();
        QApplication::processEvents();
    }
    // Runs the event loop until `done` or two seconds have passed.
    template <typename F> void Wait(F done) {
        QElapsedTimer timer;
        timer.start();
        while (!done() && timer.elapsed() < 2000)
            QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
};

TEST_F(TableViewTest, ShowsTheTableLaidOutForItsSize) {
    const QImage shown = view->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shown.size(), QSize(900, 640));
    const PilePainter painter = view->Canvas().Painter();
    const QRect top = painter.CardRect(TableauPile(6), 6);
    const QRect stock = painter.CardRect(kStockPile, 23);
    EXPECT_EQ(shown.pixel(Centre(top)), FaceColour(t->table.Top(TableauPile(6))));
    EXPECT_EQ(shown.pixel(Centre(stock)), BackColour());
    // Laid out for 900 px, not for the test table's 800.
    EXPECT_NE(top, t->Card(TableauPile(6), 6));
    view->resize(700, 560);
    QApplication::processEvents();
    const QRect narrower = view->Canvas().Painter().CardRect(TableauPile(6), 6);
    EXPECT_LT(narrower.left(), top.left());
    const QImage again = view->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(again.pixel(Centre(narrower)), FaceColour(t->table.Top(TableauPile(6))));
}

TEST_F(TableViewTest, KeyPressStopsTheShower) {
    std::mt19937 random(3);
    bool finished = false;
    view->Play(std::make_unique<WinningAnimation>(view->Canvas(), 1, random, 5, view->size()), true,
               [&] { finished = true; });
    Wait([&] { return view->Animating() && view->Canvas().TablePicture() != t->FreshPaint(); });
    ASSERT_TRUE(view->Animating());
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier);
    QApplication::sendEvent(view.get(), &press);
    EXPECT_FALSE(view->Animating());
    EXPECT_TRUE(finished);
}

TEST_F(TableViewTest, DragPictureCallsReachTheWindow) {
    view->BuildDragRun(TableauPile(6), 6);
    ASSERT_TRUE(view->MoveDragImage(400, 300, false, true));
    const QImage shown = view->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown.pixel(435, 348), FaceColour(t->table.Top(TableauPile(6))));
    view->HideDragImage();
    const QImage hidden = view->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(hidden.pixel(435, 348), view->Canvas().TablePicture().pixel(435, 348));
}

} // namespace
} // namespace tablamor::table

namespace tablamor::table {
namespace {

using namespace testing;

// "Fit to window": the cards follow the view's size once a resize has settled; until then the
// last whole table stays on show; pictures of the fitted size are asked for before painting.
TEST_F(TableViewTest, FittedCardsFollowTheSettledSize) {
    layout::LayoutInput frame;
    frame.fitToWindow = true;
    std::vector<layout::CardSize> asked;
    int laidOut = 0;
    view->SetCardSizer([&](layout::CardSize card) {
        asked.push_back(card);
        t->images.Render(art.Source(), card, {layout::CardSizeLetter::Big, 1, 11});
    });
    view->SetLaidOut([&] { ++laidOut; });
    view->SetLayoutFrame(frame);
    view->resize(1000, 700);
    view->Relayout();
    ASSERT_EQ(asked.size(), 1u);
    const layout::CardSize large = view->Canvas().Scene().card;
    EXPECT_EQ(large, asked.back());
    EXPECT_GT(large.width, 71);
    EXPECT_EQ(laidOut, 1);

    view->resize(600, 450);
    QApplication::processEvents();
    EXPECT_EQ(view->Canvas().Scene().card, large) << "laid out before the size settled";
    Wait([&] { return laidOut == 2; });
    ASSERT_EQ(laidOut, 2);
    const layout::CardSize small = view->Canvas().Scene().card;
    EXPECT_LT(small.width, large.width);
    EXPECT_EQ(t->images.Card(), small);
    const QRect top = view->Canvas().Painter().CardRect(TableauPile(6), 6);
    EXPECT_EQ(top.size(), QSize(small.width, small.height));
    EXPECT_LE(top.right(), 600);
}

} // namespace
} // namespace tablamor::table

namespace tablamor::table {
namespace {

using namespace testing;

// On a scaled screen (run with QT_SCALE_FACTOR=2) a fitted table is painted in the screen's own
// pixels: the view shows the canvas pixel for pixel, with cards fitted to the larger canvas.
TEST_F(TableViewTest, ScaledScreenShowsTheFittedCanvasPixelForPixel) {
    const qreal ratio = view->devicePixelRatioF();
    if (ratio < 2) GTEST_SKIP() << "needs a scaled screen (QT_SCALE_FACTOR=2)";
    layout::LayoutInput frame;
    frame.fitToWindow = true;
    view->SetCardSizer([&](layout::CardSize card) {
        t->images.Render(art.Source(), card, {layout::CardSizeLetter::Big, 1, 11});
    });
    view->SetLayoutFrame(frame);
    view->resize(500, 380);
    view->Relayout();
    EXPECT_EQ(view->CanvasSize(), QSize(500, 380) * ratio);
    EXPECT_EQ(view->Canvas().Window().size(), QSize(500, 380) * ratio);
    const QImage shown = view->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shown.size(), view->Canvas().Window().size());
    EXPECT_TRUE(shown == view->Canvas().Window().convertToFormat(QImage::Format_RGB32));
    // A point of the view is the canvas point under it.
    EXPECT_EQ(view->CanvasPoint(QPointF(100.5, 40)), QPoint(201, 80));
}

} // namespace
} // namespace tablamor::table
