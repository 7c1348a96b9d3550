#pragma once
// Where the program finds its game files and where it keeps the player's records.
//
// The game files (GAMES.DAT, Images/, SOUNDS/, SOL.RGF, help/) are only read. In a portable tree
// (the build's runtime directory, an unpacked archive) they lie beside the program; in an
// installed tree they lie in share/games/tablamor next to the program's own directory
// (PREFIX/games/tablamor finds PREFIX/share/games/tablamor), so any prefix works, an unpacked
// package included.
//
// The data directory holds the configuration file and the record files (record_names.h). It is
// "DATA" in the program directory when the game files sit beside the program and that place can
// be written (portable); otherwise $XDG_DATA_HOME/tablamor, by default ~/.local/share/tablamor.
// A data directory named on the command line overrides both. Every path to a record file is
// built by DataFilePath, the configuration file's by ConfigFilePath.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tablamor {

// The game files of an installed program, relative to the program's directory.
inline constexpr std::string_view kInstalledGameFilesDir = "../share/games/tablamor";
// The program's folder under the user's data home.
inline constexpr std::string_view kUserDataFolder = "tablamor";

// The two environment variables the user's data home is made from.
struct UserDataHome {
    std::string xdgDataHome; // $XDG_DATA_HOME; ignored unless an absolute path
    std::string home;        // $HOME
};
UserDataHome UserDataHomeFromEnvironment();

// Where records go when no data home can be found: a path under which nothing can be created, so
// that no record lands in the current directory by accident.
inline constexpr std::string_view kNoDataDir = "/dev/null";

// $XDG_DATA_HOME/tablamor, else $HOME/.local/share/tablamor, else the same under the account's
// home directory; kNoDataDir when there is none.
std::filesystem::path UserDataDir(const UserDataHome& env);

// The directory of the running program.
std::filesystem::path RunningProgramDir();

// What the command line says about the directories, and where the program itself lies.
struct DirectoryRequest {
    std::filesystem::path programLocation;        // directory of the running program
    std::optional<std::filesystem::path> root;    // the program directory given (--root)
    std::optional<std::filesystem::path> dataDir; // the data directory given (--data-dir)
};

struct ProgramDirectories {
    std::filesystem::path programDir; // the game files
    std::filesystem::path dataDir;    // the records
    bool portable = false;            // the records live in the program directory
};

ProgramDirectories ChooseDirectories(const DirectoryRequest& request, const UserDataHome& env);

// A record file ("STAT.DAT") or the configuration file of a data directory.
std::filesystem::path DataFilePath(const std::filesystem::path& dataDir, std::string_view name);
std::filesystem::path ConfigFilePath(const std::filesystem::path& dataDir);

// Creates the data directory when missing and makes sure a file can be written there. Empty when
// the records can be kept; otherwise the message to show the player, once.
std::string PrepareDataDir(const std::filesystem::path& dataDir);

} // namespace tablamor
