#pragma once
// Game statistics, "DATA\STAT.DAT": a sectioned record file with one section per game, headed
// by the game id in four digits, holding one entry per player: the player's name = a 67-character
// record of eight zero-padded fields separated by blanks: games won, games lost, longest winning
// streak, longest losing streak, current winning streak, current losing streak (six digits
// each), total of the scores and the games in which the player took a hint (twelve digits each).
// The last field was reserved and written as zeros before hints were counted, so an older record
// reads as no hinted game. A record is read as far as it is readable: the fields after the first
// one that is not a number read as 0. Counts stop at the largest number their field can hold rather
// than turning into a row of "*" that the next read could not take back.
#include "records/messages.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tablamor {

struct GameStatistics {
    std::int64_t won = 0;
    std::int64_t lost = 0;
    std::int64_t longestWinningStreak = 0;
    std::int64_t longestLosingStreak = 0;
    std::int64_t winningStreak = 0;
    std::int64_t losingStreak = 0;
    std::int64_t totalScore = 0;
    std::int64_t hinted = 0; // games, won or lost, in which a hint was taken

    friend bool operator==(const GameStatistics&, const GameStatistics&) = default;
};

// Wins and losses since the program started; kept by the caller between games.
struct RunCounters {
    int wins = 0;
    int losses = 0;
};

// The section name of a game: its id in four digits.
std::string GameSectionName(int gameId);

std::string FormatStatistics(const GameStatistics& stats);
GameStatistics ParseStatistics(std::string_view record);

// One finished game counted in: the count, the streaks, the total and the hinted games.
void AddGameResult(GameStatistics& stats, bool won, int score, bool hinted);

// Counts a finished game for the player in the statistics file and in the run counters. The
// file is created when missing; when it cannot be opened the sink hears "Open error: " + its
// path + the reason, and nothing changes; nor when it cannot be read. False when the record was
// not written.
bool RecordGameResult(const std::filesystem::path& file, int gameId, std::string_view player,
                      bool won, int score, bool hinted, RunCounters& counters, MessageSink& sink);

// The records of the named players for a game, in the order given; a player without a record
// is left out. Nothing is written.
std::vector<std::pair<std::string, GameStatistics>>
ReadPlayersStatistics(const std::filesystem::path& file, int gameId,
                      const std::vector<std::string>& players, MessageSink& sink);

// Sets the records of the named players for a game back to zero (those without one get none).
bool ResetPlayersStatistics(const std::filesystem::path& file, int gameId,
                            const std::vector<std::string>& players, MessageSink& sink);

} // namespace tablamor
