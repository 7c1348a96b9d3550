// The reserve clash retry, the markers of piles the layout leaves alone, the scroll offset, and
// input the layout must survive.
#include "table/layout/table_layout.h"
#include "table/layout/tests/layout_test_support.h"

#include <gtest/gtest.h>

#include <vector>

namespace tablamor::layout {
namespace {

using namespace testing;

PileIndex Pile(const char* name) {
    return ParsePileName(name).value();
}

struct ClashRow {
    const char* name;
    int reserveRow;
    int tableauArrangement;
    int expectedFirstColumn;
};

TEST(TableLayout, ReserveClashRetry) {
    // Reserves at the left margin: x 10, 91, 172, 253; the last one ends at 324.
    const std::vector<ClashRow> rows = {
        {"a clash moves a centred fixed-gap tableau 86 px right of the last reserve", 2, 2, 410},
        {"reserves in the row above do not clash", 1, 2, 114},
        {"a clash with a tableau that cannot move keeps the first layout", 2, 1, 84},
    };
    for (const ClashRow& row : rows) {
        SCOPED_TRACE(row.name);
        GameParams p;
        Reserves(p, 5, row.reserveRow, 4);
        Tableau(p, row.tableauArrangement, 2, 7);
        PilePositions positions = ComputeTableLayout(p, Window(800, 600));
        EXPECT_EQ(positions.X(Pile("Appogg4")), 253);
        EXPECT_EQ(positions.X(Pile("Fila1")), row.expectedFirstColumn);
        EXPECT_EQ(positions.Y(Pile("Fila1")), 162);
    }
}

TEST(TableLayout, UnplacedPilesKeepTheirGroupMarkers) {
    GameParams p;
    Stock(p, 4, 1, 2, true, true);
    Foundations(p, 7, 1, 4);
    Tableau(p, 1, 2, 7);
    PilePositions positions = ComputeTableLayout(p, Window(800, 600));
    const std::vector<std::pair<const char*, int>> markers = {
        {"Mazzo_Waste", -10000}, {"Dest5", -10001},   {"Dest16", -10001}, {"Fila8", -10002},
        {"Fila26", -10002},      {"Appogg1", -10003}, {"Appogg8", -10003}};
    for (const auto& [name, marker] : markers) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(positions.Placed(Pile(name)));
        EXPECT_EQ(positions.X(Pile(name)), marker);
        EXPECT_EQ(positions.AbsoluteY(Pile(name)), marker);
    }
    EXPECT_EQ(positions.X(-1), kStockGroupMarker);
    EXPECT_FALSE(positions.Placed(kPileCount));
}

TEST(TableLayout, ReadsOfYSubtractTheScrollOffset) {
    GameParams p;
    Tableau(p, 1, 2, 8);
    LayoutInput in = Window(800, 600);
    in.scrollPosition = 40;
    PilePositions positions = ComputeTableLayout(p, in);
    EXPECT_EQ(positions.ScrollOffset(), 40);
    EXPECT_EQ(positions.X(Pile("Fila1")), 38);
    EXPECT_EQ(positions.AbsoluteY(Pile("Fila1")), 162);
    EXPECT_EQ(positions.Y(Pile("Fila1")), 122);
    EXPECT_EQ(positions.Y(Pile("Appogg1")), kReserveMarker);
}

// Every arrangement number of every group, with odd counts and window sizes: nothing crashes and
// no pile beyond its group's count is placed.
TEST(TableLayout, SurvivesAnyCodesAndSizes) {
    const std::vector<LayoutInput> inputs = {Window(800, 600), Window(1, 1), Window(300, 200),
                                             Window(30000, 30000)};
    const int arrangements[] = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11,  12,
                                13, 14, 15, 16, 17, 18, 19, 20, 21, 53, 54, 999, -4};
    const int tableauCounts[] = {0, 1, 7, 26, 300};
    for (const LayoutInput& in : inputs) {
        for (int a : arrangements) {
            for (int n : tableauCounts) {
                GameParams p;
                Stock(p, a, 1, 3, true, true);
                Foundations(p, a, 2, 20);
                Tableau(p, a, 3, n);
                Reserves(p, a, 4, 9);
                ThirdPile(p, a, 1);
                p[param::kTableauLines] = static_cast<std::int16_t>(n % 3);
                PilePositions positions = ComputeTableLayout(p, in);
                for (int i = std::min(n, kMaxTableaus); i < kMaxTableaus; ++i)
                    EXPECT_FALSE(positions.Placed(TableauPile(i))) << a << " " << n << " " << i;
            }
        }
    }
}

} // namespace
} // namespace tablamor::layout
