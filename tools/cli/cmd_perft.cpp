// The perft command: the number of command sequences of a given length from a dealt game, split
// by the first command, on the geometry `play` uses.
#include "cli.h"
#include "window_layout.h"

#include "engine/perft.h"

#include <ostream>

namespace tablamor::cli {
namespace {

constexpr long long kDeepestDepth = 6; // deeper counts take hours

} // namespace

int RunPerft(Context& ctx) {
    const std::string which = ctx.options.Require("game");
    const GameNumber number = RequireGameNumber(ctx.options);
    const long long depth = ctx.options.RequireInt("depth");
    ctx.options.CheckAllTaken();
    if (depth < 0 || depth > kDeepestDepth)
        throw CliError{"option --depth takes 0 to " + std::to_string(kDeepestDepth)};

    const std::vector<GameListEntry> games = NamedGames(ctx, which);
    for (const GameListEntry& game : games) {
        if (games.size() > 1) ctx.out << "game " << game.id << ' ' << game.name << '\n';
        const GameState state = DealtGame(LoadGameParams(ctx, game.id), number);
        const PlacedPiles placed = PlacedOnPlayWindow(state.params);
        const PerftResult result = Perft(state, placed, static_cast<int>(depth));
        for (const PerftBranch& branch : result.branches)
            ctx.out << CommandText(branch.first) << ' ' << branch.paths << '\n';
        ctx.out << "total " << result.total << '\n';
    }
    return 0;
}

} // namespace tablamor::cli
