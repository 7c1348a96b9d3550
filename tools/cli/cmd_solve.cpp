// The solve command: deals a game and searches for a winning line on the geometry `play` uses,
// so the printed commands replay through `play` to a win.
#include "cli.h"
#include "window_layout.h"

#include "engine/solver.h"

#include <algorithm>
#include <chrono>
#include <iomanip>
#include <optional>
#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace tablamor::cli {
namespace {

const char* OutcomeWord(SolveOutcome outcome) {
    switch (outcome) {
    case SolveOutcome::Won:
        return "won";
    case SolveOutcome::Lost:
        return "lost";
    case SolveOutcome::Unknown:
        break;
    }
    return "unknown";
}

// The budget from --nodes, --time-ms (no time limit when not given) and --memory-mb.
SolveBudget TakeBudget(Options& options) {
    constexpr int kBytesPerMegabyteShift = 20;
    SolveBudget budget;
    budget.nodes = options.TakeInt("nodes").value_or(kDefaultSolverNodes);
    if (budget.nodes < 1) throw CliError{"option --nodes takes a positive count"};
    budget.timeMs = options.TakeInt("time-ms").value_or(0);
    if (budget.timeMs < 0) throw CliError{"option --time-ms takes a count of milliseconds"};
    if (const auto megabytes = options.TakeInt("memory-mb")) {
        if (*megabytes < 1) throw CliError{"option --memory-mb takes a positive count"};
        budget.memoryBytes = static_cast<std::size_t>(*megabytes) << kBytesPerMegabyteShift;
    }
    return budget;
}

// Lines: a line per number, then the totals, per game. Markdown: a table row per game.
enum class SurveyFormat { Lines, Markdown };

SurveyFormat TakeFormat(Options& options) {
    const std::string format = options.Take("format").value_or("lines");
    if (format == "lines") return SurveyFormat::Lines;
    if (format == "markdown") return SurveyFormat::Markdown;
    throw CliError{"option --format takes lines or markdown"};
}

struct SurveyTally {
    long long won = 0;
    long long lost = 0;
    long long undecided = 0;
    double medianMillis = 0;
};

// A game number as one would type it: without its leading zeros.
std::string ShortNumberText(const GameNumber& number) {
    const std::string text = number.Text();
    const std::size_t first = text.find_first_not_of('0');
    return first == std::string::npos ? "0" : text.substr(first);
}

// The numbers a survey deals: `count` numbers from `first` on, or `count` numbers drawn as a new
// game draws them from a generator seeded with `drawnSeed`. Numbers 1 to 100 give closely related
// deals; drawn numbers are a fair sample of what a player is dealt. A long range can be split
// among several runs by its first number.
std::vector<GameNumber> SurveyNumbers(long long first, long long count,
                                      std::optional<long long> drawnSeed) {
    std::vector<GameNumber> numbers;
    std::mt19937 rng(static_cast<std::mt19937::result_type>(drawnSeed.value_or(0)));
    for (long long n = first; n < first + count; ++n)
        numbers.push_back(drawnSeed ? NewGameNumber(rng) : *GameNumber::Parse(std::to_string(n)));
    return numbers;
}

// Solves each number of one game; in the lines format writes a line per number (the number
// without its leading zeros).
SurveyTally SurveyGame(const GameParams& params, const std::vector<GameNumber>& numbers,
                       const SolveBudget& budget, SurveyFormat format, std::ostream& out) {
    const PlacedPiles placed = PlacedOnPlayWindow(params);
    std::vector<double> millis;
    SurveyTally tally;
    for (const GameNumber& number : numbers) {
        const GameState state = DealtGame(params, number);
        const auto start = std::chrono::steady_clock::now();
        const SolveResult result = Solve(state, placed, budget);
        const std::chrono::duration<double, std::milli> spent =
            std::chrono::steady_clock::now() - start;
        millis.push_back(spent.count());
        if (result.outcome == SolveOutcome::Won) ++tally.won;
        if (result.outcome == SolveOutcome::Lost) ++tally.lost;
        if (result.outcome == SolveOutcome::Unknown) ++tally.undecided;
        if (format == SurveyFormat::Lines)
            out << ShortNumberText(number) << ' ' << OutcomeWord(result.outcome) << ' '
                << result.nodes << ' ' << spent.count() << '\n';
    }
    std::sort(millis.begin(), millis.end());
    tally.medianMillis = millis[millis.size() / 2];
    return tally;
}
} // namespace

int RunSolve(Context& ctx) {
    long long id = ctx.options.RequireInt("game");
    GameNumber number = RequireGameNumber(ctx.options);
    const SolveBudget budget = TakeBudget(ctx.options);
    ctx.options.CheckAllTaken();

    const GameState state = DealtGame(LoadGameParams(ctx, id), number);
    const PlacedPiles placed = PlacedOnPlayWindow(state.params);
    const SolveResult result = Solve(state, placed, budget);
    ctx.out << OutcomeWord(result.outcome) << '\n';
    for (const tablamor::Command& c : result.line) ctx.out << CommandText(c) << '\n';
    return 0;
}

int RunSolveSurvey(Context& ctx) {
    const std::string which = ctx.options.Require("game");
    const long long count = ctx.options.RequireInt("count");
    const SolveBudget budget = TakeBudget(ctx.options);
    const SurveyFormat format = TakeFormat(ctx.options);
    const std::optional<long long> drawnSeed = ctx.options.TakeInt("drawn");
    const std::optional<long long> first = ctx.options.TakeInt("from");
    ctx.options.CheckAllTaken();
    // The largest count or first number a range of game numbers can hold.
    constexpr long long kLargestNumber = 9'999'999'999'999;
    if (count < 1 || count > kLargestNumber)
        throw CliError{"option --count takes a positive count"};
    if (drawnSeed && *drawnSeed < 0) throw CliError{"option --drawn takes a seed of 0 or more"};
    if (first && drawnSeed) throw CliError{"options --from and --drawn cannot go together"};
    if (first && (*first < 1 || *first > kLargestNumber - count + 1))
        throw CliError{"option --from takes a game number from 1 on, with room for --count more"};
    const std::vector<GameNumber> numbers = SurveyNumbers(first.value_or(1), count, drawnSeed);

    const std::vector<GameListEntry> games = NamedGames(ctx, which);
    if (format == SurveyFormat::Markdown) {
        ctx.out << "| id | game | won of " << count
                << " | share | lost | undecided | median ms |\n";
        ctx.out << "|---:|---|---:|---:|---:|---:|---:|\n";
    }
    for (const GameListEntry& game : games) {
        if (format == SurveyFormat::Lines && games.size() > 1)
            ctx.out << "game " << game.id << ' ' << game.name << '\n';
        const SurveyTally tally =
            SurveyGame(LoadGameParams(ctx, game.id), numbers, budget, format, ctx.out);
        if (format == SurveyFormat::Markdown) {
            ctx.out << "| " << game.id << " | " << game.name << " | " << tally.won << " | "
                    << std::fixed << std::setprecision(0)
                    << 100.0 * static_cast<double>(tally.won) / static_cast<double>(count) << "% | "
                    << tally.lost << " | " << tally.undecided << " | " << std::setprecision(1)
                    << tally.medianMillis << " |\n"
                    << std::defaultfloat << std::setprecision(6);
        } else {
            ctx.out << "won " << tally.won << " of " << count << '\n';
            ctx.out << "lost " << tally.lost << " undecided " << tally.undecided << '\n';
            ctx.out << "median-ms " << tally.medianMillis << '\n';
        }
    }
    return 0;
}

} // namespace tablamor::cli
