// tablamor-cli play's hint: a command line that play accepts and that keeps the game winnable,
// and none once the game is over.
#include "run_cli.h"

#include "engine/commands.h"

#include <gtest/gtest.h>

namespace tablamor {
namespace {

using testing::Lines;
using testing::RunCli;

const std::string kRuntime = TABLAMOR_RUNTIME_DIR;

std::vector<std::string> Play(const std::string& number, const std::string& input) {
    auto r = RunCli({"play", "--root", kRuntime, "--game", "2", "--number", number}, input);
    EXPECT_EQ(r.status, 0) << r.err;
    return Lines(r.out);
}

TEST(HintCommand, PrintsACommandPlayAcceptsThenNoneOnceWon) {
    const std::vector<std::string> first = Play("1", "hint\n");
    ASSERT_GE(first.size(), 2u);
    ASSERT_TRUE(ParseCommand(first[0])) << first[0];
    EXPECT_EQ(first[1], "ok");

    // The hint played, the next hint, and the game still winnable from there.
    const std::vector<std::string> next = Play("1", first[0] + "\nhint\n");
    ASSERT_GE(next.size(), 3u);
    EXPECT_EQ(next[0], "ok") << first[0];
    EXPECT_TRUE(ParseCommand(next[1])) << next[1];

    auto solved = RunCli({"solve", "--root", kRuntime, "--game", "2", "--number", "1"});
    ASSERT_EQ(solved.status, 0) << solved.err;
    std::vector<std::string> line = Lines(solved.out);
    ASSERT_FALSE(line.empty());
    ASSERT_EQ(line.front(), "won");
    std::string input;
    for (std::size_t i = 1; i < line.size(); ++i) input += line[i] + "\n";
    const std::vector<std::string> won = Play("1", input + "hint\n");
    const std::size_t replies = line.size() - 1;
    ASSERT_GT(won.size(), replies + 1);
    EXPECT_EQ(won[replies], "none");
    EXPECT_EQ(won[replies + 1], "ok");
}

} // namespace
} // namespace tablamor
