#include "tools/artgen/game_list.h"

#include "engine/game_file.h"

namespace tablamor::art {

std::optional<std::vector<GameInfo>> ReadGameList(const QString& path, QString* error) {
    try {
        std::optional<GameFile> file = GameFile::Open(path.toStdString());
        if (!file) {
            *error = "cannot read the game file " + path;
            return std::nullopt;
        }
        std::vector<GameInfo> games;
        for (const GameListEntry& entry : file->List())
            games.push_back({entry.id, entry.type, QString::fromStdString(entry.name)});
        return games;
    } catch (const std::exception& e) {
        *error = "the game file " + path + " is damaged: " + QString::fromUtf8(e.what());
        return std::nullopt;
    }
}

} // namespace tablamor::art
