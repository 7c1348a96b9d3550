// The end-of-game entry point, on sound and on damaged record files.
#include "records/finished_game.h"
#include "records/game_log.h"
#include "records/hi_score_upgrade.h"
#include "records/required_files.h"
#include "records/section_file.h"
#include "test_dir.h"

#include <gtest/gtest.h>

#include <random>

namespace tablamor {
namespace {

using testing::ReadFile;
using testing::TestDir;
using testing::WriteFile;

const std::string kBob = "000002 000001 000002 000001 000002 000000 000000000100 000000000000";
const std::string kCid = "000009 000000 000009 000000 000009 000000 000000001800 000000000000";

FinishedGame Game(const std::filesystem::path& dir, std::string player, bool won, int score) {
    FinishedGame g;
    g.dataDir = dir / "DATA";
    g.gameId = 3;
    g.gameName = "Spider";
    g.gameNumber = "0000000000042";
    g.cardCount = 104;
    g.won = won;
    g.score = score;
    g.seconds = 300;
    g.player = std::move(player);
    g.end = {2024, 6, 1, 9, 30, 0};
    return g;
}

std::string Stat(const TestDir& dir, const char* player) {
    return ReadKey(nullptr, dir / "DATA" / "STAT.DAT", "0003", player, "missing").value;
}

TEST(FinishedGame, WritesLogStatisticsAndHiScores) {
    TestDir dir;
    CollectedMessages messages;
    FinishedGameRecords done = RecordFinishedGame(Game(dir.Path(), "Ann", true, 350), messages);
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_TRUE(done.logWritten);
    EXPECT_TRUE(done.statisticsWritten);
    EXPECT_EQ(done.hiScoreRank, 0); // 350 beats the 104-card placeholders (best 104)
    EXPECT_EQ(done.counters.wins, 1);
    std::vector<GameLogEntry> log = ReadGameLog(dir / "DATA" / "STAT_LOG.DAT");
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].gameName, "Spider");
    EXPECT_EQ(log[0].score, 350);
    EXPECT_EQ(Stat(dir, "Ann"),
              "000001 000000 000001 000000 000001 000000 000000000350 000000000000");
    EXPECT_TRUE(ReadKey(nullptr, dir / "DATA" / "STAT_SCR.DAT", "0003", "02-01", "")
                    .value.starts_with("000104 000520 ")); // the first placeholder, now second

    done = RecordFinishedGame(Game(dir.Path(), "Ann", false, -104), messages);
    EXPECT_EQ(done.hiScoreRank, -1);
    EXPECT_EQ(done.counters.losses, 1);
    EXPECT_EQ(ReadGameLog(dir / "DATA" / "STAT_LOG.DAT").size(), 2u);
}

TEST(FinishedGame, NoGameInPlayWritesNothing) {
    TestDir dir;
    FinishedGameRecords done = RecordFinishedGame(Game(dir.Path(), "Ann", true, 1), NoMessages());
    ASSERT_TRUE(done.logWritten);
    for (int id : {-1, 10000}) {
        TestDir other;
        FinishedGame g = Game(other.Path(), "Ann", true, 1);
        g.gameId = id;
        done = RecordFinishedGame(g, NoMessages());
        EXPECT_FALSE(done.logWritten || done.statisticsWritten) << id;
        EXPECT_FALSE(std::filesystem::exists(other / "DATA")) << id;
    }
}

TEST(FinishedGame, RunCountersLiveInTheSettings) {
    Settings s;
    StoreRunCounters(s, {0, 0});
    EXPECT_EQ(s.Get(Settings::kStatCounter1), "0000");
    StoreRunCounters(s, {12, 3});
    EXPECT_EQ(s.Get(Settings::kStatCounter2), "0003");
    EXPECT_EQ(ReadRunCounters(s).wins, 12);
}

// Damaged statistics files: the game is still counted, every readable record survives.
TEST(FinishedGame, DamagedStatisticsFiles) {
    std::mt19937 random(7);
    std::string garbage;
    for (int i = 0; i < 65536; ++i) garbage += static_cast<char>(random() & 0xFF);
    garbage += std::string("\r\n[0001]\r\nX=") + '\0' + "\r\n[" + "\xFF\xFE";
    const std::string megabyteLine(1 << 20, 'z');
    const std::string bobSection = "[0003]\r\nBob=" + kBob + "\r\n";
    struct Row {
        const char* name;
        std::string content;
        const char* annBefore; // what Ann's record read as before the game
    } rows[] = {
        {"binary garbage", garbage, "missing"},
        {"binary garbage before the section", garbage + "\r\n" + bobSection, "missing"},
        {"a truncated last line",
         "[Version]\r\nVersion=0300\r\n\r\n" + bobSection + "Ann=000001 0000", "000001 0000"},
        {"a line of 1 MB",
         "[Version]\r\nVersion=0300\r\n\r\n" + bobSection + megabyteLine + "\r\nCid=" + kCid +
             "\r\n",
         "missing"},
        {"no version section", bobSection + "Cid=" + kCid + "\r\n", "missing"},
        {"a record with non-digits", bobSection + "Ann=00000x 000004\r\n", "00000x 000004"},
    };
    for (const Row& r : rows) {
        TestDir dir;
        WriteFile(dir / "DATA" / "STAT.DAT", r.content);
        EXPECT_EQ(Stat(dir, "Ann"), r.annBefore) << r.name;
        bool hadBob = Stat(dir, "Bob") != "missing", hadCid = Stat(dir, "Cid") != "missing";
        FinishedGameRecords done =
            RecordFinishedGame(Game(dir.Path(), "Ann", true, 5), NoMessages());
        EXPECT_TRUE(done.statisticsWritten) << r.name;
        EXPECT_TRUE(Stat(dir, "Ann").starts_with("00000")) << r.name << ": " << Stat(dir, "Ann");
        if (hadBob) {
            EXPECT_EQ(Stat(dir, "Bob"), kBob) << r.name;
        }
        if (hadCid) {
            EXPECT_EQ(Stat(dir, "Cid"), kCid) << r.name;
        }
        std::string after = ReadFile(dir / "DATA" / "STAT.DAT");
        if (r.content.find("[0003]") == std::string::npos) {
            EXPECT_TRUE(after.starts_with(r.content)) << r.name << ": bytes before were changed";
        }
        if (r.content.find(megabyteLine) != std::string::npos) {
            EXPECT_NE(after.find("\r\n" + megabyteLine + "\r\n"), std::string::npos) << r.name;
        }
    }
}

TEST(FinishedGame, DamagedHiScoreFile) {
    TestDir dir;
    const std::filesystem::path file = dir / "DATA" / "STAT_SCR.DAT";
    const std::string good = "000090 000100 20240101 10:00:00 Bob                            "
                             "0000000000001   Won  x";
    WriteFile(file, "[0003]\r\n01-01=" + good + "\r\n02-01=00abc1 garbage\r\n03-01=" + good +
                        "\r\n" + std::string(3000, '\xFE'));
    EXPECT_TRUE(UpgradeHiScoreFile(dir / "DATA", NoMessages())); // no version section: upgraded
    FinishedGameRecords done = RecordFinishedGame(Game(dir.Path(), "Ann", true, 80), NoMessages());
    EXPECT_EQ(done.hiScoreRank, 1); // below the first entry, ahead of the unreadable one
    EXPECT_EQ(ReadKey(nullptr, file, "0003", "01-01", "").value, good);
    EXPECT_TRUE(ReadKey(nullptr, file, "0003", "02-01", "").value.starts_with("000080 000300 "));
    EXPECT_TRUE(ReadKey(nullptr, file, "0003", "03-01", "").value.starts_with("00abc1 garbage"));
    EXPECT_EQ(ReadKey(nullptr, file, "0003", "04-01", "").value, good);
    EXPECT_NE(ReadFile(file).find(std::string(3000, '\xFE') + "\r\n"), std::string::npos);
    EXPECT_EQ(ReadKey(nullptr, file, "Version", "Version", "").value, "0300");
}

TEST(RequiredFiles, MissingFileTextsAreFatal) {
    TestDir dir;
    WriteFile(dir / "GAMES.DAT", "x");
    CollectedMessages messages;
    EXPECT_TRUE(RequireFile(dir / "GAMES.DAT", messages));
    EXPECT_FALSE(RequireFile(dir / "NONE.DAT", messages));
    EXPECT_FALSE(RequireImageFile(dir / "Images" / "x.bmp", messages));
    ASSERT_EQ(messages.texts.size(), 2u);
    EXPECT_EQ(messages.kinds[0], MessageKind::Fatal);
    EXPECT_EQ(messages.texts[0], "Cannot find file:\n" + (dir / "NONE.DAT").string() +
                                     "\nCopy the file into the directory that above is specified"
                                     "\nor reinstall the program.");
    EXPECT_TRUE(messages.texts[1].starts_with("Cannot find images file:\n"));
}

} // namespace
} // namespace tablamor
