// One end-of-game update (game log line, statistics, hi-scores) against record files of a
// well-used installation: STAT.DAT with 400 games by 20 players and STAT_SCR.DAT with 400 full
// hi-score tables. Each rewrite is synced to disk, so the figures include the disk's sync time.
// Run with --benchmark_repetitions=N to get the median.
#include "records/finished_game.h"
#include "records/game_log.h"
#include "records/hi_scores.h"
#include "records/section_file.h"
#include "records/statistics.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace tablamor {
namespace {

constexpr int kGames = 400;
constexpr int kPlayers = 20;
constexpr int kPlayedGame = 200; // in the middle of both files

std::string PlayerName(int n) {
    return "Player " + std::to_string(n + 1);
}

// A program directory with the two record files, made once per run.
const std::filesystem::path& ProgramDir() {
    static const std::filesystem::path dir = [] {
        std::filesystem::path d = std::filesystem::temp_directory_path() /
                                  ("tablamor-bench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(d / "DATA");
        const Timestamp when{2024, 1, 1, 12, 0, 0};
        std::string stat = "[Version]\r\nVersion=0300\r\n";
        std::string scores = stat;
        for (int game = 0; game < kGames; ++game) {
            stat += "\r\n" + SectionHeader(GameSectionName(game)) + "\r\n";
            for (int p = 0; p < kPlayers; ++p) {
                GameStatistics s{p + 1, game % 7, 3, 2, 1, 0, 100 * p - 52};
                stat += PlayerName(p) + "=" + FormatStatistics(s) + "\r\n";
            }
            scores += "\r\n" + SectionHeader(GameSectionName(game)) + "\r\n";
            std::vector<std::string> table = PlaceholderTable(52, when);
            for (int rank = 1; rank <= kHiScoreRanks; ++rank)
                scores += HiScoreKey(rank, kDefaultScoringType) + "=" +
                          table[static_cast<std::size_t>(rank - 1)] + "\r\n";
        }
        std::ofstream(d / "DATA" / "STAT.DAT", std::ios::binary) << stat;
        std::ofstream(d / "DATA" / "STAT_SCR.DAT", std::ios::binary) << scores;
        std::atexit([] { std::filesystem::remove_all(ProgramDir()); });
        return d;
    }();
    return dir;
}

// A won game whose score enters the hi-scores at rank 1 (so both record files are rewritten),
// or a lost game that enters nowhere (the hi-score file is only read).
enum Outcome { kEntersHiScores, kLostOutsideHiScores };

FinishedGame Game(int round, Outcome outcome = kEntersHiScores) {
    FinishedGame g;
    g.dataDir = ProgramDir() / "DATA";
    g.gameId = kPlayedGame;
    g.gameName = "Klondike";
    g.gameNumber = "0000000012345";
    g.cardCount = 52;
    constexpr int kAboveEveryEntry = 1000;
    g.won = outcome == kEntersHiScores;
    g.score = g.won ? kAboveEveryEntry + round : -52;
    g.seconds = 300;
    g.player = PlayerName(round % kPlayers);
    g.end = Timestamp::Now();
    return g;
}

void BM_EndOfGameUpdate(benchmark::State& state, Outcome outcome) {
    static int round = 0; // rising scores across runs, so every win takes rank 1
    for (auto _ : state)
        benchmark::DoNotOptimize(RecordFinishedGame(Game(round++, outcome), NoMessages()));
    state.counters["STAT.DAT bytes"] =
        static_cast<double>(std::filesystem::file_size(ProgramDir() / "DATA" / "STAT.DAT"));
    state.counters["STAT_SCR.DAT bytes"] =
        static_cast<double>(std::filesystem::file_size(ProgramDir() / "DATA" / "STAT_SCR.DAT"));
}
BENCHMARK_CAPTURE(BM_EndOfGameUpdate, enters_hi_scores, kEntersHiScores)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_EndOfGameUpdate, lost_outside_hi_scores, kLostOutsideHiScores)
    ->Unit(benchmark::kMillisecond);

// The three parts one by one, to see where the time goes.
void BM_GameLogLine(benchmark::State& state) {
    int round = 0;
    for (auto _ : state) {
        FinishedGame g = Game(round++);
        GameLogEntry e{g.end, g.seconds,     g.gameId, g.gameName,  g.player,
                       g.won, g.scoringType, g.score,  g.gameNumber};
        benchmark::DoNotOptimize(
            AppendGameLog(ProgramDir() / "DATA" / "STAT_LOG.DAT", e, NoMessages()));
    }
}
BENCHMARK(BM_GameLogLine)->Unit(benchmark::kMillisecond);

void BM_Statistics(benchmark::State& state) {
    int round = 0;
    RunCounters counters;
    for (auto _ : state) {
        FinishedGame g = Game(round++);
        benchmark::DoNotOptimize(RecordGameResult(ProgramDir() / "DATA" / "STAT.DAT", g.gameId,
                                                  g.player, g.won, g.score, g.hinted, counters,
                                                  NoMessages()));
    }
}
BENCHMARK(BM_Statistics)->Unit(benchmark::kMillisecond);

void BM_HiScores(benchmark::State& state) {
    static int round = 500000; // above the scores of the runs before, within six digits
    for (auto _ : state) {
        FinishedGame g = Game(round++);
        HiScoreOffer o{g.gameId, g.player,     g.scoringType, g.end,      g.seconds,
                       g.score,  g.gameNumber, g.won,         g.cardCount};
        benchmark::DoNotOptimize(
            OfferHiScore(ProgramDir() / "DATA" / "STAT_SCR.DAT", o, NoMessages()));
    }
}
BENCHMARK(BM_HiScores)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tablamor
