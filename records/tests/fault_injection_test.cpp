// Every stat, open and read of each record file made to fail in turn, during the saves that
// read a record file before they write it: the end of a game, the start-up upgrade, the start-up
// read of the preferences and a preference change. After each fault every file must be its old
// bytes or its new bytes (never shrunk, never made afresh), and the fault must have been told.
#include "faulty_file_system.h"
#include "records/data_files.h"
#include "records/finished_game.h"
#include "records/game_log.h"
#include "records/hi_scores.h"
#include "records/ini_file.h"
#include "records/preferences.h"
#include "records/section_file.h"
#include "records/statistics.h"
#include "test_dir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <map>
#include <optional>

namespace tablamor {
namespace {

using testing::FaultyFileSystem;
using testing::TestDir;
using testing::WriteFile;

constexpr int kGames = 30; // sections of several 8192-byte blocks
constexpr int kPlayers = 8;
constexpr int kLogLines = 40;
const Timestamp kWhen{2024, 6, 1, 9, 30, 0};
const char* const kRecordFiles[] = {"STAT.DAT", "STAT_SCR.DAT", "STAT_LOG.DAT", "CFG.DAT"};

// The record files of a well-used installation, by name; a missing file has no entry.
using DataSet = std::map<std::string, std::string>;

DataSet UsedInstallation() {
    std::string stat = "[Version]\r\nVersion=0300\r\n";
    std::string scores = stat;
    for (int game = 1; game <= kGames; ++game) {
        stat += "\r\n" + SectionHeader(GameSectionName(game)) + "\r\n";
        for (int p = 1; p <= kPlayers; ++p)
            stat += "Player " + std::to_string(p) + "=" +
                    FormatStatistics({p, game % 5, 3, 2, 1, 0, 40 * p}) + "\r\n";
        scores += "\r\n" + SectionHeader(GameSectionName(game)) + "\r\n";
        std::vector<std::string> table = PlaceholderTable(52, kWhen);
        for (int rank = 1; rank <= kHiScoreRanks; ++rank)
            scores +=
                HiScoreKey(rank, "01") + "=" + table[static_cast<std::size_t>(rank - 1)] + "\r\n";
    }
    std::string log;
    for (int i = 0; i < kLogLines; ++i)
        log += GameLogLine({kWhen, 100 + i, i % kGames, "Klondike", "Player 2", i % 3 == 0, "01", i,
                            "0000000000042"}) +
               "\r\n";
    std::string config = "[Preference]\r\nUserDefault=Player 3\r\nCard=2\r\nCards_Animate=Y\r\n"
                         "\r\n[Users]\r\n";
    for (int p = 1; p <= kPlayers; ++p)
        config += "User00" + std::to_string(p) + "=Player " + std::to_string(p) + "\r\n";
    return {
        {"STAT.DAT", stat}, {"STAT_SCR.DAT", scores}, {"STAT_LOG.DAT", log}, {"CFG.DAT", config}};
}

// An installation of an older version, met at start-up: no statistics yet, hi-scores without
// the version lines, an old "S" in the preferences.
DataSet OlderInstallation() {
    DataSet files = UsedInstallation();
    files.erase("STAT.DAT");
    std::string& scores = files["STAT_SCR.DAT"];
    scores.erase(0, scores.find("[0001]"));
    files["CFG.DAT"] = "[Preference]\r\nUserDefault=Player 3\r\nCards_Animate=S\r\n";
    return files;
}

void Install(const TestDir& dir, const DataSet& files) {
    std::filesystem::remove_all(dir / "DATA");
    std::filesystem::create_directories(dir / "DATA");
    for (const auto& [name, content] : files) WriteFile(dir / "DATA" / name, content);
}

DataSet Installed(const TestDir& dir) {
    DataSet files;
    for (const char* name : kRecordFiles) {
        std::string content;
        if (ReadWholeFile(dir / "DATA" / name, content)) files[name] = content;
    }
    return files;
}

FinishedGame Game(const std::filesystem::path& dir, int id, std::string player) {
    FinishedGame g;
    g.dataDir = dir / "DATA";
    g.gameId = id;
    g.gameName = "Klondike";
    g.gameNumber = "0000000000042";
    g.cardCount = 52;
    g.won = true;
    g.score = 48;
    g.seconds = 200;
    g.player = std::move(player);
    g.end = kWhen;
    return g;
}

struct Save {
    const char* name;
    DataSet (*before)();
    std::function<void(const std::filesystem::path&, MessageSink&)> run;
};

const Save kSaves[] = {
    {"end of a game, known player", UsedInstallation,
     [](const std::filesystem::path& dir, MessageSink& sink) {
         RecordFinishedGame(Game(dir, 15, "Player 4"), sink);
     }},
    {"end of a game, first of its kind", UsedInstallation,
     [](const std::filesystem::path& dir, MessageSink& sink) {
         RecordFinishedGame(Game(dir, 77, "New=Player"), sink);
     }},
    {"start-up upgrade", OlderInstallation,
     [](const std::filesystem::path& dir, MessageSink& sink) {
         BringDataFilesUpToDate(dir / "DATA", sink);
     }},
    {"start-up read of the preferences", UsedInstallation,
     [](const std::filesystem::path& dir, MessageSink& sink) {
         IniFile config(dir / "DATA" / "CFG.DAT", sink);
         Settings settings;
         LoadPreferences(config, settings, false);
     }},
    {"preference change", UsedInstallation,
     [](const std::filesystem::path& dir, MessageSink& sink) {
         IniFile config(dir / "DATA" / "CFG.DAT", sink);
         config.WriteString("Preference", "Card_Size", "M");
     }},
};

// Runs the save with `files` in place of the file system; its messages.
CollectedMessages RunSave(const Save& save, const TestDir& dir, FaultyFileSystem& files) {
    CollectedMessages messages;
    FileSystemOverride use(files);
    save.run(dir.Path(), messages);
    return messages;
}

TEST(FaultInjection, EveryFailedStatOpenAndReadLeavesOldOrNewFilesAndIsTold) {
    TestDir dir;
    int injected = 0, told = 0, intact = 0;
    for (const Save& save : kSaves) {
        const DataSet before = save.before();
        for (const char* name : kRecordFiles) {
            const std::filesystem::path watched = dir / "DATA" / name;
            Install(dir, before);
            FaultyFileSystem counting(watched, -1);
            ASSERT_TRUE(RunSave(save, dir, counting).texts.empty()) << save.name;
            const DataSet after = Installed(dir);

            for (int call = 0; call < counting.Calls(); ++call) {
                const std::string where =
                    std::string(save.name) + ", " + name + ", call " + std::to_string(call);
                Install(dir, before);
                FaultyFileSystem faulty(watched, call);
                CollectedMessages messages = RunSave(save, dir, faulty);
                ASSERT_FALSE(faulty.Injected().empty()) << where;
                ++injected;

                bool named = false;
                for (const std::string& text : messages.texts)
                    named = named || text.find(watched.string()) != std::string::npos;
                EXPECT_TRUE(named) << where << " (" << faulty.Injected() << "): not told";
                told += named ? 1 : 0;

                const DataSet now = Installed(dir);
                bool allIntact = true;
                for (const char* file : kRecordFiles) {
                    auto state = [file](const DataSet& set) {
                        auto at = set.find(file);
                        return at == set.end() ? std::nullopt
                                               : std::optional<std::string>(at->second);
                    };
                    const bool oldOrNew = state(now) == state(before) || state(now) == state(after);
                    const bool shrunk =
                        state(before) && state(now) && state(now)->size() < state(before)->size();
                    EXPECT_TRUE(oldOrNew && !shrunk) << where << ": " << file << " damaged";
                    allIntact = allIntact && oldOrNew && !shrunk;
                }
                intact += allIntact ? 1 : 0;
            }
        }
    }
    std::printf("[ figures  ] %d faults injected, %d told with the file's name, %d left every "
                "record file old or new\n",
                injected, told, intact);
    EXPECT_GT(injected, 100);
}

} // namespace
} // namespace tablamor
