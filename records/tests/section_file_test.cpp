#include "records/block_scan.h"
#include "records/section_file.h"
#include "test_dir.h"

#include <gtest/gtest.h>

namespace tablamor {
namespace {

using testing::ReadFile;
using testing::TestDir;
using testing::WriteFile;

constexpr std::string_view kVersionLines = "[Version]\r\nVersion=0300\r\n";

// A header placed so that it starts `shift` bytes before the end of the first block.
TEST(SectionFile, HeaderAcrossBlockBoundaryIsFound) {
    TestDir dir;
    const std::string header = "[0042]";
    for (std::size_t shift : {std::size_t{0}, std::size_t{1}, std::size_t{3}, header.size() - 1,
                              header.size(), std::size_t{100}}) {
        std::size_t at = kBlockSize - shift;
        // Filler lines up to the header, the header then a line end; another block follows.
        std::string filler(kVersionLines);
        while (filler.size() < at - 2) filler += "x";
        filler += "\r\n";
        ASSERT_EQ(filler.size(), at);
        WriteFile(dir / "STAT.DAT",
                  filler + header + "\r\nAnn=1\r\n" + std::string(kBlockSize, 'y'));
        SectionLookup found = FindSection(nullptr, dir / "STAT.DAT", header);
        ASSERT_EQ(found.result, Lookup::Found) << "shift " << shift;
        EXPECT_EQ(found.offset, at) << "shift " << shift;
        EXPECT_EQ(ReadKey(nullptr, dir / "STAT.DAT", "0042", "Ann", "none").value, "1") << shift;
    }
}

TEST(SectionFile, HeaderCountsOnlyAtLineStart) {
    TestDir dir;
    WriteFile(dir / "F", "[Version]\r\nx[0002]=1\r\n[0001]\r\nA=[0002]\r\n[0002]\r\nA=2\r\n");
    EXPECT_EQ(FindSection(nullptr, dir / "F", "[0002]").offset, 40u);
    EXPECT_EQ(FindSection(nullptr, dir / "F", "[Version]").result, Lookup::Found);
    EXPECT_EQ(ReadKey(nullptr, dir / "F", "0002", "A", "").value, "2");
    EXPECT_EQ(FindSection(nullptr, dir / "F", "[0003]").result, Lookup::Absent);
    EXPECT_EQ(FindSection(nullptr, dir / "missing", "[0003]").result, Lookup::Absent);
}

TEST(SectionFile, ReadKeyCases) {
    TestDir dir;
    WriteFile(dir / "F", std::string(kVersionLines) +
                             "\r\n[0001]\r\nAnna=anna\r\nAnn=ann  \r\n\r\n[0002]\r\nBob=b\r\n"
                             "[0003]\nLf=only\n[0004]\r\nLast=no line end");
    struct Row {
        const char* section;
        const char* key;
        const char* expected;
    } rows[] = {
        {"0001", "Anna", "anna"},   // first line of its section, no line end before it
        {"0001", "Ann", "ann"},     // not the line of "Anna"; trailing blanks removed
        {"0001", "An", "default"},  // a key is whole
        {"0001", "Bob", "default"}, // the next section is not searched
        {"0002", "Bob", "b"},
        {"0003", "Lf", "only"}, // LF-only line ends
        {"0004", "Last", "no line end"},
        {"0005", "Ann", "default"},
        {"Version", "Version", "0300"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(ReadKey(nullptr, dir / "F", r.section, r.key, "default").value, r.expected)
            << r.section << "/" << r.key;
}

TEST(SectionFile, ReadKeysStopsAtNextSection) {
    TestDir dir;
    WriteFile(dir / "F",
              std::string(kVersionLines) +
                  "[0001]\r\n02-01=b\r\n01-01=a\r\n01-01=second\r\n[0002]\r\n03-01=c\r\n");
    KeyValues kv = ReadKeys(dir / "F", "0001", {"01-01", "02-01", "03-01"}, {"x", "y", "z"});
    EXPECT_EQ(kv.values, (std::vector<std::string>{"a", "b", "z"}));
    EXPECT_FALSE(kv.allFound);
    kv = ReadKeys(dir / "F", "0001", {"01-01", "02-01"}, {});
    EXPECT_TRUE(kv.allFound);
    kv = ReadKeys(dir / "missing", "0001", {"01-01"}, {"d"});
    EXPECT_EQ(kv.values.front(), "d");
}

TEST(SectionFile, ReplaceSectionKeepsEverythingElse) {
    struct Row {
        const char* name;
        std::string before;
        const char* section;
        RecordEntries entries;
        std::string after;
    } rows[] = {
        {"last section, no [ after it",
         std::string(kVersionLines) + "[0001]\r\nA=1\r\nB=2\r\n",
         "0001",
         {{"A", "9"}},
         std::string(kVersionLines) + "[0001]\r\nA=9\r\n\r\n"},
        {"zero keys",
         std::string(kVersionLines) + "[0001]\r\nA=1\r\n[0002]\r\nB=2\r\n",
         "0001",
         {},
         std::string(kVersionLines) + "[0001]\r\n\r\n[0002]\r\nB=2\r\n"},
        {"middle section",
         "[Version]\r\nVersion=0300\r\n\r\n[0001]\r\nA=1\r\n\r\n[0002]\r\nB=2\r\n",
         "0001",
         {{"A", "5"}, {"C", "6"}},
         "[Version]\r\nVersion=0300\r\n\r\n[0001]\r\nA=5\r\nC=6\r\n\r\n[0002]\r\nB=2\r\n"},
        {"empty section right before another header",
         std::string(kVersionLines) + "[0001]\r\n[0002]\r\nB=2\r\n",
         "0001",
         {{"A", "1"}},
         std::string(kVersionLines) + "[0001]\r\nA=1\r\n\r\n[0002]\r\nB=2\r\n"},
        {"header at the end of the file",
         std::string(kVersionLines) + "[0001]",
         "0001",
         {{"A", "1"}},
         std::string(kVersionLines) + "[0001]\r\nA=1\r\n\r\n"},
    };
    for (const Row& r : rows) {
        TestDir dir;
        WriteFile(dir / "F", r.before);
        CollectedMessages messages;
        EXPECT_TRUE(ReplaceSection(nullptr, dir / "F", r.section, r.entries, messages)) << r.name;
        EXPECT_EQ(ReadFile(dir / "F"), r.after) << r.name;
        EXPECT_TRUE(messages.texts.empty()) << r.name;
    }
}

TEST(SectionFile, ReplaceMissingSectionChangesNothing) {
    TestDir dir;
    const std::string before = std::string(kVersionLines) + "[0001]\r\nA=1\r\n";
    WriteFile(dir / "F", before);
    EXPECT_FALSE(ReplaceSection(nullptr, dir / "F", "0002", {{"A", "2"}}, NoMessages()));
    EXPECT_EQ(ReadFile(dir / "F"), before);
}

TEST(SectionFile, OverwriteAppendAndWriteKey) {
    TestDir dir;
    const std::filesystem::path f = dir / "F";
    WriteFile(f,
              std::string(kVersionLines) + "[0001]\r\nA=111\r\nB=222\r\nkept\r\n[0002]\r\nC=3\r\n");
    // Same lengths: the bytes an in-place overwrite would give.
    ASSERT_TRUE(OverwriteSection(f, "0001", {{"A", "999"}, {"B", "888"}}, NoMessages()));
    EXPECT_EQ(ReadFile(f),
              std::string(kVersionLines) + "[0001]\r\nA=999\r\nB=888\r\nkept\r\n[0002]\r\nC=3\r\n");
    // A longer value does not run into the next section.
    ASSERT_TRUE(OverwriteSection(f, "0002", {{"C", "33"}, {"D", "4"}}, NoMessages()));
    EXPECT_EQ(ReadKey(nullptr, f, "0002", "D", "").value, "4");
    ASSERT_TRUE(OverwriteSection(f, "0003", {{"E", "5"}}, NoMessages()));
    EXPECT_TRUE(ReadFile(f).ends_with("\r\n[0003]\r\nE=5\r\n"));

    ASSERT_TRUE(WriteKey(nullptr, f, "0001", "B", "7", NoMessages()));
    ASSERT_TRUE(WriteKey(nullptr, f, "0001", "New", "8", NoMessages()));
    ASSERT_TRUE(WriteKey(nullptr, f, "0009", "Z", "9", NoMessages()));
    EXPECT_EQ(ReadFile(f),
              std::string(kVersionLines) +
                  "[0001]\r\nA=999\r\nB=7\r\nkept\r\nNew=8\r\n\r\n"
                  "[0002]\r\nC=33\r\nD=4\r\n\r\n[0003]\r\nE=5\r\n\r\n[0009]\r\nZ=9\r\n");
}

TEST(SectionFile, KeysThatWouldBreakTheLayout) {
    TestDir dir;
    const std::filesystem::path f = dir / "F";
    ASSERT_EQ(CreateRecordFile(f, NoMessages()), Creation::Created);
    for (const char* key : {"[0002]", "a=b", "two\r\nlines", "a"}) {
        ASSERT_TRUE(WriteKey(nullptr, f, "0001", key, std::string("v-") + key, NoMessages()));
    }
    EXPECT_EQ(ReadKey(nullptr, f, "0001", "a", "").value, "v-a");
    EXPECT_EQ(ReadKey(nullptr, f, "0001", "[0002]", "").value, "v-[0002]");
    EXPECT_EQ(ReadKey(nullptr, f, "0001", "two\r\nlines", "").value, "v-two  lines");
    EXPECT_EQ(FindSection(nullptr, f, "[0002]").result, Lookup::Absent);
}

TEST(SectionFile, CreateRecordFileOnlyWhenMissing) {
    TestDir dir;
    const std::filesystem::path f = dir / "DATA" / "STAT.DAT";
    EXPECT_EQ(CreateRecordFile(f, NoMessages()), Creation::Created);
    EXPECT_EQ(ReadFile(f), kVersionLines);
    WriteFile(f, "other");
    EXPECT_EQ(CreateRecordFile(f, NoMessages()), Creation::Existed);
    EXPECT_EQ(ReadFile(f), "other");
}

TEST(SectionFile, HandleFollowsTheRewrite) {
    TestDir dir;
    const std::filesystem::path f = dir / "F";
    WriteFile(f, std::string(kVersionLines) + "[0001]\r\nA=1\r\n");
    RecordHandle handle = RecordHandle::Open(f, true);
    ASSERT_TRUE(handle.IsOpen());
    ASSERT_TRUE(WriteKey(&handle, f, "0001", "A", "2", NoMessages()));
    ASSERT_TRUE(WriteKey(&handle, f, "0001", "B", "3", NoMessages()));
    EXPECT_EQ(ReadKey(&handle, f, "0001", "A", "").value, "2");
    EXPECT_EQ(ReadKey(&handle, f, "0001", "B", "").value, "3");
}

TEST(SectionFile, UnopenableFileIsReported) {
    TestDir dir;
    std::filesystem::create_directories(dir / "F"); // a directory where the file should be
    CollectedMessages messages;
    KeyLookup read = ReadKey(nullptr, dir / "F", "0001", "A", "d", messages);
    EXPECT_EQ(read.result, Lookup::Failed);
    EXPECT_EQ(read.value, "d");
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0],
              "Cannot open file " + (dir / "F").string() + ": not a regular file");
}

} // namespace
} // namespace tablamor
