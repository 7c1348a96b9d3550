// The perft command: its counts agree with the moves command and play, its options are checked,
// and every shipped game's depth-2 counts from number 1 match the reviewed golden file
// (rewritten by scripts/update-perft-golden.sh when a rule change is meant to change them).
#include "run_cli.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace tablamor {
namespace {

using testing::Lines;
using testing::RunCli;

// The count after the last blank of a line.
long long Count(const std::string& line) {
    return std::stoll(line.substr(line.rfind(' ') + 1));
}

TEST(Perft, DepthOneListsTheMovesOfPlay) {
    const auto moves = Lines(RunCli({"play", "--game", "1", "--number", "1"}, "moves\nquit\n").out);
    const auto perft = RunCli({"perft", "--game", "1", "--number", "1", "--depth", "1"});
    ASSERT_EQ(perft.status, 0) << perft.err;
    const auto lines = Lines(perft.out);
    ASSERT_FALSE(lines.empty());
    std::vector<std::string> firstMoves;
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
        EXPECT_EQ(Count(lines[i]), 1) << lines[i];
        firstMoves.push_back(lines[i].substr(0, lines[i].rfind(' ')));
    }
    EXPECT_EQ(lines.back(), "total " + std::to_string(firstMoves.size()));
    // play prints the moves, then "ok", before the final table
    ASSERT_GT(moves.size(), firstMoves.size());
    EXPECT_EQ(std::vector<std::string>(moves.begin(),
                                       moves.begin() + static_cast<long>(firstMoves.size())),
              firstMoves);
    EXPECT_EQ(moves[firstMoves.size()], "ok");
}

TEST(Perft, BranchesAddUpAndDepthZeroIsOne) {
    auto r = RunCli({"perft", "--game", "2", "--number", "7", "--depth", "2"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto lines = Lines(r.out);
    long long sum = 0;
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) sum += Count(lines[i]);
    EXPECT_EQ(lines.back(), "total " + std::to_string(sum));
    EXPECT_EQ(RunCli({"perft", "--game", "2", "--number", "7", "--depth", "0"}).out, "total 1\n");
}

TEST(Perft, BadOptionsAreRefused) {
    const std::vector<std::vector<std::string>> calls = {
        {"perft", "--game", "1", "--number", "1"},
        {"perft", "--game", "1", "--number", "1", "--depth", "-1"},
        {"perft", "--game", "1", "--number", "1", "--depth", "7"},
        {"perft", "--game", "x", "--number", "1", "--depth", "1"},
        {"perft", "--game", "7999", "--number", "1", "--depth", "1"},
        {"perft", "--game", "1", "--number", "1x", "--depth", "1"},
    };
    for (const auto& call : calls) {
        auto r = RunCli(call);
        EXPECT_EQ(r.status, 2) << call[2] << " " << call.back();
        EXPECT_TRUE(r.out.empty());
        EXPECT_FALSE(r.err.empty());
    }
}

TEST(Perft, EveryShippedGameMatchesTheGoldenCounts) {
    std::ifstream in(std::string(TABLAMOR_SOURCE_DIR) + "/tools/cli/tests/golden/perft-depth2.txt");
    ASSERT_TRUE(in);
    std::stringstream golden;
    golden << in.rdbuf();
    auto r = RunCli({"perft", "--game", "all", "--number", "1", "--depth", "2"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto expected = Lines(golden.str());
    const auto got = Lines(r.out);
    // line by line, so that a failure names the game and the move
    std::string game;
    for (std::size_t i = 0; i < std::max(expected.size(), got.size()); ++i) {
        const std::string want = i < expected.size() ? expected[i] : "(none)";
        const std::string have = i < got.size() ? got[i] : "(none)";
        if (want.starts_with("game ")) game = want;
        ASSERT_EQ(have, want) << "line " << i + 1 << " under '" << game
                              << "' (scripts/update-perft-golden.sh rewrites the file)";
    }
}

} // namespace
} // namespace tablamor
