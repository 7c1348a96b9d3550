#include "records/favorites.h"

#include "records/fixed_fields.h"

#include <algorithm>
#include <limits>
#include <string>

namespace tablamor {
namespace {

constexpr std::string_view kFavoritesSection = "Favorites";
constexpr std::string_view kGamesKey = "Games";
constexpr char kSeparator = ',';

} // namespace

std::vector<int> ReadFavorites(const IniFile& config) {
    const std::string text = config.ReadString(kFavoritesSection, kGamesKey);
    std::vector<int> ids;
    std::size_t from = 0;
    while (from <= text.size()) {
        std::size_t to = text.find(kSeparator, from);
        if (to == std::string::npos) to = text.size();
        const auto id = ParseNumber(TrimBlanks(std::string_view(text).substr(from, to - from)));
        if (id && *id >= 0 && *id <= std::numeric_limits<int>::max() &&
            std::find(ids.begin(), ids.end(), static_cast<int>(*id)) == ids.end())
            ids.push_back(static_cast<int>(*id));
        from = to + 1;
    }
    return ids;
}

bool WriteFavorites(IniFile& config, const std::vector<int>& gameIds) {
    std::string text;
    for (int id : gameIds) {
        if (!text.empty()) text += kSeparator;
        text += std::to_string(id);
    }
    return config.WriteString(kFavoritesSection, kGamesKey, text);
}

bool SetFavorite(IniFile& config, int gameId, bool favorite) {
    std::vector<int> ids = ReadFavorites(config);
    const auto found = std::find(ids.begin(), ids.end(), gameId);
    if (favorite && found == ids.end()) ids.push_back(gameId);
    if (!favorite && found != ids.end()) ids.erase(found);
    return WriteFavorites(config, ids);
}

} // namespace tablamor
