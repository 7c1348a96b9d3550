#include "ui/statistics_rows.h"

#include "records/data_dir.h"
#include "records/finished_game.h"
#include "records/game_log.h"
#include "records/record_names.h"

#include <map>
#include <utility>

namespace tablamor::ui {
namespace {

constexpr int kPerCent = 100;
constexpr int kSecondsPerMinute = 60;
constexpr int kSecondsPerHour = 3600;

// Times and scores of one player's games of one game, from the log.
struct LogTally {
    std::optional<int> bestWonSeconds;
    long long totalSeconds = 0;
    int games = 0;
    std::optional<int> bestScore;
};

using LogKey = std::pair<int, std::string>;

std::map<LogKey, LogTally> TallyLog(const std::filesystem::path& logFile) {
    std::map<LogKey, LogTally> tallies;
    for (const GameLogEntry& entry : ReadGameLog(logFile)) {
        LogTally& t = tallies[{entry.gameId, entry.player}];
        if (entry.won && (!t.bestWonSeconds || entry.seconds < *t.bestWonSeconds))
            t.bestWonSeconds = entry.seconds;
        if (!t.bestScore || entry.score > *t.bestScore) t.bestScore = entry.score;
        t.totalSeconds += entry.seconds;
        ++t.games;
    }
    return tallies;
}

} // namespace

int StatisticsRow::SharePercent() const {
    const std::int64_t played = Played();
    return played > 0 ? static_cast<int>(stats.won * kPerCent / played) : 0;
}

std::vector<StatisticsRow> CollectStatistics(const std::filesystem::path& dataDir,
                                             const std::vector<StatisticsGame>& games,
                                             const std::vector<std::string>& players,
                                             const StatisticsFilter& filter, MessageSink& sink) {
    std::vector<std::string> shown;
    for (const std::string& player : players)
        if (!filter.player || *filter.player == player) shown.push_back(player);
    const std::filesystem::path statistics = DataFilePath(dataDir, kStatisticsFileName);
    const auto log = TallyLog(DataFilePath(dataDir, kGameLogFileName));
    std::vector<StatisticsRow> rows;
    for (const StatisticsGame& game : games) {
        if (filter.gameId && *filter.gameId != game.id) continue;
        for (auto& [player, stats] : ReadPlayersStatistics(statistics, game.id, shown, sink)) {
            StatisticsRow row{game.id, game.name, player, stats, {}, {}, {}};
            if (auto found = log.find({game.id, player}); found != log.end()) {
                const LogTally& t = found->second;
                row.bestSeconds = t.bestWonSeconds;
                if (t.games > 0) row.averageSeconds = static_cast<int>(t.totalSeconds / t.games);
                row.bestScore = t.bestScore;
            }
            rows.push_back(std::move(row));
        }
    }
    return rows;
}

void ResetStatisticsRows(const std::filesystem::path& dataDir,
                         const std::vector<StatisticsRow>& rows, MessageSink& sink) {
    std::map<int, std::vector<std::string>> playersByGame;
    for (const StatisticsRow& row : rows) playersByGame[row.gameId].push_back(row.player);
    const std::filesystem::path file = DataFilePath(dataDir, kStatisticsFileName);
    for (const auto& [game, players] : playersByGame)
        ResetPlayersStatistics(file, game, players, sink);
}

std::optional<GameStatistics> PlayerRecord(const std::filesystem::path& dataDir, int gameId,
                                           const std::string& player) {
    SilentMessages quiet;
    const auto found =
        ReadPlayersStatistics(DataFilePath(dataDir, kStatisticsFileName), gameId, {player}, quiet);
    if (found.empty()) return std::nullopt;
    return found.front().second;
}

std::vector<HiScoreLine> ReadHiScores(const std::filesystem::path& dataDir, int gameId,
                                      MessageSink& sink) {
    std::vector<HiScoreLine> lines;
    for (const std::string& entry : ReadHiScoreTable(DataFilePath(dataDir, kHiScoreFileName),
                                                     gameId, kDefaultScoringType, sink))
        if (auto line = ParseHiScoreEntry(entry)) lines.push_back(std::move(*line));
    return lines;
}

std::string FormatSeconds(std::optional<int> seconds) {
    if (!seconds) return "-";
    const int s = *seconds;
    auto two = [](int n) { return (n < 10 ? "0" : "") + std::to_string(n); };
    if (s >= kSecondsPerHour)
        return std::to_string(s / kSecondsPerHour) + ":" +
               two(s / kSecondsPerMinute % kSecondsPerMinute) + ":" + two(s % kSecondsPerMinute);
    return std::to_string(s / kSecondsPerMinute) + ":" + two(s % kSecondsPerMinute);
}

} // namespace tablamor::ui
