#pragma once
// Hi-scores, "DATA\STAT_SCR.DAT": a sectioned record file with one section per game (the game
// id in four digits) of twenty entries, best first, under the keys rank (two digits) + "-" +
// scoring type ("01-01" .. "20-01"). An entry is 85 characters:
//   score(6) seconds(6) date(8) time(8) player(30) game number(15) "Won "/"Lost" then " x"
// with single blanks between the fields. A game without entries is seeded with twenty
// placeholders scaled to its number of cards, unless the key "Cleared" of section
// "Clear scores" is "Y". Ranking: a higher score first; of equal scores the shorter time; of
// equal score and time the older entry. An entry whose score or time is not a number counts as
// blank (it ranks below every real entry).
#include "records/messages.h"
#include "records/timestamp.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tablamor {

inline constexpr int kHiScoreRanks = 20;

// The key of a rank (1-based).
std::string HiScoreKey(int rank, std::string_view scoringType);

// An entry as stored, " x" included.
std::string HiScoreEntry(int score, int seconds, const Timestamp& when, std::string_view player,
                         std::string_view gameNumber, bool won);

// Score and time of an entry, as the ranking sees them.
struct HiScoreRank {
    std::int64_t score;
    std::int64_t seconds;
};
HiScoreRank RankOfEntry(std::string_view entry);

// The twenty placeholder entries of a game of `cardCount` cards.
std::vector<std::string> PlaceholderTable(int cardCount, const Timestamp& now);

// Replaces the table by the placeholders when its first entry has no score and the scores were
// not cleared on purpose; true when it did.
bool SeedPlaceholders(std::vector<std::string>& table, int cardCount, const Timestamp& now,
                      bool cleared);

// Inserts the entry at its rank and drops what falls below rank 20; the 0-based rank, or -1
// when it does not enter. The table is padded to twenty entries first.
int PlaceEntry(std::vector<std::string>& table, const std::string& entry);

struct HiScoreOffer {
    int gameId = 0;
    std::string player;
    std::string scoringType;
    Timestamp end;
    int seconds = 0;
    int score = 0;
    std::string gameNumber;
    bool won = false;
    int cardCount = 0; // of the game, or of the base game of a custom game
};

// An entry as the hi-scores window shows it.
struct HiScoreLine {
    std::int64_t score = 0;
    std::int64_t seconds = 0;
    std::string date;      // "yyyymmdd"
    std::string timeOfDay; // "hh:mm:ss"
    std::string player;
    std::string gameNumber;
    bool won = false;
};
// Nullopt for a blank entry (no score or no time).
std::optional<HiScoreLine> ParseHiScoreEntry(std::string_view entry);

// The twenty entries of a game's table as stored (a missing one empty), blanks trimmed; nothing
// is seeded or written.
std::vector<std::string> ReadHiScoreTable(const std::filesystem::path& file, int gameId,
                                          std::string_view scoringType, MessageSink& sink);

struct HiScoreOutcome {
    int rank = -1;     // the 0-based rank the result entered at, or -1
    bool saved = true; // false when the file could not be read or written (the sink was told)
};

// Offers a finished game to its hi-score table. The table is written when the result entered or
// placeholders were made; nothing is written after a failed read.
HiScoreOutcome OfferHiScore(const std::filesystem::path& file, const HiScoreOffer& offer,
                            MessageSink& sink);

} // namespace tablamor
