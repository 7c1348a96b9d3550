#include "records/hi_scores.h"

#include "records/fixed_fields.h"
#include "records/section_file.h"
#include "records/statistics.h"

#include <algorithm>
#include <array>

namespace tablamor {
namespace {

constexpr int kRankWidth = 2;
constexpr int kScoreWidth = 6;
constexpr int kSecondsWidth = 6;
constexpr int kPlayerWidth = 30;
constexpr int kGameNumberWidth = 15;
constexpr int kEntryBodyWidth = 83;
constexpr std::string_view kEntryEnd = " x";
constexpr std::string_view kWon = "Won ";
constexpr std::string_view kLost = "Lost";
constexpr std::size_t kScoreColumn = 1;
constexpr std::size_t kSecondsColumn = 8;
constexpr std::size_t kDateColumn = 15;
constexpr std::size_t kTimeColumn = 24;
constexpr std::size_t kPlayerColumn = 33;
constexpr std::size_t kGameNumberColumn = 64;
constexpr std::size_t kResultColumn = 80;
constexpr std::int64_t kBlankScore = -999999;
constexpr std::int64_t kBlankSeconds = 999999;

constexpr std::string_view kClearSection = "Clear scores";
constexpr std::string_view kClearedKey = "Cleared";

// Placeholder scores for 52 cards, rank 1 first; other card counts scale them.
constexpr int kStandardDeck = 52;
constexpr std::array<int, kHiScoreRanks> kPlaceholderScores = {
    52, 45, 40, 30, 25, 20, 15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2};
constexpr int kPlaceholderSecondsPerPoint = 5;
constexpr std::array<std::string_view, kHiScoreRanks> kPlaceholderNames = {
    "Anna",  "Bruno", "Clara", "Dario", "Elena", "Fabio", "Greta", "Hugo",   "Irene", "Jonas",
    "Katia", "Luca",  "Marta", "Nico",  "Olga",  "Paolo", "Rita",  "Sergio", "Tessa", "Ugo"};
constexpr std::string_view kPlaceholderMark = "* ";

// An entry cut or padded to its body and closed with " x".
std::string Normalised(std::string_view entry) {
    return FitText(entry, kEntryBodyWidth) + std::string(kEntryEnd);
}

std::optional<std::int64_t> FieldOrBlank(std::string_view field, std::int64_t blank) {
    if (TrimBlanks(field).empty()) return blank;
    return ParseNumber(field);
}

} // namespace

std::string HiScoreKey(int rank, std::string_view scoringType) {
    return FormatNumber(rank, kRankWidth) + "-" + std::string(scoringType);
}

std::string HiScoreEntry(int score, int seconds, const Timestamp& when, std::string_view player,
                         std::string_view gameNumber, bool won) {
    std::string entry =
        FormatNumber(score, kScoreWidth) + " " + FormatNumber(seconds, kSecondsWidth) + " " +
        when.Date() + " " + when.TimeOfDay() + " " + FitText(player, kPlayerWidth) + " " +
        FitText(gameNumber, kGameNumberWidth) + " " + std::string(won ? kWon : kLost);
    return Normalised(entry);
}

HiScoreRank RankOfEntry(std::string_view entry) {
    std::optional<std::int64_t> score =
        FieldOrBlank(Columns(entry, kScoreColumn, kScoreWidth), kBlankScore);
    std::optional<std::int64_t> seconds =
        FieldOrBlank(Columns(entry, kSecondsColumn, kSecondsWidth), kBlankSeconds);
    if (!score || !seconds) return {kBlankScore, kBlankSeconds};
    return {*score, *seconds};
}

std::vector<std::string> PlaceholderTable(int cardCount, const Timestamp& now) {
    std::vector<std::string> table;
    const int cards = std::max(cardCount, 0);
    for (int i = 0; i < kHiScoreRanks; ++i) {
        int score = cards * kPlaceholderScores[static_cast<std::size_t>(i)] / kStandardDeck;
        std::string player = std::string(kPlaceholderMark) +
                             std::string(kPlaceholderNames[static_cast<std::size_t>(i)]);
        table.push_back(HiScoreEntry(score, score * kPlaceholderSecondsPerPoint, now, player,
                                     std::string(kGameNumberWidth, '0'), true));
    }
    return table;
}

bool SeedPlaceholders(std::vector<std::string>& table, int cardCount, const Timestamp& now,
                      bool cleared) {
    std::string_view first = table.empty() ? std::string_view() : std::string_view(table.front());
    if (cleared || !TrimBlanks(Columns(first, kScoreColumn, kScoreWidth)).empty()) return false;
    table = PlaceholderTable(cardCount, now);
    return true;
}

int PlaceEntry(std::vector<std::string>& table, const std::string& entry) {
    table.resize(kHiScoreRanks);
    const HiScoreRank mine = RankOfEntry(entry);
    for (std::size_t i = 0; i < table.size(); ++i) {
        HiScoreRank theirs = RankOfEntry(table[i]);
        if (theirs.score < mine.score ||
            (theirs.score == mine.score && theirs.seconds > mine.seconds)) {
            table.insert(table.begin() + static_cast<std::ptrdiff_t>(i), entry);
            table.resize(kHiScoreRanks);
            return static_cast<int>(i);
        }
    }
    return -1;
}

std::optional<HiScoreLine> ParseHiScoreEntry(std::string_view entry) {
    const HiScoreRank rank = RankOfEntry(entry);
    if (rank.score == kBlankScore || rank.seconds == kBlankSeconds) return std::nullopt;
    HiScoreLine line;
    line.score = rank.score;
    line.seconds = rank.seconds;
    line.date = std::string(Columns(entry, kDateColumn, kDateWidth));
    line.timeOfDay = std::string(Columns(entry, kTimeColumn, kTimeWidth));
    line.player = std::string(TrimBlanks(Columns(entry, kPlayerColumn, kPlayerWidth)));
    line.gameNumber = std::string(TrimBlanks(Columns(entry, kGameNumberColumn, kGameNumberWidth)));
    line.won = Columns(entry, kResultColumn, kWon.size()) == kWon;
    return line;
}

namespace {

std::vector<std::string> HiScoreKeys(std::string_view scoringType) {
    std::vector<std::string> keys;
    for (int rank = 1; rank <= kHiScoreRanks; ++rank) keys.push_back(HiScoreKey(rank, scoringType));
    return keys;
}

} // namespace

std::vector<std::string> ReadHiScoreTable(const std::filesystem::path& file, int gameId,
                                          std::string_view scoringType, MessageSink& sink) {
    const std::vector<std::string> keys = HiScoreKeys(scoringType);
    std::vector<std::string> table =
        ReadKeys(file, GameSectionName(gameId), keys, std::vector<std::string>(keys.size()), sink)
            .values;
    for (std::string& entry : table) entry = std::string(TrimBlanks(entry));
    return table;
}

HiScoreOutcome OfferHiScore(const std::filesystem::path& file, const HiScoreOffer& offer,
                            MessageSink& sink) {
    const HiScoreOutcome failed{-1, false};
    if (CreateRecordFile(file, sink) == Creation::Failed) return failed;
    const std::string section = GameSectionName(offer.gameId);
    const std::vector<std::string> keys = HiScoreKeys(offer.scoringType);
    KeyValues stored = ReadKeys(file, section, keys, std::vector<std::string>(keys.size()), sink);
    if (stored.failed) return failed;
    std::vector<std::string> table = std::move(stored.values);
    for (std::string& entry : table) entry = std::string(TrimBlanks(entry));

    KeyLookup cleared = ReadKey(nullptr, file, kClearSection, kClearedKey, "N", sink);
    if (cleared.result == Lookup::Failed) return failed;
    bool seeded = SeedPlaceholders(table, offer.cardCount, offer.end, cleared.value == "Y");
    int rank = PlaceEntry(table, HiScoreEntry(offer.score, offer.seconds, offer.end, offer.player,
                                              offer.gameNumber, offer.won));
    if (rank < 0 && !seeded) return {-1, true};

    RecordEntries entries;
    for (std::size_t i = 0; i < keys.size(); ++i)
        entries.push_back({keys[i], Normalised(table[i])});
    if (!WriteKeys(nullptr, file, section, entries, sink)) return failed;
    return {rank, true};
}

} // namespace tablamor
