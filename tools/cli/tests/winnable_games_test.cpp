// Every shipped game can be won: for each, a number among the first fifty that the solver wins
// within a small budget (found once with a Release build and pinned here, so the test stays
// quick under the sanitizers), whose winning line replays through play to a won game.
#include "run_cli.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>

namespace tablamor {
namespace {

using testing::RunCli;

struct WinnableNumber {
    int number;
    long long nodes; // the solve budget, a little above what the search needed
};

// Game id -> a number the solver wins.
const std::map<int, WinnableNumber>& PinnedNumbers() {
    static const std::map<int, WinnableNumber> pinned = {
#include "winnable_numbers.inc"
    };
    return pinned;
}

TEST(WinnableGames, PinnedNumbersLieWithinTheFirstFifty) {
    constexpr int kFirstNumbers = 50;
    const std::string games = "\n" + RunCli({"games"}).out;
    for (const auto& [id, pin] : PinnedNumbers()) {
        EXPECT_NE(games.find("\n" + std::to_string(id) + "\t"), std::string::npos) << "game " << id;
        EXPECT_GE(pin.number, 1) << "game " << id;
        EXPECT_LE(pin.number, kFirstNumbers) << "game " << id;
    }
}

TEST(WinnableGames, EveryGameHasAPinnedNumber) {
    std::istringstream games(RunCli({"games"}).out);
    int shipped = 0;
    for (std::string line; std::getline(games, line);) {
        const int id = std::stoi(line.substr(0, line.find('\t')));
        ++shipped;
        EXPECT_TRUE(PinnedNumbers().contains(id)) << "game " << id;
    }
    EXPECT_GE(shipped, 40);
}

// One test per pinned game, so that each solve has its own time limit and they run side by side.
class PinnedGame : public ::testing::TestWithParam<std::pair<const int, WinnableNumber>> {};

TEST_P(PinnedGame, TheSolversLineReplaysToAWin) {
    const auto& [id, pin] = GetParam();
    const std::string game = std::to_string(id);
    const std::string number = std::to_string(pin.number);
    const auto solved =
        RunCli({"solve", "--game", game, "--number", number, "--nodes", std::to_string(pin.nodes)});
    ASSERT_EQ(solved.status, 0) << game << ": " << solved.err;
    const std::string where = "game " + game + " number " + number;
    ASSERT_EQ(solved.out.substr(0, 4), "won\n") << where << ": " << solved.out.substr(0, 40);

    const auto played = RunCli({"play", "--game", game, "--number", number}, solved.out.substr(4));
    ASSERT_EQ(played.status, 0) << where << ": " << played.err;
    EXPECT_EQ(played.out.find("refused"), std::string::npos) << where;
    EXPECT_NE(played.out.find("\nwon 1\n"), std::string::npos) << where;
}

INSTANTIATE_TEST_SUITE_P(WinnableGames, PinnedGame, ::testing::ValuesIn(PinnedNumbers()),
                         [](const auto& info) {
                             return "game_" + std::to_string(info.param.first);
                         });

} // namespace
} // namespace tablamor
