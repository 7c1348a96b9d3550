#include "session/game_loader.h"

#include "engine/rule_codes.h"
#include "records/custom_games.h"

#include <algorithm>
#include <charconv>

namespace tablamor {
namespace {

bool ParseField(std::string_view s, int& value) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    return !s.empty() && ec == std::errc() && end == s.data() + s.size();
}

// Empty-fill codes the override's seventh character selects: one rank below the foundations'
// base, any card, and 0 (a rank no card has: nothing, unless the foundations' base is -1).
constexpr int kFillBelowBase = code::kFillBelowFoundationBase;
constexpr int kFillAnyCard = code::kBaseAnyCard;
constexpr int kFillRankZero = 0;

} // namespace

void ApplyCustomOverrides(GameParams& p, std::string_view overrides) {
    int perPress = 0, passes = 0;
    if (ParseField(overrides.substr(0, 3), perPress)) {
        p[param::kStockDealCount] = static_cast<std::int16_t>(perPress);
        if (overrides.size() > 3 && ParseField(overrides.substr(3, 3), passes))
            p[param::kStockPasses] = static_cast<std::int16_t>(passes);
    }
    if (overrides.size() < 7) return;
    int fill = 0;
    switch (overrides[6]) {
    case '1':
        fill = kFillBelowBase;
        break;
    case '2':
        fill = kFillAnyCard;
        break;
    case '3':
        fill = kFillRankZero;
        break;
    default:
        return;
    }
    int tableaus = std::min<int>(p[param::kTableauCount], kMaxTableaus);
    for (int n = 0; n < tableaus; ++n)
        p.Set(param::kTableauEmptyFill, n, static_cast<std::int16_t>(fill));
}

std::optional<GameParams> LoadGameDefinition(const GameFile& games, int id,
                                             const std::filesystem::path& customGamesFile) {
    if (id < kFirstCustomGameId) return games.LoadColumn(id);
    CustomGame custom = FindCustomGame(customGamesFile, id);
    if (custom.baseId < 0 || custom.baseId >= kFirstCustomGameId || !games.Find(custom.baseId))
        return std::nullopt; // no standard game to base it on
    GameParams p = games.LoadColumn(custom.baseId);
    ApplyCustomOverrides(p, custom.overrides);
    return p;
}

std::string GameName(const GameFile& games, int id, const std::filesystem::path& customGamesFile) {
    if (id >= kFirstCustomGameId) return FindCustomGame(customGamesFile, id).name;
    const GameListEntry* e = games.Find(id);
    return e ? e->name : std::string();
}

} // namespace tablamor
