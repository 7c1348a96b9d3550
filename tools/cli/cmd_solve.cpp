// The solve command: deals a game and searches for a winning line on the geometry `play` uses,
// so the printed commands replay through `play` to a win.
#include "cli.h"
#include "window_layout.h"

#include "engine/deal.h"
#include "engine/game_loader.h"
#include "engine/solver.h"
#include "records/paths.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <iomanip>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace tablamor::cli {
namespace {

// Keeps the first message the engine sends, to report it as the command's failure.
class FirstMessage : public EventSink {
public:
    void Message(std::string_view text) override {
        if (message.empty()) message = text;
    }
    std::string message;
};

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

GameState DealtState(const GameParams& params, const GameNumber& number) {
    GameState state = NewGameState(params);
    FirstMessage sink;
    if (!DealGame(state, number, sink))
        throw CliError{sink.message.empty() ? "the game cannot be dealt" : sink.message};
    state.active = true;
    return state;
}

// The budget from --nodes and --time-ms (no time limit when not given).
SolveBudget TakeBudget(Options& options) {
    SolveBudget budget;
    budget.nodes = options.TakeInt("nodes").value_or(kDefaultSolverNodes);
    if (budget.nodes < 1) throw CliError{"option --nodes takes a positive count"};
    budget.timeMs = options.TakeInt("time-ms").value_or(0);
    if (budget.timeMs < 0) throw CliError{"option --time-ms takes a count of milliseconds"};
    return budget;
}

constexpr std::string_view kEveryGame = "all";

// Lines: a line per number, then the totals, per game. Markdown: a table row per game.
enum class SurveyFormat { Lines, Markdown };

SurveyFormat TakeFormat(Options& options) {
    const std::string format = options.Take("format").value_or("lines");
    if (format == "lines") return SurveyFormat::Lines;
    if (format == "markdown") return SurveyFormat::Markdown;
    throw CliError{"option --format takes lines or markdown"};
}

std::optional<long long> ParseCount(const std::string& text) {
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

struct SurveyTally {
    long long won = 0;
    long long lost = 0;
    double medianMillis = 0;
};

// Solves numbers 1 to `count` of one game; in the lines format writes a line per number.
SurveyTally SurveyGame(const GameParams& params, long long count, const SolveBudget& budget,
                       SurveyFormat format, std::ostream& out) {
    const PlacedPiles placed = PlacedOnPlayWindow(params);
    std::vector<double> millis;
    SurveyTally tally;
    for (long long n = 1; n <= count; ++n) {
        const GameState state = DealtState(params, *GameNumber::Parse(std::to_string(n)));
        const auto start = std::chrono::steady_clock::now();
        const SolveResult result = Solve(state, placed, budget);
        const std::chrono::duration<double, std::milli> spent =
            std::chrono::steady_clock::now() - start;
        millis.push_back(spent.count());
        if (result.outcome == SolveOutcome::Won) ++tally.won;
        if (result.outcome == SolveOutcome::Lost) ++tally.lost;
        if (format == SurveyFormat::Lines)
            out << n << ' ' << OutcomeWord(result.outcome) << ' ' << result.nodes << ' '
                << spent.count() << '\n';
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

    const GameState state = DealtState(LoadGameParams(ctx.root, id), number);
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
    ctx.options.CheckAllTaken();
    if (count < 1) throw CliError{"option --count takes a positive count"};

    std::vector<GameListEntry> games;
    if (which == kEveryGame) {
        games = OpenGameFile(ctx.root).List();
    } else {
        const std::optional<long long> id = ParseCount(which);
        if (!id) throw CliError{"option --game takes a game id or 'all'"};
        const std::string name = GameName(OpenGameFile(ctx.root), static_cast<int>(*id),
                                          ProgramPath(ctx.root, kCustomGamesFileName));
        if (name.empty()) throw CliError{"unknown game id " + which};
        games.push_back(GameListEntry{0, static_cast<int>(*id), name});
    }
    if (format == SurveyFormat::Markdown) {
        ctx.out << "| id | game | won of " << count << " | share | lost | median ms |\n";
        ctx.out << "|---:|---|---:|---:|---:|---:|\n";
    }
    for (const GameListEntry& game : games) {
        if (format == SurveyFormat::Lines && games.size() > 1)
            ctx.out << "game " << game.id << ' ' << game.name << '\n';
        const SurveyTally tally =
            SurveyGame(LoadGameParams(ctx.root, game.id), count, budget, format, ctx.out);
        if (format == SurveyFormat::Markdown) {
            ctx.out << "| " << game.id << " | " << game.name << " | " << tally.won << " | "
                    << std::fixed << std::setprecision(0)
                    << 100.0 * static_cast<double>(tally.won) / static_cast<double>(count) << "% | "
                    << tally.lost << " | " << std::setprecision(1) << tally.medianMillis << " |\n"
                    << std::defaultfloat << std::setprecision(6);
        } else {
            ctx.out << "won " << tally.won << " of " << count << '\n';
            ctx.out << "median-ms " << tally.medianMillis << '\n';
        }
    }
    return 0;
}

} // namespace tablamor::cli
