// What the record windows read and change through the records library: the statistics of the
// listed players, their reset, the hi-score table as entries, and the player list.
#include "records/hi_scores.h"
#include "records/players.h"
#include "records/statistics.h"
#include "test_dir.h"

#include <gtest/gtest.h>

namespace tablamor {
namespace {

using testing::TestDir;

TEST(RecordViews, PlayersStatisticsAndTheirReset) {
    TestDir dir;
    const auto file = dir / "STAT.DAT";
    RunCounters counters;
    SilentMessages quiet;
    for (auto [player, won] :
         {std::pair{"Ann", true}, {"Ann", false}, {"Bob", true}, {"Ann", true}})
        ASSERT_TRUE(RecordGameResult(file, 7, player, won, 10, false, counters, quiet));
    ASSERT_TRUE(RecordGameResult(file, 8, "Cy", false, 0, false, counters, quiet));

    const auto read = ReadPlayersStatistics(file, 7, {"Bob", "Cy", "Ann"}, quiet);
    ASSERT_EQ(read.size(), 2u) << "Cy has no record for game 7";
    EXPECT_EQ(read[0].first, "Bob");
    EXPECT_EQ(read[0].second.won, 1);
    EXPECT_EQ(read[1].first, "Ann");
    EXPECT_EQ(read[1].second.won, 2);
    EXPECT_EQ(read[1].second.lost, 1);
    EXPECT_EQ(read[1].second.winningStreak, 1);
    EXPECT_TRUE(ReadPlayersStatistics(dir / "missing.DAT", 7, {"Ann"}, quiet).empty());

    ASSERT_TRUE(ResetPlayersStatistics(file, 7, {"Ann", "Cy"}, quiet));
    const auto after = ReadPlayersStatistics(file, 7, {"Ann", "Bob"}, quiet);
    ASSERT_EQ(after.size(), 2u);
    EXPECT_EQ(after[0].second, GameStatistics{}) << "Ann back to zero";
    EXPECT_EQ(after[1].second.won, 1) << "Bob untouched";
    EXPECT_TRUE(ReadPlayersStatistics(file, 7, {"Cy"}, quiet).empty()) << "no record made for Cy";
    EXPECT_EQ(ReadPlayersStatistics(file, 8, {"Cy"}, quiet).size(), 1u) << "game 8 untouched";
}

TEST(RecordViews, HiScoreTableAsEntries) {
    TestDir dir;
    const auto file = dir / "STAT_SCR.DAT";
    SilentMessages quiet;
    const Timestamp when{2026, 3, 4, 5, 6, 7};
    HiScoreOffer offer{7, "Ann", "01", when, 95, 100, "0000000001234", true, 52};
    ASSERT_EQ(OfferHiScore(file, offer, quiet).rank, 0);
    const auto table = ReadHiScoreTable(file, 7, "01", quiet);
    ASSERT_EQ(table.size(), static_cast<std::size_t>(kHiScoreRanks));
    const auto best = ParseHiScoreEntry(table[0]);
    ASSERT_TRUE(best);
    EXPECT_EQ(best->score, 100);
    EXPECT_EQ(best->seconds, 95);
    EXPECT_EQ(best->player, "Ann");
    EXPECT_EQ(best->date, "20260304");
    EXPECT_EQ(best->timeOfDay, "05:06:07");
    EXPECT_EQ(best->gameNumber, "0000000001234");
    EXPECT_TRUE(best->won);
    const auto placeholder = ParseHiScoreEntry(table[1]);
    ASSERT_TRUE(placeholder) << "the rest of the table is seeded";
    EXPECT_EQ(placeholder->score, 52);
    const auto lost = ParseHiScoreEntry(HiScoreEntry(3, 9, when, "Bob", "12", false));
    ASSERT_TRUE(lost);
    EXPECT_FALSE(lost->won);
    for (const char* blank : {"", "      ", "abc"}) EXPECT_FALSE(ParseHiScoreEntry(blank)) << blank;
    EXPECT_TRUE(ReadHiScoreTable(file, 9, "01", quiet)[0].empty()) << "no table for game 9";
}

TEST(RecordViews, PlayersAddedAndRenamed) {
    TestDir dir;
    IniFile config(dir / "CFG.DAT");
    const struct Row {
        const char* name;
        PlayerChange (*change)(IniFile&);
        PlayerChange expected;
    } rows[] = {
        {"add", [](IniFile& c) { return AddPlayer(c, "Ann"); }, PlayerChange::Done},
        {"add again", [](IniFile& c) { return AddPlayer(c, "Ann"); }, PlayerChange::Done},
        {"add blank", [](IniFile& c) { return AddPlayer(c, "  "); }, PlayerChange::Empty},
        {"add too long", [](IniFile& c) { return AddPlayer(c, std::string(31, 'x')); },
         PlayerChange::Empty},
        {"add second", [](IniFile& c) { return AddPlayer(c, "Bob"); }, PlayerChange::Done},
        {"rename onto another", [](IniFile& c) { return RenamePlayer(c, "Bob", "Ann"); },
         PlayerChange::Taken},
        {"rename unknown", [](IniFile& c) { return RenamePlayer(c, "Zed", "Cy"); },
         PlayerChange::NotFound},
        {"rename", [](IniFile& c) { return RenamePlayer(c, "Ann", "Anna"); }, PlayerChange::Done},
    };
    for (const Row& row : rows) EXPECT_EQ(row.change(config), row.expected) << row.name;
    EXPECT_EQ(PlayerNames(config), (std::vector<std::string>{"Anna", "Bob"}));
    for (int n = 3; n <= 20; ++n)
        ASSERT_EQ(AddPlayer(config, "P" + std::to_string(n)), PlayerChange::Done);
    EXPECT_EQ(AddPlayer(config, "One more"), PlayerChange::Full);
}

} // namespace
} // namespace tablamor
