// Commands that deal: deal-array, show.
#include "cli.h"

#include "engine/deal.h"
#include "engine/deal_array.h"

#include <ostream>

namespace tablamor::cli {

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
    const GameState state = DealtGame(LoadGameParams(ctx, id), number);
    PrintTable(ctx.out, state.table);
    ctx.out << "score " << state.score << '\n';
    return 0;
}

} // namespace tablamor::cli
