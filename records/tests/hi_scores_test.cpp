#include "records/atomic_file.h"
#include "records/data_files.h"
#include "records/hi_score_upgrade.h"
#include "records/hi_scores.h"
#include "records/ini_file.h"
#include "records/section_file.h"
#include "test_dir.h"

#include <gtest/gtest.h>

namespace tablamor {
namespace {

using testing::ReadFile;
using testing::TestDir;
using testing::WriteFile;

const Timestamp kWhen{2024, 3, 15, 14, 5, 9};

std::vector<std::string> Table(const std::filesystem::path& file, int gameId) {
    std::vector<std::string> keys;
    for (int rank = 1; rank <= kHiScoreRanks; ++rank) keys.push_back(HiScoreKey(rank, "01"));
    char section[8];
    std::snprintf(section, sizeof section, "%04d", gameId);
    return ReadKeys(file, section, keys, std::vector<std::string>(keys.size())).values;
}

HiScoreOffer Offer(int score, int seconds, bool won = true) {
    HiScoreOffer o;
    o.gameId = 1;
    o.player = "Ann";
    o.scoringType = "01";
    o.end = kWhen;
    o.seconds = seconds;
    o.score = score;
    o.gameNumber = "0000000012345";
    o.won = won;
    o.cardCount = 52;
    return o;
}

TEST(HiScores, EntryLayout) {
    EXPECT_EQ(
        HiScoreEntry(41, 205, kWhen, "Ann", "0000000012345", true),
        "000041 000205 20240315 14:05:09 Ann                            0000000012345   Won  x");
    EXPECT_EQ(HiScoreEntry(-52, 7, kWhen, "Bob", "1", false).substr(0, 14), "-00052 000007 ");
    EXPECT_TRUE(HiScoreEntry(-52, 7, kWhen, "Bob", "1", false).ends_with("Lost x"));
    EXPECT_EQ(HiScoreEntry(1, 1, kWhen, std::string(40, 'n'), "", true).size(), 85u);
}

TEST(HiScores, PlaceholdersScaleToTheCardCount) {
    struct Row {
        int cards;
        std::vector<int> scores; // ranks 1, 2, 3, 19, 20
    } rows[] = {
        {52, {52, 45, 40, 3, 2}},
        {104, {104, 90, 80, 6, 4}},
        {32, {32, 27, 24, 1, 1}}, // fractions dropped
        {0, {0, 0, 0, 0, 0}},
    };
    for (const Row& r : rows) {
        std::vector<std::string> table = PlaceholderTable(r.cards, kWhen);
        ASSERT_EQ(table.size(), 20u);
        std::size_t at[] = {0, 1, 2, 18, 19};
        for (std::size_t i = 0; i < 5; ++i) {
            HiScoreRank rank = RankOfEntry(table[at[i]]);
            EXPECT_EQ(rank.score, r.scores[i]) << r.cards << " cards, rank " << at[i] + 1;
            EXPECT_EQ(rank.seconds, 5 * r.scores[i]) << r.cards;
        }
        EXPECT_EQ(table[0].substr(32, 30).find("* "), 0u);
        EXPECT_EQ(table[0].substr(63, 15), "000000000000000");
        EXPECT_TRUE(table[0].ends_with("Won  x"));
    }
}

TEST(HiScores, RankingRules) {
    auto entry = [](int score, int seconds) {
        return HiScoreEntry(score, seconds, kWhen, "X", "", true);
    };
    struct Row {
        const char* name;
        std::vector<std::string> table;
        int score, seconds;
        int expected;
    } rows[] = {
        {"a higher score ranks first", {entry(50, 10), entry(40, 10)}, 45, 99, 1},
        {"the faster of two equal scores ranks first", {entry(50, 10), entry(40, 100)}, 40, 90, 1},
        {"same score and time: the older entry stays ahead",
         {entry(50, 10), entry(40, 100)},
         40,
         100,
         2},
        {"a negative score enters where blanks remain", {entry(50, 10)}, -52, 10, 1},
        {"a garbage entry counts as blank", {"xx0041 000010", entry(3, 1)}, 2, 1, 0},
        {"a full table of better scores keeps it out", std::vector<std::string>(20, entry(10, 10)),
         10, 10, -1},
    };
    for (const Row& r : rows) {
        std::vector<std::string> table = r.table;
        std::string mine = entry(r.score, r.seconds);
        EXPECT_EQ(PlaceEntry(table, mine), r.expected) << r.name;
        EXPECT_EQ(table.size(), 20u);
        if (r.expected >= 0) {
            EXPECT_EQ(table[static_cast<std::size_t>(r.expected)], mine) << r.name;
        }
    }
}

TEST(HiScores, FirstGameSeedsPlaceholdersAndTakesItsRank) {
    TestDir dir;
    const std::filesystem::path file = dir / "DATA" / "STAT_SCR.DAT";
    EXPECT_EQ(OfferHiScore(file, Offer(41, 205), NoMessages()).rank, 2);
    std::vector<std::string> table = Table(file, 1);
    EXPECT_EQ(RankOfEntry(table[1]).score, 45);
    EXPECT_TRUE(table[2].starts_with("000041 000205 20240315 14:05:09 Ann "));
    EXPECT_EQ(RankOfEntry(table[3]).score, 40);
    EXPECT_EQ(RankOfEntry(table[19]).score, 3); // the 2-point placeholder dropped out
    for (const std::string& e : table) {
        EXPECT_EQ(e.size(), 85u);
        EXPECT_TRUE(e.ends_with(" x"));
    }
    EXPECT_EQ(ReadFile(file).substr(0, 24), "[Version]\r\nVersion=0300\r");
}

TEST(HiScores, LostNegativeScoreStaysOutButSeedsTheTable) {
    TestDir dir;
    const std::filesystem::path file = dir / "STAT_SCR.DAT";
    EXPECT_EQ(OfferHiScore(file, Offer(-52, 30, false), NoMessages()).rank, -1);
    EXPECT_EQ(RankOfEntry(Table(file, 1)[0]).score, 52); // placeholders were written
    const std::string before = ReadFile(file);
    EXPECT_EQ(OfferHiScore(file, Offer(-52, 30, false), NoMessages()).rank, -1);
    EXPECT_EQ(ReadFile(file), before); // nothing entered, nothing written
}

TEST(HiScores, ClearedTableGetsNoPlaceholders) {
    TestDir dir;
    const std::filesystem::path file = dir / "STAT_SCR.DAT";
    WriteFile(file, "[Version]\r\nVersion=0300\r\n\r\n[Clear scores]\r\nCleared=Y\r\n");
    EXPECT_EQ(OfferHiScore(file, Offer(-52, 30, false), NoMessages()).rank, 0);
    EXPECT_EQ(OfferHiScore(file, Offer(-60, 30, false), NoMessages()).rank, 1);
    std::vector<std::string> table = Table(file, 1);
    EXPECT_TRUE(table[0].starts_with("-00052"));
    EXPECT_TRUE(table[1].starts_with("-00060"));
    EXPECT_EQ(RankOfEntry(table[2]).score, RankOfEntry("").score); // blank
}

TEST(HiScoreUpgrade, OldFileGainsVersionAndNinetyOneCharacterEntries) {
    const std::string oldEntry = "01-01=000052 000260 19990101 10:00:00 Ann";
    const std::string tenth = "10-01=000010 000050 19990101 10:00:00 Bob";
    const std::string old = "[Version]\r\nVersion=0200\r\n[0001]\r\n" + oldEntry + "\r\n" + tenth +
                            "\r\n" + "0" + std::string(120, 'z') + "\r\n";
    std::string upgraded = UpgradedHiScoreContent(old);
    const std::string expected = "[Version]\r\nVersion=0300\r\n\r\n[0001]\r\n" + oldEntry +
                                 std::string(89 - oldEntry.size(), ' ') + " x\r\n" + tenth +
                                 "\r\n" + "0" + std::string(88, 'z') + " x\r\n";
    EXPECT_EQ(upgraded, expected);

    TestDir dir;
    WriteFile(dir / "DATA" / "STAT_SCR.DAT", old);
    WriteFile(dir / "DATA" / "CFG.DAT",
              "[Preference]\r\nCards_Animate=S\r\nConfirmQuit=S\r\nShow_Time=S\r\n");
    EXPECT_TRUE(UpgradeHiScoreFile(dir / "DATA", NoMessages()));
    EXPECT_EQ(ReadFile(dir / "DATA" / "STAT_SCR.DAT"), expected);
    EXPECT_FALSE(UpgradeHiScoreFile(dir / "DATA", NoMessages())); // current now: left alone
    EXPECT_EQ(ReadFile(dir / "DATA" / "STAT_SCR.DAT"), expected);
    IniFile config(dir / "DATA" / "CFG.DAT");
    EXPECT_EQ(config.ReadString("Preference", "Cards_Animate"), "Y");
    EXPECT_EQ(config.ReadString("Preference", "ConfirmQuit"), "Y");
    EXPECT_EQ(config.ReadString("Preference", "Show_Time"), "S");
}

TEST(HiScoreUpgrade, MissingFileIsNotCreated) {
    TestDir dir;
    EXPECT_FALSE(UpgradeHiScoreFile(dir / "DATA", NoMessages()));
    EXPECT_FALSE(std::filesystem::exists(dir / "DATA" / "STAT_SCR.DAT"));
}

TEST(DataFiles, StartUpCleansCreatesAndUpgrades) {
    TestDir dir;
    WriteFile(dir / "DATA" / (std::string(kTempFilePrefix) + "abc123"), "half a rewrite");
    WriteFile(dir / "DATA" / "STAT_SCR.DAT", "[0001]\r\n01-01=000001\r\n");
    EXPECT_TRUE(BringDataFilesUpToDate(dir / "DATA", NoMessages()));
    EXPECT_EQ(testing::CountTempFiles(dir / "DATA"), 0);
    EXPECT_EQ(ReadFile(dir / "DATA" / "STAT.DAT"), "[Version]\r\nVersion=0300\r\n");
    EXPECT_TRUE(ReadFile(dir / "DATA" / "STAT_SCR.DAT")
                    .starts_with("[Version]\r\nVersion=0300\r\n\r\n[0001]"));
    EXPECT_FALSE(BringDataFilesUpToDate(dir / "DATA", NoMessages()));
}

} // namespace
} // namespace tablamor
