// tablamor-cli play: commands from standard input, ok/refused and message lines, the final table
// with the result; its options.
#include "run_cli.h"

#include "engine/game_file.h"
#include "engine/game_source.h"
#include "records/atomic_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <unistd.h>

namespace tablamor {
namespace {

using testing::Lines;
using testing::RunCli;
namespace fs = std::filesystem;

const std::string kRuntime = TABLAMOR_RUNTIME_DIR;

// The status and message lines, without the table listings.
std::vector<std::string> Replies(const std::string& out) {
    std::vector<std::string> replies;
    for (const std::string& line : Lines(out))
        if (line == "ok" || line == "refused" || line.rfind("message: ", 0) == 0 ||
            line.rfind("won ", 0) == 0 || line.rfind("score ", 0) == 0)
            replies.push_back(line);
    return replies;
}

std::string PileLine(const std::string& out, const std::string& pile) {
    std::string last;
    for (const std::string& line : Lines(out))
        if (line.rfind(pile + " ", 0) == 0) last = line;
    return last;
}

TEST(PlayCommand, ScriptOfKlondikeOne) {
    // deal 1: the ace of hearts lies on top of the seventh pile, the two of spades on the second
    const std::string script = "drop 001 Fila2\n"
                               "undo\n"
                               "redo\n"
                               "undo\n"
                               "send 001\n"
                               "drop 041 Dest1\n"
                               "stock\n"
                               "redo\n"
                               "flip 041\n"
                               "nonsense here\n"
                               "\n"
                               "quit\n"
                               "stock\n";
    auto r = RunCli({"play", "--root", kRuntime, "--game", "1", "--number", "1"}, script);
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<std::string> expected = {"ok",      "ok",      "ok",    "ok",
                                               "ok",      "refused", "ok",    "refused",
                                               "refused", "refused", "won 0", "score -47"};
    EXPECT_EQ(Replies(r.out), expected) << r.out;
    EXPECT_EQ(PileLine(r.out, "Dest1"), "Dest1 0011");
    EXPECT_EQ(PileLine(r.out, "Mazzo_Vis"), "Mazzo_Vis 0321");
    EXPECT_EQ(Lines(r.out).size(), expected.size() + 53);
    EXPECT_NE(r.err.find("not a play command: 'nonsense here'"), std::string::npos) << r.err;
}

TEST(PlayCommand, MovesListsWhatTheGeneratorFindsAndShowMatchesShow) {
    auto r = RunCli({"play", "--root", kRuntime, "--game", "1", "--number", "1"}, "moves\nshow\n");
    ASSERT_EQ(r.status, 0) << r.err;
    auto lines = Lines(r.out);
    const std::vector<std::string> moves(lines.begin(), lines.begin() + 8);
    EXPECT_EQ(moves, (std::vector<std::string>{"drop 001 Dest1", "drop 001 Dest2", "drop 001 Dest3",
                                               "drop 001 Dest4", "drop 001 Fila2", "send 001",
                                               "stock", "ok"}));
    auto shown = RunCli({"show", "--root", kRuntime, "--game", "1", "--number", "1"});
    ASSERT_EQ(shown.status, 0);
    std::string listing;
    for (std::size_t i = 8; i < 8 + 54; ++i) listing += lines[i] + "\n";
    EXPECT_EQ(listing, shown.out);
}

TEST(PlayCommand, AutoplayAfterTheDealAndOnCommand) {
    struct Row {
        std::vector<std::string> options;
        std::string input;
        std::string dest1;
    };
    const Row rows[] = {
        {{"--autoplay", "on"}, "", "Dest1 0011"},
        {{}, "autoplay\n", "Dest1 0011"},
        {{"--autoplay", "off"}, "", "Dest1 -"},
    };
    for (const Row& row : rows) {
        std::vector<std::string> args = {"play", "--root",   kRuntime, "--game",
                                         "1",    "--number", "1"};
        args.insert(args.end(), row.options.begin(), row.options.end());
        auto r = RunCli(args, row.input);
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(PileLine(r.out, "Dest1"), row.dest1) << row.input;
    }
}

TEST(PlayCommand, UndoPolicies) {
    struct Row {
        const char* policy;
        std::vector<std::string> replies;
    };
    const Row rows[] = {
        {"0", {"ok", "ok", "ok", "ok"}},
        {"1", {"ok", "ok", "ok", "refused"}},
        {"2", {"ok", "ok", "refused", "refused"}},
    };
    for (const Row& row : rows) {
        auto r = RunCli({"play", "--root", kRuntime, "--game", "1", "--number", "1",
                         "--undo-policy", row.policy},
                        "stock\nstock\nundo\nundo\n");
        ASSERT_EQ(r.status, 0) << r.err;
        auto replies = Replies(r.out);
        EXPECT_EQ(std::vector<std::string>(replies.begin(), replies.begin() + 4), row.replies)
            << row.policy;
    }
}

TEST(PlayCommand, MessagesAreReported) {
    fs::path root = fs::temp_directory_path() / ("tablamor-play-" + std::to_string(::getpid()));
    fs::remove_all(root);
    fs::create_directories(root);
    GameDefinition g;
    g.id = 1;
    g.type = 8;
    g.name = "Gaps";
    g.params[param::kCardCount] = 52;
    g.params[param::kTableauCount] = 2;
    g.params.Set(param::kTableauDealt, 0, 1);
    g.params.Set(param::kTableauFaceUp, 0, 1);
    g.params[param::kStockDealt] = 10;
    g.params.Set(param::kTableauTakesAdd, 0, 2);
    // laid out as Spider is: the stock alone in the stock group, the tableau in row 2
    g.params[param::kStockPlaced] = 1;
    g.params[param::kStockGroupPlaced] = 1;
    g.params[param::kStockLayout] = 13;
    g.params[param::kStockLayoutRow] = 1;
    g.params[param::kTableauLayout] = 14;
    g.params[param::kTableauLayoutRow] = 2;
    g.params[param::kTableauFan] = 1;
    ASSERT_TRUE(WriteFileAtomically(root / "GAMES.DAT", WriteGameFile({g})));
    auto r = RunCli({"play", "--root", root.string(), "--game", "1", "--number", "1"}, "stock\n");
    fs::remove_all(root);
    ASSERT_EQ(r.status, 0) << r.err;
    auto replies = Replies(r.out);
    ASSERT_GE(replies.size(), 2u);
    EXPECT_EQ(replies[0], "message: Before deal, fill any gaps in the tableau");
    EXPECT_EQ(replies[1], "refused");
}

TEST(PlayCommand, RecordsThatCannotBeSavedEndWithStatusTwo) {
    fs::path root = fs::temp_directory_path() / ("tablamor-unsaved-" + std::to_string(::getpid()));
    fs::remove_all(root);
    fs::create_directories(root / "DATA" / "STAT.DAT"); // a directory where the file should be
    fs::copy_file(fs::path(kRuntime) / "GAMES.DAT", root / "GAMES.DAT");
    auto r = RunCli({"play", "--root", root.string(), "--game", "1", "--number", "1", "--record"},
                    "quit\n");
    const bool logged = fs::exists(root / "DATA" / "STAT_LOG.DAT");
    fs::remove_all(root);
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.out.find("message: Open error: " + (root / "DATA" / "STAT.DAT").string()),
              std::string::npos)
        << r.out;
    EXPECT_EQ(r.err, "tablamor-cli: the records of the game could not be saved\n");
    EXPECT_TRUE(logged); // the records that could be saved were
}

TEST(PlayCommand, BadOptionsEndWithStatusTwo) {
    const std::vector<std::string> rows[] = {
        {"play", "--root", kRuntime, "--game", "1", "--number", "1", "--autoplay", "yes"},
        {"play", "--root", kRuntime, "--game", "1", "--number", "1", "--undo-policy", "3"},
        {"play", "--root", kRuntime, "--game", "9999", "--number", "1"},
        {"play", "--root", kRuntime, "--game", "1", "--number", "x1"},
        {"play", "--root", kRuntime, "--number", "1"},
    };
    for (const auto& args : rows) {
        auto r = RunCli(args, "stock\n");
        EXPECT_EQ(r.status, 2) << args.back();
        EXPECT_EQ(r.out, "");
    }
}

} // namespace
} // namespace tablamor
