// What a press does, decided without pixels, and the pointer's flow through GamePlay: lifts,
// turns, the stock press order, the golf, peaks and pyramid families, selections, the
// double-click and the release.
#include "rules_fixture.h"

#include "engine/actions.h"
#include "engine/fan_style.h"
#include "engine/game_play.h"
#include "engine/move_generator.h"
#include "engine/pairing_rules.h"
#include "engine/press_rules.h"
#include "engine/rule_codes.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tablamor {
namespace {

using namespace test;

GameState TableauGame(int tableaus = 3) {
    GameState s = MakeGame({{param::kCardCount, 52},
                            {param::kFoundationCount, 4},
                            {param::kTableauCount, tableaus},
                            {param::kReserveCount, 1},
                            {param::kFoundationCapacity, 13},
                            {param::kStockDealCount, 1},
                            {param::kStockPasses, -1},
                            {param::kTableauRunCheck, code::kRunCheckPileRule},
                            {param::kRunSize, code::kRunAny}});
    SetRange(s, param::kFoundationBase, 4, kAce);
    SetRange(s, param::kFoundationDirection, 4, code::kUp);
    SetRange(s, param::kTableauRule, tableaus, code::kAlternateColour);
    SetRange(s, param::kTableauEmptyFill, tableaus, code::kBaseAnyCard);
    s.active = true;
    return s;
}

TEST(LeftPress, TableauCards) {
    struct Row {
        const char* name;
        int runSize;
        PileIndex pile;
        int card;
        PressKind kind;
        int lifted;
    };
    // pile 1: 9S face down, then 8H 7S 6H built down in alternate colours; pile 2: 8D 7D
    const Row rows[] = {
        {"face-up top card", code::kRunAny, TableauPile(0), H(6), PressKind::Lift, 1},
        {"built run", code::kRunAny, TableauPile(0), S(7), PressKind::Lift, 2},
        {"whole built run", code::kRunAny, TableauPile(0), H(8), PressKind::Lift, 3},
        {"run longer than allowed", 1, TableauPile(0), S(7), PressKind::Nothing, 0},
        {"face-down covered card", code::kRunAny, TableauPile(0), S(9), PressKind::Nothing, 0},
        {"run that is not built", code::kRunAny, TableauPile(1), D(8), PressKind::Nothing, 0},
        {"face-down top card", code::kRunAny, TableauPile(2), C(2), PressKind::TurnFaceUp, 0},
        {"a card the pile does not hold", code::kRunAny, TableauPile(2), H(6), PressKind::Nothing,
         0},
    };
    for (const Row& row : rows) {
        GameState s = TableauGame();
        s.params[param::kRunSize] = static_cast<std::int16_t>(row.runSize);
        Put(s, TableauPile(0), {S(9)}, false);
        for (int c : {H(8), S(7), H(6)}) s.table.Append(TableauPile(0), static_cast<Card>(c), true);
        Put(s, TableauPile(1), {D(8), D(7)});
        Put(s, TableauPile(2), {C(2)}, false);
        PressDecision d =
            DecideLeftPress(s, row.pile, static_cast<Card>(row.card), NullEventSink());
        EXPECT_EQ(d.kind, row.kind) << row.name;
        EXPECT_EQ(d.liftCount, row.lifted) << row.name;
    }
}

// A covered face-up card can be pressed, and its run moved, in the fanned tableau styles only (the
// style whose piles take no drops has a test of its own).
TEST(LeftPress, CoveredCardsByTableauFanStyle) {
    struct Row {
        FanStyle fan;
        bool reachable;
    } const rows[] = {
        {FanStyle::None, false},          {FanStyle::Vertical, true},
        {FanStyle::Horizontal, true},     {FanStyle::WholePile, false},
        {FanStyle::SideBySide, true},     {FanStyle::FixedVertical, false},
        {FanStyle::HorizontalEven, true}, {FanStyle::SecondCardLower, false},
    };
    const Command runOnto{CommandKind::Drop, static_cast<Card>(S(7)), TableauPile(1)};
    for (const Row& row : rows) {
        SCOPED_TRACE("fan style " + std::to_string(FanCode(row.fan)));
        GameState s = TableauGame();
        s.params[param::kTableauFan] = FanCode(row.fan);
        Put(s, TableauPile(0), {H(8), S(7), H(6)});
        Put(s, TableauPile(1), {D(8)});
        EXPECT_EQ(PressReaches(s, TableauPile(0), 1), row.reachable);
        EXPECT_TRUE(PressReaches(s, TableauPile(0), 2)) << "the top card";
        GamePlay play(s, NullEventSink());
        const std::vector<Command> moves = GenerateCommands(s, play.Geometry());
        EXPECT_EQ(std::find(moves.begin(), moves.end(), runOnto) != moves.end(), row.reachable);
        EXPECT_EQ(play.Apply(runOnto), row.reachable);
    }
}

TEST(LeftPress, FoundationAndReserveCards) {
    struct Row {
        const char* name;
        int foundationLift;
        int reserveLift;
        PileIndex pile;
        int card;
        PressKind kind;
    };
    const Row rows[] = {
        {"foundation, never", 0, 0, FoundationPile(0), H(2), PressKind::Nothing},
        {"foundation, always", code::kFoundationLiftAlways, 0, FoundationPile(0), H(2),
         PressKind::Lift},
        {"foundation of two, above one", code::kFoundationLiftAboveOne, 0, FoundationPile(0), H(2),
         PressKind::Lift},
        {"foundation of one, above one", code::kFoundationLiftAboveOne, 0, FoundationPile(1), D(1),
         PressKind::Nothing},
        {"reserve top", 0, 0, ReservePile(0), S(4), PressKind::Lift},
        {"covered reserve card", 0, 0, ReservePile(0), S(5), PressKind::Nothing},
        {"covered card, whole reserve", 0, code::kReserveLiftWhole, ReservePile(0), S(5),
         PressKind::Lift},
    };
    for (const Row& row : rows) {
        GameState s = TableauGame();
        s.params[param::kFoundationLift] = static_cast<std::int16_t>(row.foundationLift);
        s.params[param::kReserveLift] = static_cast<std::int16_t>(row.reserveLift);
        Put(s, FoundationPile(0), {H(1), H(2)});
        Put(s, FoundationPile(1), {D(1)});
        Put(s, ReservePile(0), {S(5), S(4)});
        EXPECT_EQ(DecideLeftPress(s, row.pile, static_cast<Card>(row.card), NullEventSink()).kind,
                  row.kind)
            << row.name;
    }
}

TEST(LeftPress, StockPressOrder) {
    struct Row {
        const char* name;
        std::vector<std::pair<int, int>> params;
        int stockCards;
        bool gap;
        PressKind kind;
        std::optional<ActionKind> action; // StockAction
        int repeat;
    };
    const int last = param::kTableauTakesAdd.Index(2); // the third and last tableau pile
    const Row rows[] = {
        {"waste placed",
         {{param::kWastePlaced, 1}, {param::kTableauTakesAdd.Index(0), 1}},
         3,
         false,
         PressKind::StockAction,
         ActionKind::DealToWaste,
         1},
        {"first pile dealt to",
         {{param::kTableauTakesAdd.Index(0), 1}},
         3,
         false,
         PressKind::StockAction,
         ActionKind::AddTableaus,
         1},
        {"last pile dealt to",
         {{last, 1}},
         3,
         false,
         PressKind::StockAction,
         ActionKind::AddTableaus,
         1},
        {"no gaps needed, none",
         {{param::kTableauTakesAdd.Index(0), 2}},
         3,
         false,
         PressKind::StockAction,
         ActionKind::AddTableaus,
         1},
        {"no gaps needed, a gap",
         {{param::kTableauTakesAdd.Index(0), 2}},
         3,
         true,
         PressKind::Message,
         std::nullopt,
         1},
        {"reserves",
         {{param::kReserveTakesAdd.Index(0), 1}},
         3,
         false,
         PressKind::StockAction,
         ActionKind::AddReserves,
         1},
        {"eight left: the last deal",
         {{param::kReserveTakesAdd.Index(0), 3}},
         8,
         false,
         PressKind::StockAction,
         ActionKind::AddTableausLast,
         1},
        {"more left: reserves twice",
         {{param::kReserveTakesAdd.Index(0), 3}},
         9,
         false,
         PressKind::StockAction,
         ActionKind::AddReserves,
         2},
        {"third pile",
         {{param::kThirdPileLayout, 6}},
         3,
         false,
         PressKind::StockAction,
         ActionKind::DealToThirdPile,
         1},
        {"nothing to deal to", {}, 3, false, PressKind::Nothing, std::nullopt, 1},
    };
    for (const Row& row : rows) {
        GameState s = TableauGame();
        for (auto [index, value] : row.params) s.params[index] = static_cast<std::int16_t>(value);
        for (int c = 1; c <= row.stockCards; ++c)
            s.table.Append(kStockPile, static_cast<Card>(c), false);
        for (int n = 0; n < 3; ++n)
            if (!(row.gap && n == 1)) Put(s, TableauPile(n), {S(10 + n)});
        PressDecision d = DecideLeftPress(s, kStockPile, s.table.Top(kStockPile), NullEventSink());
        EXPECT_EQ(d.kind, row.kind) << row.name;
        const std::optional<ActionKind> action =
            d.kind == PressKind::StockAction ? std::optional(d.action) : std::nullopt;
        EXPECT_EQ(action, row.action) << row.name;
        EXPECT_EQ(d.repeat, row.repeat) << row.name;
        EXPECT_EQ(d.message, row.kind == PressKind::Message ? kFillGapsFirstText : "") << row.name;
    }
}

// A game of 26 piles has no slot of its own for the last pile's "Add_Tableaus" flag: it is the
// first reserve's rule code, read as a flag by the stock press and by the deal.
TEST(LeftPress, TheLastOf26PilesTakesCardsByTheFirstReserveRule) {
    struct Row {
        int reserveRule;
        PressKind kind;
        const char* lastPile;
    };
    const Row rows[] = {{1, PressKind::StockAction, "003"}, // a plain reserve
                        {code::kReserveClosed, PressKind::Nothing, ""}};
    for (const Row& row : rows) {
        GameState s = TableauGame(kMaxTableaus);
        s.params.Set(param::kReserveRule, 0, static_cast<std::int16_t>(row.reserveRule));
        Put(s, kStockPile, {H(2), H(3)}, false);
        const PressDecision d =
            DecideLeftPress(s, kStockPile, s.table.Top(kStockPile), NullEventSink());
        EXPECT_EQ(d.kind, row.kind) << row.reserveRule;
        if (d.kind != PressKind::StockAction) continue;
        EXPECT_EQ(d.action, ActionKind::AddTableaus);
        ASSERT_TRUE(PerformAction(s, kNoCard, Action::Of(d.action), NullEventSink()));
        EXPECT_EQ(s.table.PileString(TableauPile(kMaxTableaus - 1)), row.lastPile);
        EXPECT_TRUE(s.table.Empty(TableauPile(kMaxTableaus - 2)));
    }
}

TEST(LeftPress, AGapStopsTheDealWithAMessage) {
    GameState s = TableauGame();
    s.params.Set(param::kTableauTakesAdd, 0, code::kAddDealsWithoutGaps);
    Put(s, TableauPile(0), {S(10)});
    Put(s, TableauPile(2), {S(12)});
    Put(s, kStockPile, {H(1), H(2), H(3)}, false);
    RecordingSink sink;
    GamePlay play(s, sink);
    EXPECT_FALSE(play.Apply(Command{CommandKind::Stock, kNoCard, -1}));
    EXPECT_EQ(sink.messages, std::vector<std::string>{"Before deal, fill any gaps in the tableau"});
    EXPECT_EQ(s.table.Size(kStockPile), 3);
}

TEST(LeftPress, GolfAndPeaks) {
    struct Row {
        const char* name;
        int special;
        int thirdTop;
        int card;
        bool exposed;
        PressKind kind;
    };
    const Row rows[] = {
        {"one above", code::kSpecialGolf, H(5), S(6), true, PressKind::Discard},
        {"one below", code::kSpecialGolf, H(5), S(4), true, PressKind::Discard},
        {"two away", code::kSpecialGolf, H(5), S(7), true, PressKind::Beep},
        {"covered", code::kSpecialGolf, H(5), S(6), false, PressKind::Nothing},
        {"ace on king, golf", code::kSpecialGolf, H(13), S(1), true, PressKind::Beep},
        {"ace on king, around the corner", code::kSpecialGolfAroundTheCorner, H(13), S(1), true,
         PressKind::Discard},
        {"king on ace, peaks", code::kSpecialPeaks, H(1), S(13), true, PressKind::Discard},
        {"covered, peaks", code::kSpecialPeaks, H(5), S(6), false, PressKind::Beep},
    };
    for (const Row& row : rows) {
        GameState s = TableauGame();
        s.params[param::kSpecialCode] = static_cast<std::int16_t>(row.special);
        Put(s, kThirdPile, {row.thirdTop});
        Put(s, TableauPile(0), {row.card});
        if (!row.exposed) s.table.Append(TableauPile(0), C(10), true);
        EXPECT_EQ(
            DecideLeftPress(s, TableauPile(0), static_cast<Card>(row.card), NullEventSink()).kind,
            row.kind)
            << row.name;
    }
}

// A pyramid of three rows: row 1 (pile 1) one card, row 2 two, row 3 three; one card on the waste.
GameState Pyramid() {
    GameState s = TableauGame(3);
    s.params[param::kSpecialCode] = 4;
    s.params[param::kTableauFan] = FanCode(FanStyle::SideBySide);
    Put(s, TableauPile(0), {H(6)});
    Put(s, TableauPile(1), {H(7), S(12)});
    Put(s, TableauPile(2), {H(9), C(4), C(13)});
    Put(s, kWastePile, {D(2)});
    return s;
}

TEST(Pyramid, CardsAreFreeWhenTheRowBelowNoLongerCoversThem) {
    struct Row {
        const char* name;
        int card;
        int gapsInBottomRow; // how many of the bottom row, from the left, are gaps
        bool free;
    };
    const Row rows[] = {
        {"bottom row", C(13), 0, true},
        {"covered by two", H(7), 0, false},
        {"covered by one", H(7), 1, false},
        {"both coverers gone", H(7), 2, true},
        {"top card, second row full", H(6), 3, false},
    };
    for (const Row& row : rows) {
        GameState s = Pyramid();
        for (int k = 0; k < row.gapsInBottomRow; ++k)
            s.table.FindInPile(TableauPile(2), s.table.At(TableauPile(2), k), FindMode::Blank);
        EXPECT_EQ(PyramidCardFree(s, static_cast<Card>(row.card)), row.free) << row.name;
    }
}

TEST(Pyramid, AKingGoesAloneAndAThirdCardIsRefused) {
    GameState s = Pyramid();
    RecordingSink sink;
    GamePlay play(s, sink);
    auto press = [&](int card) {
        return play.Apply(Command{CommandKind::Press, static_cast<Card>(card), -1});
    };
    EXPECT_TRUE(press(C(13))) << "a free king goes at once";
    EXPECT_EQ(s.table.PileString(kThirdPile), "039");
    EXPECT_FALSE(press(S(12))) << "covered";
    EXPECT_TRUE(press(H(9)));
    EXPECT_TRUE(press(D(2))) << "the waste card";
    EXPECT_EQ(s.table.PileString(kSelectionPile), "009015");
    EXPECT_FALSE(press(C(4))) << "a third card";
    EXPECT_EQ(sink.beeps, 1);
    EXPECT_EQ(s.table.PileString(kSelectionPile), "009015");
    EXPECT_TRUE(press(D(2))) << "pressed again: deselected";
    EXPECT_TRUE(press(C(4)));
    EXPECT_EQ(s.table.PileString(kThirdPile), "039009030") << "nine and four make thirteen";
    EXPECT_EQ(s.table.PileString(TableauPile(2)), "000000000");
    EXPECT_TRUE(PyramidCardFree(s, S(12)));
}

TEST(Pairing, TensTwentiesAndThirties) {
    struct Row {
        std::vector<int> cards;
        bool discarded;
    };
    const Row rows[] = {
        {{H(10)}, false}, {{H(10), S(11)}, true}, {{H(3), S(7)}, true}, {{H(3), S(8)}, false}};
    for (const Row& row : rows) {
        GameState s = TableauGame(3);
        s.params[param::kSpecialCode] = 20;
        s.params[param::kPairingSum] = 10;
        s.params[param::kTableauFan] = 3;
        for (std::size_t i = 0; i < row.cards.size(); ++i)
            Put(s, TableauPile(static_cast<int>(i)), {row.cards[i]});
        GamePlay play(s, NullEventSink());
        for (int c : row.cards)
            ASSERT_TRUE(play.Apply(Command{CommandKind::Press, static_cast<Card>(c), -1}));
        EXPECT_EQ(s.table.Size(kThirdPile), row.discarded ? static_cast<int>(row.cards.size()) : 0);
    }
}

// Monte Carlo (code 30): two cards of a rank pair off only where they touch in the grid of five
// lines of five; a card with no such mate cannot be selected. The stock press then closes the
// gaps as code 8 does.
TEST(Pairing, MonteCarloPairsTouchInTheGrid) {
    constexpr int kNone = -1;
    struct Row {
        const char* name;
        int first, second; // tableau places, row by row, of the nine of hearts and the other card
        int secondRank;
        int mate; // the place of a third card, the nine of clubs, or kNone
        bool selected, discarded;
    };
    const Row rows[] = {
        {"side by side", 0, 1, 9, kNone, true, true},
        {"one above the other", 2, 7, 9, kNone, true, true},
        {"corner to corner, down and right", 12, 18, 9, kNone, true, true},
        {"corner to corner, down and left", 9, 13, 9, kNone, true, true},
        {"the end of a row and the start of the next", 4, 5, 9, kNone, false, false},
        {"two places apart", 0, 2, 9, kNone, false, false},
        {"two rows apart", 12, 22, 9, kNone, false, false},
        {"touching, but not the same rank", 0, 1, 8, kNone, false, false},
        {"a mate beside the first, the second card far off", 0, 3, 9, 1, true, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        GameState s = TableauGame(25);
        s.params[param::kSpecialCode] = pairing::kTouchingEqualRanks;
        s.params[param::kPairingSum] = 1;
        s.params[param::kTableauFan] = 3;
        s.params[param::kTableauLines] = 5;
        s.params[param::kStockPlaced] = 1;
        Put(s, TableauPile(row.first), {H(9)});
        Put(s, TableauPile(row.second), {S(row.secondRank)});
        if (row.mate != kNone) Put(s, TableauPile(row.mate), {C(9)});
        Put(s, TableauPile(24), {D(1)}); // no row uses the last place
        GamePlay play(s, NullEventSink());
        EXPECT_EQ(play.Apply(Command{CommandKind::Press, static_cast<Card>(H(9)), -1}),
                  row.selected);
        EXPECT_EQ(play.Apply(Command{CommandKind::Press, static_cast<Card>(S(row.secondRank)), -1}),
                  row.discarded);
        EXPECT_EQ(s.table.Size(kThirdPile), row.discarded ? 2 : 0);
        if (!row.discarded) continue;
        ASSERT_TRUE(play.Apply(Command{CommandKind::Stock, kNoCard, -1}));
        EXPECT_EQ(s.table.PileString(TableauPile(0)), "014") << "the gaps closed up";
    }
}

TEST(Pointer, APressAndReleaseWithoutMovingChangesNothing) {
    GameState s = TableauGame();
    Put(s, TableauPile(0), {H(5)});
    GamePlay play(s, NullEventSink());
    const Table before = s.table;
    ASSERT_TRUE(play.PressOnTable(MouseButton::Left, TableauPile(0), H(5)));
    EXPECT_EQ(play.Dragged().card, H(5));
    EXPECT_FALSE(play.ReleaseOnTable(std::nullopt));
    EXPECT_EQ(s.table, before);
    EXPECT_FALSE(play.Dragged().Lifted());
    EXPECT_FALSE(play.CanUndo());
    auto back = ReturnDraggedCard(s, H(5));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->pile, TableauPile(0));
    EXPECT_TRUE(back->top);
}

TEST(Pointer, DoubleClickSendsOnlyQualifyingCards) {
    struct Row {
        const char* name;
        PileIndex pile;
        int card;
        bool sent;
        bool nextPressIgnored;
    };
    const Row rows[] = {
        {"face-up top card", TableauPile(0), H(1), true, true},
        {"covered card", TableauPile(1), H(2), false, false},
        {"foundation card", FoundationPile(1), D(1), false, false},
        {"face-down card", TableauPile(2), C(1), false, false},
        {"reserve top card", ReservePile(0), S(1), true, true},
    };
    for (const Row& row : rows) {
        GameState s = TableauGame();
        Put(s, TableauPile(0), {H(1)});
        Put(s, TableauPile(1), {H(2), S(9)});
        Put(s, TableauPile(2), {C(1)}, false);
        Put(s, FoundationPile(1), {D(1)});
        Put(s, ReservePile(0), {S(1)});
        GamePlay play(s, NullEventSink());
        EXPECT_EQ(play.DoubleClickSend(row.pile, static_cast<Card>(row.card)), row.sent)
            << row.name;
        EXPECT_EQ(!play.PressOnTable(MouseButton::Left, TableauPile(1), S(9)), row.nextPressIgnored)
            << row.name;
    }
}

TEST(Pointer, OtherButtonsShowACardOrBeep) {
    struct Row {
        const char* name;
        MouseButton button;
        PileIndex pile;
        int card;
        int reserveFan;
        bool shown;
    };
    const Row rows[] = {
        {"face-up tableau card", MouseButton::Right, TableauPile(0), H(7), 0, true},
        {"face-down tableau card", MouseButton::Right, TableauPile(0), C(9), 0, false},
        {"fanned reserve", MouseButton::Right, ReservePile(0), S(3), FanCode(FanStyle::Vertical),
         true},
        {"squared reserve", MouseButton::Right, ReservePile(0), S(3), 3, false},
        {"middle button", MouseButton::Middle, TableauPile(0), H(7), 0, false},
    };
    for (const Row& row : rows) {
        GameState s = TableauGame();
        s.params[param::kReserveFan] = static_cast<std::int16_t>(row.reserveFan);
        Put(s, TableauPile(0), {C(9)}, false);
        s.table.Append(TableauPile(0), H(7), true);
        Put(s, ReservePile(0), {S(3), S(4)});
        RecordingSink sink;
        GamePlay play(s, sink);
        EXPECT_EQ(play.PressOnTable(row.button, row.pile, static_cast<Card>(row.card)), row.shown)
            << row.name;
        EXPECT_EQ(sink.beeps, row.shown ? 0 : 1) << row.name;
    }
}

TEST(Pointer, TheEmptyStockRedealsOnReleaseUnlessThePointerLeaves) {
    for (bool leave : {false, true}) {
        GameState s = TableauGame();
        s.params[param::kWastePlaced] = 1;
        Put(s, kWastePile, {H(1), H(2)});
        GamePlay play(s, NullEventSink());
        EXPECT_TRUE(play.PressOnTable(MouseButton::Left, kStockPile, kNoCard));
        EXPECT_TRUE(s.stockPressed);
        if (leave) play.LeaveStock();
        EXPECT_EQ(play.ReleaseOnTable(std::nullopt), !leave);
        EXPECT_EQ(s.table.Size(kStockPile), leave ? 0 : 1);
        EXPECT_FALSE(s.stockPressed);
    }
}

} // namespace
} // namespace tablamor
