// Per-kind placement tests, the run tests and the opening restriction.
#include "engine/placement.h"
#include "engine/rule_codes.h"
#include "rules_fixture.h"

#include <gtest/gtest.h>

#include <functional>

namespace tablamor {
namespace {

using namespace test;
using namespace code;

// Four ace-based foundations building up in suit to 13 cards; four tableau piles building down
// in alternating colours, kings into spaces; two reserves (free cells).
GameState SmallGame() {
    GameState s = MakeGame({{param::kFoundationCount, 4},
                            {param::kTableauCount, 4},
                            {param::kReserveCount, 2},
                            {param::kFoundationCapacity, 13},
                            {param::kRunSize, kRunAny}});
    SetRange(s, param::kFoundationBase, 4, kAce);
    SetRange(s, param::kFoundationDirection, 4, kUp);
    SetRange(s, param::kFoundationRule, 4, kSameSuit);
    SetRange(s, param::kTableauEmptyFill, 4, kKing);
    SetRange(s, param::kTableauDirection, 4, kDown);
    SetRange(s, param::kTableauRule, 4, kAlternateColour);
    return s;
}

struct Row {
    const char* name;
    std::function<void(GameState&)> prepare;
    std::function<bool(const GameState&, EventSink&)> test;
    bool expected;
};

void RunRows(const std::vector<Row>& rows) {
    for (const Row& row : rows) {
        GameState s = SmallGame();
        row.prepare(s);
        RecordingSink sink;
        EXPECT_EQ(row.test(s, sink), row.expected) << row.name;
    }
}

// The run from `card` up to `runTop`, carried from another pile.
MoveContext RunOf(int card, int runTop = kNoCard) {
    return MoveContext{static_cast<Card>(card), static_cast<Card>(runTop), false};
}

auto OnFoundation(int n, MoveContext move) {
    return
        [=](const GameState& s, EventSink& sink) { return CanPlaceOnFoundation(s, n, move, sink); };
}
auto OnFoundation(int n, int card) {
    return OnFoundation(n, MoveContext::Alone(static_cast<Card>(card)));
}
auto OnTableau(int n, MoveContext move) {
    return [=](const GameState& s, EventSink& sink) { return CanPlaceOnTableau(s, n, move, sink); };
}
auto OnTableau(int n, int card) {
    return OnTableau(n, MoveContext::Alone(static_cast<Card>(card)));
}
auto OnReserve(int k, MoveContext move) {
    return [=](const GameState& s, EventSink&) { return CanPlaceOnReserve(s, k, move); };
}
auto OnReserve(int k, int card) {
    return OnReserve(k, MoveContext::Alone(static_cast<Card>(card)));
}
auto Nothing() {
    return [](GameState&) {};
}

TEST(CanPlace, Foundations) {
    auto rule = [](int code, std::initializer_list<int> cards) {
        return [=](GameState& s) {
            s.params.Set(param::kFoundationRule, 0, static_cast<std::int16_t>(code));
            Put(s, FoundationPile(0), cards);
        };
    };
    auto fullSuit = [](GameState& s) {
        for (int r = 1; r <= 13; ++r)
            s.table.Append(FoundationPile(0), static_cast<Card>(H(r)), true);
    };
    RunRows({
        {"an ace onto an empty foundation", Nothing(), OnFoundation(0, S(1)), true},
        {"a run is never taken, even when its card fits", Nothing(), OnFoundation(0, RunOf(S(1))),
         false},
        {"one up in suit", [](GameState& s) { Put(s, FoundationPile(0), {H(1)}); },
         OnFoundation(0, H(2)), true},
        {"no ace on a full ace-based suit", fullSuit, OnFoundation(0, Second(H(1))), false},
        {"rule 10: a queen onto an empty foundation", rule(kQueenOnlyToEmpty, {}),
         OnFoundation(0, S(12)), true},
        {"rule 10: a queen onto a card", rule(kQueenOnlyToEmpty, {S(11)}), OnFoundation(0, S(12)),
         false},
        {"rule 10: no other card", rule(kQueenOnlyToEmpty, {}), OnFoundation(0, S(11)), false},
        {"rule 22: an ace always", rule(kAceOrBelowTableauTop, {H(9)}), OnFoundation(0, S(1)),
         true},
        {"rule 22: below a tableau top of its suit",
         [=](GameState& s) {
             rule(kAceOrBelowTableauTop, {})(s);
             Put(s, TableauPile(2), {S(9)});
         },
         OnFoundation(0, S(5)), true},
        {"rule 22: below a tableau ace of its suit",
         [=](GameState& s) {
             rule(kAceOrBelowTableauTop, {})(s);
             Put(s, TableauPile(2), {S(1)});
         },
         OnFoundation(0, S(5)), true},
        {"rule 22: not above the tableau top",
         [=](GameState& s) {
             rule(kAceOrBelowTableauTop, {})(s);
             Put(s, TableauPile(2), {S(4)});
         },
         OnFoundation(0, S(5)), false},
        {"rule 20: past the capacity",
         [=](GameState& s) {
             fullSuit(s);
             s.params.Set(param::kFoundationRule, 0, kUpAnySuitAroundTheCorner);
         },
         OnFoundation(0, S(1)), true},
        {"rule 20: never a second deck",
         [=](GameState& s) {
             s.params.Set(param::kFoundationRule, 0, kUpAnySuitAroundTheCorner);
             for (int k = 0; k < 52; ++k)
                 s.table.Append(FoundationPile(0), static_cast<Card>(Second(H(1)) + k % 52 % 13),
                                true);
         },
         OnFoundation(0, S(1)), false},
    });
}

TEST(CanPlace, Tableau) {
    auto pile = [](int n, std::initializer_list<int> cards, bool faceUp = true) {
        return [=](GameState& s) { Put(s, TableauPile(n), cards, faceUp); };
    };
    RunRows({
        {"down in alternating colours", pile(0, {S(9)}), OnTableau(0, H(8)), true},
        {"not onto a face-down card", pile(0, {S(9)}, false), OnTableau(0, H(8)), false},
        {"a king into a space", Nothing(), OnTableau(0, S(13)), true},
        {"only a king into a space", Nothing(), OnTableau(0, S(12)), false},
        {"a run back on its own pile", pile(0, {S(9), H(8)}), OnTableau(0, RunOf(H(8), H(8))),
         false},
        {"a run is refused on the pile whose top is the run's top",
         [](GameState& s) {
             Put(s, TableauPile(1), {S(10), H(9), S(8)});
             Put(s, TableauPile(0), {C(9)});
         },
         OnTableau(0, RunOf(H(8), C(9))), false},
    });
}

TEST(CanPlace, Reserves) {
    auto rule = [](int code, int firstReserveCards) {
        return [=](GameState& s) {
            s.params.Set(param::kReserveRule, 1, static_cast<std::int16_t>(code));
            for (int k = 0; k < firstReserveCards; ++k)
                s.table.Append(ReservePile(0), static_cast<Card>(C(k + 1)), true);
        };
    };
    RunRows({
        {"4: nothing", rule(kReserveClosed, 0), OnReserve(1, S(13)), false},
        {"8: a king", rule(kReserveKingsWhileFirstShort, 2), OnReserve(1, S(13)), true},
        {"8: not a queen", rule(kReserveKingsWhileFirstShort, 0), OnReserve(1, S(12)), false},
        {"8: no king once the first reserve holds 3", rule(kReserveKingsWhileFirstShort, 3),
         OnReserve(1, S(13)), false},
        {"13: any card while the first reserve holds 4", rule(kReserveAnyWhileFirstShort, 4),
         OnReserve(1, S(2)), true},
        {"13: nothing once it holds 5", rule(kReserveAnyWhileFirstShort, 5), OnReserve(1, S(2)),
         false},
        {"9: a court card onto an empty reserve", rule(kReserveCourtCardsToEmpty, 0),
         OnReserve(1, S(11)), true},
        {"9: not a ten", rule(kReserveCourtCardsToEmpty, 0), OnReserve(1, S(10)), false},
        {"other: any single card onto an empty reserve", rule(0, 3), OnReserve(1, S(2)), true},
        {"other: not onto a card", rule(0, 3), OnReserve(0, S(2)), false},
        {"other: not a run", Nothing(), OnReserve(1, RunOf(S(2))), false},
    });
}

TEST(CanPlace, OnAnyPile) {
    GameState s = SmallGame();
    Put(s, TableauPile(2), {S(9)});
    RecordingSink sink;
    EXPECT_TRUE(CanPlaceOnPile(s, MoveContext::Alone(S(1)), FoundationPile(1), sink));
    EXPECT_TRUE(CanPlaceOnPile(s, MoveContext::Alone(H(8)), TableauPile(2), sink));
    EXPECT_FALSE(CanPlaceOnPile(s, MoveContext::Alone(C(8)), TableauPile(2), sink));
    EXPECT_TRUE(CanPlaceOnPile(s, MoveContext::Alone(H(8)), ReservePile(1), sink));
    EXPECT_FALSE(CanPlaceOnPile(s, MoveContext::Alone(H(8)), ReservePile(2), sink))
        << "the game has two reserves";
    EXPECT_FALSE(CanPlaceOnPile(s, MoveContext::Alone(S(13)), TableauPile(4), sink))
        << "the game has four tableau piles";
    EXPECT_FALSE(CanPlaceOnPile(s, MoveContext::Alone(H(8)), kWastePile, sink));
}

TEST(RunSize, LargestRunByCode) {
    struct Case {
        const char* name;
        int code;
        int emptyReserves; // of 2
        int emptyTableaus; // of 4; the run lies on another pile
        int runLength;
        int runBottom;
        bool toEmpty;
        bool expected;
    } cases[] = {
        {"-1: any run", kRunAny, 0, 0, 12, S(13), false, true},
        {"-12: a king-led run of any length", kRunKingLed, 0, 0, 12, S(13), false, true},
        {"-12: another run only as one card", kRunKingLed, 2, 2, 2, S(9), false, false},
        {"-12: one card", kRunKingLed, 0, 0, 1, S(9), false, true},
        {"-5: no spaces, free cells + 1", kRunFreeCellsAndSpaces, 2, 0, 3, S(9), false, true},
        {"-5: no spaces, not more", kRunFreeCellsAndSpaces, 2, 0, 4, S(9), false, false},
        {"-5: picking up 4 with 2 cells and a space", kRunFreeCellsAndSpaces, 2, 1, 4, S(9), false,
         true},
        {"-5: picking up 5 with 2 cells and a space", kRunFreeCellsAndSpaces, 2, 1, 5, S(9), false,
         false},
        {"-5: dropping 3 on the one space", kRunFreeCellsAndSpaces, 2, 1, 3, S(9), true, true},
        {"-5: dropping 4 on the one space", kRunFreeCellsAndSpaces, 2, 1, 4, S(9), true, false},
        {"-6: cells and spaces", kRunFreeCellsOrSpaces, 1, 2, 3, S(9), false, true},
        {"-6: not one more", kRunFreeCellsOrSpaces, 1, 2, 4, S(9), false, false},
        {"-7: 2 cells, doubled by a space", kRunClassicSupermove, 2, 1, 6, S(9), false, true},
        {"-7: not 7", kRunClassicSupermove, 2, 1, 7, S(9), false, false},
        {"-7: 1 cell, doubled by two spaces", kRunClassicSupermove, 1, 2, 8, S(9), false, true},
        {"-7: half onto the space", kRunClassicSupermove, 2, 1, 3, S(9), true, true},
        {"-7: not 4 onto the space", kRunClassicSupermove, 2, 1, 4, S(9), true, false},
        {"-7: no cells, no spaces", kRunClassicSupermove, 0, 0, 2, S(9), false, false},
        {"-8: the whole pile", kRunTopCardOrWholePile, 0, 0, 5, S(9), false, true},
        {"-9: cells + 1", kRunFreeCellsOnly, 2, 2, 3, S(9), false, true},
        {"-9: spaces do not count", kRunFreeCellsOnly, 2, 2, 4, S(9), false, false},
        {"-3: as many as spaces", -3, 2, 2, 2, S(9), false, true},
        {"-3: at least one", -3, 2, 0, 1, S(9), false, true},
        {"-3: not more than spaces", -3, 2, 0, 2, S(9), false, false},
        {"0: single cards", 0, 2, 2, 1, S(9), false, true},
        {"0: no runs", 0, 2, 2, 2, S(9), false, false},
        {"3: three cards", 3, 0, 0, 3, S(9), false, true},
        {"3: not four", 3, 0, 0, 4, S(9), false, false},
    };
    for (const Case& c : cases) {
        GameState s = SmallGame();
        s.params[param::kRunSize] = static_cast<std::int16_t>(c.code);
        for (int k = c.emptyReserves; k < 2; ++k) Put(s, ReservePile(k), {D(1 + k)});
        for (int n = c.emptyTableaus; n < 3; ++n) Put(s, TableauPile(n), {D(5 + n)});
        PileIndex runPile = TableauPile(3);
        s.table.Append(runPile, static_cast<Card>(c.runBottom), true);
        for (int k = 1; k < c.runLength; ++k)
            s.table.Append(runPile, static_cast<Card>(C(k)), true);
        EXPECT_EQ(c.runLength <= LargestRunAllowed(s, static_cast<Card>(c.runBottom), c.toEmpty),
                  c.expected)
            << c.name;
    }
}

TEST(RunSize, DropOnEmptyTableauWithFreeCellsAndSpaces) {
    // two empty reserves, the target the only space: a run of 3 may go there, a run of 4 not
    for (int length : {3, 4}) {
        GameState s = SmallGame();
        s.params[param::kRunSize] = kRunFreeCellsAndSpaces;
        SetRange(s, param::kTableauEmptyFill, 4, kBaseAnyCard);
        Put(s, TableauPile(1), {D(13)});
        Put(s, TableauPile(2), {D(12)});
        Put(s, TableauPile(3), {S(10), H(9), S(8), H(7)});
        const Card bottom = s.table.At(TableauPile(3), 4 - length);
        RecordingSink sink;
        EXPECT_EQ(CanPlaceOnTableau(s, 0, RunOf(bottom, H(7)), sink), length == 3)
            << "run of " << length;
    }
}

TEST(RunSize, LimitReadsTheCardOnlyWhereItSaysSo) {
    // one cell and one space free; the king-led and whole-pile codes read the run's bottom card,
    // the others give every card the same limit
    for (const int code :
         {kRunAny, kRunKingLed, kRunTopCardOrWholePile, kRunFreeCellsAndSpaces,
          kRunFreeCellsOrSpaces, kRunClassicSupermove, kRunFreeCellsOnly, -3, 0, 3}) {
        GameState s = SmallGame();
        s.params[param::kRunSize] = static_cast<std::int16_t>(code);
        Put(s, ReservePile(1), {D(1)});
        Put(s, TableauPile(1), {D(5)});
        Put(s, TableauPile(2), {S(13), H(12)});
        Put(s, TableauPile(3), {D(6), S(5), H(4)});
        bool differs = false;
        for (const bool toEmpty : {false, true})
            for (Card c = 1; c <= kDeckSize; ++c)
                differs = differs || LargestRunAllowed(s, c, toEmpty) !=
                                         LargestRunAllowed(s, kNoCard, toEmpty);
        EXPECT_EQ(RunLimitReadsCard(s), differs) << "run size code " << code;
    }
}

TEST(IsBuiltRun, CheckModes) {
    struct Case {
        const char* name;
        int mode;
        std::vector<int> pile;
        int from;
        bool expected;
    } cases[] = {
        {"pile rule: alternating run", kRunCheckPileRule, {S(10), H(9), S(8)}, S(10), true},
        {"pile rule: broken colour", kRunCheckPileRule, {S(10), C(9), S(8)}, S(10), false},
        {"pile rule: from the middle", kRunCheckPileRule, {C(4), S(10), H(9)}, S(10), true},
        {"same suit: in suit", kRunCheckSameSuit, {S(10), S(9), S(8)}, S(10), true},
        {"same suit: alternating is not enough",
         kRunCheckSameSuit,
         {S(10), H(9), S(8)},
         S(10),
         false},
        {"no check: anything", 0, {S(2), H(9), S(8)}, S(2), true},
        {"a card not on the pile", kRunCheckPileRule, {S(10)}, H(3), false},
    };
    for (const Case& c : cases) {
        GameState s = SmallGame();
        s.params[param::kTableauRunCheck] = static_cast<std::int16_t>(c.mode);
        for (int card : c.pile) s.table.Append(TableauPile(1), static_cast<Card>(card), true);
        RecordingSink sink;
        EXPECT_EQ(IsBuiltRun(s, c.from, 1, sink), c.expected) << c.name;
    }
}

TEST(OpeningRestriction, OnlyTableauToFoundationFirst) {
    struct Case {
        const char* name;
        int restriction;
        int actionsDone;
        int card;
        PileIndex target;
        bool expected;
    } cases[] = {
        {"tableau card to a foundation", kOpeningRestrictionOn, 0, S(1), FoundationPile(0), true},
        {"tableau card to the tableau", kOpeningRestrictionOn, 0, S(1), TableauPile(1), false},
        {"waste card to a foundation", kOpeningRestrictionOn, 0, H(1), FoundationPile(0), false},
        {"after the first action", kOpeningRestrictionOn, 1, H(1), TableauPile(1), true},
        {"a game without the restriction", 0, 0, H(1), TableauPile(1), true},
    };
    for (const Case& c : cases) {
        GameState s = SmallGame();
        s.params[param::kOpeningRestriction] = static_cast<std::int16_t>(c.restriction);
        s.actionsDone = c.actionsDone;
        Put(s, TableauPile(0), {S(1)});
        Put(s, kWastePile, {H(1)});
        EXPECT_EQ(OpeningRestrictionAllows(s, c.card, c.target), c.expected) << c.name;
    }
}

} // namespace
} // namespace tablamor
