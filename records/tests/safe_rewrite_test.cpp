// The rewrite of a record file under a killed writer, a full disk and an unwritable directory:
// the file is always the old version or the new one, byte for byte.
#include "records/atomic_file.h"
#include "records/game_log.h"
#include "records/section_file.h"
#include "test_dir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <random>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace tablamor {
namespace {

using testing::CountTempFiles;
using testing::ReadFile;
using testing::TestDir;
using testing::WriteFile;

constexpr int kPayloadLines = 300;

// The payload section of round `round`: every line names the round, so two rounds never match.
RecordEntries Payload(int round) {
    RecordEntries entries{{"Round", std::to_string(round)}};
    for (int i = 0; i < kPayloadLines; ++i)
        entries.push_back(
            {"Line" + std::to_string(i),
             std::to_string(round) + std::string(60, static_cast<char>('a' + round % 26))});
    return entries;
}

// The whole file of round `round`, as ReplaceSection of the payload leaves it.
std::string FileOfRound(int round) {
    std::string text = "[Version]\r\nVersion=0300\r\n\r\n[Payload]\r\n";
    for (const RecordEntry& e : Payload(round)) text += e.key + "=" + e.value + "\r\n";
    return text + "\r\n[Tail]\r\nKeep=this\r\n";
}

// Runs `work` in a child process and returns its exit status (-1 when it did not exit).
template <typename Work> int InChild(Work work) {
    pid_t pid = ::fork();
    if (pid == 0) ::_exit(work());
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(SafeRewrite, KilledWriterLeavesOldOrNewFile) {
    TestDir dir;
    const std::filesystem::path file = dir / "STAT.DAT";
    WriteFile(file, FileOfRound(0));
    // One rewrite done to completion first: it shows the expected new bytes and the time a
    // rewrite takes, which sets the range of the kill moments.
    auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(InChild([&] {
                  return ReplaceSection(nullptr, file, "Payload", Payload(1), NoMessages()) ? 0 : 1;
              }),
              0);
    auto rewrite = std::chrono::steady_clock::now() - start;
    ASSERT_EQ(ReadFile(file), FileOfRound(1));

    constexpr int kRewrites = 500;
    std::mt19937 random(20240601);
    std::uniform_int_distribution<long long> moment(
        0, 3 * std::chrono::duration_cast<std::chrono::microseconds>(rewrite).count() / 2);
    int round = 1, completed = 0, torn = 0;
    for (int i = 0; i < kRewrites; ++i) {
        pid_t pid = ::fork();
        if (pid == 0)
            ::_exit(ReplaceSection(nullptr, file, "Payload", Payload(round + 1), NoMessages()) ? 0
                                                                                               : 1);
        std::this_thread::sleep_for(std::chrono::microseconds(moment(random)));
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);

        std::string now = ReadFile(file);
        bool isOld = now == FileOfRound(round);
        bool isNew = now == FileOfRound(round + 1);
        ASSERT_TRUE(isOld || isNew)
            << "rewrite " << i << ": partial file of " << now.size() << " bytes";
        int temps = CountTempFiles(dir.Path());
        ASSERT_LE(temps, 1) << "rewrite " << i;
        torn += temps;
        if (isNew) {
            ++round;
            ++completed;
        }
        RemoveStrayTempFiles(dir.Path());
        ASSERT_EQ(CountTempFiles(dir.Path()), 0);
    }
    std::printf("[ figures  ] %d rewrites killed: %d completed, %d left a temporary file\n",
                kRewrites, completed, torn);
}

TEST(SafeRewrite, FullDiskKeepsOldFile) {
    TestDir dir;
    const std::filesystem::path file = dir / "STAT.DAT";
    const std::string before = FileOfRound(0);
    WriteFile(file, before);
    // A file size limit below the new file's size stands in for a full disk.
    int status = InChild([&] {
        rlimit limit{static_cast<rlim_t>(before.size() / 2),
                     static_cast<rlim_t>(before.size() / 2)};
        std::signal(SIGXFSZ, SIG_IGN);
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return 2;
        CollectedMessages messages;
        bool written = ReplaceSection(nullptr, file, "Payload", Payload(1), messages);
        bool told = messages.texts == std::vector<std::string>{"Error creating temp file.\n" +
                                                               file.string() + ": File too large"};
        return !written && told ? 0 : 1;
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(ReadFile(file), before);
    EXPECT_EQ(CountTempFiles(dir.Path()), 0);
}

TEST(SafeRewrite, FullDiskDuringLogAppendTakesThePartialLineBack) {
    TestDir dir;
    const std::filesystem::path file = dir / "STAT_LOG.DAT";
    const std::string before = "a line before\r\n";
    WriteFile(file, before);
    int status = InChild([&] {
        rlimit limit{static_cast<rlim_t>(before.size() + 10),
                     static_cast<rlim_t>(before.size() + 10)};
        std::signal(SIGXFSZ, SIG_IGN);
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return 2;
        CollectedMessages messages;
        return !AppendGameLog(file, GameLogEntry{}, messages) && messages.texts.size() == 1 ? 0 : 1;
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(ReadFile(file), before);
}

TEST(SafeRewrite, ReadOnlyDirectoryKeepsOldFile) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only directories";
    TestDir dir;
    const std::filesystem::path file = dir / "STAT.DAT";
    const std::string before = FileOfRound(0);
    WriteFile(file, before);
    std::filesystem::permissions(dir.Path(), std::filesystem::perms::owner_read |
                                                 std::filesystem::perms::owner_exec);
    CollectedMessages messages;
    EXPECT_FALSE(WriteKey(nullptr, file, "Payload", "Round", "9", messages));
    std::filesystem::permissions(dir.Path(), std::filesystem::perms::owner_all);
    EXPECT_EQ(messages.texts, std::vector<std::string>{"Error creating temp file.\n" +
                                                       file.string() + ": Permission denied"});
    EXPECT_EQ(ReadFile(file), before);
}

// Failures that can be made as root too.
TEST(SafeRewrite, UnwritablePlacesGiveTheirMessages) {
    TestDir dir;
    WriteFile(dir / "DATA", "a regular file where the directory should be");
    CollectedMessages messages;
    // Not "missing": a file that cannot exist is not made afresh either.
    EXPECT_EQ(CreateRecordFile(dir / "DATA" / "STAT.DAT", messages), Creation::Failed);
    EXPECT_FALSE(AppendSection(nullptr, dir / "DATA" / "STAT.DAT", "0001", {{"A", "1"}}, messages));
    const std::string cannotOpen =
        "Cannot open file " + (dir / "DATA" / "STAT.DAT").string() + ": Not a directory";
    EXPECT_EQ(messages.texts, (std::vector<std::string>{cannotOpen, cannotOpen}));
    EXPECT_EQ(ReadFile(dir / "DATA"), "a regular file where the directory should be");

    // A non-empty directory in the target's place cannot be replaced by a file.
    std::filesystem::create_directories(dir / "Target" / "inside");
    messages.texts.clear();
    EXPECT_FALSE(SaveRecordFile(dir / "Target", "new", messages));
    ASSERT_EQ(messages.texts.size(), 1u);
    const std::string prefix = "Error renaming file: " + (dir.Path() / kTempFilePrefix).string();
    EXPECT_TRUE(messages.texts[0].starts_with(prefix)) << messages.texts[0];
    EXPECT_TRUE(
        messages.texts[0].ends_with("\nwith: " + (dir / "Target").string() + "\nIs a directory"))
        << messages.texts[0];
    EXPECT_EQ(CountTempFiles(dir.Path()), 0);
    EXPECT_TRUE(std::filesystem::is_directory(dir / "Target" / "inside"));
}

} // namespace
} // namespace tablamor
