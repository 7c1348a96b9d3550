// What the record readers take and what they refuse: keys that cannot collide, input that is
// not a regular UTF-8 file of sensible size, the configuration file read once, the data
// directory's lock and the clearing of temporary files.
#include "faulty_file_system.h"
#include "records/atomic_file.h"
#include "records/data_lock.h"
#include "records/ini_file.h"
#include "records/preferences.h"
#include "records/section_file.h"
#include "test_dir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tablamor {
namespace {

using testing::FaultyFileSystem;
using testing::ReadFile;
using testing::TestDir;
using testing::WriteFile;

TEST(RecordInput, KeysOfDifferentNamesNeverCollide) {
    struct Row {
        const char* name;
        const char* stored;
    } rows[] = {
        {"Player 1", "Player 1"}, // plain names keep the keys they always had
        {"a-b", "a-b"},
        {"a=b", "a%3Db"},
        {"50%", "50%25"},
        {"50%25", "50%2525"},
        {"[x]", "%5Bx]"},
        {"x[y", "x[y"},
        {"two\r\nlines", "two%0D%0Alines"},
        {"Zoë", "Zoë"},
    };
    TestDir dir;
    const std::filesystem::path file = dir / "STAT.DAT";
    ASSERT_EQ(CreateRecordFile(file, NoMessages()), Creation::Created);
    for (const Row& r : rows) {
        EXPECT_EQ(RecordKey(r.name), r.stored) << r.name;
        ASSERT_TRUE(
            WriteKey(nullptr, file, "0001", r.name, std::string("v ") + r.name, NoMessages()));
    }
    for (const Row& r : rows) {
        KeyLookup read = ReadKey(nullptr, file, "0001", r.name, "");
        std::string value = std::string("v ") + r.name;
        for (char& c : value)
            if (c == '\r' || c == '\n') c = ' '; // a value keeps to its line
        EXPECT_EQ(read.result, Lookup::Found) << r.name;
        EXPECT_EQ(read.value, value) << r.name;
    }
}

TEST(RecordInput, NamesAreCutBeforeACharacter) {
    const std::string e = "\xC3\xA9"; // é, two bytes
    std::string fifteen;
    for (int i = 0; i < 15; ++i) fifteen += e;
    EXPECT_EQ(FitPlayerName(fifteen), fifteen);                           // 30 bytes fit
    EXPECT_EQ(FitPlayerName("a" + fifteen), "a" + fifteen.substr(0, 28)); // not 29 bytes
    EXPECT_EQ(FitPlayerName("Ann"), "Ann");
}

TEST(RecordInput, FilesThatAreNoRecordFilesAreRefused) {
    TestDir dir;
    const std::filesystem::path fifo = dir / "FIFO.DAT";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::filesystem::path utf16 = dir / "UTF16.DAT";
    WriteFile(utf16, std::string("\xFF\xFE[\0V\0", 6));
    const std::filesystem::path huge = dir / "HUGE.DAT";
    WriteFile(huge, "[Version]\r\n");
    std::filesystem::resize_file(huge, kMaxRecordFileSize + 1);
    struct Row {
        std::filesystem::path file;
        std::string reason;
    } rows[] = {
        {fifo, "Cannot open file " + fifo.string() + ": not a regular file"},
        {utf16, "Cannot read file " + utf16.string() +
                    ": UTF-16 text, which the program does not read (save it as UTF-8)"},
        {huge, "Cannot open file " + huge.string() + ": " + RecordFileTooLarge()},
    };
    for (const Row& r : rows) {
        CollectedMessages messages;
        EXPECT_EQ(ReadKey(nullptr, r.file, "Version", "Version", "d", messages).result,
                  Lookup::Failed);
        EXPECT_FALSE(WriteKey(nullptr, r.file, "0001", "Ann", "1", messages));
        EXPECT_EQ(messages.texts, std::vector<std::string>(2, r.reason)) << r.file;
    }
    EXPECT_EQ(std::filesystem::file_size(huge), kMaxRecordFileSize + 1);
    EXPECT_EQ(ReadFile(utf16), std::string("\xFF\xFE[\0V\0", 6));
}

TEST(RecordInput, ByteOrderMarkIsSkippedAndKept) {
    TestDir dir;
    const std::string bom = "\xEF\xBB\xBF";
    WriteFile(dir / "STAT.DAT", bom + "[Version]\r\nVersion=0300\r\n[0001]\r\nAnn=1\r\n");
    EXPECT_EQ(FindSection(nullptr, dir / "STAT.DAT", "[Version]").offset, bom.size());
    EXPECT_EQ(ReadKeys(dir / "STAT.DAT", "Version", {"Version"}, {""}).values.front(), "0300");
    ASSERT_TRUE(WriteKey(nullptr, dir / "STAT.DAT", "0001", "Ann", "2", NoMessages()));
    EXPECT_EQ(ReadFile(dir / "STAT.DAT"),
              bom + "[Version]\r\nVersion=0300\r\n[0001]\r\nAnn=2\r\n\r\n");

    WriteFile(dir / "CFG.DAT", bom + "[Preference]\r\nCard=4\r\n");
    IniFile config(dir / "CFG.DAT");
    EXPECT_EQ(config.ReadString("Preference", "Card"), "4");
    ASSERT_TRUE(config.WriteString("Preference", "Cursor", "12"));
    EXPECT_EQ(ReadFile(dir / "CFG.DAT"), bom + "[Preference]\r\nCard=4\r\nCursor=12\r\n");
}

TEST(RecordInput, UnreadableConfigurationIsNeverWrittenOver) {
    TestDir dir;
    const std::string utf16("\xFF\xFE[\0P\0]\0", 8);
    WriteFile(dir / "CFG.DAT", utf16);
    CollectedMessages messages;
    IniFile config(dir / "CFG.DAT", messages);
    Settings settings;
    LoadPreferences(config, settings, false);
    EXPECT_EQ(settings.Player(), "Player 1"); // used, not written
    EXPECT_FALSE(config.WriteString("Preference", "Card", "2"));
    EXPECT_EQ(ReadFile(dir / "CFG.DAT"), utf16);
    ASSERT_EQ(messages.texts.size(), 1u); // told once, not once per key
    EXPECT_TRUE(messages.texts[0].starts_with("Cannot read file " + (dir / "CFG.DAT").string()));
}

TEST(RecordInput, ConfigurationIsReadOnceAndFollowsChangesOnDisk) {
    TestDir dir;
    WriteFile(dir / "CFG.DAT", "[Preference]\r\nUserDefault=Ann\r\nCard=2\r\n");
    FaultyFileSystem counting(dir / "CFG.DAT", -1);
    FileSystemOverride use(counting);
    IniFile config(dir / "CFG.DAT");
    Settings settings;
    LoadPreferences(config, settings, false);
    EXPECT_EQ(settings.Player(), "Ann");
    // Once loaded, a read asks the file's status and nothing more: no second load.
    const int afterLoad = counting.Calls();
    EXPECT_EQ(config.ReadString("Preference", "Card"), "2");
    EXPECT_EQ(counting.Calls(), afterLoad + 1);

    IniFile other(dir / "CFG.DAT");
    ASSERT_TRUE(other.WriteString("Preference", "Card", "3"));
    EXPECT_EQ(config.ReadString("Preference", "Card"), "3");
}

TEST(RecordInput, DataDirectoryLockWaitsABoundedTimeAndNests) {
    TestDir dir;
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    pid_t holder = ::fork();
    if (holder == 0) {
        DataDirLock lock(dir.Path());
        char c = lock.Held() ? 'y' : 'n';
        [[maybe_unused]] ssize_t n = ::write(ready[1], &c, 1);
        ::sleep(30);
        ::_exit(0);
    }
    char c = 0;
    ASSERT_EQ(::read(ready[0], &c, 1), 1);
    ASSERT_EQ(c, 'y');
    {
        const auto start = std::chrono::steady_clock::now();
        DataDirLock lock(dir.Path(), std::chrono::milliseconds(100));
        EXPECT_FALSE(lock.Held());
        EXPECT_TRUE(lock.Busy());
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
        CollectedMessages messages;
        IniFile config(dir / "CFG.DAT", messages);
        // The configuration waits its five seconds too, then gives up and says so.
        EXPECT_FALSE(config.WriteString("Preference", "Card", "2"));
        EXPECT_EQ(messages.texts, std::vector<std::string>{DataDirBusyText(dir.Path())});
    }
    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
    ::close(ready[0]);
    ::close(ready[1]);

    DataDirLock outer(dir.Path(), std::chrono::milliseconds(100));
    DataDirLock inner(dir.Path(), std::chrono::milliseconds(100)); // no wait for itself
    EXPECT_TRUE(outer.Held());
    EXPECT_TRUE(inner.Held());
}

TEST(RecordInput, OnlyTemporaryFilesOfFinishedWritersAreCleared) {
    TestDir dir;
    pid_t finished = ::fork();
    if (finished == 0) ::_exit(0);
    ::waitpid(finished, nullptr, 0);
    const std::string prefix(kTempFilePrefix);
    const std::string mine = prefix + std::to_string(::getpid()) + "-1";
    const std::string gone = prefix + std::to_string(finished) + "-2";
    const std::string older = prefix + "abc123"; // an older version's name, without a writer
    for (const std::string& name : {mine, gone, older}) WriteFile(dir / name, "half");
    EXPECT_EQ(RemoveStrayTempFiles(dir.Path()), 2);
    EXPECT_TRUE(std::filesystem::exists(dir / mine));
    EXPECT_FALSE(std::filesystem::exists(dir / gone));
    EXPECT_FALSE(std::filesystem::exists(dir / older));
}

} // namespace
} // namespace tablamor
