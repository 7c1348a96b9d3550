// Laying out a deal: every foundation start code, every after-deal step in its order, the score,
// and the definitions the deal refuses. Game number 1 deals, with 52 cards:
//   040 004 043 039 015 006 016 045 018 035 034 007 049 011 025 024 026 027 046 030 ...
#include "engine/deal.h"
#include "engine/deal_steps.h"
#include "engine/rule_codes.h"
#include "rules_fixture.h"

#include <gtest/gtest.h>

#include <functional>

namespace tablamor {
namespace {

using namespace test;
using namespace code;

const GameNumber kOne = *GameNumber::Parse("1");

// 52 cards, foundations building up in suit from the ace; nothing dealt.
GameState Definition(int foundations) {
    GameState s = MakeGame({{param::kCardCount, 52},
                            {param::kFoundationCount, foundations},
                            {param::kTableauCount, 7},
                            {param::kReserveCount, 2}});
    SetRange(s, param::kFoundationBase, kMaxFoundations, kAce);
    SetRange(s, param::kFoundationDirection, kMaxFoundations, kUp);
    SetRange(s, param::kFoundationRule, kMaxFoundations, kSameSuit);
    s.saved = NewGameState(s.params).saved;
    return s;
}

struct PileRow {
    PileIndex pile;
    const char* snapshot;
};

struct Row {
    const char* name;
    int foundations;
    std::function<void(GameState&)> define;
    std::vector<PileRow> piles;
    int score;
    std::function<void(const GameState&)> check = nullptr;
};

void RunRows(const std::vector<Row>& rows) {
    for (const Row& row : rows) {
        GameState s = Definition(row.foundations);
        row.define(s);
        RecordingSink sink;
        ASSERT_TRUE(DealGame(s, kOne, sink))
            << row.name << ": " << (sink.messages.empty() ? "" : sink.messages[0]);
        for (const PileRow& p : row.piles)
            EXPECT_EQ(s.table.SnapshotText(p.pile), p.snapshot)
                << row.name << ", " << PileName(p.pile);
        EXPECT_EQ(s.score, row.score) << row.name;
        if (row.check) row.check(s);
    }
}

auto Start(std::initializer_list<int> codes) {
    return [codes](GameState& s) {
        int n = 0;
        for (int c : codes)
            s.params.Set(param::kFoundationStartCard, n++, static_cast<std::int16_t>(c));
    };
}

auto Bases(std::vector<int> expected) {
    return [expected](const GameState& s) {
        for (std::size_t n = 0; n < expected.size(); ++n)
            EXPECT_EQ(s.P(param::kFoundationBase, static_cast<int>(n)), expected[n])
                << "base of foundation " << n + 1;
    };
}

TEST(DealGame, FoundationStartCodes) {
    RunRows({
        {"0: none", 4, Start({0, 0, 0, 0}), {{FoundationPile(0), ""}}, -52},
        {"91: the first card's rank in the following suits",
         4,
         Start({91, 91, 91, 91}),
         {{FoundationPile(0), "0011"},
          {FoundationPile(1), "0141"},
          {FoundationPile(2), "0271"},
          {FoundationPile(3), "0401"}},
         -32,
         Bases({1, 1, 1, 1})},
        {"20: the first card; 92: empty, taking foundation 1's base",
         4,
         [](GameState& s) {
             SetRange(s, param::kFoundationBase, 2, 7);
             Start({20, 92})(s);
         },
         {{FoundationPile(0), "0401"}, {FoundationPile(1), ""}},
         -47,
         Bases({1, 1})},
        {"93 and 94: the aces in suit order",
         4,
         Start({93, 94, 93, 94}),
         {{FoundationPile(0), "0011"},
          {FoundationPile(1), "0141"},
          {FoundationPile(2), "0271"},
          {FoundationPile(3), "0401"}},
         -32},
        {"95: kings of the first deck, then its aces",
         8,
         Start({95, 95, 95, 95, 95, 95, 95, 95}),
         {{FoundationPile(0), "0131"},
          {FoundationPile(3), "0521"},
          {FoundationPile(4), "0011"},
          {FoundationPile(7), "0401"}},
         -12,
         Bases({13, 13, 13, 13, 1, 1, 1, 1})},
        {"96: none", 4, Start({96, 96}), {{FoundationPile(0), ""}, {FoundationPile(1), ""}}, -52},
        {"55: the first card of rank 5",
         4,
         Start({0, 55}),
         {{FoundationPile(1), "0181"}},
         -47,
         Bases({1, 5})},
        {"152: card 52", 4, Start({152}), {{FoundationPile(0), "0521"}}, -47, Bases({13})},
        {"5: rank 5 of the pile's suit",
         4,
         Start({5, 5}),
         {{FoundationPile(0), "0051"}, {FoundationPile(1), "0181"}},
         -42},
        {"the start cards leave the deal array",
         4,
         [](GameState& s) {
             Start({20})(s);
             s.params[param::kStockDealt] = 3;
         },
         {{kStockPile, "004104310391"}},
         -47},
    });
}

TEST(DealGame, SuitMatesCountedRoundStayCards) {
    // number 158 deals the king of spades first: its fourth suit-mate counted round is itself,
    // never the no-card code 0
    GameState s = Definition(4);
    Start({91, 91, 91, 91})(s);
    RecordingSink sink;
    ASSERT_TRUE(DealGame(s, *GameNumber::Parse("158"), sink));
    EXPECT_EQ(s.table.PileString(FoundationPile(0)), "013");
    EXPECT_EQ(s.table.PileString(FoundationPile(3)), "052");
    EXPECT_EQ(s.P(param::kFoundationBase, 3), kKing);
}

TEST(DealGame, LayoutInOrder) {
    auto set = [](std::initializer_list<std::pair<int, int>> values) {
        return [values](GameState& s) {
            for (auto [index, value] : values) s.params[index] = static_cast<std::int16_t>(value);
        };
    };
    RunRows({
        {"the third pile's start card, code above 100",
         4,
         set({{param::kThirdPileStartCard, 113}}),
         {{kThirdPile, "0131"}},
         -47},
        {"the third pile's start card as a code",
         4,
         set({{param::kThirdPileStartCard, 13}, {param::kStockDealt, 1}}),
         {{kThirdPile, "0131"}, {kStockPile, "0401"}},
         -47},
        {"stock face up when the game says so",
         4,
         set({{param::kStockDealt, 3}}),
         {{kStockPile, "040100410431"}},
         -52},
        {"stock face down",
         4,
         set({{param::kStockDealt, 3}, {param::kStockFaceDown, 1}}),
         {{kStockPile, "040000400430"}},
         -52},
        {"stock, waste, tableau, third pile, reserves in that order",
         4,
         set({{param::kStockDealt, 1},
              {param::kStockFaceDown, 1},
              {param::kWasteDealt, 2},
              {param::kTableauDealt.Index(1), 3},
              {param::kTableauFaceUp.Index(1), 1},
              {param::kThirdPileDealt, 2},
              {param::kReserveDealt.Index(1), 2}}),
         {{kStockPile, "0400"},
          {kWastePile, "00410431"},
          {TableauPile(1), "039001500061"},
          {kThirdPile, "01610451"},
          {ReservePile(1), "01810351"}},
         -42},
        {"an alternating face-up count of -1 on seven cards",
         4,
         set({{param::kTableauDealt.Index(0), 7}, {param::kTableauFaceUp.Index(0), -1}}),
         {{TableauPile(0), "0401004004310390015100600161"}},
         -52},
        {"P[1]: a card to foundation 1 fixes every base",
         4,
         set({{param::kStockDealt, 3},
              {param::kStockFaceDown, 1},
              {param::kDealFoundationBaseCard, 1},
              {param::kTableauEmptyFill.Index(0), kFillBelowFoundationBase}}),
         {{FoundationPile(0), "0391"}},
         -47,
         [](const GameState& s) {
             Bases({13, 13, 13, 13, 13, 13, 13, 13, 13, 13, 13, 13, 13, 13, 13, 13})(s);
             EXPECT_EQ(s.P(param::kTableauEmptyFill, 0), 12) << "one below the new base";
         }},
        {"91 empty-fill below the loaded base",
         4,
         set({{param::kTableauEmptyFill.Index(3), kFillBelowFoundationBase}}),
         {},
         -52,
         [](const GameState& s) { EXPECT_EQ(s.P(param::kTableauEmptyFill, 3), 13); }},
        {"P[10]: one more card to foundation 1",
         4,
         set({{param::kStockDealt, 1}, {param::kDealFoundationCard, 1}}),
         {{FoundationPile(0), "0041"}},
         -47},
        {"P[30]: the score after the deal", 4, set({{param::kDealScore, 3}}), {}, -37},
        {"special code 9 keeps no score",
         4,
         set({{param::kSpecialCode, kSpecialUnscored}, {param::kFoundationStartCard.Index(0), 20}}),
         {{FoundationPile(0), "0401"}},
         0},
        {"93: tableau cards gathered after the deal",
         4,
         [](GameState& s) {
             Start({93, 93, 93, 93})(s);
             SetRange(s, param::kTableauDealt, 7, 1);
             SetRange(s, param::kTableauFaceUp, 7, 1);
         },
         {{FoundationPile(1), "014101510161"},
          {TableauPile(3), ""},
          {TableauPile(5), ""},
          {TableauPile(6), "0451"}},
         -22},
    });
}

TEST(DealGame, RefusedDefinitionsLeaveTheStateAsItWas) {
    struct Case {
        const char* name;
        std::function<void(GameState&)> define;
        const char* message;
    } cases[] = {
        {"60 cards", [](GameState& s) { s.params[param::kCardCount] = 60; },
         "Error 01 - fnGameNumberCardsArray"},
        {"103 cards", [](GameState& s) { s.params[param::kCardCount] = 103; },
         "Error 01 - fnGameNumberCardsArray"},
        {"no cards", [](GameState& s) { s.params[param::kCardCount] = 0; },
         "Error 01 - fnGameNumberCardsArray"},
        {"a negative count", [](GameState& s) { s.params[param::kCardCount] = -4; },
         "Error 01 - fnGameNumberCardsArray"},
        {"more cards than the game has",
         [](GameState& s) {
             s.params[param::kStockDealt] = 50;
             s.params.Set(param::kTableauDealt, 2, 3);
         },
         "Cannot deal this game: Fila3 asks for 3 cards but only 2 are left."},
        {"a card to foundation 1 when none is left",
         [](GameState& s) {
             s.params[param::kStockDealt] = 52;
             s.params[param::kDealFoundationCard] = 1;
         },
         "Cannot deal this game: Dest1 asks for 1 cards but only 0 are left."},
        {"a start card outside the game",
         [](GameState& s) { s.params.Set(param::kFoundationStartCard, 3, 50); },
         "Cannot deal this game: Dest4 starts with card 089, which is not among the cards left to "
         "deal."},
        {"one start card on two foundations",
         [](GameState& s) {
             SetRange(s, param::kFoundationStartCard, 2, kStartCardCodeOffset + 1);
         },
         "Cannot deal this game: Dest2 starts with card 001, which is not among the cards left to "
         "deal."},
        {"the third pile's start card twice",
         [](GameState& s) {
             s.params.Set(param::kFoundationStartCard, 0, 101);
             s.params[param::kThirdPileStartCard] = 101;
         },
         "Cannot deal this game: Mazzo_Waste starts with card 001, which is not among the cards "
         "left to deal."},
    };
    for (const Case& c : cases) {
        GameState s = Definition(4);
        c.define(s);
        Put(s, TableauPile(0), {S(1)}); // whatever lay there before stays
        GameState before = s;
        RecordingSink sink;
        EXPECT_FALSE(DealGame(s, kOne, sink)) << c.name;
        EXPECT_EQ(s, before) << c.name;
        ASSERT_EQ(sink.messages.size(), 1u) << c.name;
        EXPECT_EQ(sink.messages[0], c.message) << c.name;
    }
}

TEST(DealGame, SameNumberSameTable) {
    GameState s = Definition(4);
    s.params[param::kStockDealt] = 24;
    s.params[param::kStockFaceDown] = 1;
    for (int n = 0; n < 7; ++n) {
        s.params.Set(param::kTableauDealt, n, static_cast<std::int16_t>(n + 1));
        s.params.Set(param::kTableauFaceUp, n, 1);
    }
    GameState first = s, second = s;
    RecordingSink sink;
    ASSERT_TRUE(DealGame(first, kOne, sink));
    for (int c = 1; c <= kDeckSize; ++c) second.table.SetFaceUp(c, c % 2 == 0);
    ASSERT_TRUE(DealGame(second, kOne, sink));
    EXPECT_EQ(first.table, second.table);
    EXPECT_EQ(first.table.Hash(), second.table.Hash());
}

// A deal for play starts from a cleared table and fresh counters, whatever the last deal left;
// a refused one leaves the game in play as it was.
TEST(DealForPlay, ClearsTheLastDealAndPutsTheNewOneInPlay) {
    GameState s = Definition(4);
    s.params[param::kStockDealt] = 52;
    s.params.Set(param::kFoundationBase, 1, kKing); // rewritten by the last deal
    Put(s, TableauPile(0), {S(1)});
    s.passesUsed = 3;
    s.actionsDone = 2;
    s.stockPressed = true;
    s.won = true;
    RecordingSink sink;
    ASSERT_TRUE(DealForPlay(s, kOne, sink));
    EXPECT_TRUE(s.active);
    EXPECT_FALSE(s.won);
    EXPECT_EQ(s.passesUsed, 1);
    EXPECT_EQ(s.actionsDone, 0);
    EXPECT_FALSE(s.stockPressed);
    EXPECT_TRUE(s.table.Empty(TableauPile(0)));
    EXPECT_EQ(s.table.Size(kStockPile), 52);
    EXPECT_EQ(s.P(param::kFoundationBase, 1), kAce);

    s.params[param::kCardCount] = 60;
    const GameState before = s;
    EXPECT_FALSE(DealForPlay(s, kOne, sink));
    EXPECT_EQ(s, before);
}

// The after-deal steps on hand-made tables.
GameState GatherTable(int startCode, int byPile) {
    GameState s = Definition(8);
    s.params.Set(param::kFoundationStartCard, 0, static_cast<std::int16_t>(startCode));
    s.params[param::kAfterDealByPile] = static_cast<std::int16_t>(byPile);
    s.params[param::kTableauCount] = 10;
    return s;
}

TEST(AfterDeal, GatherRowByRowOrPileByPile) {
    for (int byPile : {0, 1}) {
        GameState s = GatherTable(kStartAceThenGather, byPile);
        Put(s, FoundationPile(0), {H(1)});
        Put(s, TableauPile(0), {S(9), H(3)});
        Put(s, TableauPile(1), {H(2), S(8)});
        RecordingSink sink;
        deal::GatherToFoundations(s, sink);
        EXPECT_EQ(s.table.PileString(FoundationPile(0)), byPile ? "001002" : "001002003") << byPile;
        EXPECT_EQ(s.table.PileString(TableauPile(1)), "047");
        EXPECT_TRUE(s.table.FaceUp(H(2)));
    }
}

TEST(AfterDeal, GatherToOwnOrGroupedFoundations) {
    struct Case {
        const char* name;
        int code;
        int pile;
        int card;
        int foundation; // where it goes, -1: stays
    } cases[] = {
        {"93: any foundation", kStartAceThenGather, 1, C(2), 6},
        {"94: only the pile's own foundation", kStartAceThenGatherOwn, 1, C(2), -1},
        {"94: its own foundation", kStartAceThenGatherOwn, 2, C(12), 2},
        {"95: piles 1-4 to foundations 1-4", kStartKingsAndAcesThenGather, 0, C(12), 2},
        {"95: piles 1-4 not to foundations 5-8", kStartKingsAndAcesThenGather, 0, S(2), -1},
        {"95: piles 7-10 to foundations 5-8", kStartKingsAndAcesThenGather, 9, S(2), 7},
        {"95: piles 7-10 not to foundations 1-4", kStartKingsAndAcesThenGather, 6, C(12), -1},
        {"95: piles 5 and 6 to any", kStartKingsAndAcesThenGather, 4, S(2), 7},
    };
    for (const Case& c : cases) {
        GameState s = GatherTable(c.code, 0);
        for (int n = 0; n < 4; ++n) s.params.Set(param::kFoundationDirection, n, kDown);
        const int tops[] = {H(13), D(13), C(13), S(13), H(1), D(1), C(1), S(1)};
        for (int n = 0; n < 8; ++n) Put(s, FoundationPile(n), {tops[n]});
        Put(s, TableauPile(c.pile), {c.card});
        RecordingSink sink;
        deal::GatherToFoundations(s, sink);
        PileIndex where = s.table.PileOf(static_cast<Card>(c.card));
        EXPECT_EQ(where, c.foundation < 0 ? TableauPile(c.pile) : FoundationPile(c.foundation))
            << c.name;
    }
}

TEST(AfterDeal, AcesUpReplacedFromTheStock) {
    GameState s = GatherTable(kStartNoneAcesFromTableau, 0);
    Put(s, TableauPile(0), {S(5), H(1), D(1)});
    Put(s, TableauPile(1), {C(1)});
    Put(s, kStockPile, {S(10), S(11)}, false);
    RecordingSink sink;
    deal::AcesUpReplacedFromStock(s, sink);
    EXPECT_EQ(s.table.SnapshotText(TableauPile(1)), "0501")
        << "C(1) up, the stock's top card face up in its place";
    EXPECT_EQ(s.table.PileString(TableauPile(0)), "044049")
        << "both aces up, one stock card for the first";
    // row by row: C(1) on row 0 goes up first
    EXPECT_EQ(s.table.PileString(FoundationPile(0)), "027");
    EXPECT_EQ(s.table.PileString(FoundationPile(1)), "001");
    EXPECT_EQ(s.table.PileString(FoundationPile(2)), "014");
    EXPECT_TRUE(s.table.Empty(kStockPile));
}

TEST(AfterDeal, KingsToTheBottom) {
    GameState s = Definition(4);
    Put(s, TableauPile(0), {S(13), S(5), H(13), S(7), D(13)});
    Put(s, TableauPile(1), {S(5), C(13)});
    deal::KingsToBottom(s);
    EXPECT_EQ(s.table.PileString(TableauPile(0)), "026013052044046")
        << "later kings below earlier ones";
    EXPECT_EQ(s.table.PileString(TableauPile(1)), "039044");
}

TEST(AfterDeal, HeartsCourtApart) {
    GameState s = Definition(4);
    Put(s, kStockPile, {S(1), S(2)}, false);
    Put(s, TableauPile(0), {S(3)});
    Put(s, TableauPile(2), {H(13), H(12)}, false);
    deal::HeartsCourtApart(s);
    EXPECT_EQ(s.table.SnapshotText(kStockPile), "013004000410");
    EXPECT_EQ(s.table.SnapshotText(TableauPile(0)), "04210121");
    EXPECT_TRUE(s.table.Empty(TableauPile(2)));
}

TEST(AfterDeal, AcesFromReserveAndWaste) {
    GameState s = Definition(4);
    Put(s, ReservePile(0), {S(5), D(1), S(6), C(1)});
    Put(s, kWastePile, {S(7), S(8), H(1), S(9), S(10), S(11)}, false);
    deal::AcesFromReserveAndWaste(s);
    EXPECT_EQ(s.table.PileString(FoundationPile(1)), "014");
    EXPECT_EQ(s.table.PileString(FoundationPile(2)), "027");
    EXPECT_EQ(s.table.PileString(FoundationPile(0)), "001");
    // the position moves on after every card, also after one was taken out: S(8) and S(9) slide
    // into places already passed; the scan ends once two cards refilled the reserve
    EXPECT_EQ(s.table.SnapshotText(ReservePile(0)), "0441045104610491");
    EXPECT_EQ(s.table.PileString(kWastePile), "047048050");
}

TEST(AfterDeal, AcesFromReserveNeverOverwriteAStartedFoundation) {
    GameState s = Definition(4);
    Put(s, ReservePile(0), {D(1)});
    Put(s, FoundationPile(1), {S(1)});
    EXPECT_THROW(deal::AcesFromReserveAndWaste(s), deal::Refused);
}

TEST(TryPutOnFoundation, CandidatesAndStopRank) {
    GameState s = Definition(4);
    Put(s, FoundationPile(1), {D(1)});
    Put(s, TableauPile(0), {D(2), C(1)});
    RecordingSink sink;
    EXPECT_FALSE(TryPutOnFoundation(s, D(2), 0, sink)) << "only foundation 1 offered";
    EXPECT_TRUE(TryPutOnFoundation(s, C(1), -1, sink));
    EXPECT_EQ(s.table.PileString(FoundationPile(0)), "027") << "the first empty foundation";
    EXPECT_TRUE(TryPutOnFoundation(s, D(2), 1, sink));
    EXPECT_EQ(s.table.PileString(FoundationPile(1)), "014015");
    EXPECT_TRUE(s.table.Empty(TableauPile(0)));
    EXPECT_EQ(s.score, 10);
}

} // namespace
} // namespace tablamor
