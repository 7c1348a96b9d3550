// tablamor-cli play: "save FILE" keeps the game and --resume FILE takes it up, so that the rest
// of a game plays the same either way; a damaged or foreign file is refused and left as it was.
#include "run_cli.h"

#include "engine/saved_game.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace tablamor {
namespace {

using testing::RunCli;
namespace fs = std::filesystem;

const std::string kRuntime = TABLAMOR_RUNTIME_DIR;

class SavedGameCommand : public ::testing::Test {
protected:
    fs::path dir = fs::temp_directory_path() / ("tablamor-saved-" + std::to_string(::getpid()));
    fs::path file = dir / "kept game.txt";
    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir); }

    std::string Read() const {
        std::ifstream in(file, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    void Write(const std::string& text) const { std::ofstream(file, std::ios::binary) << text; }
};

// What follows the save: shown, stepped back and forth through the history, played on.
const std::string kAfterSave = "show\nundo\nundo\nshow\nredo\nredo\nredo\nshow\nstock\nshow\n";

TEST_F(SavedGameCommand, TheRestOfTheGamePlaysTheSameAfterResume) {
    struct Row {
        const char* game;
        const char* number;
        const char* before; // the moves before the save
    } rows[] = {
        {"1", "1", "stock\nstock\nsend 001\ndrop 041 Dest1\nstock\nundo\n"},
        {"2", "11982", "stock\n"}, // refused: a game with no history at all
        {"13", "4242", "stock\nundo\nstock\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.game);
        auto played =
            RunCli({"play", "--root", kRuntime, "--game", row.game, "--number", row.number},
                   std::string(row.before) + "save " + file.string() + "\n" + kAfterSave);
        ASSERT_EQ(played.status, 0) << played.err;
        auto resumed = RunCli({"play", "--root", kRuntime, "--resume", file.string()}, kAfterSave);
        ASSERT_EQ(resumed.status, 0) << resumed.err;
        EXPECT_TRUE(played.out.ends_with("ok\n" + resumed.out)) << "played on:\n"
                                                                << played.out << "\nresumed:\n"
                                                                << resumed.out;
    }
}

TEST_F(SavedGameCommand, DamagedOrForeignFilesAreRefusedAndKept) {
    auto played = RunCli({"play", "--root", kRuntime, "--game", "1", "--number", "1"},
                         "stock\nsave " + file.string() + "\n");
    ASSERT_EQ(played.status, 0) << played.err;
    const std::string good = Read();
    ASSERT_EQ(good.rfind(std::string(kSavedGameHeader) + "\n", 0), 0u);
    const struct Row {
        const char* name;
        std::string text;
        const char* reason;
    } rows[] = {
        {"cut short", good.substr(0, good.size() - 10), "damaged"},
        {"another kind of file", "[Preference]\nGame=1\n", "not a saved game"},
        {"a changed game",
         good.substr(0, good.find("definition ")) + "definition 1" +
             good.substr(good.find('\n', good.find("definition "))),
         "the game has changed"},
        {"a card that is no card",
         good.substr(0, good.find("table ") + 6) + "9999" + good.substr(good.find("table ") + 10),
         "damaged"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Write(row.text);
        auto r = RunCli({"play", "--root", kRuntime, "--resume", file.string()}, "show\n");
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find(row.reason), std::string::npos) << r.err;
        EXPECT_EQ(Read(), row.text) << "the file is left as it was";
    }
    fs::remove(file);
    auto missing = RunCli({"play", "--root", kRuntime, "--resume", file.string()}, "show\n");
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find(file.string()), std::string::npos) << missing.err;
}

} // namespace
} // namespace tablamor
