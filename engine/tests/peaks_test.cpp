// The peaks: rows of a golf game with the peaks press, laid side by side. The deal spreads each
// row over its peaks with gaps, a card is played only when the row below no longer covers it,
// the cards it uncovers turn face up, and the game is won when only gaps are left.
#include "play_fixture.h"
#include "rules_fixture.h"

#include "engine/fan_style.h"
#include "engine/game_play.h"
#include "engine/move_generator.h"
#include "engine/peaks.h"
#include "engine/placed_piles.h"
#include "engine/press_rules.h"
#include "engine/rule_codes.h"
#include "engine/winning.h"

#include <vector>

namespace tablamor {
namespace {

using namespace test;

GameParams PeaksParams(std::vector<int> rows) {
    GameParams p;
    p[param::kCardCount] = 52;
    p[param::kSpecialCode] = code::kSpecialPeaks;
    p[param::kTableauFan] = FanCode(FanStyle::SideBySide);
    p[param::kTableauCount] = static_cast<std::int16_t>(rows.size());
    int dealt = 0;
    for (std::size_t n = 0; n < rows.size(); ++n) {
        p.Set(param::kTableauDealt, static_cast<int>(n), static_cast<std::int16_t>(rows[n]));
        p.Set(param::kTableauRule, static_cast<int>(n), code::kClosed);
        dealt += rows[n];
    }
    p.Set(param::kTableauFaceUp, static_cast<int>(rows.size()) - 1,
          static_cast<std::int16_t>(rows.back()));
    p[param::kThirdPileDealt] = 1;
    p[param::kStockDealt] = static_cast<std::int16_t>(52 - dealt - 1);
    p[param::kStockFaceDown] = 1;
    p[param::kStockDealCount] = 1;
    p[param::kStockPasses] = 1;
    return p;
}

// A row as marks: 'u' a face-up card, 'd' a face-down one, '_' a gap.
std::string Marks(const GameState& s, int row) {
    std::string marks;
    for (const Card c : s.table.Pile(TableauPile(row)))
        marks += c == kNoCard ? '_' : s.table.FaceUp(c) ? 'u' : 'd';
    return marks;
}

TEST(Peaks, TheDealSpreadsEachRowOverItsPeaks) {
    struct Row {
        const char* name;
        std::vector<int> rows;
        std::vector<std::string> marks;
    };
    const Row rows[] = {
        {"three peaks", {3, 6, 9, 10}, {"d__d__d", "dd_dd_dd", "ddddddddd", "uuuuuuuuuu"}},
        {"one pyramid", {1, 2, 3}, {"d", "dd", "uuu"}},
        {"two peaks over five", {2, 4, 5}, {"d_d", "dddd", "uuuuu"}},
        {"a row that does not share out is left whole",
         {3, 7, 9, 10},
         {"d__d__d", "ddddddd", "ddddddddd", "uuuuuuuuuu"}},
    };
    for (const Row& row : rows) {
        const GameState s = DealtGame(PeaksParams(row.rows), "1");
        for (std::size_t n = 0; n < row.marks.size(); ++n)
            EXPECT_EQ(Marks(s, static_cast<int>(n)), row.marks[n]) << row.name << ", row " << n;
    }
}

TEST(Peaks, OnlyUncoveredFaceUpCardsArePlayedAndWhatTheyUncoverTurns) {
    // Two peaks over five: tops 2H and 9S; middle row 3H 4H | 8S 10S; base 5H 6H 7S 7C 6D.
    GameState s = NewGameState(PeaksParams({2, 4, 5}));
    s.active = true;
    Put(s, TableauPile(0), {H(2), kNoCard, S(9)}, false);
    Put(s, TableauPile(1), {H(3), H(4), S(8), S(10)}, false);
    Put(s, TableauPile(2), {H(5), H(6), S(7), C(7), D(6)});
    Put(s, kThirdPile, {C(6)});
    Put(s, kStockPile, {}, false);
    RecordingSink sink;
    GamePlay play(s, sink);
    auto press = [&](int card) {
        return play.Apply(Command{CommandKind::Press, static_cast<Card>(card), -1});
    };
    const PlacedPiles geometry = PlacedPiles::EveryPileOf(s);
    auto listed = [&] {
        std::vector<std::string> words;
        for (const Command& c : GenerateCommands(s, geometry)) words.push_back(CommandText(c));
        return words;
    };
    EXPECT_EQ(listed(), (std::vector<std::string>{"press 005", "press 046", "press 033"}))
        << "the uncovered neighbours of the six: 5H, 7S, 7C";
    EXPECT_FALSE(press(H(3))) << "covered and face down";
    EXPECT_TRUE(press(C(7)));
    EXPECT_EQ(Marks(s, 2), "uuu_u");
    EXPECT_EQ(Marks(s, 1), "dddd") << "8S still lies on 7S, 10S on 6D";
    EXPECT_TRUE(press(D(6)));
    EXPECT_EQ(Marks(s, 1), "dddu") << "10S is uncovered and turns";
    EXPECT_TRUE(press(H(5)) && press(H(6)));
    EXPECT_EQ(Marks(s, 1), "uddu") << "3H uncovered; 4H still under 7S";
    EXPECT_FALSE(press(S(9))) << "8S still lies on it";
    EXPECT_TRUE(press(S(7)));
    EXPECT_EQ(Marks(s, 1), "uuuu");
    EXPECT_EQ(Marks(s, 2), "_____");
    EXPECT_TRUE(play.Undo());
    EXPECT_EQ(Marks(s, 1), "uddu") << "the undo turns the uncovered cards back";
    EXPECT_EQ(Marks(s, 2), "__u__");
}

TEST(Peaks, WonWhenOnlyGapsAreLeftAndTheStockIsOut) {
    struct Row {
        const char* name;
        bool stockCard;
        bool cardLeft;
        bool won;
    };
    const Row rows[] = {
        {"only gaps", false, false, true},
        {"a card in the stock", true, false, false},
        {"a card in the peaks", false, true, false},
    };
    for (const Row& row : rows) {
        GameState s = NewGameState(PeaksParams({2, 4, 5}));
        Put(s, TableauPile(0), {kNoCard, kNoCard, kNoCard});
        Put(s, TableauPile(1), {kNoCard, kNoCard, kNoCard, kNoCard});
        Put(s, TableauPile(2), {kNoCard, kNoCard, kNoCard, kNoCard, row.cardLeft ? S(1) : kNoCard});
        Put(s, kStockPile, {}, false);
        if (row.stockCard) Put(s, kStockPile, {S(2)}, false);
        EXPECT_EQ(IsGameWon(s.table, s.params), row.won) << row.name;
    }
}

} // namespace
} // namespace tablamor
