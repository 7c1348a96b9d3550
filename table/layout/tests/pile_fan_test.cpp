// Card places inside a pile: every fan style on the groups it applies to, the stock's thickness,
// the untidy tableau, and the top-card rectangles the rules read.
#include "table/layout/table_geometry.h"
#include "table/layout/tests/layout_test_support.h"

#include <gtest/gtest.h>

#include <vector>

namespace tablamor::layout {
namespace {

constexpr int kPileX = 100;
constexpr int kPileY = 200;

// A pile of three cards (bottom face down, then two face up) at (100, 200).
struct ThreeCards {
    PilePositions positions;
    Table table;
    GameParams params;

    explicit ThreeCards(PileIndex pile) {
        positions.Set(pile, kPileX, kPileY);
        table.Append(pile, 1, false);
        table.Append(pile, 2, true);
        table.Append(pile, 3, true);
    }
    TableGeometry Geometry(CardSizeLetter size = CardSizeLetter::Big) const {
        return {positions, table, params, ChooseFanSteps(size, params), CardSizeOf(size)};
    }
};

struct FanRow {
    const char* name;
    const char* pile;
    int tableauFan;
    int foundationFan;
    int reserveFan;
    CardSizeLetter size;
    int dx; // top card (third) from the pile's place
    int dy;
};

TEST(PileFan, TopCardOfEveryStyle) {
    using enum CardSizeLetter;
    const std::vector<FanRow> rows = {
        {"tableau 1: down by the face-down then the face-up step", "Fila1", 1, 0, 0, Big, 0, 22},
        {"tableau 1, medium cards", "Fila1", 1, 0, 0, Medium, 0, 18},
        {"tableau 1, small cards", "Fila1", 1, 0, 0, Small, 0, 6},
        {"tableau 2: right by the face-down then the face-up step", "Fila1", 2, 0, 0, Big, 16, 0},
        {"tableau 4: side by side", "Fila1", 4, 0, 0, Big, 154, 0},
        {"tableau 5: one spot, the fixed step is for reserves", "Fila1", 5, 0, 0, Big, 0, 0},
        {"tableau 6: right by one step whatever the face", "Fila1", 6, 0, 0, Big, 14, 0},
        {"tableau 7: no step unless the tableau fans vertically", "Fila1", 7, 0, 0, Big, 0, 0},
        {"tableau 3: one spot", "Fila1", 3, 0, 0, Big, 0, 0},
        {"tableau 8: one spot", "Fila1", 8, 0, 0, Big, 0, 0},
        {"reserve 5: down by the fixed step", "Appogg1", 0, 0, 5, Big, 0, 6},
        {"reserve 2 turns the horizontal steps on", "Appogg1", 0, 0, 2, Big, 16, 0},
        {"reserve 7 under a vertical tableau", "Appogg1", 1, 0, 7, Big, 0, 18},
        {"reserve 6: one spot, the even step is for the tableau", "Appogg1", 6, 0, 6, Big, 0, 0},
        {"foundation 1 under a vertical tableau", "Dest1", 1, 1, 0, Big, 0, 22},
        {"foundation 2 without horizontal steps", "Dest1", 0, 2, 0, Big, 0, 0},
        {"foundation 4: side by side", "Dest1", 0, 4, 0, Medium, 130, 0},
        {"the third pile does not fan", "Mazzo_Waste", 1, 1, 1, Big, 0, 0},
    };
    for (const FanRow& row : rows) {
        SCOPED_TRACE(row.name);
        PileIndex pile = ParsePileName(row.pile).value();
        ThreeCards t(pile);
        t.params[param::kTableauFan] = static_cast<std::int16_t>(row.tableauFan);
        t.params[param::kFoundationFan] = static_cast<std::int16_t>(row.foundationFan);
        t.params[param::kReserveFan] = static_cast<std::int16_t>(row.reserveFan);
        TableGeometry g = t.Geometry(row.size);
        CardSize card = CardSizeOf(row.size);
        EXPECT_EQ(g.TopCardRect(pile),
                  (Rect{kPileX + row.dx, kPileY + row.dy, card.width, card.height}));
        EXPECT_EQ(g.CardRect(pile, 0).x, kPileX);
        EXPECT_EQ(g.CardRect(pile, 0).y, kPileY);
    }
}

// A style-7 pile: the second card drops a step, the third lies on it.
TEST(PileFan, SecondCardLowerKeepsLaterCardsOnIt) {
    ThreeCards t(TableauPile(0));
    t.params[param::kTableauFan] = FanCode(FanStyle::SecondCardLower);
    t.params[param::kReserveFan] = FanCode(FanStyle::SecondCardLower);
    TableGeometry g = t.Geometry();
    // The step is only on when the tableau fans vertically.
    EXPECT_EQ(g.CardRect(TableauPile(0), 2).y, kPileY);
    t.params[param::kTableauFan] = FanCode(FanStyle::Vertical);
    ThreeCards r(ReservePile(0));
    r.params = t.params;
    TableGeometry rg = r.Geometry();
    EXPECT_EQ(rg.CardRect(ReservePile(0), 1).y, kPileY + 18);
    EXPECT_EQ(rg.CardRect(ReservePile(0), 2).y, kPileY + 18);
}

TEST(PileFan, StockAndWasteRiseWithTheirThickness) {
    struct Row {
        int cards;
        int rise;
    };
    const std::vector<Row> rows = {{0, 0},  {1, 0},  {2, 1},   {3, 1},    {11, 3},
                                   {24, 4}, {52, 8}, {97, 15}, {102, 15}, {104, 15}};
    for (PileIndex pile : {kStockPile, kWastePile}) {
        for (const Row& row : rows) {
            SCOPED_TRACE(::testing::Message() << PileName(pile) << " with " << row.cards);
            PilePositions positions;
            positions.Set(pile, kPileX, kPileY);
            Table table;
            for (int c = 1; c <= row.cards; ++c) table.Append(pile, static_cast<Card>(c), false);
            GameParams params;
            TableGeometry g(positions, table, params, {}, CardSizeOf(CardSizeLetter::Big));
            EXPECT_EQ(StockThickness(row.cards), row.rise);
            Rect top = g.TopCardRect(pile);
            EXPECT_EQ(top.x, kPileX - row.rise);
            EXPECT_EQ(top.y, kPileY - row.rise);
        }
    }
}

TEST(PileFan, EmptyPileAndScrolling) {
    PilePositions positions;
    positions.Set(TableauPile(2), kPileX, kPileY);
    positions.SetScrollOffset(30);
    Table table;
    GameParams params;
    params[param::kTableauFan] = FanCode(FanStyle::Vertical);
    TableGeometry g(positions, table, params, ChooseFanSteps(CardSizeLetter::Big, params),
                    CardSizeOf(CardSizeLetter::Big));
    EXPECT_TRUE(g.Placed(TableauPile(2)));
    EXPECT_FALSE(g.Placed(TableauPile(3)));
    EXPECT_EQ(g.TopCardRect(TableauPile(2)), (Rect{kPileX, kPileY - 30, 71, 96}));
    EXPECT_EQ(g.TopCardRect(-1), Rect{});
}

TEST(PileFan, UntidyTableauShiftsVerticalColumns) {
    UntidyShifts shifts{};
    shifts[0][2] = 2;
    shifts[1][2] = -1;
    struct Row {
        const char* name;
        int column;
        int card;
        int dx;
    };
    const std::vector<Row> rows = {
        {"column 1, card 3", 0, 2, 2},
        {"column 8 reuses table 2", 7, 2, -1},
        {"column 2, card 15 reuses entry 3", 1, 14, -1},
        {"column 1, card 13 has an entry of its own", 0, 12, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        PileIndex pile = TableauPile(row.column);
        PilePositions positions;
        positions.Set(pile, kPileX, kPileY);
        Table table;
        for (int c = 1; c <= row.card + 1; ++c) table.Append(pile, static_cast<Card>(c), true);
        GameParams params;
        params[param::kTableauFan] = FanCode(FanStyle::Vertical);
        TableGeometry g(positions, table, params, ChooseFanSteps(CardSizeLetter::Big, params),
                        CardSizeOf(CardSizeLetter::Big));
        EXPECT_EQ(g.CardRect(pile, row.card).x, kPileX);
        g.SetUntidy(&shifts);
        EXPECT_EQ(g.CardRect(pile, row.card).x, kPileX + row.dx);
        EXPECT_EQ(g.CardRect(pile, row.card).y, kPileY + 18 * row.card);
    }
}

} // namespace
} // namespace tablamor::layout
