#pragma once
// The game log "DATA\STAT_LOG.DAT": one line per finished game, appended, never rewritten, no
// header. A line is fixed-width fields each followed by one blank (the result is padded to five
// characters and has none), then "0340":
//   date(8) time(8) seconds(6) game id(4) game name(50) player(30) result(5)scoring type(2)
//   score(6, left-aligned) game number(15) 0340
// An append that was cut short (a killed program, a full disk) never spoils the next line: a
// failed write is taken back, and a line that was left torn is ended before the new one. The
// reader keeps every complete line and skips anything that is not one.
#include "records/messages.h"
#include "records/timestamp.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tablamor {

struct GameLogEntry {
    Timestamp end;
    int seconds = 0;
    int gameId = 0;
    std::string gameName;
    std::string player;
    bool won = false;
    std::string scoringType;
    int score = 0;
    std::string gameNumber;

    friend bool operator==(const GameLogEntry&, const GameLogEntry&) = default;
};

// The line without its line end.
std::string GameLogLine(const GameLogEntry& entry);

// Nullopt for anything that is not a whole log line.
std::optional<GameLogEntry> ParseGameLogLine(std::string_view line);

// Appends one line, creating the file (and its directory) when missing.
bool AppendGameLog(const std::filesystem::path& file, const GameLogEntry& entry, MessageSink& sink);

// Every complete line of the log, in order.
std::vector<GameLogEntry> ReadGameLog(const std::filesystem::path& file);

} // namespace tablamor
