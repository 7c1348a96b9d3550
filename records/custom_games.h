#pragma once
// Custom games: variants of standard games kept in "DATA\GAM_CUST.DAT", ids 8000 and above. The
// first line of the file is a title; then come records of 30 lines each, of which only the first
// two are read: line 1 holds the id (columns 1..4), the name (5..54) and the base game's id
// (55..58); line 2 the 7-character override text (cards per stock press, passes, empty tableau
// rule). A missing or malformed file means "no custom games".
#include <filesystem>
#include <string>

namespace tablamor {

inline constexpr int kCustomRecordLines = 30;

struct CustomGame {
    int baseId = -1;       // -1: no such custom game
    std::string overrides; // line 2, columns 1..7
    std::string name;
};

// The first record with this id; baseId -1, empty texts when none.
CustomGame FindCustomGame(const std::filesystem::path& file, int id);

} // namespace tablamor
