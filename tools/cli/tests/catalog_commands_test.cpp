// tablamor-cli games and params, and how the tool answers bad input.
#include "run_cli.h"

#include "engine/game_file.h"
#include "engine/game_source.h"
#include "records/atomic_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace tablamor {
namespace {

using testing::RunCli;
namespace fs = std::filesystem;

class CliTest : public ::testing::Test {
protected:
    fs::path root;
    void SetUp() override {
        root = fs::temp_directory_path() /
               ("tablamor-cli-" +
                std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "-" +
                std::to_string(::getpid()));
        fs::remove_all(root);
        fs::create_directories(root);
    }
    void TearDown() override { fs::remove_all(root); }
    void WriteGames(const std::vector<GameDefinition>& games) {
        ASSERT_TRUE(WriteFileAtomically(root / "GAMES.DAT", WriteGameFile(games)));
    }
    static GameDefinition Game(int id, int type, const std::string& name) {
        GameDefinition g;
        g.id = id;
        g.type = type;
        g.name = name;
        return g;
    }
};

TEST_F(CliTest, GamesListsTheGameListInFileOrder) {
    GameDefinition a = Game(1, 5, "Klondike"), b = Game(12, 10, "Long name with spaces");
    WriteGames({a, b});
    auto r = RunCli({"games", "--root", root.string()});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "1\t005\tKlondike\n12\t010\tLong name with spaces\n");
}

TEST_F(CliTest, ParamsPrintsNonZeroValuesInOrder) {
    GameDefinition g = Game(2, 4, "Test");
    g.params[260] = 52;
    g.params[13] = -1;
    g.params[332] = 3;
    WriteGames({g});
    auto r = RunCli({"params", "--root", root.string(), "--game", "2"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "P[13]=-1\nP[260]=52\nP[332]=3\n");
}

TEST_F(CliTest, CustomGameParams) {
    GameDefinition g = Game(1, 5, "Base");
    g.params[257] = 2;
    g.params[17] = 1;
    WriteGames({g});
    std::string record = "8000Three at a time";
    record.resize(54, ' ');
    std::string file = "custom games\n" + record + "0001\n003-013\n";
    for (int i = 2; i < 30; ++i) file += "\n";
    ASSERT_TRUE(WriteFileAtomically(root / "DATA" / "GAM_CUST.DAT", file));
    auto r = RunCli({"params", "--root", root.string(), "--game", "8000"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "P[13]=-1\nP[17]=3\nP[257]=2\n");
}

TEST_F(CliTest, BadInputEndsWithStatusTwo) {
    WriteGames({Game(1, 5, "Klondike")});
    struct Row {
        std::vector<std::string> args; // "ROOT" stands for the program directory
        std::string errorPart;
    } rows[] = {
        {{"games", "--root", "ROOT", "--bogus", "1"}, "unknown option --bogus"},
        {{"params", "--root", "ROOT", "--game", "77"}, "unknown game id 77"},
        {{"params", "--root", "ROOT", "--game", "8000"}, "unknown game id 8000"},
        {{"params", "--root", "ROOT", "--game", "x"}, "whole number"},
        {{"params", "--root", "ROOT"}, "missing option --game"},
        {{"frobnicate", "--root", "ROOT"}, "unknown command"},
        {{"games", "--root"}, "needs a value"},
        {{"games", "stray"}, "unexpected argument"},
    };
    for (Row& row : rows) {
        for (std::string& a : row.args)
            if (a == "ROOT") a = root.string();
        auto r = RunCli(row.args);
        EXPECT_EQ(r.status, 2) << row.errorPart;
        EXPECT_NE(r.err.find(row.errorPart), std::string::npos) << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        EXPECT_EQ(r.out, "");
    }
}

TEST_F(CliTest, MissingGameFile) {
    auto r = RunCli({"games", "--root", root.string()});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("Cannot find file:\n" + (root / "GAMES.DAT").string()), std::string::npos)
        << r.err;
}

TEST_F(CliTest, FieldThatIsNotANumber) {
    std::string content = WriteGameFile({Game(1, 5, "Klondike")});
    // Parameter 13 of game 1: scramble "1x" into its field.
    std::size_t line = content.find("0013 ");
    ASSERT_NE(line, std::string::npos);
    std::size_t field = line + kSect2FirstColumn - 1 + kSect2FieldStep;
    content[field] = static_cast<char>(Scramble('1'));
    content[field + 1] = static_cast<char>(Scramble('x'));
    ASSERT_TRUE(WriteFileAtomically(root / "GAMES.DAT", content));
    auto r = RunCli({"params", "--root", root.string(), "--game", "1"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("Game 1 (Klondike) cannot be set up: parameter 13"), std::string::npos)
        << r.err;
}

TEST_F(CliTest, ShippedGamesRoundTripThroughTheGameFile) {
    // sources -> GAMES.DAT (as the build made it) -> text -> sources
    auto shipped = GameFile::Open(fs::path(TABLAMOR_RUNTIME_DIR) / "GAMES.DAT");
    ASSERT_TRUE(shipped);
    std::vector<GameDefinition> fromSources;
    for (const auto& entry : fs::directory_iterator(fs::path(TABLAMOR_SOURCE_DIR) / "games")) {
        if (entry.path().extension() != ".game") continue;
        fromSources.push_back(LoadGameSource(entry.path()));
    }
    auto fromFile = ReadAllGames(*shipped);
    ASSERT_EQ(fromFile.size(), fromSources.size());
    ASSERT_FALSE(fromFile.empty());
    for (const GameDefinition& source : fromSources) {
        auto it = std::find_if(fromFile.begin(), fromFile.end(),
                               [&](auto& g) { return g.id == source.id; });
        ASSERT_NE(it, fromFile.end()) << source.name;
        GameDefinition again = ParseGameSource(FormatGameSource(*it), "decompiled");
        EXPECT_EQ(again.params, source.params) << source.name;
        EXPECT_EQ(again.name, source.name);
        EXPECT_EQ(again.type, source.type);
        EXPECT_EQ(again.description, source.description);
    }
    // and the tool itself: decompile, compile again, identical bytes
    std::string gamesc = std::string(TABLAMOR_GAMESC);
    auto d = testing::RunProgram(
        gamesc,
        {"decompile", (fs::path(TABLAMOR_RUNTIME_DIR) / "GAMES.DAT").string(), root.string()});
    ASSERT_EQ(d.status, 0) << d.err;
    std::vector<std::string> args = {"compile", (root / "AGAIN.DAT").string()};
    for (const auto& entry : fs::directory_iterator(root))
        if (entry.path().extension() == ".game") args.push_back(entry.path().string());
    auto c = testing::RunProgram(gamesc, args);
    ASSERT_EQ(c.status, 0) << c.err;
    std::string a, b;
    ASSERT_TRUE(ReadWholeFile(fs::path(TABLAMOR_RUNTIME_DIR) / "GAMES.DAT", a));
    ASSERT_TRUE(ReadWholeFile(root / "AGAIN.DAT", b));
    EXPECT_EQ(a, b);
}

} // namespace
} // namespace tablamor

namespace tablamor {
namespace {

TEST_F(CliTest, PlayRecordsAQuitGameOnlyWhenAsked) {
    fs::copy_file(fs::path(TABLAMOR_RUNTIME_DIR) / "GAMES.DAT", root / "GAMES.DAT");
    // Without --record a replayed line of commands leaves the records alone.
    auto plain =
        RunCli({"play", "--root", root.string(), "--game", "1", "--number", "5"}, "quit\n");
    ASSERT_EQ(plain.status, 0) << plain.err;
    EXPECT_NE(plain.out.find("won 0"), std::string::npos);
    EXPECT_FALSE(fs::exists(root / "DATA"));

    auto r = RunCli({"play", "--root", root.string(), "--game", "1", "--number", "5", "--record"},
                    "stock\nquit\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("won 0"), std::string::npos);
    std::string log, stats, config;
    ASSERT_TRUE(ReadWholeFile(root / "DATA" / "STAT_LOG.DAT", log));
    EXPECT_NE(log.find("0000000000005"), std::string::npos) << log;
    ASSERT_TRUE(ReadWholeFile(root / "DATA" / "STAT.DAT", stats));
    EXPECT_NE(stats.find("Player 1"), std::string::npos) << stats;
    ASSERT_TRUE(ReadWholeFile(root / "DATA" / "CFG.DAT", config));
    EXPECT_NE(config.find("UserDefault=Player 1"), std::string::npos) << config;
    // Without quit the game is still in play at the end of the input: nothing more is logged.
    auto again = RunCli(
        {"play", "--root", root.string(), "--game", "1", "--number", "6", "--record"}, "stock\n");
    ASSERT_EQ(again.status, 0);
    std::string after;
    ASSERT_TRUE(ReadWholeFile(root / "DATA" / "STAT_LOG.DAT", after));
    EXPECT_EQ(after, log);
}

// The compiler refuses a definition whose special code 11 would move an ace onto a foundation
// the deal has started, and writes nothing.
TEST_F(CliTest, CompilerRefusesSpecial11OntoAStartedFoundation) {
    const std::string source = "# Aces from the reserve.\nid = 60\nname = Aces\ntype = 9\n"
                               "CardCount = 52\nSpecialCode = 11\nFoundationCount = 5\n"
                               "ReserveCount = 1\nReserveDealt = 13\n";
    ASSERT_TRUE(WriteFileAtomically(root / "ok.game", source));
    ASSERT_TRUE(WriteFileAtomically(root / "bad.game", source + "FoundationStartCard[2] = 2\n"));
    const std::string gamesc = TABLAMOR_GAMESC;
    auto ok = testing::RunProgram(
        gamesc, {"compile", (root / "OK.DAT").string(), (root / "ok.game").string()});
    EXPECT_EQ(ok.status, 0) << ok.err;
    auto bad = testing::RunProgram(
        gamesc, {"compile", (root / "BAD.DAT").string(), (root / "bad.game").string()});
    EXPECT_EQ(bad.status, 1);
    EXPECT_NE(bad.err.find("Aces (id 60): special code 11 may move an ace of Appogg1 onto Dest3"),
              std::string::npos)
        << bad.err;
    EXPECT_FALSE(fs::exists(root / "BAD.DAT"));
}

TEST_F(CliTest, PlayRecordsInTheDataDirectoryGivenOrSaysWhyItCannot) {
    fs::copy_file(fs::path(TABLAMOR_RUNTIME_DIR) / "GAMES.DAT", root / "GAMES.DAT");
    const fs::path data = root / "elsewhere";
    auto r = RunCli({"play", "--root", root.string(), "--data-dir", data.string(), "--game", "1",
                     "--number", "5", "--record"},
                    "quit\n");
    ASSERT_EQ(r.status, 0) << r.err;
    std::string log;
    ASSERT_TRUE(ReadWholeFile(data / "STAT_LOG.DAT", log));
    EXPECT_NE(log.find("0000000000005"), std::string::npos) << log;
    EXPECT_FALSE(fs::exists(root / "DATA"));

    // A data directory that cannot be made: one line says so, and the game is played all the same.
    ASSERT_TRUE(WriteFileAtomically(root / "file", "not a directory"));
    auto blocked =
        RunCli({"play", "--root", root.string(), "--data-dir", (root / "file" / "data").string(),
                "--game", "1", "--number", "5", "--record"},
               "quit\n");
    EXPECT_EQ(blocked.status, 0) << blocked.err;
    EXPECT_NE(blocked.out.find("won 0"), std::string::npos);
    EXPECT_EQ(blocked.err.find("tablamor-cli: Your games cannot be recorded"), 0u) << blocked.err;
    EXPECT_EQ(std::count(blocked.err.begin(), blocked.err.end(), '\n'), 1) << blocked.err;
}

TEST_F(CliTest, CustomGamesComeFromTheDataDirectory) {
    GameDefinition g = Game(1, 5, "Base");
    WriteGames({g});
    std::string record = "8000Three at a time";
    record.resize(54, ' ');
    ASSERT_TRUE(WriteFileAtomically(root / "mine" / "GAM_CUST.DAT",
                                    "custom games\n" + record + "0001\n003-013\n"));
    auto found = RunCli({"params", "--root", root.string(), "--data-dir", (root / "mine").string(),
                         "--game", "8000"});
    EXPECT_EQ(found.status, 0) << found.err;
    auto missing = RunCli({"params", "--root", root.string(), "--game", "8000"});
    EXPECT_EQ(missing.status, 2);
}

TEST(CliInformation, HelpAndVersion) {
    auto version = RunCli({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, std::string("tablamor-cli ") + TABLAMOR_VERSION + "\n");
    auto help = RunCli({"--help"});
    EXPECT_EQ(help.status, 0);
    for (const char* word : {"--data-dir DIR", "--record", "XDG_DATA_HOME"})
        EXPECT_NE(help.out.find(word), std::string::npos) << word;
}

} // namespace
} // namespace tablamor
