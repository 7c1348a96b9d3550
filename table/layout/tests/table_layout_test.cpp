// Pile positions for every arrangement, worked out by hand from the layout rules on an 800 x 600
// window unless a row says otherwise (table top 46, usable width 785, rows 56/162/268/374, bottom
// row 454; rows 1 and 2 move down 15 px when the stock sits in row 1).
#include "table/layout/arrangements.h"
#include "table/layout/table_layout.h"
#include "table/layout/tests/layout_test_support.h"

#include <gtest/gtest.h>

#include <vector>

namespace tablamor::layout {
namespace {

using namespace testing;

struct Row {
    const char* name;
    void (*setUp)(GameParams&);
    LayoutInput input;
    std::vector<At> placed;
    std::vector<const char*> unplaced;
};

LayoutInput LowWindowOnTallScreen() {
    LayoutInput in = Window(800, 480);
    in.screenHeight = 600;
    return in;
}

// An 800 x 600 window whose table is only `height` pixels high (title, menu and status bars).
LayoutInput ShortTable(int height) {
    LayoutInput in = Window(800, 600);
    in.tableBottom = in.tableTop + height;
    return in;
}

LayoutInput NarrowScreen() {
    LayoutInput in = Window(800, 600);
    in.screenWidth = 640;
    return in;
}

const std::vector<Row>& Rows() {
    static const std::vector<Row> rows = {
        {"tableau 1: eight columns at 800 px, free cells and foundations over them",
         [](GameParams& p) {
             Tableau(p, 1, 2, 8);
             Foundations(p, 7, 1, 4);
             Reserves(p, 4, 1, 4);
         },
         Window(800, 600),
         {{"Fila1", 38, 162},
          {"Fila2", 129, 162},
          {"Fila8", 675, 162},
          {"Dest1", 402, 56},
          {"Dest4", 675, 56},
          {"Appogg1", 38, 56},
          {"Appogg4", 311, 56}},
         {"Mazzo", "Mazzo_Vis", "Mazzo_Waste", "Dest5", "Fila9", "Appogg5"}},
        {"tableau 1 with small cards",
         [](GameParams& p) { Tableau(p, 1, 2, 8); },
         Window(800, 600, CardSizeLetter::Small),
         {{"Fila1", 222, 98}, {"Fila2", 267, 98}},
         {}},
        {"tableau 1 too wide for its gap starts at the margin",
         [](GameParams& p) { Tableau(p, 1, 2, 10); },
         Window(800, 600),
         {{"Fila1", 10, 162}, {"Fila2", 88, 162}, {"Fila10", 712, 162}},
         {}},
        {"tableau 1 on a window lower than 500 px: closer rows, less width",
         [](GameParams& p) {
             Tableau(p, 1, 2, 8);
             Stock(p, 5, 5, 1, true, false);
         },
         LowWindowOnTallScreen(),
         {{"Fila1", 34, 152}, {"Fila2", 125, 152}, {"Mazzo", 34, 474}},
         {}},
        {"tableau 14 gives up gap to start at the margin",
         [](GameParams& p) { Tableau(p, 14, 2, 10); },
         Window(800, 600),
         {{"Fila1", 10, 162}, {"Fila2", 87, 162}, {"Fila10", 703, 162}},
         {}},
        {"tableau 14 on a narrow screen starts 2 px inside the margin",
         [](GameParams& p) { Tableau(p, 14, 2, 10); },
         NarrowScreen(),
         {{"Fila1", 8, 162}, {"Fila2", 85, 162}},
         {}},
        {"tableau 14 under the stock (4) keeps 15 px beside the stock group's columns",
         [](GameParams& p) {
             Stock(p, 4, 1, 2, true, true);
             Tableau(p, 14, 2, 10);
         },
         Window(800, 600),
         {{"Fila1", 34, 177},
          {"Fila2", 120, 177},
          {"Fila3", 195, 177},
          {"Fila10", 720, 177},
          {"Mazzo", 34, 71},
          {"Mazzo_Vis", 120, 71}},
         {}},
        {"tableau 15 with tight top rows, foundations centred (2)",
         [](GameParams& p) {
             Tableau(p, 15, 3, 7);
             Foundations(p, 2, 1, 4);
         },
         Window(800, 600),
         {{"Fila1", 84, 263}, {"Dest1", 236, 61}, {"Dest2", 317, 61}, {"Dest4", 479, 61}},
         {}},
        {"tableau 2: centred, fixed gap",
         [](GameParams& p) { Tableau(p, 2, 2, 7); },
         Window(800, 600),
         {{"Fila1", 114, 162}, {"Fila7", 600, 162}},
         {}},
        {"tableau 3 and stock 3: room for the stock, the waste under it",
         [](GameParams& p) {
             Stock(p, 3, 1, 2, true, true);
             Tableau(p, 3, 1, 7);
         },
         Window(800, 600),
         {{"Fila1", 137, 71}, {"Fila2", 223, 71}, {"Mazzo", 44, 71}, {"Mazzo_Vis", 44, 192}},
         {}},
        {"tableau 11 and stock 11: room for two piles",
         [](GameParams& p) {
             Stock(p, 11, 1, 2, true, true);
             Tableau(p, 11, 2, 7);
         },
         Window(800, 600),
         {{"Fila1", 220, 177}, {"Fila2", 302, 177}, {"Mazzo_Vis", 104, 71}, {"Mazzo", 18, 71}},
         {}},
        {"tableau 12 and reserve 12 beside a tableau of more than seven columns",
         [](GameParams& p) {
             Tableau(p, 12, 2, 8);
             Reserves(p, 12, 2, 1);
         },
         Window(800, 600),
         {{"Fila1", 122, 162}, {"Fila2", 204, 162}, {"Appogg1", 29, 162}},
         {}},
        {"tableau 21 and stock 21: columns 2 px apart",
         [](GameParams& p) {
             Stock(p, 21, 2, 2, true, true);
             Tableau(p, 21, 3, 7);
         },
         Window(800, 600),
         {{"Fila1", 232, 283}, {"Fila2", 305, 283}, {"Mazzo_Vis", 146, 177}, {"Mazzo", 55, 177}},
         {}},
        {"tableau 10 wraps close on centred lines",
         [](GameParams& p) {
             Tableau(p, 10, 0, 6);
             p[param::kTableauLines] = 2;
         },
         Window(800, 600),
         {{"Fila1", 15, 168}, {"Fila3", 277, 168}, {"Fila4", 15, 274}, {"Fila6", 277, 274}},
         {}},
        {"tableau 10 under foundations in row 1 keeps its centred lines on a tall table",
         [](GameParams& p) {
             Foundations(p, 2, 1, 4);
             Tableau(p, 10, 0, 18);
             p[param::kTableauLines] = 3;
         },
         Window(800, 600),
         {{"Dest1", 206, 56}, {"Fila1", 15, 168}, {"Fila7", 15, 274}, {"Fila13", 15, 380}},
         {}},
        {"tableau 10 on a short table starts at row 2 below foundations in row 1",
         [](GameParams& p) {
             Foundations(p, 2, 1, 4);
             Tableau(p, 10, 0, 18);
             p[param::kTableauLines] = 3;
         },
         ShortTable(480),
         {{"Dest1", 206, 56}, {"Fila1", 15, 162}, {"Fila7", 15, 268}, {"Fila13", 15, 374}},
         {}},
        {"tableau 10 alone on a short table stays centred",
         [](GameParams& p) {
             Tableau(p, 10, 0, 18);
             p[param::kTableauLines] = 3;
         },
         ShortTable(480),
         {{"Fila1", 15, 132}, {"Fila13", 15, 344}},
         {}},
        {"tableau 18 wraps wide from the line of its row digit",
         [](GameParams& p) {
             Tableau(p, 18, 1, 8);
             p[param::kTableauLines] = 2;
         },
         Window(800, 600),
         {{"Fila1", 20, 116}, {"Fila2", 197, 116}, {"Fila4", 551, 116}, {"Fila5", 20, 222}},
         {}},
        {"tableau 53 on a tall screen: the grid and the third pile, nothing else",
         [](GameParams& p) {
             Stock(p, 5, 1, 2, true, true);
             Foundations(p, 1, 1, 4);
             Tableau(p, 53, 0, 6);
             p[param::kTableauLines] = 2;
             ThirdPile(p, 16, 2);
         },
         Window(800, 600),
         {{"Fila1", 44, 108}, {"Fila2", 257, 108}, {"Fila4", 44, 214}, {"Mazzo_Waste", 44, 441}},
         {"Mazzo", "Mazzo_Vis", "Dest1"}},
        {"tableau 53 on a short screen: close lines, the third pile after the last column",
         [](GameParams& p) {
             Tableau(p, 53, 0, 6);
             p[param::kTableauLines] = 2;
             ThirdPile(p, 16, 2);
         },
         Window(800, 480),
         {{"Fila1", 15, 108}, {"Fila4", 15, 214}, {"Fila6", 277, 214}, {"Mazzo_Waste", 408, 320}},
         {}},
        {"tableau 54 shifts its columns right in 3 px steps until they clear the stock",
         [](GameParams& p) {
             Tableau(p, 54, 0, 7);
             ThirdPile(p, 0, 0);
         },
         Window(500, 600),
         {{"Mazzo", 40, 56},
          {"Mazzo_Vis", 40, 172},
          {"Fila1", 312, 56},
          {"Fila2", 273, 108},
          {"Fila6", 117, 316},
          {"Fila7", 78, 368},
          {"Mazzo_Waste", 576, 56}},
         {}},
        {"tableau 13, stock 13 and foundations 13: packed at the left",
         [](GameParams& p) {
             Stock(p, 13, 1, 2, true, true);
             Tableau(p, 13, 2, 7);
             Foundations(p, 13, 1, 4);
         },
         Window(800, 600),
         {{"Fila1", 48, 177},
          {"Fila2", 123, 177},
          {"Mazzo", 19, 71},
          {"Mazzo_Vis", 105, 71},
          {"Dest1", 273, 71},
          {"Dest4", 498, 71}},
         {}},
        {"tableau 20 centred under foundations at the right edge (8)",
         [](GameParams& p) {
             Foundations(p, 8, 1, 4);
             Tableau(p, 20, 2, 5);
         },
         Window(800, 600),
         {{"Dest1", 456, 56}, {"Dest4", 699, 56}, {"Fila1", 416, 162}, {"Fila5", 740, 162}},
         {}},
        {"stock 5 in the bottom row, foundations spread (1), reserves from the tableau (6)",
         [](GameParams& p) {
             Stock(p, 5, 5, 2, true, true);
             Foundations(p, 1, 1, 4);
             Tableau(p, 2, 2, 7);
             Reserves(p, 6, 3, 2);
         },
         Window(800, 600),
         {{"Mazzo", 34, 454},
          {"Mazzo_Vis", 139, 454},
          {"Dest1", 100, 56},
          {"Dest2", 271, 56},
          {"Appogg1", 114, 268},
          {"Appogg2", 285, 268}},
         {}},
        {"foundations from the last column (9), reserves and third pile over the last (7)",
         [](GameParams& p) {
             Tableau(p, 1, 2, 8);
             Foundations(p, 9, 1, 4);
             Reserves(p, 7, 3, 2);
             ThirdPile(p, 7, 4);
         },
         Window(800, 600),
         {{"Dest1", 441, 56},
          {"Dest3", 597, 56},
          {"Dest4", 675, 56},
          {"Appogg1", 584, 268},
          {"Appogg2", 675, 268},
          {"Mazzo_Waste", 675, 374}},
         {}},
        {"stock 16 left of the tableau, the third pile under it, foundations beside it (17)",
         [](GameParams& p) {
             Stock(p, 16, 1, 1, true, false);
             Tableau(p, 3, 2, 7);
             ThirdPile(p, 16, 2);
             Foundations(p, 17, 1, 4);
         },
         Window(800, 600),
         {{"Fila1", 137, 177},
          {"Mazzo", 36, 71},
          {"Mazzo_Waste", 36, 187},
          {"Dest1", 127, 71},
          {"Dest2", 201, 71}},
         {"Mazzo_Vis"}},
        {"stock 19 with only the waste, a reserve under it (11), third pile over column 2 (6)",
         [](GameParams& p) {
             Stock(p, 19, 1, 2, false, true);
             Tableau(p, 11, 3, 7);
             Reserves(p, 11, 2, 1);
             ThirdPile(p, 6, 1);
         },
         Window(800, 600),
         {{"Fila1", 235, 283},
          {"Mazzo_Vis", 104, 71},
          {"Appogg1", 104, 177},
          {"Mazzo_Waste", 317, 71}},
         {"Mazzo"}},
        {"stock 4 with only the waste puts it over the first column",
         [](GameParams& p) {
             Stock(p, 4, 1, 1, false, true);
             Tableau(p, 1, 2, 7);
         },
         Window(800, 600),
         {{"Mazzo_Vis", 84, 71}, {"Fila1", 84, 177}},
         {"Mazzo"}},
        {"tableau 22: thirteen columns in two lines, the second centred half-way down",
         [](GameParams& p) {
             Tableau(p, tableau_arrangement::kTwoLines, 2, 13);
             Foundations(p, 2, 1, 4);
         },
         Window(800, 600),
         {{"Fila1", 84, 162}, {"Fila7", 630, 162}, {"Fila8", 130, 380}, {"Fila13", 585, 380}},
         {"Fila14"}},
        {"tableau 22: twelve columns on a short table, six in each line",
         [](GameParams& p) { Tableau(p, tableau_arrangement::kTwoLines, 2, 12); },
         ShortTable(480),
         {{"Fila1", 130, 162}, {"Fila6", 585, 162}, {"Fila7", 130, 344}, {"Fila12", 585, 344}},
         {"Fila13"}},
        {"tableau 22: the second line is never closer than a card and a row space",
         [](GameParams& p) { Tableau(p, tableau_arrangement::kTwoLines, 2, 13); },
         ShortTable(200),
         {{"Fila7", 630, 162}, {"Fila8", 130, 268}},
         {}},
        {"row digits: the first digit counts, no digit places nothing",
         [](GameParams& p) {
             Tableau(p, 1, 25, 7);
             Foundations(p, 7, 0, 4);
             Reserves(p, 4, -1, 2);
         },
         Window(800, 600),
         {{"Fila1", 84, 162}},
         {"Dest1", "Dest4", "Appogg1", "Appogg2"}},
        {"an arrangement number no group knows places nothing",
         [](GameParams& p) {
             Tableau(p, 99, 2, 7);
             Foundations(p, 7, 1, 4);
             Stock(p, 4, 1, 2, true, true);
         },
         Window(800, 600),
         {},
         {"Fila1", "Dest1", "Mazzo", "Mazzo_Vis"}},
    };
    return rows;
}

TEST(TableLayout, EveryArrangement) {
    for (const Row& row : Rows()) {
        SCOPED_TRACE(row.name);
        GameParams p;
        row.setUp(p);
        PilePositions positions = ComputeTableLayout(p, row.input);
        for (const At& at : row.placed) {
            auto pile = ParsePileName(at.pile);
            ASSERT_TRUE(pile) << at.pile;
            EXPECT_TRUE(positions.Placed(*pile)) << at.pile;
            EXPECT_EQ(positions.X(*pile), at.x) << at.pile;
            EXPECT_EQ(positions.Y(*pile), at.y) << at.pile;
        }
        for (const char* name : row.unplaced) {
            auto pile = ParsePileName(name);
            ASSERT_TRUE(pile) << name;
            EXPECT_FALSE(positions.Placed(*pile)) << name;
        }
    }
}

} // namespace
} // namespace tablamor::layout
