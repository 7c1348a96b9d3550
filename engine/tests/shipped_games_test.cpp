// The games under games/: each deals many numbers with every card of the game in exactly one
// pile; and tablamor-cli's deal commands on the compiled GAMES.DAT.
#include "engine/deal.h"
#include "engine/game_source.h"
#include "engine/peaks.h"
#include "engine/winning.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <random>
#include <sstream>

namespace tablamor {
namespace {

std::vector<GameDefinition> ShippedGames() {
    std::vector<GameDefinition> games;
    for (const auto& entry : std::filesystem::directory_iterator(
             std::filesystem::path(TABLAMOR_SOURCE_DIR) / "games")) {
        if (entry.path().extension() != ".game") continue;
        games.push_back(LoadGameSource(entry.path()));
    }
    return games;
}

constexpr int kDealtNumbers = 500;

TEST(ShippedGames, EveryCardInExactlyOnePile) {
    auto games = ShippedGames();
    ASSERT_GE(games.size(), 3u);
    std::mt19937_64 rng(3);
    std::uniform_int_distribution<std::uint64_t> any(0, 9'999'999'999'999ULL);
    for (const GameDefinition& game : games) {
        const int cards = game.params[param::kCardCount];
        for (int i = 0; i < kDealtNumbers; ++i) {
            GameState s = NewGameState(game.params);
            auto number = *GameNumber::Parse(std::to_string(any(rng)));
            ASSERT_TRUE(DealGame(s, number, NullEventSink())) << game.name << " " << number.Text();
            std::vector<int> seen(kMaxCards + 1);
            for (PileIndex p = 0; p < kPileCount; ++p)
                for (Card c : s.table.Pile(p)) ++seen[c];
            // only the peaks are dealt with gaps between them
            if (!HasPeaks(game.params)) {
                EXPECT_EQ(seen[0], 0) << game.name << " " << number.Text() << ": a gap";
            }
            for (int c = 1; c <= kMaxCards; ++c)
                ASSERT_EQ(seen[static_cast<std::size_t>(c)], c <= cards ? 1 : 0)
                    << game.name << " " << number.Text() << ": card " << c;
            if (game.params[param::kSpecialCode] != special::kFillEveryColumn) {
                EXPECT_EQ(s.score, ComputeScore(s.table, s.params)) << game.name;
            }
        }
    }
}

struct CliRun {
    int status;
    std::string out;
};

CliRun Cli(const std::string& args) {
    std::string command = std::string(TABLAMOR_RUNTIME_DIR) + "/tablamor-cli " + args + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    CliRun run{-1, {}};
    if (!pipe) return run;
    std::array<char, 4096> buffer{};
    while (std::size_t n = fread(buffer.data(), 1, buffer.size(), pipe))
        run.out.append(buffer.data(), n);
    int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

TEST(Cli, DealArray) {
    CliRun golden = Cli("deal-array --number 1 --cards 52");
    EXPECT_EQ(golden.status, 0);
    EXPECT_EQ(
        golden.out,
        "040 004 043 039 015 006 016 045 018 035 034 007 049 011 025 024 026 027 046 030 048 010 "
        "012 032 021 002 041 003 042 005 014 044 017 013 033 009 019 023 052 022 037 038 051 028 "
        "008 029 047 031 020 050 036 001\n");
    CliRun cut = Cli("deal-array --number 991234567890123 --cards 104");
    EXPECT_EQ(cut.out, Cli("deal-array --number 1234567890123 --cards 104").out)
        << "the last 13 digits count";
    EXPECT_EQ(std::count(cut.out.begin(), cut.out.end(), ' '), 103);
    for (const char* bad : {"--number 12x4 --cards 52", "--number 1 --cards 60", "--cards 52"}) {
        CliRun r = Cli(std::string("deal-array ") + bad);
        EXPECT_EQ(r.status, 2) << bad;
        EXPECT_NE(r.out.find("tablamor-cli: "), std::string::npos) << bad;
    }
}

TEST(Cli, ShowTheDealtTable) {
    CliRun r = Cli(std::string("show --root ") + TABLAMOR_RUNTIME_DIR + " --game 1 --number 1");
    ASSERT_EQ(r.status, 0) << r.out;
    std::istringstream lines(r.out);
    std::string line;
    std::vector<std::string> all;
    while (std::getline(lines, line)) all.push_back(line);
    ASSERT_EQ(all.size(), 54u);
    for (PileIndex p = 0; p < kPileCount; ++p)
        EXPECT_EQ(all[static_cast<std::size_t>(p)].substr(0, PileName(p).size() + 1),
                  PileName(p) + " ");
    EXPECT_EQ(all[0], "Mazzo "
                      "0400004004300390015000600160045001800350034000700490011002500240026002700460"
                      "03000480010001200320");
    EXPECT_EQ(all[1], "Mazzo_Vis -");
    EXPECT_EQ(all[19], "Fila1 0211");
    EXPECT_EQ(all[20], "Fila2 00200411");
    EXPECT_EQ(all[53], "score -52");

    CliRun bad = Cli(std::string("show --root ") + TABLAMOR_RUNTIME_DIR + " --game 999 --number 1");
    EXPECT_EQ(bad.status, 2);
}

} // namespace
} // namespace tablamor
