#pragma once
// The games to draw previews for, read from a compiled game definition file.
#include "tools/artgen/artwork.h"

#include <QString>

#include <optional>
#include <vector>

namespace tablamor::art {

// Every game of the file's game list; nullopt and a message when the file cannot be read or
// is damaged.
std::optional<std::vector<GameInfo>> ReadGameList(const QString& path, QString* error);

} // namespace tablamor::art
