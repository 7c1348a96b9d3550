#pragma once
// The player's favorite games: game ids in the configuration file, section "Favorites", key
// "Games", separated by commas, in the order they were marked. Ids that do not read as numbers
// are skipped.
#include "records/ini_file.h"

#include <vector>

namespace tablamor {

std::vector<int> ReadFavorites(const IniFile& config);
bool WriteFavorites(IniFile& config, const std::vector<int>& gameIds);
// Marks the game as a favorite, or unmarks it; true when the file was written.
bool SetFavorite(IniFile& config, int gameId, bool favorite);

} // namespace tablamor
