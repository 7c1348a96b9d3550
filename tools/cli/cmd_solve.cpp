// The solve command: deals a game and searches for a winning line on the geometry `play` uses,
// so the printed commands replay through `play` to a win.
#include "cli.h"
#include "window_layout.h"

#include "engine/deal.h"
#include "engine/solver.h"

#include <ostream>

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

} // namespace

int RunSolve(Context& ctx) {
    long long id = ctx.options.RequireInt("game");
    GameNumber number = RequireGameNumber(ctx.options);
    const long long nodes = ctx.options.TakeInt("nodes").value_or(kDefaultSolverNodes);
    ctx.options.CheckAllTaken();
    if (nodes < 1) throw CliError{"option --nodes takes a positive count"};

    GameState state = NewGameState(LoadGameParams(ctx.root, id));
    FirstMessage sink;
    if (!DealGame(state, number, sink))
        throw CliError{sink.message.empty() ? "the game cannot be dealt" : sink.message};
    state.active = true;
    const PlacedPiles placed = PlacedOnPlayWindow(state.params);
    const SolveResult result = Solve(state, placed, nodes);
    switch (result.outcome) {
    case SolveOutcome::Won:
        ctx.out << "won\n";
        for (const tablamor::Command& c : result.line) ctx.out << CommandText(c) << '\n';
        break;
    case SolveOutcome::Lost: ctx.out << "lost\n"; break;
    case SolveOutcome::Unknown: ctx.out << "unknown\n"; break;
    }
    return 0;
}

} // namespace tablamor::cli
