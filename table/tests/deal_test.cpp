// The deal shown card by card: order, dealing pile, cards flying overlapped, and the table it
// leaves.
#include "table/deal_animation.h"
#include "table/empty_marks.h"
#include "table/tests/test_scene.h"

#include <gtest/gtest.h>

namespace tablamor::table {
namespace {

using namespace testing;

GameParams Klondike() {
    GameParams p = ShippedGame("0001-klondike.game");
    p[param::kStockFaceDown] = 1;
    return p;
}

class DealTest : public ::testing::Test {
protected:
    TestArtwork art;
    void SetUp() override { ASSERT_TRUE(art.Valid()); }
};

TEST_F(DealTest, RunsToTheFullPaintRowByRow) {
    TestTable t(art, Klondike());
    DealKlondike(t);
    t.canvas->PaintTable();
    DealAnimation deal(*t.canvas);
    ASSERT_EQ(deal.Source(), std::optional<PileIndex>(kStockPile));
    // Row by row: the bottom card of every column, then the second of columns 2..7 ...
    const auto& order = deal.Travellers();
    ASSERT_EQ(order.size(), 28u);
    EXPECT_EQ(order[0], std::make_pair(TableauPile(0), 0));
    EXPECT_EQ(order[6], std::make_pair(TableauPile(6), 0));
    EXPECT_EQ(order[7], std::make_pair(TableauPile(1), 1));
    EXPECT_EQ(order[27], std::make_pair(TableauPile(6), 6));

    const Frame intro = deal.Step();
    EXPECT_EQ(intro.waitMs, kDealSettleMs);
    // The dealing pile shows a back; the columns their empty marks.
    EXPECT_EQ(t.TableAt(Centre(t.Card(TableauPile(3), 0))),
              MarkColour(mark::kKing)); // spaces take kings
    EXPECT_EQ(t.canvas->Window().pixel(Centre(t.Card(kStockPile, 23))), BackColour());
    // The first cards leave the dealing pile together, each as it will lie.
    const Frame first = deal.Step();
    EXPECT_EQ(first.sound, "Shuffle");
    EXPECT_EQ(first.waitMs, kDefaultMoveDelay);
    EXPECT_EQ(deal.InFlight(), 2u) << "28 cards leave in 20 frames";
    const QPoint start = t.Card(kStockPile, 23).topLeft() + QPoint(10, 14);
    EXPECT_EQ(t.canvas->Window().pixel(start + QPoint(35, 48)), BackColour())
        << "the last card launched lies on top: the second column's back";

    // Overlapped: several cards in the air at once, and the whole deal within a second.
    std::size_t mostInFlight = 0;
    int frames = 2;
    long long waits = intro.waitMs + first.waitMs;
    for (Frame f; !f.done; ++frames) {
        f = deal.Step();
        waits += f.waitMs;
        mostInFlight = std::max(mostInFlight, deal.InFlight());
    }
    EXPECT_GT(mostInFlight, 4u);
    EXPECT_LT(frames, 28 + kDealLaunchFrames) << "fewer frames than one card after another";
    EXPECT_LT(waits, 1000);
    EXPECT_EQ(t.canvas->TablePicture(), t.FreshPaint());
    EXPECT_EQ(t.canvas->Window(), t.canvas->TablePicture().copy(QRect(QPoint(), t.window)));
}

TEST_F(DealTest, ColumnByColumnWhenTheGameSaysSo) {
    GameParams game = Klondike();
    game[param::kAfterDealByPile] = 1;
    TestTable t(art, game);
    DealKlondike(t);
    DealAnimation deal(*t.canvas);
    const auto& order = deal.Travellers();
    ASSERT_EQ(order.size(), 28u);
    EXPECT_EQ(order[1], std::make_pair(TableauPile(1), 0));
    EXPECT_EQ(order[2], std::make_pair(TableauPile(1), 1));
    EXPECT_EQ(order[27], std::make_pair(TableauPile(6), 6));
    RunToEnd(deal);
    EXPECT_EQ(t.canvas->TablePicture(), t.FreshPaint());
}

TEST_F(DealTest, DealingPile) {
    struct Row {
        const char* name;
        bool stock;
        bool waste;
        int reserveCards;
        bool placeReserve;
        std::optional<PileIndex> source;
    } rows[] = {
        {"stock", true, true, 0, false, kStockPile},
        {"waste without a stock", false, true, 0, false, kWastePile},
        {"empty reserve", false, false, 0, true, ReservePile(0)},
        {"reserve of one card", false, false, 1, true, ReservePile(0)},
        {"full reserve: foundation 1", false, false, 2, true, FoundationPile(0)},
        {"nothing but foundations", false, false, 0, false, FoundationPile(0)},
    };
    for (const Row& r : rows) {
        GameParams game = Klondike();
        game[param::kStockPlaced] = r.stock;
        game[param::kWastePlaced] = r.waste;
        game[param::kStockGroupPlaced] = r.stock || r.waste ? 2 : 0;
        // Arrangement 16 puts the waste where the stock would be when there is no stock.
        game[param::kStockLayout] = r.stock ? 5 : (r.waste ? 16 : 0);
        if (r.placeReserve) {
            game[param::kReserveLayout] = 5;
            game[param::kReserveLayoutRow] = 5;
            game[param::kReserveCount] = 1;
        }
        TestTable t(art, game, {1024, 768});
        DealKlondike(t);
        for (int i = 0; i < r.reserveCards; ++i) t.Put(ReservePile(0), {50 + i});
        DealAnimation deal(*t.canvas);
        EXPECT_EQ(deal.Source(), r.source) << r.name;
        RunToEnd(deal);
        EXPECT_EQ(t.canvas->TablePicture(), t.FreshPaint()) << r.name;
    }
}

TEST_F(DealTest, StoppedHalfWayShowsTheDealtTable) {
    TestTable t(art, Klondike());
    DealKlondike(t);
    DealAnimation deal(*t.canvas);
    for (int i = 0; i < 10; ++i) ASSERT_FALSE(deal.Step().done);
    ASSERT_GT(deal.InFlight(), 0u);
    deal.Stop();
    EXPECT_TRUE(deal.Step().done);
    EXPECT_FALSE(t.canvas->Drag().Visible());
    EXPECT_EQ(t.canvas->TablePicture(), t.FreshPaint());
}

TEST_F(DealTest, NothingToDealPaintsAtOnce) {
    TestTable t(art, Klondike());
    t.Put(kStockPile, {1, 2, 3}, false);
    DealAnimation deal(*t.canvas);
    EXPECT_TRUE(deal.Step().done);
    EXPECT_EQ(t.canvas->TablePicture(), t.FreshPaint());
}

} // namespace
} // namespace tablamor::table
