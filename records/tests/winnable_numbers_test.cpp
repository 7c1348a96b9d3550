// The kept winnable numbers: kept and taken in order per game, capped, and a damaged file told,
// made afresh and never a crash.
#include "records/winnable_numbers.h"
#include "test_dir.h"

#include <gtest/gtest.h>

namespace tablamor {
namespace {

using testing::ReadFile;
using testing::TestDir;
using testing::WriteFile;

std::string Number(int n) {
    std::string text = std::to_string(n);
    return std::string(13 - text.size(), '0') + text;
}

TEST(WinnableNumbers, KeptAndTakenOldestFirstPerGame) {
    TestDir dir;
    const auto file = dir / "DATA" / "WINNABLE.DAT";
    CollectedMessages messages;
    EXPECT_EQ(TakeWinnableNumber(file, 1, messages), std::nullopt) << "no file: nothing";
    ASSERT_TRUE(KeepWinnableNumber(file, 1, Number(5), messages));
    ASSERT_TRUE(KeepWinnableNumber(file, 2, Number(7), messages));
    ASSERT_TRUE(KeepWinnableNumber(file, 1, Number(9), messages));
    ASSERT_TRUE(KeepWinnableNumber(file, 1, Number(5), messages)) << "kept once only";
    EXPECT_EQ(ReadFile(file), "[Version]\r\nVersion=0300\r\n"
                              "\r\n[0001]\r\nNumbers=0000000000005 0000000000009\r\n"
                              "\r\n[0002]\r\nNumbers=0000000000007\r\n");
    EXPECT_EQ(TakeWinnableNumber(file, 1, messages), Number(5));
    EXPECT_EQ(TakeWinnableNumber(file, 1, messages), Number(9));
    EXPECT_EQ(TakeWinnableNumber(file, 1, messages), std::nullopt);
    EXPECT_EQ(ReadWinnableNumbers(file, messages), (WinnableNumbers{{2, {Number(7)}}}));
    for (int n = 1; n <= kWinnableNumbersKept + 2; ++n)
        ASSERT_TRUE(KeepWinnableNumber(file, 3, Number(n), messages));
    const std::vector<std::string> kept = ReadWinnableNumbers(file, messages)[3];
    ASSERT_EQ(kept.size(), static_cast<std::size_t>(kWinnableNumbersKept));
    EXPECT_EQ(kept.front(), Number(3)) << "the oldest go past the limit";
    EXPECT_FALSE(KeepWinnableNumber(file, 10000, Number(1), messages)) << "no four-digit id";
    EXPECT_FALSE(KeepWinnableNumber(file, -1, Number(1), messages));
    EXPECT_FALSE(KeepWinnableNumber(file, 1, "12x", messages));
    EXPECT_TRUE(messages.texts.empty());
}

TEST(WinnableNumbers, ADamagedFileIsToldAndMadeAfresh) {
    const char* const damaged[] = {
        "",
        "garbage",
        "[Version]\r\nVersion=0200\r\n",
        "[Version]\r\nVersion=0300\r\n\r\n[0001]\r\n",
        "[Version]\r\nVersion=0300\r\n\r\n[0001]\r\nNumbers=123\r\n",
        "[Version]\r\nVersion=0300\r\n\r\n[0001]\r\nNumbers=0000000000005  0000000000009\r\n",
        "[Version]\r\nVersion=0300\r\n\r\n[01]\r\nNumbers=0000000000005\r\n",
        "[Version]\r\nVersion=0300\r\n\r\n[0001]\r\nOther=0000000000005\r\n",
        "[Version]\r\nVersion=0300\r\n\r\n[0001]\r\nNumbers=0000000000005\r\n"
        "[0001]\r\nNumbers=0000000000006\r\n",
        "\xff\xfe[\0V\0",
    };
    for (const char* content : damaged) {
        TestDir dir;
        const auto file = dir / "WINNABLE.DAT";
        WriteFile(file, content);
        CollectedMessages messages;
        EXPECT_EQ(TakeWinnableNumber(file, 1, messages), std::nullopt) << content;
        EXPECT_EQ(messages.texts, std::vector<std::string>{DamagedWinnableFileText(file)})
            << content;
        EXPECT_EQ(ReadFile(file), "[Version]\r\nVersion=0300\r\n") << content;
        ASSERT_TRUE(KeepWinnableNumber(file, 1, Number(4), messages));
        EXPECT_EQ(messages.texts.size(), 1u) << "the rebuilt file reads again";
    }
    // LF line ends and blank lines read as well.
    TestDir dir;
    const auto file = dir / "WINNABLE.DAT";
    WriteFile(file, "[Version]\nVersion=0300\n\n\n[0004]\nNumbers=0000000000008\n");
    EXPECT_EQ(TakeWinnableNumber(file, 4, NoMessages()), Number(8));
}

TEST(WinnableNumbers, AnUnreadableFileIsToldAndLeftAlone) {
    TestDir dir;
    const auto file = dir / "WINNABLE.DAT";
    std::filesystem::create_directories(file); // a directory in its place
    CollectedMessages messages;
    EXPECT_FALSE(KeepWinnableNumber(file, 1, Number(1), messages));
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_TRUE(std::filesystem::is_directory(file));
}

} // namespace
} // namespace tablamor
