#pragma once
// The one entry point from the end of a game to the records: the game log line, then the
// statistics, then the hi-scores, in that order, in the data directory. The
// engine passes plain values, the card count of the game included, so the records need nothing
// of it. The work runs under the data directory's lock, which first clears away temporary files
// that killed writers left. A failure in one record is told to the sink and does not stop the
// next; the sink hears every message after the lock is released.
#include "records/messages.h"
#include "records/settings.h"
#include "records/statistics.h"
#include "records/timestamp.h"

#include <filesystem>
#include <string>

namespace tablamor {

inline constexpr std::string_view kDefaultScoringType = "01";
inline constexpr int kMaxRecordGameId = 9999; // game ids are written in four digits

struct FinishedGame {
    std::filesystem::path dataDir;
    int gameId = -1;
    std::string gameName;
    std::string gameNumber;
    int cardCount = 0; // of the game; for a custom game, of the game it is based on
    bool won = false;
    int score = 0;
    bool hinted = false; // the player took a hint
    std::string scoringType{kDefaultScoringType};
    int seconds = 0;
    std::string player;
    Timestamp end;
    RunCounters counters; // wins and losses since start-up, before this game
};

struct FinishedGameRecords {
    bool logWritten = false;
    bool statisticsWritten = false;
    bool hiScoresSaved = false; // read, and written where the result entered
    int hiScoreRank = -1;       // 0-based rank the result entered at, or -1
    RunCounters counters;       // after this game

    // Every record of the game is saved.
    bool AllSaved() const { return logWritten && statisticsWritten && hiScoresSaved; }
};

// Writes nothing for a game id outside 0..9999 (no game was in play).
FinishedGameRecords RecordFinishedGame(const FinishedGame& game, MessageSink& sink);

// The run counters kept in the settings record, "0000" each at start-up.
RunCounters ReadRunCounters(const Settings& settings);
void StoreRunCounters(Settings& settings, const RunCounters& counters);

} // namespace tablamor
