// tablamor-cli layout: the output format on the shipped games, and refused arguments.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Result {
    int status;
    std::string out;
};

Result RunCli(const std::string& arguments) {
    std::string command = std::string(TABLAMOR_RUNTIME_DIR) + "/tablamor-cli layout --root " +
                          TABLAMOR_RUNTIME_DIR + " " + arguments + " 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return {-1, ""};
    std::string out;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe)) out += buffer;
    int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

TEST(CliLayout, PrintsPlacedPilesInSnapshotOrder) {
    Result r = RunCli("--game 2 --width 800 --height 600");
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "Dest1 402 56");
    EXPECT_NE(r.out.find("\nFila1 38 162\nFila2 129 162\n"), std::string::npos) << r.out;
    EXPECT_EQ(r.out.substr(r.out.rfind("Appogg")), "Appogg4 311 56\n");

    Result small = RunCli("--game 2 --width 800 --height 600 --size P");
    ASSERT_EQ(small.status, 0);
    EXPECT_NE(small.out.find("\nFila1 222 98\n"), std::string::npos) << small.out;
}

// The first line of a fitted layout names the card; the piles follow as for a named size.
TEST(CliLayout, FitPrintsTheChosenCardFirst) {
    struct Row {
        const char* arguments;
        int minimumWidth;
    };
    const Row rows[] = {
        {"--game 1 --width 1920 --height 1080 --size fit", 130},
        {"--game 13 --width 1920 --height 1080 --size fit", 100},
        {"--game 2 --width 800 --height 600 --size fit", 71},
    };
    for (const Row& row : rows) {
        Result r = RunCli(row.arguments);
        ASSERT_EQ(r.status, 0) << row.arguments;
        int width = 0, height = 0;
        ASSERT_EQ(std::sscanf(r.out.c_str(), "card %d %d\n", &width, &height), 2) << r.out;
        EXPECT_GE(width, row.minimumWidth) << row.arguments;
        EXPECT_EQ(height, (width * 96 + 35) / 71) << row.arguments;
        EXPECT_NE(r.out.find("\nFila1 "), std::string::npos) << r.out;
    }
}

TEST(CliLayout, RefusesBadArguments) {
    const std::vector<const char*> rows = {
        "--game 2 --width 800 --height 600 --size X",
        "--game 2 --width 800 --height 600 --size F",
        "--game 2 --width 0 --height 600",
        "--game 2 --width 800 --height -5",
        "--game 2 --width 800",
        "--game 777 --width 800 --height 600",
        "--game 2 --width 800 --height 600 --x 1",
    };
    for (const char* row : rows) {
        Result r = RunCli(row);
        EXPECT_EQ(r.status, 2) << row;
        EXPECT_EQ(r.out, "") << row;
    }
}

} // namespace
