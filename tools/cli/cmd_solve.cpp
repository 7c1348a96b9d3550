// The solve command: deals a game and searches for a winning line on the geometry `play` uses,
// so the printed commands replay through `play` to a win.
#include "cli.h"
#include "window_layout.h"

#include "engine/deal.h"
#include "engine/solver.h"

#include <algorithm>
#include <chrono>
#include <ostream>
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

long long TakeNodes(Options& options) {
    const long long nodes = options.TakeInt("nodes").value_or(kDefaultSolverNodes);
    if (nodes < 1) throw CliError{"option --nodes takes a positive count"};
    return nodes;
}

} // namespace

int RunSolve(Context& ctx) {
    long long id = ctx.options.RequireInt("game");
    GameNumber number = RequireGameNumber(ctx.options);
    const long long nodes = TakeNodes(ctx.options);
    ctx.options.CheckAllTaken();

    const GameState state = DealtState(LoadGameParams(ctx.root, id), number);
    const PlacedPiles placed = PlacedOnPlayWindow(state.params);
    const SolveResult result = Solve(state, placed, nodes);
    ctx.out << OutcomeWord(result.outcome) << '\n';
    for (const tablamor::Command& c : result.line) ctx.out << CommandText(c) << '\n';
    return 0;
}

int RunSolveSurvey(Context& ctx) {
    long long id = ctx.options.RequireInt("game");
    const long long count = ctx.options.RequireInt("count");
    const long long nodes = TakeNodes(ctx.options);
    ctx.options.CheckAllTaken();
    if (count < 1) throw CliError{"option --count takes a positive count"};

    const GameParams params = LoadGameParams(ctx.root, id);
    const PlacedPiles placed = PlacedOnPlayWindow(params);
    std::vector<double> millis;
    long long won = 0;
    for (long long n = 1; n <= count; ++n) {
        const GameState state = DealtState(params, *GameNumber::Parse(std::to_string(n)));
        const auto start = std::chrono::steady_clock::now();
        const SolveResult result = Solve(state, placed, nodes);
        const std::chrono::duration<double, std::milli> spent =
            std::chrono::steady_clock::now() - start;
        millis.push_back(spent.count());
        if (result.outcome == SolveOutcome::Won) ++won;
        ctx.out << n << ' ' << OutcomeWord(result.outcome) << ' ' << result.nodes << ' '
                << spent.count() << '\n';
    }
    std::sort(millis.begin(), millis.end());
    ctx.out << "won " << won << " of " << count << '\n';
    ctx.out << "median-ms " << millis[millis.size() / 2] << '\n';
    return 0;
}

} // namespace tablamor::cli
