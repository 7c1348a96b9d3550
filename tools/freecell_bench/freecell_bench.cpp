// The solver's benchmark (run by hand, not a test).
//
// Side by side (the default): FreeCell (game 2) numbers 1 to N, each deal solved by our solver and
// then, when the benchmark was built with fc-solve's library, by fc-solve in the same process on
// the same board, deal by deal so both meet the same load. Prints a line per deal, then per
// solver the deals solved and the CPU milliseconds per deal (median, 90th percentile, worst,
// total) and the ratios of ours to fc-solve's.
//
// Survey (--survey): numbers 1 to N of every game in games/, printing per game the share won,
// proven lost and undecided within the budget, and the median CPU milliseconds per deal.
//
//   freecell_bench [--count N] [--nodes K] [--time-ms T] [--preset P] [--fc-iterations I]
//                  [--boards DIR]
//   freecell_bench --survey [--count N] [--nodes K] [--time-ms T] [--game ID]
#include "bench_stats.h"
#include "fc_board.h"
#ifdef TABLAMOR_HAVE_FC_SOLVE
#include "fc_solve_runner.h"
#endif

#include "engine/deal.h"
#include "engine/game_file.h"
#include "engine/game_source.h"
#include "engine/placed_piles.h"
#include "engine/solver.h"

#include <charconv>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace tablamor {
namespace {

constexpr long long kDefaultCount = 1000;
constexpr long long kDefaultSurveyCount = 20;
constexpr long long kDefaultNodes = 1'000'000;
constexpr long long kDefaultTimeMs = 10'000;
constexpr long long kDefaultFcIterations = 10'000'000;
constexpr int kFreeCellId = 2;
constexpr const char* kGamesFolder = "/games";

struct BenchOptions {
    bool survey = false;
    long long count = 0; // 0: the mode's default
    SolveBudget budget{kDefaultNodes, kDefaultTimeMs};
    std::string preset = "lg";
    long long fcIterations = kDefaultFcIterations;
    std::filesystem::path boards; // empty: no boards written
    std::optional<int> game;      // survey: one game only
};

struct UsageError {
    std::string message;
};

long long PositiveNumber(const std::string& option, const std::string& text) {
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value < 1)
        throw UsageError{"option " + option + " takes a positive number"};
    return value;
}

BenchOptions ReadOptions(int argc, char** argv) {
    BenchOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string name = argv[i];
        if (name == "--survey") {
            options.survey = true;
            continue;
        }
        if (i + 1 >= argc) throw UsageError{"option " + name + " needs a value"};
        const std::string value = argv[++i];
        if (name == "--count")
            options.count = PositiveNumber(name, value);
        else if (name == "--nodes")
            options.budget.nodes = PositiveNumber(name, value);
        else if (name == "--time-ms")
            options.budget.timeMs = PositiveNumber(name, value);
        else if (name == "--preset")
            options.preset = value;
        else if (name == "--fc-iterations")
            options.fcIterations = PositiveNumber(name, value);
        else if (name == "--boards")
            options.boards = value;
        else if (name == "--game")
            options.game = static_cast<int>(PositiveNumber(name, value));
        else
            throw UsageError{"unknown option " + name};
    }
    if (options.count == 0) options.count = options.survey ? kDefaultSurveyCount : kDefaultCount;
    return options;
}

// Every game source in games/, in the order of their ids.
std::vector<GameDefinition> GameSources() {
    std::vector<std::filesystem::path> paths;
    for (const auto& entry :
         std::filesystem::directory_iterator(std::string(TABLAMOR_SOURCE_DIR) + kGamesFolder))
        if (entry.path().extension() == ".game") paths.push_back(entry.path());
    std::sort(paths.begin(), paths.end());
    std::vector<GameDefinition> games;
    for (const auto& path : paths) games.push_back(LoadGameSource(path));
    return games;
}

std::optional<GameState> Dealt(const GameParams& params, long long number) {
    GameState state = NewGameState(params);
    if (!DealGame(state, *GameNumber::Parse(std::to_string(number)), NullEventSink()))
        return std::nullopt;
    state.active = true;
    return state;
}

const char* OutcomeWord(SolveOutcome outcome) {
    return outcome == SolveOutcome::Won    ? "won"
           : outcome == SolveOutcome::Lost ? "lost"
                                           : "undecided";
}

// One solver's figures over the deals.
struct Tally {
    long long solved = 0;
    long long proven = 0;
    std::vector<double> millis;
    std::vector<double> positions;
};

void PrintRow(const char* name, const Tally& t, long long count) {
    const Summary ms = Summarize(t.millis);
    const Summary pos = Summarize(t.positions);
    std::printf("| %s | %lld | %lld | %lld | %.3f | %.3f | %.3f | %.1f | %.0f | %.0f | %.0f |\n",
                name, t.solved, t.proven, count - t.solved - t.proven, ms.median, ms.p90, ms.max,
                ms.total, pos.median, pos.p90, pos.max);
}

int RunSideBySide(const BenchOptions& options) {
    const std::vector<GameDefinition> games = GameSources();
    const auto freeCell = std::find_if(games.begin(), games.end(),
                                       [](const GameDefinition& g) { return g.id == kFreeCellId; });
    if (freeCell == games.end()) throw UsageError{"FreeCell's source is missing from games/"};
#ifdef TABLAMOR_HAVE_FC_SOLVE
    FcSolveRunner fcSolve(options.preset, options.fcIterations);
#endif
    if (!options.boards.empty()) std::filesystem::create_directories(options.boards);
    Tally ours;
    Tally theirs;
    for (long long n = 1; n <= options.count; ++n) {
        const std::optional<GameState> state = Dealt(freeCell->params, n);
        if (!state) throw UsageError{"number " + std::to_string(n) + " cannot be dealt"};
        const std::string board = FcBoard(*state);
        if (!options.boards.empty()) {
            std::ofstream out(options.boards / (std::to_string(n) + ".board"));
            out << board;
            if (!out) throw UsageError{"cannot write the board of number " + std::to_string(n)};
        }
        const PlacedPiles geometry = PlacedPiles::EveryPileOf(*state);
        const double start = CpuMillis();
        const SolveResult result = Solve(*state, geometry, options.budget);
        const double spent = CpuMillis() - start;
        ours.millis.push_back(spent);
        ours.positions.push_back(static_cast<double>(result.nodes));
        ours.solved += result.outcome == SolveOutcome::Won ? 1 : 0;
        ours.proven += result.outcome == SolveOutcome::Lost ? 1 : 0;
        std::printf("%lld ours %s %lld %.3f", n, OutcomeWord(result.outcome), result.nodes, spent);
#ifdef TABLAMOR_HAVE_FC_SOLVE
        const double fcStart = CpuMillis();
        const FcSolveOutcome fc = fcSolve.Solve(board);
        const double fcSpent = CpuMillis() - fcStart;
        theirs.millis.push_back(fcSpent);
        theirs.positions.push_back(static_cast<double>(fc.iterations));
        theirs.solved += fc.solved ? 1 : 0;
        theirs.proven += fc.proven ? 1 : 0;
        std::printf(" fc-solve %s %lld %.3f",
                    fc.solved   ? "won"
                    : fc.proven ? "lost"
                                : "undecided",
                    fc.iterations, fcSpent);
#endif
        std::printf("\n");
        std::fflush(stdout);
    }
    std::printf("\nFreeCell 1-%lld, CPU ms per deal; ours within %lld positions and %lld ms\n\n",
                options.count, options.budget.nodes, options.budget.timeMs);
    std::printf("| solver | won | lost | undecided | median ms | p90 ms | max ms | total ms | "
                "median positions | p90 positions | max positions |\n");
    std::printf("|---|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|\n");
    PrintRow("tablamor", ours, options.count);
#ifdef TABLAMOR_HAVE_FC_SOLVE
    const std::string name = "fc-solve -l " + options.preset;
    PrintRow(name.c_str(), theirs, options.count);
    const Summary a = Summarize(ours.millis);
    const Summary b = Summarize(theirs.millis);
    std::printf("\nratios tablamor / fc-solve: median %.1f, p90 %.1f, max %.1f, total %.1f\n",
                a.median / b.median, a.p90 / b.p90, a.max / b.max, a.total / b.total);
#else
    std::printf("\n(built without fc-solve's library: install libfreecell-solver-dev and "
                "freecell-solver-bin, then configure again)\n");
#endif
    return 0;
}

int RunSurvey(const BenchOptions& options) {
    std::printf("Numbers 1-%lld per game, within %lld positions and %lld ms each; CPU ms\n\n",
                options.count, options.budget.nodes, options.budget.timeMs);
    std::printf("| id | game | won | lost | undecided | decided | median ms | max ms | "
                "max positions |\n");
    std::printf("|---:|---|---:|---:|---:|---:|---:|---:|---:|\n");
    for (const GameDefinition& game : GameSources()) {
        if (options.game && game.id != *options.game) continue;
        Tally t;
        for (long long n = 1; n <= options.count; ++n) {
            const std::optional<GameState> state = Dealt(game.params, n);
            if (!state) continue;
            const PlacedPiles geometry = PlacedPiles::EveryPileOf(*state);
            const double start = CpuMillis();
            const SolveResult result = Solve(*state, geometry, options.budget);
            t.millis.push_back(CpuMillis() - start);
            t.positions.push_back(static_cast<double>(result.nodes));
            t.solved += result.outcome == SolveOutcome::Won ? 1 : 0;
            t.proven += result.outcome == SolveOutcome::Lost ? 1 : 0;
        }
        const double dealt = static_cast<double>(t.millis.size());
        if (dealt == 0) continue;
        constexpr double kPercent = 100.0;
        const double undecided = dealt - static_cast<double>(t.solved + t.proven);
        const Summary ms = Summarize(t.millis);
        std::printf("| %d | %s | %.0f%% | %.0f%% | %.0f%% | %.0f%% | %.1f | %.1f | %.0f |\n",
                    game.id, game.name.c_str(), kPercent * static_cast<double>(t.solved) / dealt,
                    kPercent * static_cast<double>(t.proven) / dealt, kPercent * undecided / dealt,
                    kPercent * (dealt - undecided) / dealt, ms.median, ms.max,
                    Summarize(t.positions).max);
        std::fflush(stdout);
    }
    return 0;
}

} // namespace
} // namespace tablamor

int main(int argc, char** argv) {
    try {
        const tablamor::BenchOptions options = tablamor::ReadOptions(argc, argv);
        return options.survey ? tablamor::RunSurvey(options) : tablamor::RunSideBySide(options);
    } catch (const tablamor::UsageError& e) {
        std::fprintf(stderr, "freecell_bench: %s\n", e.message.c_str());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "freecell_bench: %s\n", e.what());
    }
    return 2;
}
