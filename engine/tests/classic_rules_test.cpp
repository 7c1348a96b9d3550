// The classic rules of shipped games, as the one move generator offers them: each row lays out a
// table in a shipped game (every pile not named is empty) and says whether a command is among the
// moves, so play, autoplay, hints and the solver all know the rule.
#include "play_fixture.h"
#include "rules_fixture.h"

#include "engine/move_generator.h"
#include "engine/placed_piles.h"
#include "engine/placement.h"
#include "engine/winning.h"

#include <algorithm>
#include <utility>

namespace tablamor {
namespace {

using namespace test;

constexpr int kFreeCell = 2, kEightOff = 11, kScorpion = 15, kCanfield = 16, kDuchess = 18,
              kNumberTen = 21, kAcesUp = 45, kCalculation = 46, kBetsyRoss = 47;

using Layout = std::vector<std::pair<PileIndex, std::vector<int>>>;

// A shipped game in play with only the given piles holding cards, all face up.
GameState Laid(int id, const Layout& piles) {
    static const std::vector<GameDefinition> games = ShippedGameDefinitions();
    auto game = std::find_if(games.begin(), games.end(),
                             [&](const GameDefinition& g) { return g.id == id; });
    EXPECT_NE(game, games.end()) << "game " << id;
    GameState s = DealtGame(game->params, "1");
    for (PileIndex p = 0; p < kPileCount; ++p) s.table.Truncate(p, 0);
    for (const auto& [pile, cards] : piles)
        for (int c : cards) s.table.Append(pile, static_cast<Card>(c), true);
    return s;
}

bool Listed(const GameState& s, const std::string& command) {
    for (const Command& c : GenerateCommands(s, PlacedPiles::EveryPileOf(s)))
        if (CommandText(c) == command) return true;
    return false;
}

// `suit(rank)` from rank `high` down to rank `low`.
std::vector<int> Down(int (*suit)(int), int high, int low) {
    std::vector<int> cards;
    for (int r = high; r >= low; --r) cards.push_back(suit(r));
    return cards;
}

// `suit(rank)` from rank `low` up to rank `high`.
std::vector<int> Up(int (*suit)(int), int low, int high) {
    std::vector<int> cards = Down(suit, high, low);
    std::reverse(cards.begin(), cards.end());
    return cards;
}

// From rank `high` down to the ace, red on even ranks and black on odd ones.
std::vector<int> Alternating(int high) {
    std::vector<int> cards;
    for (int r = high; r >= 1; --r) cards.push_back(r % 2 == 0 ? H(r) : S(r));
    return cards;
}

std::vector<int> Filler(int count) { // cards of no use to the moves under test
    std::vector<int> cards;
    for (int k = 0; k < count; ++k) cards.push_back(Second(C(13 - k)));
    return cards;
}

PileIndex Fila(int n) {
    return TableauPile(n - 1);
}
PileIndex Cell(int n) {
    return ReservePile(n - 1);
}
PileIndex Dest(int n) {
    return FoundationPile(n - 1);
}

std::string Card3(int card) {
    return CardCodeText(card);
}

TEST(ClassicRules, TheMoveGeneratorOffersWhatTheRulesAllow) {
    struct Row {
        const char* name;
        int game;
        Layout piles;
        std::string command;
        bool listed;
    };
    // FreeCell: Q down to the ace (12 cards) onto the king of spades; free cells are the empty
    // reserves, the empty columns those of the eight not laid.
    const std::vector<int> twelve = Alternating(12);
    const Layout twoColumnsFree = {{Fila(1), {S(13)}},   {Fila(2), twelve},
                                   {Fila(3), Filler(1)}, {Fila(4), Filler(1)},
                                   {Fila(5), Filler(1)}, {Fila(6), Filler(1)}};
    auto withCells = [](Layout piles, int filled) {
        for (int k = 1; k <= filled; ++k) piles.push_back({Cell(k), {Second(D(k))}});
        return piles;
    };
    // Betsy Ross: the start cards of the foundations built by twos, threes and fours
    auto withStarts = [](Layout piles) {
        piles.push_back({Dest(6), {D(4)}});
        piles.push_back({Dest(7), {C(6)}});
        piles.push_back({Dest(8), {S(8)}});
        return piles;
    };
    const std::vector<Row> rows = {
        {"FreeCell: 12 with 2 cells and 2 columns free, (2+1) x 4", kFreeCell,
         withCells(twoColumnsFree, 2), "drop " + Card3(H(12)) + " Fila1", true},
        {"FreeCell: not with 1 cell and 2 columns, (1+1) x 4 = 8", kFreeCell,
         withCells(twoColumnsFree, 3), "drop " + Card3(H(12)) + " Fila1", false},
        {"FreeCell: 6 onto an empty column with 2 cells and 2 columns, half of 12", kFreeCell,
         withCells(twoColumnsFree, 2), "drop " + Card3(H(6)) + " Fila7", true},
        {"FreeCell: not 7 onto an empty column", kFreeCell, withCells(twoColumnsFree, 2),
         "drop " + Card3(S(7)) + " Fila7", false},
        {"Eight Off: 2 free cells move 3 cards", kEightOff,
         withCells({{Fila(1), {S(10)}}, {Fila(2), Down(S, 9, 7)}}, 6),
         "drop " + Card3(S(9)) + " Fila1", true},
        {"Eight Off: 1 free cell moves 2, empty columns do not count", kEightOff,
         withCells({{Fila(1), {S(10)}}, {Fila(2), Down(S, 9, 7)}}, 7),
         "drop " + Card3(S(9)) + " Fila1", false},
        {"Canfield: the top card",
         kCanfield,
         {{Fila(1), {C(7)}}, {Fila(2), {D(8), S(7), H(6)}}, {Fila(3), {C(9)}}},
         "drop " + Card3(H(6)) + " Fila1",
         true},
        {"Canfield: the whole pile",
         kCanfield,
         {{Fila(1), {C(7)}}, {Fila(2), {D(8), S(7), H(6)}}, {Fila(3), {C(9)}}},
         "drop " + Card3(D(8)) + " Fila3",
         true},
        {"Canfield: not part of a pile",
         kCanfield,
         {{Fila(1), {H(8)}}, {Fila(2), {D(8), S(7), H(6)}}},
         "drop " + Card3(S(7)) + " Fila1",
         false},
        {"Scorpion: a whole suit goes up from its king",
         kScorpion,
         {{Fila(1), Down(S, 13, 1)}},
         "drop " + Card3(S(13)) + " Dest1",
         true},
        {"Scorpion: a whole suit goes up from its ace",
         kScorpion,
         {{Fila(1), Down(S, 13, 1)}},
         "send " + Card3(S(1)),
         true},
        {"Scorpion: not a suit short of its king",
         kScorpion,
         {{Fila(1), Down(S, 12, 1)}},
         "send " + Card3(S(1)),
         false},
        {"Scorpion: not a run of mixed suits",
         kScorpion,
         {{Fila(1), Down(S, 13, 2)}, {Fila(1), {H(1)}}},
         "send " + Card3(H(1)),
         false},
        {"Scorpion: not onto a foundation already holding a suit",
         kScorpion,
         {{Fila(1), Down(S, 13, 1)}, {Dest(1), Down(H, 13, 1)}},
         "drop " + Card3(S(13)) + " Dest1",
         false},
        {"Scorpion: a whole suit over other cards",
         kScorpion,
         {{Fila(1), {H(5)}}, {Fila(1), Down(S, 13, 1)}},
         "send " + Card3(S(1)),
         true},
        {"Scorpion: not with a card on it",
         kScorpion,
         {{Fila(1), Down(S, 13, 1)}, {Fila(1), {H(5)}}},
         "drop " + Card3(S(13)) + " Dest1",
         false},
        {"Duchess: the first foundation card from a reserve",
         kDuchess,
         {{Cell(1), {H(5)}}, {Fila(1), {S(5)}}},
         "drop " + Card3(H(5)) + " Dest1",
         true},
        {"Duchess: not from the tableau",
         kDuchess,
         {{Cell(1), {H(5)}}, {Fila(1), {S(5)}}},
         "drop " + Card3(S(5)) + " Dest1",
         false},
        {"Duchess: once started, the rank from anywhere",
         kDuchess,
         {{Dest(1), {H(5)}}, {Fila(1), {S(5)}}},
         "send " + Card3(S(5)),
         true},
        {"Calculation: no deal while the waste holds a card",
         kCalculation,
         {{kStockPile, {H(5), H(6)}}, {kWastePile, {H(7)}}},
         "stock",
         false},
        {"Calculation: a deal onto an empty waste",
         kCalculation,
         {{kStockPile, {H(5), H(6)}}},
         "stock",
         true},
        {"Aces Up: an ace is never discarded",
         kAcesUp,
         {{Fila(1), {S(1)}}, {Fila(2), {S(5)}}},
         "send " + Card3(S(1)),
         false},
        {"Aces Up: a card below a showing ace of its suit is",
         kAcesUp,
         {{Fila(1), {S(1)}}, {Fila(2), {S(5)}}},
         "send " + Card3(S(5)),
         true},
        {"Betsy Ross: a finished working foundation takes nothing", kBetsyRoss,
         withStarts({{Dest(5), Up(H, 2, 13)}, {kWastePile, {S(1)}}}), "send " + Card3(S(1)), false},
        {"Betsy Ross: its twelfth card, the king", kBetsyRoss,
         withStarts({{Dest(5), Up(H, 2, 12)}, {kWastePile, {S(13)}}}), "send " + Card3(S(13)),
         true},
        {"Number Ten: no redeal", kNumberTen, {{kWastePile, {H(5), H(6)}}}, "stock", false},
    };
    for (const Row& row : rows) {
        GameState s = Laid(row.game, row.piles);
        EXPECT_EQ(Listed(s, row.command), row.listed) << row.name << ": " << row.command;
    }
}

TEST(ClassicRules, FreeCellLongestRunWithFourCellsAndTwoColumns) {
    GameState s = Laid(kFreeCell, {{Fila(1), Filler(1)},
                                   {Fila(2), Filler(1)},
                                   {Fila(3), Filler(1)},
                                   {Fila(4), Filler(1)},
                                   {Fila(5), Filler(1)},
                                   {Fila(6), {S(13)}}});
    const int ontoACard = LargestRunAllowed(s, S(13), false);
    const int ontoAColumn = LargestRunAllowed(s, S(13), true);
    RecordProperty("longest_run_onto_a_card", ontoACard);
    EXPECT_EQ(ontoACard, 20) << "(4 + 1) x 2^2";
    EXPECT_EQ(ontoAColumn, 10) << "half as many";
}

TEST(ClassicRules, AWholeSuitGoesUpAsOneMove) {
    GameState s = Laid(kScorpion, {{Fila(1), {H(5)}}, {Fila(1), Down(S, 13, 1)}});
    const PlacedPiles geometry = PlacedPiles::EveryPileOf(s);
    const PlayEnv env{geometry, NullEventSink(), NoStepRecord()};
    ASSERT_TRUE(ApplyCommand(s, *ParseCommand("send " + Card3(S(1))), env));
    EXPECT_EQ(s.table.Size(Dest(1)), 13);
    EXPECT_EQ(s.table.At(Dest(1), 0), S(13)) << "the king at the bottom";
    EXPECT_EQ(s.table.Top(Dest(1)), S(1));
    EXPECT_EQ(s.table.Size(Fila(1)), 1);
    EXPECT_EQ(s.score, ComputeScore(s.table, s.params));
}

TEST(ClassicRules, AcesUpIsWonWithTheAcesAloneLeft) {
    GameState s =
        Laid(kAcesUp,
             {{Fila(1), {S(1)}}, {Fila(2), {H(1)}}, {Fila(3), {D(1)}}, {Fila(4), {C(1), S(9)}}});
    const PlacedPiles geometry = PlacedPiles::EveryPileOf(s);
    const PlayEnv env{geometry, NullEventSink(), NoStepRecord()};
    EXPECT_FALSE(s.won);
    ASSERT_TRUE(ApplyCommand(s, *ParseCommand("send " + Card3(S(9))), env));
    EXPECT_TRUE(s.won);
}

} // namespace
} // namespace tablamor
