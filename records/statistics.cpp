#include "records/statistics.h"

#include "records/fixed_fields.h"
#include "records/record_handle.h"
#include "records/section_file.h"

#include <algorithm>
#include <array>

namespace tablamor {
namespace {

constexpr int kGameIdWidth = 4;
constexpr int kCountWidth = 6;
constexpr int kTotalWidth = 12;
constexpr int kRunCounterWidth = 4;

// The record's fields in column order: (width, member).
using Field = std::int64_t GameStatistics::*;
struct FieldLayout {
    int width;
    Field field;
};
constexpr std::array<FieldLayout, 8> kFields = {{
    {kCountWidth, &GameStatistics::won},
    {kCountWidth, &GameStatistics::lost},
    {kCountWidth, &GameStatistics::longestWinningStreak},
    {kCountWidth, &GameStatistics::longestLosingStreak},
    {kCountWidth, &GameStatistics::winningStreak},
    {kCountWidth, &GameStatistics::losingStreak},
    {kTotalWidth, &GameStatistics::totalScore},
    {kTotalWidth, &GameStatistics::hinted},
}};

int Bump(int counter) {
    return static_cast<int>(ClampToField(static_cast<std::int64_t>(counter) + 1, kRunCounterWidth));
}

} // namespace

std::string GameSectionName(int gameId) {
    return FormatNumber(gameId, kGameIdWidth);
}

std::string FormatStatistics(const GameStatistics& stats) {
    std::string record;
    for (const FieldLayout& f : kFields) {
        if (!record.empty()) record += ' ';
        record += FormatNumber(ClampToField(stats.*f.field, f.width), f.width);
    }
    return record;
}

GameStatistics ParseStatistics(std::string_view record) {
    GameStatistics stats;
    std::size_t column = 1;
    for (const FieldLayout& f : kFields) {
        std::optional<std::int64_t> value =
            ParseNumber(Columns(record, column, static_cast<std::size_t>(f.width)));
        if (!value) break;
        stats.*f.field = ClampToField(*value, f.width);
        column += static_cast<std::size_t>(f.width) + 1;
    }
    return stats;
}

void AddGameResult(GameStatistics& stats, bool won, int score, bool hinted) {
    if (hinted) ++stats.hinted;
    if (won) {
        ++stats.won;
        ++stats.winningStreak;
        stats.losingStreak = 0;
    } else {
        ++stats.lost;
        ++stats.losingStreak;
        stats.winningStreak = 0;
    }
    stats.longestWinningStreak = std::max(stats.longestWinningStreak, stats.winningStreak);
    stats.longestLosingStreak = std::max(stats.longestLosingStreak, stats.losingStreak);
    stats.totalScore += score;
}

bool RecordGameResult(const std::filesystem::path& file, int gameId, std::string_view player,
                      bool won, int score, bool hinted, RunCounters& counters, MessageSink& sink) {
    if (CreateRecordFile(file, sink) == Creation::Failed) return false;
    RecordHandle handle = RecordHandle::Open(file, true);
    if (!handle.IsOpen()) {
        sink.Show(MessageKind::Plain, "Open error: " + file.string() + ": " + handle.Error());
        return false;
    }
    const std::string section = GameSectionName(gameId);
    KeyLookup record = ReadKey(&handle, file, section, player, FormatStatistics({}), sink);
    if (record.result == Lookup::Failed) return false;
    GameStatistics stats = ParseStatistics(record.value);
    AddGameResult(stats, won, score, hinted);
    (won ? counters.wins : counters.losses) = Bump(won ? counters.wins : counters.losses);
    return WriteKey(&handle, file, section, player, FormatStatistics(stats), sink);
}

std::vector<std::pair<std::string, GameStatistics>>
ReadPlayersStatistics(const std::filesystem::path& file, int gameId,
                      const std::vector<std::string>& players, MessageSink& sink) {
    std::vector<std::pair<std::string, GameStatistics>> found;
    if (players.empty()) return found;
    const std::vector<std::string> values = ReadKeys(file, GameSectionName(gameId), players,
                                                     std::vector<std::string>(players.size()), sink)
                                                .values;
    for (std::size_t i = 0; i < players.size() && i < values.size(); ++i)
        if (!values[i].empty()) found.emplace_back(players[i], ParseStatistics(values[i]));
    return found;
}

bool ResetPlayersStatistics(const std::filesystem::path& file, int gameId,
                            const std::vector<std::string>& players, MessageSink& sink) {
    RecordEntries entries;
    for (const auto& [player, stats] : ReadPlayersStatistics(file, gameId, players, sink))
        entries.push_back({player, FormatStatistics({})});
    if (entries.empty()) return true;
    return WriteKeys(nullptr, file, GameSectionName(gameId), entries, sink);
}

} // namespace tablamor
