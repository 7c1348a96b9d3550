#pragma once
// The game definition file GAMES.DAT: the game list ("[Sect1]") and the parameter table
// ("[Sect2]": line k holds parameter k for every game, one 10-character field per game id, 11
// characters apart from column 17). The text of both sections is stored scrambled one character
// at a time. "[SectS]" holds each game's one-line description; the program does not need it, the
// tools keep it so that a file turns back into the game sources exactly.
//
// Reading is forgiving about the shape (lines without a parameter number, parameter numbers
// outside 1..332 and other sections are skipped) and strict about values: a parameter line whose
// field for the game is blank or missing, or holds anything but a number from -32768 to 32767,
// raises DefinitionError with one message naming the game and the parameter.
#include "engine/params.h"

#include <filesystem>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tablamor {

// Game ids from here up name custom games (variants of standard games kept with the records);
// the definition file holds none of them.
inline constexpr int kFirstCustomGameId = 8000;

class DefinitionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct GameListEntry {
    int type = 0;     // family code, columns 1..3
    int id = 0;       // columns 5..7
    std::string name; // columns 11..60, trailing blanks removed
};

// One game as the sources describe it, and as the writer lays it into the file.
struct GameDefinition {
    int id = 0;
    int type = 0;
    std::string name;
    std::string description;
    GameParams params;
};

unsigned char Unscramble(unsigned char c);
unsigned char Scramble(unsigned char c);

inline constexpr int kSect2ValueWidth = 10;
inline constexpr int kSect2FirstColumn = 17; // 1-based column of game 0's field
inline constexpr int kSect2FieldStep = 11;

class GameFile {
public:
    // Reads and unscrambles the file; nullopt when it cannot be read.
    static std::optional<GameFile> Open(const std::filesystem::path& path);
    // The same from bytes already in memory.
    static GameFile Parse(std::string_view content);

    // The game list in file order (only lines whose list mark is "0").
    const std::vector<GameListEntry>& List() const { return list_; }
    // The list entry of a game id; the entry at list position `id` is tried first.
    const GameListEntry* Find(int id) const;
    // -1 when no entry has the id or the id lies outside 0..7999.
    int GameType(int id) const;

    // Every parameter of the game with this column number, from "[Sect2]".
    GameParams LoadColumn(int id) const;
    // Parameters taken by line number (parameter k is line k); -99 when the file has no such line.
    std::vector<int> ReadValues(int id, const std::vector<int>& params) const;

    // One-line descriptions from "[SectS]", by game id.
    const std::map<int, std::string>& Descriptions() const { return descriptions_; }

private:
    std::vector<GameListEntry> list_;
    std::vector<std::string> sect2_; // unscrambled lines
    std::map<int, std::string> descriptions_;
    // Value of one field; DefinitionError when it is blank, missing or not a 16-bit number.
    int FieldValue(const std::string& line, int id, int param) const;
    std::string BadFieldText(int id, int param, std::string_view field) const;
};

// The bytes of a GAMES.DAT holding these games (any order; columns by id, gaps filled with 0).
std::string WriteGameFile(const std::vector<GameDefinition>& games);

// Every game of a file, for turning it back into sources.
std::vector<GameDefinition> ReadAllGames(const GameFile& file);

} // namespace tablamor
