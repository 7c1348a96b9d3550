#include "records/game_log.h"
#include "test_dir.h"

#include <gtest/gtest.h>

namespace tablamor {
namespace {

using testing::ReadFile;
using testing::TestDir;
using testing::WriteFile;

GameLogEntry Entry(int score, bool won) {
    GameLogEntry e;
    e.end = {2024, 3, 15, 14, 5, 9};
    e.seconds = 125;
    e.gameId = 1;
    e.gameName = "Klondike";
    e.player = "Ann";
    e.won = won;
    e.scoringType = "01";
    e.score = score;
    e.gameNumber = "0000000012345";
    return e;
}

TEST(GameLog, LineLayout) {
    EXPECT_EQ(GameLogLine(Entry(208, true)),
              "20240315 14:05:09 000125 0001 " + std::string("Klondike") + std::string(42, ' ') +
                  " Ann" + std::string(27, ' ') + " Won  01 208    0000000012345   0340");
    std::string lost = GameLogLine(Entry(-52, false));
    EXPECT_NE(lost.find(" Lost 01 -52    0000000012345   0340"), std::string::npos) << lost;
    GameLogEntry odd = Entry(5, true);
    odd.player = "two\r\nlines and a name longer than thirty characters";
    EXPECT_EQ(GameLogLine(odd).size(), GameLogLine(Entry(5, true)).size());
    EXPECT_EQ(GameLogLine(odd).find('\n'), std::string::npos);
}

TEST(GameLog, ParseGivesBackWhatWasWritten) {
    for (const GameLogEntry& e : {Entry(208, true), Entry(-52, false), Entry(0, false)})
        EXPECT_EQ(ParseGameLogLine(GameLogLine(e)), e);
    std::string line = GameLogLine(Entry(1, true));
    for (std::string bad : {line.substr(0, 100), line + "x", "x" + line.substr(1),
                            line.substr(0, line.size() - 4) + "0341", std::string()})
        EXPECT_FALSE(ParseGameLogLine(bad)) << bad;
}

TEST(GameLog, TornLastLineDoesNotSpoilTheNextOne) {
    TestDir dir;
    const std::filesystem::path file = dir / "DATA" / "STAT_LOG.DAT";
    ASSERT_TRUE(AppendGameLog(file, Entry(10, true), NoMessages()));
    ASSERT_TRUE(AppendGameLog(file, Entry(20, false), NoMessages()));
    // A killed append left half a line.
    std::string whole = ReadFile(file);
    WriteFile(file, whole + GameLogLine(Entry(30, true)).substr(0, 70));
    std::vector<GameLogEntry> read = ReadGameLog(file);
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[1].score, 20);

    ASSERT_TRUE(AppendGameLog(file, Entry(40, true), NoMessages()));
    read = ReadGameLog(file);
    ASSERT_EQ(read.size(), 3u);
    EXPECT_EQ(read[0], Entry(10, true));
    EXPECT_EQ(read[1], Entry(20, false));
    EXPECT_EQ(read[2], Entry(40, true));
    EXPECT_TRUE(ReadFile(file).starts_with(whole)); // the complete lines are untouched
}

TEST(GameLog, UnwritableLogIsReported) {
    TestDir dir;
    std::filesystem::create_directories(dir / "STAT_LOG.DAT");
    CollectedMessages messages;
    EXPECT_FALSE(AppendGameLog(dir / "STAT_LOG.DAT", Entry(1, true), messages));
    EXPECT_EQ(messages.texts,
              std::vector<std::string>{"Cannot open file " + (dir / "STAT_LOG.DAT").string() +
                                       ": Is a directory"});
    EXPECT_TRUE(ReadGameLog(dir / "missing").empty());
}

} // namespace
} // namespace tablamor
