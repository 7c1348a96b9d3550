// Commands that read the game catalogue: games, params.
#include "cli.h"

#include "records/paths.h"
#include "session/game_loader.h"

#include <iomanip>
#include <ostream>

namespace tablamor::cli {

int RunGames(Context& ctx) {
    ctx.options.CheckAllTaken();
    GameFile games = OpenGameFile(ctx.root);
    for (const GameListEntry& e : games.List())
        ctx.out << e.id << '\t' << std::setw(3) << std::setfill('0') << e.type << std::setfill(' ')
                << '\t' << e.name << '\n';
    return 0;
}

int RunParams(Context& ctx) {
    long long id = ctx.options.RequireInt("game");
    ctx.options.CheckAllTaken();
    GameFile games = OpenGameFile(ctx.root);
    if (id < 0 || id > 9999 || GameName(games, static_cast<int>(id), CustomGamesFile(ctx)).empty())
        throw CliError{"unknown game id " + std::to_string(id)};
    auto params = LoadGameDefinition(games, static_cast<int>(id), CustomGamesFile(ctx));
    if (!params) throw CliError{"unknown game id " + std::to_string(id)};
    for (int k = 1; k < kParamCount; ++k)
        if ((*params)[k] != 0) ctx.out << "P[" << k << "]=" << (*params)[k] << '\n';
    return 0;
}

} // namespace tablamor::cli
