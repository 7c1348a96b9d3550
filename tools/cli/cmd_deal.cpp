// Commands that deal: deal-array, show.
#include "cli.h"

#include "engine/deal.h"
#include "engine/deal_array.h"
#include "engine/game_loader.h"
#include "records/paths.h"

#include <ostream>

namespace tablamor::cli {
namespace {

// Keeps the first message the engine sends, to report it as the command's failure.
class MessageCatcher : public EventSink {
public:
    void Message(std::string_view text) override {
        if (message.empty()) message = text;
    }
    std::string message;
};

GameNumber RequireGameNumber(Options& options) {
    std::string text = options.Require("number");
    auto number = GameNumber::Parse(text);
    if (!number)
        throw CliError{"game number '" + text +
                       "' must be decimal digits (at most the last 13 are used)"};
    return *number;
}

} // namespace

int RunDealArray(Context& ctx) {
    GameNumber number = RequireGameNumber(ctx.options);
    long long cards = ctx.options.RequireInt("cards");
    ctx.options.CheckAllTaken();
    if (cards != kDeckSize && cards != kMaxCards)
        throw CliError{"--cards takes 52 or 104, not " + std::to_string(cards)};
    auto deal = BuildDealArray(number, static_cast<int>(cards));
    if (!deal) throw CliError{std::string(kBadCardCountText)};
    for (int k = 0; k < deal->Size(); ++k) ctx.out << (k ? " " : "") << CardCodeText(deal->At(k));
    ctx.out << '\n';
    return 0;
}

int RunShow(Context& ctx) {
    long long id = ctx.options.RequireInt("game");
    GameNumber number = RequireGameNumber(ctx.options);
    ctx.options.CheckAllTaken();
    GameFile games = OpenGameFile(ctx.root);
    auto customGames = ProgramPath(ctx.root, kCustomGamesFileName);
    std::optional<GameParams> params;
    if (id >= 0 && id <= 9999 && !GameName(games, static_cast<int>(id), customGames).empty())
        params = LoadGameDefinition(games, static_cast<int>(id), customGames);
    if (!params) throw CliError{"unknown game id " + std::to_string(id)};

    GameState state = NewGameState(*params);
    MessageCatcher catcher;
    if (!DealGame(state, number, catcher)) throw CliError{catcher.message};
    for (PileIndex p = 0; p < kPileCount; ++p) {
        std::string content = state.table.SnapshotText(p);
        ctx.out << PileName(p) << ' ' << (content.empty() ? "-" : content) << '\n';
    }
    ctx.out << "score " << state.score << '\n';
    return 0;
}

} // namespace tablamor::cli
