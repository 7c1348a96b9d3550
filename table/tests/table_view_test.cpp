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
