#include "records/finished_game.h"

#include "records/atomic_file.h"
#include "records/data_dir.h"
#include "records/data_lock.h"
#include "records/fixed_fields.h"
#include "records/game_log.h"
#include "records/hi_scores.h"
#include "records/preference_keys.h"
#include "records/record_names.h"

namespace tablamor {

FinishedGameRecords RecordFinishedGame(const FinishedGame& game, MessageSink& sink) {
    FinishedGameRecords done;
    done.counters = game.counters;
    if (game.gameId < 0 || game.gameId > kMaxRecordGameId) return done;
    const std::string player = game.player.empty() ? std::string(pref::kFirstPlayer) : game.player;

    std::error_code ec;
    std::filesystem::create_directories(game.dataDir, ec);
    CollectedMessages held; // told once the lock is released
    {
        DataDirLock lock(game.dataDir);
        if (lock.Busy()) {
            sink.Show(MessageKind::Plain, DataDirBusyText(game.dataDir));
            return done;
        }
        if (lock.Held()) RemoveStrayTempFiles(game.dataDir);

        GameLogEntry line{game.end, game.seconds,     game.gameId, game.gameName,  player,
                          game.won, game.scoringType, game.score,  game.gameNumber};
        done.logWritten = AppendGameLog(DataFilePath(game.dataDir, kGameLogFileName), line, held);

        done.statisticsWritten =
            RecordGameResult(DataFilePath(game.dataDir, kStatisticsFileName), game.gameId, player,
                             game.won, game.score, game.hinted, done.counters, held);

        HiScoreOffer offer;
        offer.gameId = game.gameId;
        offer.player = player;
        offer.scoringType = game.scoringType;
        offer.end = game.end;
        offer.seconds = game.seconds;
        offer.score = game.score;
        offer.gameNumber = game.gameNumber;
        offer.won = game.won;
        offer.cardCount = game.cardCount;
        HiScoreOutcome hiScore =
            OfferHiScore(DataFilePath(game.dataDir, kHiScoreFileName), offer, held);
        done.hiScoreRank = hiScore.rank;
        done.hiScoresSaved = hiScore.saved;
    }
    held.ShowTo(sink);
    return done;
}

RunCounters ReadRunCounters(const Settings& settings) {
    return {settings.Int(Settings::kStatCounter1), settings.Int(Settings::kStatCounter2)};
}

void StoreRunCounters(Settings& settings, const RunCounters& counters) {
    settings.Set(Settings::kStatCounter1,
                 FormatNumber(counters.wins, Settings::kStatCounter1.width));
    settings.Set(Settings::kStatCounter2,
                 FormatNumber(counters.losses, Settings::kStatCounter2.width));
}

} // namespace tablamor
