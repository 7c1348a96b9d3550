// Fuzz target: the GAMES.DAT reader. A field that is not a number is a DefinitionError by
// contract; anything else that escapes is a fault.
#include "engine/game_file.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

using namespace tablamor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    GameFile games = GameFile::Parse(std::string_view(reinterpret_cast<const char*>(data), size));
    std::vector<int> ids = {0, 1, 2, 7999, 8000, -1};
    for (const GameListEntry& entry : games.List()) ids.push_back(entry.id);
    for (int id : ids) {
        games.Find(id);
        games.GameType(id);
        try {
            games.LoadColumn(id);
            games.ReadValues(id, {1, 17, 260, 332, 0, 400});
        } catch (const DefinitionError&) {
        }
    }
    try {
        ReadAllGames(games);
    } catch (const DefinitionError&) {
    }
    return 0;
}
