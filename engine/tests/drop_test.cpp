// Drops on hand-made pile positions: which piles a drop rectangle meets, in which order they are
// tried, carrying the move out, and the send to the foundations.
#include "engine/drop.h"
#include "engine/fan_style.h"
#include "engine/rule_codes.h"
#include "rules_fixture.h"

#include <gtest/gtest.h>

namespace tablamor {
namespace {

using namespace test;
using namespace code;

constexpr int kW = HandGeometry::kWidth;
constexpr int kH = HandGeometry::kHeight;

// Four foundations in a row at the top, 100 pixels apart, four tableau piles 24 pixels below
// them, two reserves to the right, the waste at the top left.
GameState Game() {
    GameState s = MakeGame({{param::kFoundationCount, 4},
                            {param::kTableauCount, 4},
                            {param::kReserveCount, 2},
                            {param::kFoundationCapacity, 13},
                            {param::kRunSize, kRunAny}});
    SetRange(s, param::kFoundationBase, 4, kAce);
    SetRange(s, param::kFoundationDirection, 4, kUp);
    SetRange(s, param::kTableauEmptyFill, 4, kKing);
    SetRange(s, param::kTableauRule, 4, kAlternateColour);
    return s;
}

HandGeometry Layout() {
    HandGeometry g;
    g.Place(kWastePile, 0, 0);
    for (int n = 0; n < 4; ++n) g.Place(FoundationPile(n), 200 + 100 * n, 0);
    for (int n = 0; n < 4; ++n) g.Place(TableauPile(n), 200 + 100 * n, 120);
    g.Place(ReservePile(0), 700, 120);
    g.Place(ReservePile(1), 700, 220);
    return g;
}

Rect CardAt(int x, int y, int cards = 1) {
    return Rect{x, y, kW, kH + (cards - 1) * 20};
}

TEST(RectsMeet, CornersAndEdgeProbes) {
    const Rect target{100, 100, kW, kH};
    struct Row {
        const char* name;
        Rect drop;
        bool meets;
    } rows[] = {
        {"top-left corner inside", {150, 150, kW, kH}, true},
        {"bottom-right corner inside", {50, 50, kW, kH}, true},
        {"touching edges count", {100 + kW, 100 + kH, kW, kH}, true},
        {"one pixel apart", {101 + kW, 100, kW, kH}, false},
        {"a tall run across the target, edge probe at 50", {120, 50, kW, 300}, true},
        {"a tall run whose probes skip a short target", {120, 0, kW, 300}, false},
        {"below the target", {100, 300, kW, kH}, false},
        {"top-right corner inside, the left ones outside", {110 - kW, 150, kW, kH}, true},
        {"a tall run whose right edge crosses the target, probe at 100",
         {110 - kW, 50, kW, 300},
         true},
        {"a tall run whose right edge touches the target's left edge",
         {100 - kW, 50, kW, 300},
         true},
        {"a tall run one pixel left of the target", {99 - kW, 50, kW, 300}, false},
    };
    for (const Row& row : rows) {
        Rect t = std::string(row.name).find("short") != std::string::npos ? Rect{100, 110, kW, 20}
                                                                          : target;
        EXPECT_EQ(RectsMeet(row.drop, t), row.meets) << row.name;
    }
}

TEST(FindDropTargets, LargestOverlapFirstTiesByKindThenNumber) {
    GameState s = Game();
    HandGeometry g = Layout();
    struct Row {
        const char* name;
        Rect drop;
        std::vector<PileIndex> expected;
    } rows[] = {
        {"mostly over tableau 2", {340, 130, kW, kH}, {TableauPile(1), TableauPile(2)}},
        {"between two foundations, equal overlap: the higher number",
         {250, 0, kW, kH},
         {FoundationPile(1), FoundationPile(0)}},
        {"over a foundation and a tableau pile equally: the foundation",
         {200, 60, kW, kH},
         {FoundationPile(0), TableauPile(0)}},
        {"a run over both reserves: the larger area first",
         {700, 140, kW, 200},
         {ReservePile(1), ReservePile(0)}},
        {"reaching tableau 1 with its right edge only", {205 - kW, 100, kW, 250}, {TableauPile(0)}},
        {"nowhere", {0, 600, kW, kH}, {}},
    };
    for (const Row& row : rows) {
        DropTargets t = FindDropTargets(s, row.drop, g);
        std::vector<PileIndex> got(t.piles.begin(), t.piles.begin() + t.count);
        EXPECT_EQ(got, row.expected) << row.name;
    }
}

TEST(FindDropTargets, AtMostFourAndExclusions) {
    GameState s = Game();
    HandGeometry g;
    // six piles stacked at one place: only four are tried
    for (int n = 0; n < 4; ++n) g.Place(TableauPile(n), 0, 0);
    g.Place(ReservePile(0), 0, 0);
    g.Place(kWastePile, 0, 0);
    DropTargets t = FindDropTargets(s, CardAt(0, 0), g);
    ASSERT_EQ(t.count, 4);
    EXPECT_EQ(t.piles[0], ReservePile(0));
    EXPECT_EQ(t.piles[1], TableauPile(3));

    s.params[param::kTableauFan] = FanCode(FanStyle::OneSpot);
    t = FindDropTargets(s, CardAt(0, 0), g);
    ASSERT_EQ(t.count, 2) << "tableau piles left out";
    EXPECT_EQ(t.piles[1], kWastePile);

    s.params[param::kWasteNotTarget] = kWasteNeverTarget;
    EXPECT_EQ(FindDropTargets(s, CardAt(0, 0), g).count, 1) << "waste left out";

    s.params[param::kReserveCount] = 0;
    EXPECT_EQ(FindDropTargets(s, CardAt(0, 0), g).count, 0) << "piles the game does not use";
}

TEST(TryDrop, MovesToTheFirstLegalCandidate) {
    GameState s = Game();
    HandGeometry g = Layout();
    Put(s, TableauPile(0), {H(10)});
    Put(s, TableauPile(1), {C(10)});
    Put(s, TableauPile(3), {D(4), S(9)});
    // mostly over tableau 2 (black ten: no black nine on it), partly over tableau 1 (red ten)
    RecordingSink sink;
    ASSERT_TRUE(TryDrop(s, S(9), S(9), CardAt(260, 120), std::nullopt, g, sink));
    EXPECT_EQ(s.table.PileString(TableauPile(0)), "010048");
    EXPECT_EQ(s.table.PileString(TableauPile(3)), "017");
    ASSERT_EQ(sink.moves.size(), 1u);
    EXPECT_EQ(sink.moves[0].from, TableauPile(3));
    EXPECT_EQ(sink.moves[0].to, TableauPile(0));
    EXPECT_EQ(s.actionsDone, 1);
}

TEST(TryDrop, IllegalDropChangesNothing) {
    GameState s = Game();
    HandGeometry g = Layout();
    Put(s, TableauPile(1), {H(10)});
    Put(s, TableauPile(3), {D(9)});
    GameState before = s;
    RecordingSink sink;
    EXPECT_FALSE(TryDrop(s, D(9), D(9), CardAt(300, 120), std::nullopt, g, sink));
    EXPECT_FALSE(TryDrop(s, D(9), D(9), CardAt(300, 120), TableauPile(1), g, sink));
    EXPECT_FALSE(TryDrop(s, D(9), D(9), CardAt(0, 600), TableauPile(0), g, sink))
        << "the target is not met";
    EXPECT_EQ(s.table, before.table);
    EXPECT_TRUE(sink.moves.empty());
}

TEST(TryDrop, RunMovesWholeAndNotBackOnItsPile) {
    GameState s = Game();
    HandGeometry g = Layout();
    Put(s, TableauPile(0), {S(10)});
    Put(s, TableauPile(2), {C(3), D(9), C(8), H(7)});
    RecordingSink sink;
    EXPECT_FALSE(TryDrop(s, D(9), H(7), CardAt(400, 120, 3), TableauPile(2), g, sink));
    ASSERT_TRUE(TryDrop(s, D(9), H(7), CardAt(200, 120, 3), std::nullopt, g, sink));
    EXPECT_EQ(s.table.PileString(TableauPile(0)), "049022034007");
    EXPECT_EQ(s.table.PileString(TableauPile(2)), "029");
    ASSERT_EQ(sink.moves.size(), 1u);
    EXPECT_EQ(sink.moves[0].count, 3);
}

TEST(TryDrop, OpeningRestrictionDropsOtherTargets) {
    GameState s = Game();
    HandGeometry g = Layout();
    s.params[param::kOpeningRestriction] = kOpeningRestrictionOn;
    Put(s, TableauPile(0), {S(10)});
    Put(s, TableauPile(3), {H(9)});
    RecordingSink sink;
    EXPECT_FALSE(TryDrop(s, H(9), H(9), CardAt(200, 120), std::nullopt, g, sink));
    s.actionsDone = 1;
    EXPECT_TRUE(TryDrop(s, H(9), H(9), CardAt(200, 120), std::nullopt, g, sink));
}

TEST(TryMoveToPile, WasteTakesBuildsOnlyWhenTheGameSaysSo) {
    struct Row {
        const char* name;
        int wasteBuild;
        int wasteTop;
        int card;
        bool moved;
    } rows[] = {
        {"one below in suit", kWasteTakesBuilds, S(7), S(6), true},
        {"one above in suit", kWasteTakesBuilds, S(7), S(8), true},
        {"an ace next to a king", kWasteTakesBuilds, S(13), S(1), true},
        {"other suit", kWasteTakesBuilds, S(7), C(6), false},
        {"not in a game without waste builds", 0, S(7), S(6), false},
    };
    for (const Row& row : rows) {
        GameState s = Game();
        HandGeometry g = Layout();
        s.params[param::kWasteBuild] = static_cast<std::int16_t>(row.wasteBuild);
        Put(s, kWastePile, {row.wasteTop});
        Put(s, TableauPile(0), {row.card});
        RecordingSink sink;
        EXPECT_EQ(TryMoveToPile(s, row.card, row.card, CardAt(0, 0), kWastePile, false, g, sink),
                  row.moved)
            << row.name;
        EXPECT_EQ(s.table.Top(kWastePile), row.moved ? row.card : row.wasteTop) << row.name;
    }
}

TEST(SendToFoundation, FirstFoundationThatTakesIt) {
    GameState s = Game();
    HandGeometry g = Layout();
    Put(s, FoundationPile(0), {H(1)});
    Put(s, TableauPile(0), {H(2)});
    Put(s, TableauPile(1), {S(1)});
    Put(s, TableauPile(2), {S(5)}, false);
    Put(s, TableauPile(3), {S(7)});
    RecordingSink sink;
    EXPECT_TRUE(SendToFoundation(s, H(2), true, false, g, sink));
    EXPECT_EQ(s.table.Top(FoundationPile(0)), H(2));
    EXPECT_TRUE(SendToFoundation(s, S(1), true, false, g, sink));
    EXPECT_EQ(s.table.Top(FoundationPile(1)), S(1)) << "the first empty foundation";
    EXPECT_FALSE(SendToFoundation(s, S(5), false, true, g, sink))
        << "a face-down card is never sent";
    EXPECT_FALSE(SendToFoundation(s, S(7), true, false, g, sink));
    EXPECT_TRUE(SendToFoundation(s, S(7), false, true, g, sink)) << "to a free reserve";
    EXPECT_EQ(s.table.Top(ReservePile(0)), S(7));
}

TEST(SendToFoundation, AutomaticSendLeavesTheFirstSharedRankToThePlayer) {
    GameState s = Game();
    HandGeometry g = Layout();
    SetRange(s, param::kFoundationBase, 4, kBaseSharedRank);
    Put(s, TableauPile(0), {S(6)});
    RecordingSink sink;
    EXPECT_FALSE(SendToFoundation(s, S(6), true, false, g, sink));
    EXPECT_TRUE(SendToFoundation(s, S(6), false, false, g, sink));
    Put(s, TableauPile(1), {H(6)});
    EXPECT_TRUE(SendToFoundation(s, H(6), true, false, g, sink))
        << "once one foundation is started";
    EXPECT_EQ(s.table.Top(FoundationPile(1)), H(6));
}

TEST(SendToFoundation, TheTargetSaysHowTheCardIsCarried) {
    GameState s = Game();
    HandGeometry g = Layout();
    for (int n = 1; n < 4; ++n) s.params.Set(param::kFoundationRule, n, kCompleteSuit);
    Put(s, FoundationPile(0), {H(1)});
    Put(s, TableauPile(1), {H(2)});
    for (int rank = kKing; rank >= kAce; --rank)
        s.table.Append(TableauPile(0), static_cast<Card>(S(rank)), true);
    RecordingSink sink;

    const auto alone = FindSendTarget(s, H(2), false, false, g, sink);
    ASSERT_TRUE(alone);
    EXPECT_EQ(alone->move, MoveContext::Alone(H(2)));
    EXPECT_EQ(alone->pile, FoundationPile(0));

    // the ace that ends a whole suit sends the suit from its king, as a run topped by the ace
    const auto suit = FindSendTarget(s, S(1), false, false, g, sink);
    ASSERT_TRUE(suit);
    EXPECT_EQ(suit->move, (MoveContext{S(13), S(1), false}));
    EXPECT_EQ(suit->pile, FoundationPile(1)) << "the first foundation that takes whole suits";

    ASSERT_TRUE(SendToFoundation(s, S(1), false, false, g, sink));
    EXPECT_EQ(s.table.Size(FoundationPile(1)), 13);
    EXPECT_TRUE(s.table.Empty(TableauPile(0)));
}

} // namespace
} // namespace tablamor
