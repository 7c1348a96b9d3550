// tablamor-cli solve-survey: the lines of one game, the Markdown table of every game, and its
// answers to bad options.
#include "run_cli.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace tablamor {
namespace {

using testing::Lines;
using testing::RunCli;

TEST(SolveSurvey, OneGameGivesALinePerNumberThenTheTotals) {
    const auto r = RunCli({"solve-survey", "--game", "2", "--count", "3", "--nodes", "1"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 6u) << r.out;
    for (int n = 1; n <= 3; ++n)
        EXPECT_EQ(
            lines[static_cast<std::size_t>(n - 1)].rfind(std::to_string(n) + " unknown 1 ", 0), 0u)
            << lines[static_cast<std::size_t>(n - 1)];
    EXPECT_EQ(lines[3], "won 0 of 3");
    EXPECT_EQ(lines[4], "lost 0 undecided 3");
    EXPECT_EQ(lines[5].rfind("median-ms ", 0), 0u) << lines[5];
}

TEST(SolveSurvey, FromStartsTheRangeAtItsNumber) {
    const auto r =
        RunCli({"solve-survey", "--game", "2", "--count", "2", "--nodes", "1", "--from", "999"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 5u) << r.out;
    EXPECT_EQ(lines[0].rfind("999 unknown 1 ", 0), 0u) << lines[0];
    EXPECT_EQ(lines[1].rfind("1000 unknown 1 ", 0), 0u) << lines[1];
    EXPECT_EQ(lines[2], "won 0 of 2");
}

TEST(SolveSurvey, DrawnNumbersAreTheSameForOneSeedAndPlayTheSameDeal) {
    auto numbersOf = [](const std::string& seed) {
        const auto r = RunCli(
            {"solve-survey", "--game", "2", "--count", "4", "--nodes", "1", "--drawn", seed});
        EXPECT_EQ(r.status, 0) << r.err;
        std::vector<std::string> numbers;
        for (const std::string& line : Lines(r.out))
            if (line.find(" unknown ") != std::string::npos)
                numbers.push_back(line.substr(0, line.find(' ')));
        return numbers;
    };
    const auto first = numbersOf("7");
    ASSERT_EQ(first.size(), 4u);
    EXPECT_EQ(numbersOf("7"), first);
    EXPECT_NE(numbersOf("8"), first);
    // Each is a number a player could type: `show` deals it.
    for (const std::string& number : first) {
        EXPECT_NE(number.front(), '0') << number;
        EXPECT_EQ(RunCli({"show", "--game", "2", "--number", number}).status, 0) << number;
    }
}

TEST(SolveSurvey, EveryGameAsAMarkdownRowInTheOrderOfTheGameList) {
    const auto games = Lines(RunCli({"games"}).out);
    const auto r = RunCli(
        {"solve-survey", "--game", "all", "--count", "1", "--nodes", "1", "--format", "markdown"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), games.size() + 2) << r.out;
    EXPECT_EQ(lines[0], "| id | game | won of 1 | share | lost | undecided | median ms |");
    for (std::size_t i = 0; i < games.size(); ++i) {
        const std::string id = games[i].substr(0, games[i].find('\t'));
        const std::string name = games[i].substr(games[i].rfind('\t') + 1);
        EXPECT_EQ(lines[i + 2].rfind("| " + id + " | " + name + " | ", 0), 0u) << lines[i + 2];
    }
}

TEST(SolveSurvey, BadOptionsAreRefused) {
    const std::vector<std::vector<std::string>> rows = {
        {"--game", "2", "--count", "1", "--format", "html"},
        {"--game", "two", "--count", "1"},
        {"--game", "9999", "--count", "1"},
        {"--game", "2", "--count", "0"},
        {"--game", "2", "--count", "1", "--nodes", "0"},
        {"--game", "2", "--count", "1", "--memory-mb", "0"},
        {"--game", "2", "--count", "1", "--drawn", "-1"},
        {"--game", "2", "--count", "1", "--from", "0"},
        {"--game", "2", "--count", "2", "--from", "9999999999999"},
        {"--game", "2", "--count", "1", "--from", "5", "--drawn", "1"},
    };
    for (std::vector<std::string> args : rows) {
        args.insert(args.begin(), "solve-survey");
        const auto r = RunCli(args);
        EXPECT_EQ(r.status, 2) << args[2] << ' ' << args.back();
        EXPECT_TRUE(r.out.empty()) << r.out;
        EXPECT_FALSE(r.err.empty());
    }
}

} // namespace
} // namespace tablamor
