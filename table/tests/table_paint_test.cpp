// The painted table, read pixel by pixel at the places the layout gives: faces and backs, empty
// marks, rounded corners, the stock's thickness, second-deck faces, marked cards, the untidy
// tableau, piles without a place.
#include "table/tests/test_scene.h"

#include <gtest/gtest.h>

namespace tablamor::table {
namespace {

using namespace testing;

class TablePaintTest : public ::testing::Test {
protected:
    TestArtwork art;
    std::unique_ptr<TestTable> t;
    void SetUp() override {
        ASSERT_TRUE(art.Valid());
        GameParams klondike = ShippedGame("0001-klondike.game");
        for (int f = 0; f < 4; ++f) klondike.Set(param::kFoundationBase, f, kAce);
        klondike[param::kStockFaceDown] = 1;
        t = std::make_unique<TestTable>(art, klondike);
        DealKlondike(*t);
    }
    void Paint(const PaintPreferences& prefs = {}) {
        t->Relayout(prefs);
        t->canvas->PaintTable();
    }
    QRgb Background(QPoint p) const {
        return t->canvas->BackgroundPicture().pixel(p + QPoint(0, t->canvas->Scroll()));
    }
};

TEST_F(TablePaintTest, PilesShowFacesBacksAndMarks) {
    Paint();
    const Table& table = t->table;
    struct Row {
        const char* name;
        QPoint at;
        QRgb expected;
    } rows[] = {
        {"face-up top card of column 7", Centre(t->Card(TableauPile(6), 6)),
         FaceColour(table.Top(TableauPile(6)))},
        {"face-down card of column 7, its visible band",
         t->Card(TableauPile(6), 0).topLeft() + QPoint(35, 2), BackColour()},
        {"single card of column 1", Centre(t->Card(TableauPile(0), 0)), FaceColour(1)},
        {"stock top card", Centre(t->Card(kStockPile, 23)), BackColour()},
        {"empty waste", Centre(t->Card(kWastePile, 0)), MarkColour(2)},
        {"empty foundation from aces", Centre(t->Card(FoundationPile(0), 0)), MarkColour(10)},
        {"empty foundation 4", Centre(t->Card(FoundationPile(3), 0)), MarkColour(10)},
    };
    for (const Row& r : rows) EXPECT_EQ(t->TableAt(r.at), r.expected) << r.name;
    // The window shows the table picture.
    const QPoint card = Centre(t->Card(TableauPile(3), 3));
    EXPECT_EQ(t->canvas->Window().pixel(card), t->TableAt(card));
}

TEST_F(TablePaintTest, CornersShowWhatLiesUnder) {
    Paint();
    // Column 1's only card lies on the bare table; column 7's top card on a face-down card.
    const QRect alone = t->Card(TableauPile(0), 0);
    const QRect onBack = t->Card(TableauPile(6), 6);
    const int top = FaceColour(t->table.Top(TableauPile(6)));
    struct Row {
        const char* name;
        QPoint at;
        QRgb expected;
    } rows[] = {
        {"top-left corner over the table", alone.topLeft(), Background(alone.topLeft())},
        {"its right neighbour", alone.topLeft() + QPoint(1, 0),
         Background(alone.topLeft() + QPoint(1, 0))},
        {"its lower neighbour", alone.topLeft() + QPoint(0, 1),
         Background(alone.topLeft() + QPoint(0, 1))},
        {"inside the corner", alone.topLeft() + QPoint(1, 1), FaceColour(1)},
        {"next along the edge", alone.topLeft() + QPoint(2, 0), FaceColour(1)},
        {"bottom-right corner", alone.bottomRight(), Background(alone.bottomRight())},
        {"bottom-left, one up", alone.bottomLeft() - QPoint(0, 1),
         Background(alone.bottomLeft() - QPoint(0, 1))},
        {"top-right corner over the card below", onBack.topRight(), BackColour()},
        {"top-left corner over the card below", onBack.topLeft() + QPoint(0, 1), BackColour()},
        {"bottom corner of a fanned card", onBack.bottomLeft(), Background(onBack.bottomLeft())},
        {"inside a fanned card", onBack.topLeft() + QPoint(1, 1), static_cast<QRgb>(top)},
    };
    for (const Row& r : rows) EXPECT_EQ(t->TableAt(r.at), r.expected) << r.name;
}

TEST_F(TablePaintTest, StockRisesWithItsThickness) {
    Paint();
    // 24 cards: round(24 / 7) + 1 = 4 px up and left of its place, edges below and right.
    const QPoint rest(t->scene.positions.X(kStockPile), t->scene.positions.Y(kStockPile));
    const QRect top = t->Card(kStockPile, 23);
    EXPECT_EQ(top.topLeft(), rest - QPoint(4, 4));
    struct Row {
        const char* name;
        QPoint at;
        QRgb expected;
    } rows[] = {
        {"inside the top card", top.topLeft() + QPoint(1, 1), BackColour()},
        {"bottom-right corner on the pile: grey", top.bottomRight(), qRgb(192, 192, 192)},
        {"bottom-left corner from the table", top.bottomLeft(), Background(top.bottomLeft())},
        {"right edge strip", rest + QPoint(70, 50), EdgeColour()},
        {"bottom edge strip", rest + QPoint(20, 95), EdgeColour()},
        {"edge's key colour shows the table", rest + QPoint(70, -8),
         Background(rest + QPoint(70, -8))},
        {"left of the pile is table", rest + QPoint(-6, 40), Background(rest + QPoint(-6, 40))},
    };
    for (const Row& r : rows) EXPECT_EQ(t->TableAt(r.at), r.expected) << r.name;
}

TEST_F(TablePaintTest, StockDealtFaceUpShowsItsTopFace) {
    t->params[param::kStockFaceDown] = 0;
    Paint();
    EXPECT_EQ(t->TableAt(Centre(t->Card(kStockPile, 23))), FaceColour(t->table.Top(kStockPile)));
}

TEST_F(TablePaintTest, SecondDeckCardShowsItsTwin) {
    t->Put(kWastePile, {53 + 12});
    Paint();
    EXPECT_EQ(t->TableAt(Centre(t->Card(kWastePile, 0))), FaceColour(13));
}

TEST_F(TablePaintTest, FewerSuitsShowTheirFaces) {
    const struct Row {
        int deckSuits;
        int card;
        int shows;
    } rows[] = {
        {kSpadesAndHearts, 14 + 4, 5},       // five of diamonds: five of hearts
        {kSpadesAndHearts, 53 + 26 + 6, 46}, // second seven of clubs: seven of spades
        {kSpadesAndHearts, 53 + 39 + 6, 46}, // second seven of spades: seven of spades
        {kSpadesOnly, 5, 44},                // five of hearts: five of spades
        {kFourSuits, 14 + 4, 14 + 4},        // five of diamonds: itself
    };
    for (const Row& row : rows) {
        t->params[param::kDeckSuits] = static_cast<std::int16_t>(row.deckSuits);
        t->Put(kWastePile, {row.card});
        Paint();
        EXPECT_EQ(t->TableAt(Centre(t->Card(kWastePile, 0))), FaceColour(row.shows))
            << "card " << row.card << ", deck " << row.deckSuits;
    }
}

TEST_F(TablePaintTest, PilesWithoutAPlaceAreNeverDrawn) {
    Paint();
    const QImage before = t->canvas->TablePicture();
    t->Put(ReservePile(0), {40, 41});
    t->Put(kThirdPile, {42});
    t->Put(FoundationPile(9), {43});
    t->Put(TableauPile(20), {44});
    Paint();
    EXPECT_EQ(t->canvas->TablePicture(), before);
}

TEST_F(TablePaintTest, EmptyStockShowsRedealUntilTheLimit) {
    t->table.Truncate(kStockPile, 0);
    t->Put(kWastePile, {40, 41, 42, 43, 44});
    struct Row {
        int limit;
        int passesUsed;
        int mark;
    } rows[] = {{-1, 7, 22}, {3, 1, 22}, {3, 2, 22}, {3, 3, 8}, {1, 1, 8}};
    for (const Row& r : rows) {
        t->params[param::kStockPasses] = static_cast<std::int16_t>(r.limit);
        t->scene.passesUsed = r.passesUsed;
        Paint();
        EXPECT_EQ(t->TableAt(Centre(t->Card(kStockPile, 0))), MarkColour(r.mark))
            << "limit " << r.limit << ", passes " << r.passesUsed;
    }
    t->scene.passesUsed = 1;
    t->params[param::kStockPasses] = -1;
    Paint();
    t->canvas->SetStockPressed(true);
    EXPECT_EQ(t->TableAt(Centre(t->Card(kStockPile, 0))), MarkColour(5));
    t->canvas->SetStockPressed(false);
    EXPECT_EQ(t->TableAt(Centre(t->Card(kStockPile, 0))), MarkColour(22));
}

TEST_F(TablePaintTest, MarkedCardsAreInverted) {
    t->params[param::kPairingSum] = 10;
    const Card marked = t->table.Top(TableauPile(3));
    t->Put(FoundationPile(0), {marked});
    Paint();
    const QRect card = t->Card(TableauPile(3), 3);
    EXPECT_EQ(t->TableAt(Centre(card)), FaceColour(marked) ^ 0x00ffffffu);
    // Its corners stay as the table shows them.
    EXPECT_EQ(t->TableAt(card.bottomLeft()), Background(card.bottomLeft()));
    // Without the pairing code, foundation 1 is an ordinary pile.
    t->params[param::kPairingSum] = 0;
    Paint();
    EXPECT_EQ(t->TableAt(Centre(card)), FaceColour(marked));
}

TEST_F(TablePaintTest, UntidyTableauShiftsCardsSideways) {
    // Column 3: two backs and a face; the face 2 px right, the back below it 1 px left.
    t->scene.untidyShifts[2][2] = 2;
    t->scene.untidyShifts[2][1] = -1;
    const QRect straight = t->Card(TableauPile(2), 2);
    const QPoint right(straight.right() + 1, straight.top() + 40);
    const QPoint left(straight.left(), straight.top() + 40);
    const QRgb face = FaceColour(t->table.Top(TableauPile(2)));
    struct Row {
        bool untidy;
        QRgb right;
        QRgb left;
    } rows[] = {
        {false, Background(right), face},
        {true, face, BackColour()},
    };
    for (const Row& r : rows) {
        PaintPreferences prefs;
        prefs.untidyTableau = r.untidy;
        Paint(prefs);
        EXPECT_EQ(t->TableAt(right), r.right) << "untidy " << r.untidy;
        EXPECT_EQ(t->TableAt(left), r.left) << "untidy " << r.untidy;
    }
}

TEST_F(TablePaintTest, NothingIsPaintedWithoutAGame) {
    t->canvas->Scene().table = nullptr;
    t->canvas->PaintBackground();
    const QImage bare = t->canvas->TablePicture();
    t->canvas->PaintTable();
    t->canvas->RedrawPile(kStockPile);
    EXPECT_EQ(t->canvas->TablePicture(), bare);
}

TEST_F(TablePaintTest, WindowShowsTheTableFromTheScrollPosition) {
    Paint();
    const QImage unscrolled = t->canvas->TablePicture();
    t->canvas->Scene().positions.SetScrollOffset(40);
    t->canvas->CopyTableToWindow();
    const QPoint p = Centre(t->Card(TableauPile(6), 6));
    EXPECT_EQ(t->canvas->Window().pixel(p), unscrolled.pixel(p + QPoint(0, 40)));
    // Piles read 40 px higher, and land on the table picture where they were.
    t->canvas->RedrawPile(TableauPile(6));
    t->canvas->RedrawPile(kStockPile);
    EXPECT_EQ(t->canvas->TablePicture(), unscrolled);
}

} // namespace
} // namespace tablamor::table
