#pragma once
// What the statistics window lists: one row per player and game that has a record in the
// statistics file, with the counts and streaks of that record and, from the game log, the best
// and the average time and the best score. Everything is read through the records library.
#include "records/hi_scores.h"
#include "records/messages.h"
#include "records/statistics.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tablamor::ui {

struct StatisticsGame {
    int id = 0;
    std::string name;
};

struct StatisticsRow {
    int gameId = 0;
    std::string game;
    std::string player;
    GameStatistics stats;
    std::optional<int> bestSeconds;    // of the won games in the log
    std::optional<int> averageSeconds; // of every game in the log
    std::optional<int> bestScore;      // of every game in the log

    std::int64_t Played() const { return stats.won + stats.lost; }
    // Whole per cent of the games played that were won (0 when none was played).
    int SharePercent() const;
};

struct StatisticsFilter {
    std::optional<int> gameId;         // none: every game
    std::optional<std::string> player; // none: every player
};

// The rows for the games and players that pass the filter, in the games' order, then the
// players' order.
std::vector<StatisticsRow> CollectStatistics(const std::filesystem::path& dataDir,
                                             const std::vector<StatisticsGame>& games,
                                             const std::vector<std::string>& players,
                                             const StatisticsFilter& filter, MessageSink& sink);

// Sets the records of the rows back to zero (the game log keeps its lines).
void ResetStatisticsRows(const std::filesystem::path& dataDir,
                         const std::vector<StatisticsRow>& rows, MessageSink& sink);

// The player's record of a game, if any.
std::optional<GameStatistics> PlayerRecord(const std::filesystem::path& dataDir, int gameId,
                                           const std::string& player);

// The hi-score entries of a game that are not blank, best first.
std::vector<HiScoreLine> ReadHiScores(const std::filesystem::path& dataDir, int gameId,
                                      MessageSink& sink);

// "m:ss" (or "h:mm:ss" from an hour), "-" for none.
std::string FormatSeconds(std::optional<int> seconds);

} // namespace tablamor::ui
