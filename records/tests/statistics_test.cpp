#include "records/fixed_fields.h"
#include "records/section_file.h"
#include "records/statistics.h"
#include "test_dir.h"

#include <gtest/gtest.h>

#include <tuple>

namespace tablamor {
namespace {

using testing::ReadFile;
using testing::TestDir;
using testing::WriteFile;

TEST(FixedFields, Numbers) {
    struct Row {
        std::int64_t value;
        int width;
        const char* text;
    } rows[] = {
        {5, 4, "0005"},         {-52, 6, "-00052"},       {0, 12, "000000000000"},
        {123456, 6, "123456"},  {1234567, 6, "******"},   {-99999, 6, "-99999"},
        {-100000, 6, "******"}, {INT64_MIN, 6, "******"},
    };
    for (const Row& r : rows) EXPECT_EQ(FormatNumber(r.value, r.width), r.text) << r.value;
    EXPECT_EQ(ClampToField(1234567, 6), 999999);
    EXPECT_EQ(ClampToField(-1234567, 6), -99999);
    EXPECT_EQ(FitText("ab", 4), "ab  ");
    EXPECT_EQ(FitText("abcdef", 4), "abcd");
    EXPECT_EQ(FitText("ab\xC3\xA9", 3), "ab "); // an é is not cut in half
}

// A sequence of results for one player, from a starting record to the record they leave.
TEST(Statistics, RecordAfterResults) {
    struct Row {
        const char* name;
        std::string start;                                // the stored record; empty: none yet
        std::vector<std::tuple<bool, int, bool>> results; // won, score, hinted
        const char* expected;
    } rows[] = {
        {"first game won",
         "",
         {{true, 208, false}},
         "000001 000000 000001 000000 000001 000000 000000000208 000000000000"},
        {"three wins then a loss",
         "",
         {{true, 10, false}, {true, 10, false}, {true, 10, false}, {false, -52, false}},
         "000003 000001 000003 000001 000000 000001 -00000000022 000000000000"},
        {"a loss of -52 lowers the total",
         "000000 000000 000000 000000 000000 000000 000000000100 000000000000",
         {{false, -52, false}},
         "000000 000001 000000 000001 000000 000001 000000000048 000000000000"},
        {"the longest streak stays",
         "000005 000002 000004 000002 000000 000002 000000000000 000000000000",
         {{true, 0, false}},
         "000006 000002 000004 000002 000001 000000 000000000000 000000000000"},
        {"non-digits: the fields before hold, the rest are 0",
         "000003 00x001 000003 000000 000003 000000 000000000030 000000000000",
         {{true, 1, false}},
         "000004 000000 000001 000000 000001 000000 000000000001 000000000000"},
        {"a truncated record",
         "000007 0000",
         {{false, 0, false}},
         "000007 000001 000000 000001 000000 000001 000000000000 000000000000"},
        {"a count at the top of its field stays there",
         "999999 000000 999999 000000 999999 000000 000000000000 000000000000",
         {{true, 0, false}},
         "999999 000000 999999 000000 999999 000000 000000000000 000000000000"},
        {"hinted games count, won or lost, beside the rest",
         "",
         {{true, 5, true}, {false, 0, false}, {false, -2, true}},
         "000001 000002 000001 000002 000000 000002 000000000003 000000000002"},
        {"a record written before hints were counted goes on from no hinted game",
         "000002 000000 000002 000000 000002 000000 000000000020 000000000000",
         {{true, 1, true}},
         "000003 000000 000003 000000 000003 000000 000000000021 000000000001"},
    };
    for (const Row& r : rows) {
        TestDir dir;
        const std::filesystem::path file = dir / "DATA" / "STAT.DAT";
        if (!r.start.empty())
            WriteFile(file, "[Version]\r\nVersion=0300\r\n\r\n[0007]\r\nAnn=" + r.start + "\r\n");
        RunCounters counters;
        for (auto [won, score, hinted] : r.results)
            ASSERT_TRUE(
                RecordGameResult(file, 7, "Ann", won, score, hinted, counters, NoMessages()))
                << r.name;
        EXPECT_EQ(ReadKey(nullptr, file, "0007", "Ann", "").value, r.expected) << r.name;
    }
}

TEST(Statistics, NewFileSectionsAndCounters) {
    TestDir dir;
    const std::filesystem::path file = dir / "DATA" / "STAT.DAT";
    RunCounters counters{2, 9998};
    ASSERT_TRUE(RecordGameResult(file, 1, "Ann", true, 208, false, counters, NoMessages()));
    ASSERT_TRUE(RecordGameResult(file, 1, "Bob", false, -52, false, counters, NoMessages()));
    ASSERT_TRUE(RecordGameResult(file, 1, "Bob", false, -52, false, counters, NoMessages()));
    ASSERT_TRUE(RecordGameResult(file, 12, "Ann", false, -52, false, counters, NoMessages()));
    EXPECT_EQ(counters.wins, 3);
    EXPECT_EQ(counters.losses, 9999); // four digits hold no more
    EXPECT_EQ(ReadFile(file),
              "[Version]\r\nVersion=0300\r\n\r\n[0001]\r\n"
              "Ann=000001 000000 000001 000000 000001 000000 000000000208 000000000000\r\n"
              "Bob=000000 000002 000000 000002 000000 000002 -00000000104 000000000000\r\n\r\n"
              "\r\n[0012]\r\n"
              "Ann=000000 000001 000000 000001 000000 000001 -00000000052 000000000000\r\n");
}

TEST(Statistics, UnopenableFileChangesNothing) {
    TestDir dir;
    const std::filesystem::path file = dir / "DATA" / "STAT.DAT";
    std::filesystem::create_directories(file); // a directory in its place
    CollectedMessages messages;
    RunCounters counters;
    EXPECT_FALSE(RecordGameResult(file, 1, "Ann", true, 5, false, counters, messages));
    EXPECT_EQ(messages.texts,
              std::vector<std::string>{"Open error: " + file.string() + ": Is a directory"});
    EXPECT_EQ(counters.wins, 0);
}

} // namespace
} // namespace tablamor
