#pragma once
// Loading a game's parameters: a standard game's column of the game file, or a custom game
// (id 8000 and above) as its base game's column with the custom overrides applied.
#include "engine/game_file.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tablamor {

// The parameters of game `id`; nullopt for a custom id without a record. Throws DefinitionError
// for a field that is not a number.
std::optional<GameParams> LoadGameDefinition(const GameFile& games, int id,
                                             const std::filesystem::path& customGamesFile);

// Applies a custom game's 7-character override text: cards per stock press, passes through the
// stock (a field that is not a number ends these two silently), then the empty tableau rule.
void ApplyCustomOverrides(GameParams& p, std::string_view overrides);

// The game's name; a custom game's own name for ids of 8000 and above; empty when unknown.
std::string GameName(const GameFile& games, int id, const std::filesystem::path& customGamesFile);

} // namespace tablamor
