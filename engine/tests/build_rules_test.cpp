// The rule core: every building rule, the general test's suit, direction, wrap and stop-rank
// cases, and what an empty pile takes by its base code.
#include "engine/build_rules.h"
#include "engine/rule_codes.h"
#include "rules_fixture.h"

#include <gtest/gtest.h>

#include <functional>

namespace tablamor {
namespace {

using namespace test;
using namespace code;

constexpr int kEmpty = -1;

struct Row {
    const char* name;
    int rule;
    int direction;
    int top;
    int card;
    bool expected;
    std::function<void(GameState&, BuildQuery&)> prepare = nullptr;
};

// A table where the moved cards lie in known places: the waste's top card is S(9); tableau pile
// 1 holds D(9); reserve 1 holds C(9); foundation 1 holds H(1).
GameState RuleTable() {
    GameState s = MakeGame(
        {{param::kFoundationCount, 4}, {param::kTableauCount, 4}, {param::kReserveCount, 2}});
    Put(s, kWastePile, {S(9)});
    Put(s, TableauPile(1), {D(9)});
    Put(s, ReservePile(0), {C(9)});
    Put(s, FoundationPile(0), {H(1)});
    Put(s, kStockPile, {S(13)}, false);
    return s;
}

auto Wrap(bool on) {
    return [on](GameState&, BuildQuery& q) { q.wrap = on; };
}
auto Base(int base, int stop) {
    return [base, stop](GameState&, BuildQuery& q) {
        q.base = base;
        q.stop = stop;
    };
}

void RunRows(const std::vector<Row>& rows) {
    for (const Row& row : rows) {
        GameState s = RuleTable();
        BuildQuery q;
        q.top = row.top;
        q.card = row.card;
        q.base = kAce;
        q.stop = kAce;
        q.direction = row.direction;
        q.rule = row.rule;
        if (row.prepare) row.prepare(s, q);
        RecordingSink sink;
        EXPECT_EQ(CheckBuild(s, q, sink), row.expected) << row.name;
    }
}

TEST(CheckBuild, RulesHandledBeforeTheGeneralTest) {
    auto emptyStock = [](GameState& s, BuildQuery&) { s.table.Truncate(kStockPile, 0); };
    auto insideRun = [](GameState&, BuildQuery& q) { q.dropping = false; };
    auto pileOf = [](std::initializer_list<int> cards) {
        return [cards](GameState& s, BuildQuery& q) {
            Put(s, TableauPile(2), cards);
            q.pile = 2;
        };
    };
    auto foundationOf = [](int count) {
        return [count](GameState& s, BuildQuery& q) {
            s.table.Truncate(FoundationPile(0), 0);
            for (int k = 0; k < count; ++k)
                s.table.Append(FoundationPile(0), static_cast<Card>(Second(H(1)) + k % 13), true);
            q.pile = 0;
        };
    };
    RunRows({
        {"a card never goes on itself", kAnything, kDown, S(5), S(5), false},
        {"rule 4 takes nothing", kClosed, kDown, S(6), S(5), false},
        {"rule 5 takes nothing", kClosedToo, kDown, kEmpty, S(5), false},
        {"rule 7: drop onto empty pile while stock is out", kEmptyOnceStockIsOut, kDown, kEmpty,
         S(5), true, emptyStock},
        {"rule 7: not while the stock holds cards", kEmptyOnceStockIsOut, kDown, kEmpty, S(5),
         false},
        {"rule 7: never onto a card when dropping", kEmptyOnceStockIsOut, kDown, S(6), H(5), false,
         emptyStock},
        {"rule 7 inside a run: general test", kEmptyOnceStockIsOut, kDown, S(6), H(5), true,
         insideRun},
        {"rule 11: queen never on king", kSameSuitNoQueenOnKingJack, kDown, S(13), S(12), false},
        {"rule 11: queen never on jack", kSameSuitNoQueenOnKingJack, kUp, S(11), S(12), false},
        {"rule 11: otherwise same suit", kSameSuitNoQueenOnKingJack, kDown, S(6), S(5), true},
        {"rule 11: other suit refused", kSameSuitNoQueenOnKingJack, kDown, S(6), H(5), false},
        {"rule 12 takes anything", kAnything, kDown, S(2), H(9), true},
        {"rule 14 on empty takes an ace", kStepsOfTwo, kDown, kEmpty, C(1), true},
        {"rule 14 on empty refuses a 2", kStepsOfTwo, kDown, kEmpty, C(2), false},
        {"rule 15 on empty takes a 2", kStepsOfThree, kDown, kEmpty, C(2), true},
        {"rule 16 on empty takes a 3", kStepsOfFour, kDown, kEmpty, C(3), true},
        {"rule 14 after a queen takes an ace", kStepsOfTwo, kDown, S(12), H(1), true},
        {"rule 14 builds by twos", kStepsOfTwo, kDown, S(5), H(7), true},
        {"rule 14 refuses a step of one", kStepsOfTwo, kDown, S(5), H(6), false},
        {"rule 17 refuses a tableau card", kNotFromTableau, kDown, kEmpty, D(9), false},
        {"rule 17 takes a waste card", kNotFromTableau, kDown, kEmpty, S(9), true},
        {"rule 18 refuses a tableau card while pile n holds cards", kNotFromTableauUnlessEmpty,
         kDown, kEmpty, D(9), false, [](GameState&, BuildQuery& q) { q.pile = 1; }},
        {"rule 18 takes a tableau card while pile n is empty", kNotFromTableauUnlessEmpty, kDown,
         kEmpty, D(9), true, [](GameState&, BuildQuery& q) { q.pile = 3; }},
        {"rule 19 refuses a reserve card", kNotFromTableauOrReserve, kDown, kEmpty, C(9), false},
        {"rule 19 takes a waste card", kNotFromTableauOrReserve, kDown, kEmpty, S(9), true},
        {"rule 20: an ace onto an empty pile", kUpAnySuitAroundTheCorner, kUp, kEmpty, C(1), true},
        {"rule 20: nothing else onto an empty pile", kUpAnySuitAroundTheCorner, kUp, kEmpty, C(2),
         false},
        {"rule 20: an ace onto a king", kUpAnySuitAroundTheCorner, kUp, S(13), H(1), true},
        {"rule 20: one up in any suit", kUpAnySuitAroundTheCorner, kUp, S(4), H(5), true},
        {"rule 21: never the same suit", kNotSameSuit, kDown, S(6), S(5), false},
        {"rule 21: another suit by the general test", kNotSameSuit, kDown, S(6), C(5), true},
        {"rule 23: one up in suit while the waste is empty", kUpInSuitWhileWasteEmpty, kUp, H(4),
         H(5), true, [](GameState& s, BuildQuery&) { s.table.Truncate(kWastePile, 0); }},
        {"rule 23: not while the waste holds cards", kUpInSuitWhileWasteEmpty, kUp, H(4), H(5),
         false},
        {"rule 23: never onto an empty pile", kUpInSuitWhileWasteEmpty, kUp, kEmpty, H(1), false,
         [](GameState& s, BuildQuery&) { s.table.Truncate(kWastePile, 0); }},
        {"rule 24: no queen on a king", kSuitNoQueenKingPair, kDown, S(13), S(12), false},
        {"rule 24: no king on a queen", kSuitNoQueenKingPair, kUp, S(12), S(13), false},
        {"rule 24: only T's suit", kSuitNoQueenKingPair, kDown, S(6), C(5), false},
        {"rule 24: in suit by the general test", kSuitNoQueenKingPair, kDown, S(6), S(5), true},
        {"rule 24: empty pile by its base code", kSuitNoQueenKingPair, kDown, kEmpty, S(13), true,
         Base(kKing, kAce)},
        {"rule 25: empty takes anything", kSuitByTwos, kDown, kEmpty, S(8), true},
        {"rule 25: up by two in suit", kSuitByTwos, kUp, S(3), S(5), true},
        {"rule 25: down by two in suit", kSuitByTwos, kDown, S(5), S(3), true},
        {"rule 25: not up when building down", kSuitByTwos, kDown, S(3), S(5), false},
        {"rule 26: one away, any suit, on a short pile", kAnySuitOnShortPile, kDown, D(4), S(5),
         true, pileOf({C(2), D(4)})},
        {"rule 26: nothing on a pile of three", kAnySuitOnShortPile, kDown, D(4), S(5), false,
         pileOf({C(2), C(3), D(4)})},
        {"rule 26: nothing onto an empty pile", kAnySuitOnShortPile, kDown, kEmpty, S(5), false,
         pileOf({})},
        {"rule 27: nothing from a foundation", kAlternateNotFromFoundationOrReserve, kDown, C(2),
         H(1), false},
        {"rule 27: nothing from a reserve", kAlternateNotFromFoundationOrReserve, kDown, D(10),
         C(9), false},
        {"rule 27: alternate colours from the tableau", kAlternateNotFromFoundationOrReserve, kDown,
         S(10), D(9), true},
        {"rule 27: same colour refused", kAlternateNotFromFoundationOrReserve, kDown, H(10), D(9),
         false},
        {"rule 28: empty takes anything", kSuitUpOrDownNoWrap, kDown, kEmpty, S(7), true},
        {"rule 28: an ace takes a 2", kSuitUpOrDownNoWrap, kDown, S(1), S(2), true},
        {"rule 28: an ace does not take a king", kSuitUpOrDownNoWrap, kDown, S(1), S(13), false},
        {"rule 28: a king takes a queen", kSuitUpOrDownNoWrap, kDown, S(13), S(12), true},
        {"rule 29: up in suit to the king", kSuitUpThenKingThenDown, kUp, Second(H(12)), H(13),
         true, foundationOf(12)},
        {"rule 29: a second king after a whole suit", kSuitUpThenKingThenDown, kUp, Second(H(13)),
         H(13), true, foundationOf(13)},
        {"rule 29: nothing but a king after a whole suit", kSuitUpThenKingThenDown, kUp,
         Second(H(13)), H(1), false, foundationOf(13)},
        {"rule 29: then down again", kSuitUpThenKingThenDown, kUp, H(13), H(12), true,
         foundationOf(14)},
        {"rule 29: not up once past the second king", kSuitUpThenKingThenDown, kUp, H(12), H(13),
         false, foundationOf(15)},
        {"rule 29: empty by the balanced base", kSuitUpThenKingThenDown, kUp, kEmpty, S(1), true,
         Base(kBaseBalancedAces, kBaseBalancedAces)},
        {"rule 30: follows an upward pile", kSuitFollowsPileDirection, kDown, S(6), S(7), true,
         pileOf({S(5), S(6)})},
        {"rule 30: not against an upward pile", kSuitFollowsPileDirection, kDown, S(6), S(5), false,
         pileOf({S(5), S(6)})},
        {"rule 30: follows a downward pile", kSuitFollowsPileDirection, kDown, S(5), S(4), true,
         pileOf({S(6), S(5)})},
        {"rule 30: either way on one card", kSuitFollowsPileDirection, kDown, S(5), S(6), true,
         pileOf({S(5)})},
        {"rule 30: other suit refused", kSuitFollowsPileDirection, kDown, S(5), H(6), false,
         pileOf({S(5)})},
        {"rule 30: no king on an ace", kSuitFollowsPileDirection, kDown, S(1), S(13), false,
         pileOf({S(2), S(1)})},
        {"rule 30: empty takes nothing", kSuitFollowsPileDirection, kDown, kEmpty, S(5), false,
         pileOf({})},
        {"rule 31: nothing on an ace", kSuitDownNothingOnAce, kDown, S(1), S(13), false},
        {"rule 31: down in suit", kSuitDownNothingOnAce, kDown, S(7), S(6), true},
        {"rule 32: nothing on a king", kSuitUpNothingOnKing, kUp, S(13), S(1), false},
        {"rule 32: up in suit", kSuitUpNothingOnKing, kUp, S(7), S(8), true},
        {"rule 33: not from the tableau", kNotFromTableauOnShortPile, kDown, kEmpty, D(9), false},
        {"rule 33: from the waste onto a pile of one", kNotFromTableauOnShortPile, kDown, C(3),
         S(9), true, pileOf({C(3)})},
        {"rule 33: not onto a pile of two", kNotFromTableauOnShortPile, kDown, C(3), S(9), false,
         pileOf({C(2), C(3)})},
    });
}

TEST(CheckBuild, GeneralTestSuitDirectionWrapAndStop) {
    auto past = [](GameState&, BuildQuery& q) { q.pastBase = true; };
    auto stop = [](int stopRank, bool pastBase) {
        return [=](GameState&, BuildQuery& q) {
            q.stop = stopRank;
            q.pastBase = pastBase;
        };
    };
    auto foundation = [](int base) {
        return [base](GameState&, BuildQuery& q) {
            q.wrap = true;
            q.base = base;
            q.stop = base;
        };
    };
    RunRows({
        {"rule 0: same suit", kSameSuit, kDown, S(6), S(5), true},
        {"rule 0: other suit refused", kSameSuit, kDown, S(6), C(5), false},
        {"rule 1: same colour", kSameColour, kDown, S(6), C(5), true},
        {"rule 1: other colour refused", kSameColour, kDown, S(6), H(5), false},
        {"rule 3: alternate colours", kAlternateColour, kDown, S(6), Second(D(5)), true},
        {"rule 3: same colour refused", kAlternateColour, kDown, S(6), C(5), false},
        {"rule 6: nothing on a card", kNoCardOnCard, kDown, S(6), H(5), false},
        {"an unlisted rule: any suit", 2, kDown, S(6), S(5), true},
        {"direction 0: one below", kSameSuit, kDown, S(6), S(5), true},
        {"direction 0: not one above", kSameSuit, kDown, S(6), S(7), false},
        {"direction 1: one above", kSameSuit, kUp, S(6), S(7), true},
        {"direction 1: not one below", kSameSuit, kUp, S(6), S(5), false},
        {"direction 2: one above", kSameSuit, kUpOrDown, S(6), S(7), true, Wrap(true)},
        {"direction 2: one below", kSameSuit, kUpOrDown, S(6), S(5), true, Wrap(true)},
        {"direction 3 accepts nothing", kSameSuit, 3, S(6), S(5), false},
        {"wrap up: an ace on a king when the base is not an ace", kSameSuit, kUp, S(13), S(1), true,
         foundation(7)},
        {"wrap up: no ace on a king on an ace-based foundation", kSameSuit, kUp, S(13), S(1), false,
         foundation(kAce)},
        {"wrap down: a king on an ace when the base is not a king", kSameSuit, kDown, S(1), S(13),
         true, foundation(7)},
        {"wrap down: no king on an ace on a king-based foundation", kSameSuit, kDown, S(1), S(13),
         false, foundation(kKing)},
        {"tableau: no king on an ace at the ace base", kAlternateColour, kDown, S(1), H(13), false},
        {"tableau: a king on an ace past the base", kAlternateColour, kDown, S(1), H(13), true,
         past},
        {"tableau: no 6 on the base 7", kAlternateColour, kDown, S(7), H(6), false, stop(7, false)},
        {"tableau: a 6 on the base 7 past the base", kAlternateColour, kDown, S(7), H(6), true,
         stop(7, true)},
        {"tableau: a king on an ace with base 7", kAlternateColour, kDown, S(1), H(13), true,
         stop(7, false)},
        {"tableau: stop code 81 stops at the ace", kAlternateColour, kDown, S(1), H(13), false,
         stop(kBaseBalancedAces, false)},
        {"tableau: stop code 83 past the base", kAlternateColour, kDown, S(1), H(13), true,
         stop(kBaseStartedByDealToo, true)},
    });
}

TEST(CheckBuild, EmptyPileByBaseCode) {
    auto single = [](bool on) {
        return [on](GameState&, BuildQuery& q) {
            q.singleCard = on;
            q.base = kBaseAnySingleCard;
        };
    };
    auto sharedRank = [](std::initializer_list<int> bottoms) {
        return [bottoms](GameState& s, BuildQuery& q) {
            s.table.Truncate(FoundationPile(0), 0);
            int n = 1;
            for (int c : bottoms) Put(s, FoundationPile(n++), {c});
            q.base = kBaseSharedRank;
        };
    };
    RunRows({
        {"-1 takes any card", kSameSuit, kDown, kEmpty, S(7), true, Base(kBaseAnyCard, kAce)},
        {"a rank takes that rank", kSameSuit, kDown, kEmpty, S(13), true, Base(kKing, kAce)},
        {"a rank refuses another", kSameSuit, kDown, kEmpty, S(12), false, Base(kKing, kAce)},
        {"a rank with stop -1 takes any card", kSameSuit, kDown, kEmpty, S(12), true,
         Base(5, kBaseAnyCard)},
        {"0 during the deal counts as empty", kSameSuit, kUp, 0, S(1), true},
        {"82 takes nothing", kSameSuit, kDown, kEmpty, S(1), false, Base(kBaseStartedByDeal, kAce)},
        {"83 takes nothing", kSameSuit, kDown, kEmpty, S(1), false,
         Base(kBaseStartedByDealToo, kAce)},
        {"86 takes a single card", kSameSuit, kDown, kEmpty, S(4), true, single(true)},
        {"86 refuses a run", kSameSuit, kDown, kEmpty, S(4), false, single(false)},
        {"87 takes a waste card", kSameSuit, kDown, kEmpty, S(9), true,
         Base(kBaseFromStockOrWaste, kAce)},
        {"87 takes a stock card", kSameSuit, kDown, kEmpty, S(13), true,
         Base(kBaseFromStockOrWaste, kAce)},
        {"87 refuses a tableau card", kSameSuit, kDown, kEmpty, D(9), false,
         Base(kBaseFromStockOrWaste, kAce)},
        {"87 refuses a reserve card", kSameSuit, kDown, kEmpty, C(9), false,
         Base(kBaseFromStockOrWaste, kAce)},
        {"92 with no foundation started: any rank", kSameSuit, kUp, kEmpty, S(8), true,
         sharedRank({})},
        {"92 takes the rank of the started foundations", kSameSuit, kUp, kEmpty, S(8), true,
         sharedRank({H(8), D(8)})},
        {"92 refuses another rank", kSameSuit, kUp, kEmpty, S(9), false, sharedRank({H(8)})},
        {"81 takes an ace", kSameSuit, kUp, kEmpty, S(1), true,
         Base(kBaseBalancedAces, kBaseBalancedAces)},
        {"81 refuses a 2", kSameSuit, kUp, kEmpty, S(2), false,
         Base(kBaseBalancedAces, kBaseBalancedAces)},
        {"84 takes a king", kSameSuit, kDown, kEmpty, S(13), true,
         Base(kBaseBalancedKingsBySuit, kBaseBalancedKingsBySuit)},
    });
}

TEST(BalancedBase, ColoursAndSuitsStayBalanced) {
    struct Case {
        const char* name;
        int code;
        std::vector<int> bottoms; // bottom cards of foundations 1.. (0: empty)
        int card;
        bool expected;
    } cases[] = {
        {"no foundation started", kBaseBalancedAces, {0, 0, 0, 0}, H(1), true},
        {"a second red ace of four", kBaseBalancedAces, {H(1), 0, 0, 0}, D(1), true},
        {"a third red ace of four", kBaseBalancedAces, {H(1), D(1), 0, 0}, Second(H(1)), false},
        {"a black ace beside two red", kBaseBalancedAces, {H(1), D(1), 0, 0}, S(1), true},
        {"a third black ace of four", kBaseBalancedAces, {S(1), C(1), 0, 0}, Second(S(1)), false},
        {"by suit: a suit only once",
         kBaseBalancedAcesBySuit,
         {H(1), 0, 0, 0},
         Second(H(1)),
         false},
        {"by suit: another suit", kBaseBalancedAcesBySuit, {H(1), 0, 0, 0}, C(1), true},
        {"by suit: kings only", kBaseBalancedKingsBySuit, {0, 0, 0, 0}, C(12), false},
        {"only foundations of the code make the half",
         kBaseBalancedAces,
         {H(1), 0, -1, -1},
         D(1),
         false},
        {"one of each colour of two", kBaseBalancedAces, {H(1), 0, -1, -1}, S(1), true},
    };
    for (const Case& c : cases) {
        GameState s = MakeGame({{param::kFoundationCount, 4}});
        for (int n = 0; n < 4; ++n) {
            int bottom = c.bottoms[static_cast<std::size_t>(n)];
            s.params.Set(param::kFoundationBase, n,
                         static_cast<std::int16_t>(bottom < 0 ? kAce : c.code));
            if (bottom > 0) Put(s, FoundationPile(n), {bottom});
        }
        RecordingSink sink;
        EXPECT_EQ(BalancedBaseAllowed(s, c.code, c.card, sink), c.expected) << c.name;
        EXPECT_TRUE(sink.messages.empty()) << c.name;
    }
}

TEST(BalancedBase, UnknownSuitIsReported) {
    GameState s = MakeGame({{param::kFoundationCount, 2}});
    SetRange(s, param::kFoundationBase, 2, kBaseBalancedAces);
    Put(s, FoundationPile(0), {kNoCard}); // a gap where a card should start the pile
    RecordingSink sink;
    EXPECT_FALSE(BalancedBaseAllowed(s, kBaseBalancedAces, S(1), sink));
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0], "Error suit - 1");
}

TEST(LocateCard, LocationCodes) {
    GameState s = RuleTable();
    Put(s, ReservePile(7), {H(7)});
    Put(s, FoundationPile(15), {H(8)});
    Put(s, TableauPile(25), {H(9)});
    Put(s, kThirdPile, {H(10)});
    struct Row {
        int card, location;
    } rows[] = {{S(13), -99}, {S(9), -98}, {H(1), -1},  {H(8), -16}, {D(9), 2},
                {H(9), 26},   {C(9), -21}, {H(7), -28}, {H(10), 0},  {H(11), 0}};
    for (const Row& r : rows)
        EXPECT_EQ(LocateCard(s.table, r.card), r.location) << "card " << r.card;
}

} // namespace
} // namespace tablamor
