#include "table/layout/hit_test.h"

#include <gtest/gtest.h>

namespace tablamor::layout {
namespace {

// Klondike-like: stock at (10, 10), column 1 at (10, 120) fanned down, foundation at (300, 10),
// reserve at (400, 10).
struct Scene {
    PilePositions positions;
    Table table;
    GameParams params;
    FanSteps steps;
    Scene(FanStyle tableauFan) {
        params[param::kTableauCount] = 2;
        params[param::kReserveCount] = 1;
        params[param::kFoundationCount] = 1;
        params[param::kTableauFan] = FanCode(tableauFan);
        steps = ChooseFanSteps(CardSizeLetter::Big, params);
        positions.Set(kStockPile, 10, 10);
        positions.Set(TableauPile(0), 10, 120);
        positions.Set(TableauPile(1), 100, 120);
        positions.Set(FoundationPile(0), 300, 10);
        positions.Set(ReservePile(0), 400, 10);
    }
    TableGeometry Geometry() const {
        return TableGeometry(positions, table, params, steps, CardSizeOf(CardSizeLetter::Big));
    }
};

TEST(HitTest, PilesAndCards) {
    Scene s(FanStyle::Vertical);
    s.table.Append(TableauPile(0), 5, false);
    s.table.Append(TableauPile(0), 6, true);
    s.table.Append(TableauPile(0), 7, true);
    s.table.Append(FoundationPile(0), 1, true);
    TableGeometry g = s.Geometry();
    Rect top = g.TopCardRect(TableauPile(0));

    struct Row {
        const char* name;
        int x, y;
        PileIndex pile;
        Card card;
    } rows[] = {
        {"empty stock", 20, 20, kStockPile, kNoCard},
        {"face-down bottom card", 20, 121, TableauPile(0), 5},
        {"covered card", 20, top.y - 2, TableauPile(0), 6},
        {"top card", 20, top.y + 50, TableauPile(0), 7},
        {"empty column", 110, 130, TableauPile(1), kNoCard},
        {"foundation", 310, 20, FoundationPile(0), 1},
        {"empty reserve", 410, 20, ReservePile(0), kNoCard},
    };
    for (const Row& row : rows) {
        auto hit = HitTest(g, row.x, row.y);
        ASSERT_TRUE(hit) << row.name;
        EXPECT_EQ(hit->pile, row.pile) << row.name;
        EXPECT_EQ(hit->card, row.card) << row.name;
    }
    EXPECT_FALSE(HitTest(g, 700, 500));
    EXPECT_FALSE(HitTest(g, 20, top.Bottom() + 3)); // below the last card
}

TEST(HitTest, WholePileTakenByItsTopCard) {
    Scene s(FanStyle::WholePile);
    s.table.Append(TableauPile(0), 5, true);
    s.table.Append(TableauPile(0), 6, true);
    auto hit = HitTest(s.Geometry(), 20, 130);
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->card, 6);
}

// Horizontal fans: each covered card is hit on the strip it shows, the top card on all of it.
TEST(HitTest, HorizontalFansReachEveryCard) {
    struct Row {
        FanStyle fan;
        int x;
        Card card;
    } const rows[] = {
        {FanStyle::HorizontalEven, 10, 5},      // the bottom card's strip
        {FanStyle::HorizontalEven, 10 + 7, 6},  // one step of 7 further
        {FanStyle::HorizontalEven, 10 + 14, 7}, // the top card from its left edge
        {FanStyle::HorizontalEven, 10 + 84, 7},
        {FanStyle::Horizontal, 10 + 4, 6}, // past the face-down step of 4
        {FanStyle::Horizontal, 10 + 16, 7},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("fan " + std::to_string(FanCode(row.fan)) + " x " + std::to_string(row.x));
        Scene s(row.fan);
        s.positions.Set(TableauPile(1), 300, 300); // out of the fanned pile's way
        s.table.Append(TableauPile(0), 5, false);
        s.table.Append(TableauPile(0), 6, true);
        s.table.Append(TableauPile(0), 7, true);
        auto hit = HitTest(s.Geometry(), row.x, 130);
        ASSERT_TRUE(hit);
        EXPECT_EQ(hit->pile, TableauPile(0));
        EXPECT_EQ(hit->card, row.card);
    }
}

TEST(HitTest, UnplacedPilesAreNeverHit) {
    Scene s(FanStyle::Vertical);
    s.positions = PilePositions{};
    s.table.Append(kStockPile, 3, false);
    EXPECT_FALSE(HitTest(s.Geometry(), 20, 20));
}

} // namespace
} // namespace tablamor::layout
