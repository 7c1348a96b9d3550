// The move executor on hand-made tables: stock presses, passes and the redeal, the deals from
// the stock, card and run moves, the pairing actions, and what every action does afterwards.
#include "rules_fixture.h"

#include "engine/actions.h"
#include "engine/fan_style.h"
#include "engine/game_play.h"
#include "engine/rule_codes.h"

#include <gtest/gtest.h>

namespace tablamor {
namespace {

using namespace test;

// One deck, four ace-based foundations, `tableaus` piles building down in alternate colours, a
// stock dealing `perPress` cards face down to the waste with `passes` passes.
GameState StockGame(int passes, int perPress, int tableaus = 2) {
    GameState s = MakeGame({{param::kCardCount, 52},
                            {param::kFoundationCount, 4},
                            {param::kTableauCount, tableaus},
                            {param::kFoundationCapacity, 13},
                            {param::kStockPasses, passes},
                            {param::kStockDealCount, perPress},
                            {param::kStockFaceDown, 1},
                            {param::kWastePlaced, 1}});
    SetRange(s, param::kFoundationBase, 4, kAce);
    SetRange(s, param::kFoundationDirection, 4, code::kUp);
    SetRange(s, param::kTableauRule, tableaus, code::kAlternateColour);
    SetRange(s, param::kTableauEmptyFill, tableaus, kKing);
    s.active = true;
    return s;
}

const Command kStock{CommandKind::Stock, kNoCard, -1};

std::string Waste(const GameState& s) {
    return s.table.PileString(kWastePile);
}

TEST(StockPress, RedealKeepsTheOrderAndDealsTheFirstCardsAtOnce) {
    GameState s = StockGame(-1, 2);
    Put(s, kStockPile, {H(2), H(3), H(4), H(5), H(6)}, false);
    GamePlay play(s, NullEventSink());
    std::vector<std::string> firstPass, secondPass;
    while (!s.table.Empty(kStockPile)) {
        ASSERT_TRUE(play.Apply(kStock));
        firstPass.push_back(Waste(s));
    }
    ASSERT_TRUE(play.Apply(kStock)); // the redeal, with the first two cards dealt at once
    EXPECT_EQ(s.passesUsed, 2);
    EXPECT_FALSE(s.table.FaceUp(H(4))) << "the stock is redealt face down";
    EXPECT_EQ(Waste(s), firstPass.front());
    secondPass.push_back(Waste(s));
    while (!s.table.Empty(kStockPile)) {
        ASSERT_TRUE(play.Apply(kStock));
        secondPass.push_back(Waste(s));
    }
    EXPECT_EQ(secondPass, firstPass);
}

TEST(StockPress, PassesLimitTheRedeals) {
    struct Row {
        const char* name;
        int passes;
        int redealsExpected; // counted up to kTried
    };
    constexpr int kTried = 6;
    const Row rows[] = {
        {"one pass: no redeal", 1, 0},
        {"three passes: two redeals", 3, 2},
        {"unlimited", -1, kTried},
    };
    for (const Row& row : rows) {
        GameState s = StockGame(row.passes, 1);
        Put(s, kStockPile, {H(2), H(3), H(4)}, false);
        GamePlay play(s, NullEventSink());
        int redeals = 0;
        for (int attempt = 0; attempt < kTried; ++attempt) {
            while (!s.table.Empty(kStockPile)) ASSERT_TRUE(play.Apply(kStock)) << row.name;
            if (!play.Apply(kStock)) break;
            ++redeals;
        }
        EXPECT_EQ(redeals, row.redealsExpected) << row.name;
    }
}

TEST(StockPress, AWasteOfOneCardIsNeverRedealt) {
    GameState s = StockGame(-1, 1);
    Put(s, kWastePile, {H(9)});
    GamePlay play(s, NullEventSink());
    EXPECT_FALSE(play.Apply(kStock));
    EXPECT_EQ(Waste(s), "009");
    EXPECT_FALSE(s.stockPressed);
}

TEST(StockPress, TheEmptyStockMarkShowsWhenTheStockRunsOut) {
    struct Row {
        const char* name;
        std::initializer_list<int> waste;
        bool mark;
    };
    const Row rows[] = {
        {"last card dealt, nothing left to redeal", {}, true},
        {"last card dealt onto a waste that can be redealt", {H(5)}, false},
    };
    for (const Row& row : rows) {
        GameState s = StockGame(-1, 1);
        Put(s, kStockPile, {H(2)}, false);
        Put(s, kWastePile, row.waste);
        RecordingSink sink;
        ASSERT_TRUE(PerformAction(s, kNoCard, Action::Of(ActionKind::DealToWaste), sink));
        bool marked =
            std::find(sink.looks.begin(), sink.looks.end(), StockLook::Empty) != sink.looks.end();
        EXPECT_EQ(marked, row.mark) << row.name;
    }
}

TEST(CardActions, SoundsTellThePlayersMoveFromAutoplay) {
    struct Row {
        const char* name;
        Action action;
        const char* sound;
        int score;
    };
    const Row rows[] = {
        {"player to foundation", Action::Move(FoundationPile(0)),
         "Foundation.wav/Sounds_Foundation", -47},
        {"autoplay to foundation", Action::Move(FoundationPile(0), true),
         "Autoplay.wav/Sounds_Autoplay", -47},
        {"to the tableau", Action::Move(TableauPile(1)), "Tableau/Sounds_Tableau", -52},
    };
    for (const Row& row : rows) {
        GameState s = StockGame(1, 1);
        Put(s, TableauPile(0), {H(1)});
        RecordingSink sink;
        ASSERT_TRUE(PerformAction(s, H(1), row.action, sink)) << row.name;
        EXPECT_EQ(sink.sounds, std::vector<std::string>{row.sound}) << row.name;
        EXPECT_EQ(s.score, row.score) << row.name;
    }
}

TEST(CardActions, ARunKeepsItsOrderAndArrivesFaceUp) {
    GameState s = StockGame(1, 1);
    Put(s, TableauPile(0), {S(13), H(12)}, true);
    s.table.Append(TableauPile(0), C(11), false);
    ASSERT_TRUE(PerformAction(s, H(12), Action::MoveRun(TableauPile(1)), NullEventSink()));
    EXPECT_EQ(s.table.PileString(TableauPile(1)), "012037");
    EXPECT_TRUE(s.table.FaceUp(C(11)));
    EXPECT_EQ(s.table.PileString(TableauPile(0)), "052");
}

TEST(CardActions, TheOpeningRestrictionLetsOnlyATableauCardGoUp) {
    struct Row {
        const char* name;
        int card;
        Action action;
        bool done;
    };
    const Row rows[] = {
        {"tableau card to a foundation", H(1), Action::Move(FoundationPile(0)), true},
        {"tableau card to the tableau", H(1), Action::Move(TableauPile(1)), false},
        {"stock press", kNoCard, Action::Of(ActionKind::DealToWaste), false},
    };
    for (const Row& row : rows) {
        GameState s = StockGame(1, 1);
        s.params[param::kOpeningRestriction] = code::kOpeningRestrictionOn;
        Put(s, TableauPile(0), {H(1)});
        Put(s, TableauPile(1), {S(2)});
        Put(s, kStockPile, {H(5)}, false);
        EXPECT_EQ(PerformAction(s, row.card, row.action, NullEventSink()), row.done) << row.name;
        EXPECT_EQ(s.actionsDone, row.done ? 1 : 0) << row.name;
    }
}

TEST(DealFromStock, FillsOnlyAsManyPilesAsTheStockHasCards) {
    GameState s = StockGame(1, 1, 5);
    Put(s, kStockPile, {H(2), H(3)}, false);
    ASSERT_TRUE(PerformAction(s, kNoCard, Action::Of(ActionKind::FillTableaus), NullEventSink()));
    EXPECT_EQ(s.table.PileString(TableauPile(0)), "003");
    EXPECT_EQ(s.table.PileString(TableauPile(1)), "002");
    EXPECT_TRUE(s.table.Empty(TableauPile(2)));
    EXPECT_TRUE(s.table.FaceUp(H(3)));
}

TEST(DealFromStock, TheFirstActionFillsTheTableauInGamesThatAskForIt) {
    GameState s = StockGame(1, 1, 3);
    s.params[param::kAutoFillAfterFirst] = code::kOn;
    Put(s, kStockPile, {H(2), H(3), H(4), H(5)}, false);
    Put(s, TableauPile(1), {S(9)});
    ASSERT_TRUE(PerformAction(s, kNoCard, Action::Of(ActionKind::DealToWaste), NullEventSink()));
    EXPECT_EQ(Waste(s), "005");
    EXPECT_EQ(s.table.PileString(TableauPile(0)), "004");
    EXPECT_EQ(s.table.PileString(TableauPile(2)), "003");
    EXPECT_EQ(s.actionsDone, 2);
    ASSERT_TRUE(PerformAction(s, kNoCard, Action::Of(ActionKind::DealToWaste), NullEventSink()));
    EXPECT_EQ(s.table.Size(TableauPile(0)), 1) << "only once";
}

TEST(DealFromStock, WhichPilesEachActionDealsTo) {
    struct Row {
        const char* name;
        ActionKind action;
        int tableauFan;
        const char* tableau1;
        const char* tableau2;
        const char* reserve1;
    };
    const Row rows[] = {
        {"add to tableaus", ActionKind::AddTableaus, 0, "", "003", ""}, // only pile 2 is flagged
        {"add to reserves", ActionKind::AddReserves, 0, "", "", "003"},
        {"last deal to the tableau", ActionKind::AddTableausLast, 0, "003", "002", ""},
        {"last deal to one row", ActionKind::AddTableausLast, FanCode(FanStyle::OneSpot),
         "000003000002", "", ""},
    };
    for (const Row& row : rows) {
        GameState s = StockGame(1, 1, row.tableauFan == FanCode(FanStyle::OneSpot) ? 1 : 2);
        s.params[param::kTableauFan] = static_cast<std::int16_t>(row.tableauFan);
        s.params[param::kReserveCount] = 1;
        s.params.Set(param::kTableauTakesAdd, 1, code::kAddDeals);
        s.params.Set(param::kReserveTakesAdd, 0, code::kAddDeals);
        Put(s, kStockPile, {H(2), H(3)}, false);
        if (row.tableauFan == FanCode(FanStyle::OneSpot)) { // one pile: deal twice
            ASSERT_TRUE(PerformAction(s, kNoCard, Action::Of(row.action), NullEventSink()));
        }
        ASSERT_TRUE(PerformAction(s, kNoCard, Action::Of(row.action), NullEventSink())) << row.name;
        EXPECT_EQ(s.table.PileString(TableauPile(0)), row.tableau1) << row.name;
        EXPECT_EQ(s.table.PileString(TableauPile(1)), row.tableau2) << row.name;
        EXPECT_EQ(s.table.PileString(ReservePile(0)), row.reserve1) << row.name;
    }
}

TEST(PairingActions, DiscardLeavesGapsOnlyInTheSideBySideTableau) {
    struct Row {
        int fan;
        const char* tableau1;
    };
    const Row rows[] = {{0, "005"}, {FanCode(FanStyle::SideBySide), "000005"}};
    for (const Row& row : rows) {
        GameState s = StockGame(1, 1, 2);
        s.params[param::kPairingSum] = 13;
        s.params[param::kTableauFan] = static_cast<std::int16_t>(row.fan);
        Put(s, TableauPile(0), {H(8), H(5)});
        Put(s, kWastePile, {S(8)});
        Put(s, kSelectionPile, {H(8), S(8)});
        ASSERT_TRUE(
            PerformAction(s, kNoCard, Action::Of(ActionKind::DiscardSelection), NullEventSink()));
        EXPECT_EQ(s.table.PileString(TableauPile(0)), row.tableau1);
        EXPECT_EQ(s.table.PileString(kThirdPile), "008047");
        EXPECT_TRUE(s.table.Empty(kSelectionPile));
        EXPECT_TRUE(s.table.Empty(kWastePile));
    }
}

TEST(PairingActions, ClosingGapsMovesPilesUpThenRefillsFromTheStock) {
    GameState s = StockGame(1, 1, 5);
    Put(s, TableauPile(0), {H(1)});
    Put(s, TableauPile(2), {H(3), H(4)});
    Put(s, TableauPile(4), {H(5)});
    Put(s, kStockPile, {S(1), S(2), S(3)}, false);
    Put(s, kSelectionPile, {H(1)});
    ASSERT_TRUE(PerformAction(s, kNoCard, Action::Of(ActionKind::CloseGaps), NullEventSink()));
    std::vector<std::string> piles;
    for (int n = 0; n < 5; ++n) piles.push_back(s.table.PileString(TableauPile(n)));
    EXPECT_EQ(piles, (std::vector<std::string>{"001", "003004", "005", "042", "041"}));
    EXPECT_TRUE(s.table.Empty(kSelectionPile));
}

TEST(PyramidRedeal, TheRedealtWasteCardLeavesTheSelection) {
    GameState s = StockGame(3, 1, 1);
    s.params[param::kSpecialCode] = 4;
    Put(s, kWastePile, {H(2), H(7)});
    Put(s, kSelectionPile, {H(6), H(7)});
    s.stockPressed = true;
    ASSERT_TRUE(PerformAction(s, kNoCard, Action::Of(ActionKind::DealToWaste), NullEventSink()));
    EXPECT_EQ(s.table.PileString(kSelectionPile), "006");
    EXPECT_EQ(Waste(s), "002");
}

TEST(Foundations, AResortingFoundationIsKeptInCardOrder) {
    GameState s = StockGame(1, 1);
    s.params[param::kFoundationResort] = code::kOn;
    s.params.Set(param::kFoundationRule, 0, code::kAnything);
    Put(s, FoundationPile(0), {H(9), H(2)});
    Put(s, TableauPile(0), {H(5)});
    RecordingSink sink;
    ASSERT_TRUE(PerformAction(s, H(5), Action::Move(FoundationPile(0)), sink));
    EXPECT_EQ(s.table.PileString(FoundationPile(0)), "002005009");
    EXPECT_EQ(sink.sounds.back(), "Reorder/");
}

TEST(TurnCardFaceUp, OnlyAFaceDownTopCardTurns) {
    struct Row {
        const char* name;
        int card;
        bool turned;
    };
    const Row rows[] = {
        {"face-down top", H(4), true}, {"covered", H(3), false}, {"other pile", H(9), false}};
    for (const Row& row : rows) {
        GameState s = StockGame(1, 1);
        Put(s, TableauPile(0), {H(3), H(4)}, false);
        Put(s, TableauPile(1), {H(9)}, false);
        RecordingSink sink;
        EXPECT_EQ(TurnCardFaceUp(s, row.card, 0, sink), row.turned) << row.name;
        EXPECT_EQ(s.table.FaceUp(row.card), row.turned) << row.name;
        EXPECT_EQ(sink.sounds.size(), row.turned ? 1u : 0u) << row.name;
    }
}

} // namespace
} // namespace tablamor
