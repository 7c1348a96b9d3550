#include "session/game_recording.h"

#include "records/finished_game.h"

#include <ctime>

namespace tablamor {
namespace {

Timestamp LocalTime(PlayClock::TimePoint at) {
    std::time_t t = std::chrono::system_clock::to_time_t(at);
    std::tm local{};
    localtime_r(&t, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     local.tm_sec};
}

} // namespace

void SettingsGameRecorder::RecordFinishedGame(const GameResult& result) {
    FinishedGame game;
    game.dataDir = dataDir_;
    game.gameId = settings_.GameId();
    game.gameName = settings_.GameName();
    game.gameNumber = result.number.Text();
    game.cardCount = state_ ? state_->CardCount() : 0;
    game.won = result.won;
    game.score = result.score;
    game.hinted = result.hinted;
    game.seconds = result.seconds;
    game.player = settings_.Player();
    game.end = LocalTime(result.end);
    game.counters = ReadRunCounters(settings_);
    FinishedGameRecords written = tablamor::RecordFinishedGame(game, messages_);
    StoreRunCounters(settings_, written.counters);
    if (!written.AllSaved()) ++unsavedGames_;
}

} // namespace tablamor
