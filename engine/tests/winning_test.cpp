#include "engine/winning.h"

#include "engine/rule_codes.h"

#include <gtest/gtest.h>

namespace tablamor {
namespace {

GameParams Params(int special, int tableaus = 3, int reserves = 1) {
    GameParams p;
    p[param::kSpecialCode] = static_cast<std::int16_t>(special);
    p[param::kTableauCount] = static_cast<std::int16_t>(tableaus);
    p[param::kReserveCount] = static_cast<std::int16_t>(reserves);
    p[param::kFoundationCount] = 4;
    p[param::kCardCount] = 52;
    return p;
}

TEST(Winning, WonTestsBySpecialCode) {
    struct Row {
        const char* name;
        int special;
        const char* piles; // "pile=content;..." as pile strings
        bool won;
    } rows[] = {
        {"all cleared", 0, "", true},
        {"a card in the stock", 0, "Mazzo=001", false},
        {"a card in the waste", 0, "Mazzo_Vis=001", false},
        {"a card in a column", 0, "Fila2=001", false},
        {"a card in a reserve", 0, "Appogg1=001", false},
        {"beyond the game's columns", 0, "Fila4=001", true},
        {"gaps count as cleared", special::kGapsOnly, "Fila1=000000", true},
        {"gaps only for its code", 0, "Fila1=000", false},
        {"every column filled", special::kFillEveryColumn, "Fila1=001;Fila2=002;Fila3=003", true},
        {"one column empty", special::kFillEveryColumn, "Fila1=001;Fila3=003", false},
        {"first column of four", special::kFirstColumnOfFour, "Fila1=001002003004;Fila2=005", true},
        {"first column of five", special::kFirstColumnOfFourToo, "Fila1=001002003004005", false},
        {"stock not out", special::kFirstColumnOfFour, "Mazzo=009", false},
        {"aces alone left", code::kSpecialAcesStay, "Fila1=040;Fila2=001027;Fila3=014", true},
        {"a two beside the aces", code::kSpecialAcesStay, "Fila1=040041;Fila2=001", false},
        {"aces left, stock not out", code::kSpecialAcesStay, "Mazzo=002;Fila1=001", false},
        {"aces only for its code", 0, "Fila1=040", false},
    };
    for (const Row& row : rows) {
        Table t;
        std::string piles = row.piles;
        std::size_t begin = 0;
        while (begin < piles.size()) {
            std::size_t end = piles.find(';', begin);
            if (end == std::string::npos) end = piles.size();
            std::string item = piles.substr(begin, end - begin);
            std::size_t eq = item.find('=');
            ASSERT_TRUE(t.SetPileString(*ParsePileName(item.substr(0, eq)), item.substr(eq + 1)));
            begin = end + 1;
        }
        EXPECT_EQ(IsGameWon(t, Params(row.special)), row.won) << row.name;
    }
}

TEST(Winning, Score) {
    Table t;
    GameParams p = Params(0);
    EXPECT_EQ(ComputeScore(t, p), -52);
    for (Card c = 1; c <= 52; ++c) t.Append(FoundationPile((c - 1) / 13), c);
    EXPECT_EQ(ComputeScore(t, p), 208);
    Table u;
    u.Append(kThirdPile, 7);
    u.Append(FoundationPile(4), 8); // beyond the game's four foundations
    p[param::kDealScore] = 2;
    EXPECT_EQ(ComputeScore(u, p), 15 - 52);
}

} // namespace
} // namespace tablamor
