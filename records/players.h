#pragma once
// The player names of the configuration file, section "Users": "User" + three digits, 001 to 020,
// each a name or empty. The statistics, the hi-scores and the log key on these names.
#include "records/ini_file.h"

#include <string>
#include <string_view>
#include <vector>

namespace tablamor {

// The names in slot order, empty slots and repeats left out.
std::vector<std::string> PlayerNames(const IniFile& config);

enum class PlayerChange {
    Done,
    Empty,    // a name of blanks only, or longer than a name can be
    Taken,    // another player has that name
    Full,     // every slot is taken
    NotFound, // the player to rename is not in the list
    NotSaved, // the file could not be written
};

// The longest name the records keep.
inline constexpr std::size_t kMaxPlayerNameLength = 30;

// Adds the name in the first free slot; Done also when it is there already.
PlayerChange AddPlayer(IniFile& config, std::string_view name);
// Gives a player of the list a new name in the same slot. The records already written under the
// old name stay under it.
PlayerChange RenamePlayer(IniFile& config, std::string_view from, std::string_view to);

} // namespace tablamor
