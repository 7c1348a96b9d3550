#pragma once
// Shared pieces of tablamor-cli: the options of one command, the failure that ends a command
// with exit status 2, and the command table.
#include "engine/game_file.h"
#include "engine/game_number.h"
#include "engine/game_state.h"
#include "engine/params.h"
#include "engine/table.h"

#include <filesystem>
#include <iosfwd>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tablamor::cli {

// A failure reported as one line on standard error with exit status 2.
struct CliError {
    std::string message;
};

// The "--name value" options of one command. Each command takes what it knows; anything left
// over is an unknown option.
class Options {
public:
    // Throws CliError for a word that is not an option or an option without a value.
    // A flag ("--record") stands alone and is taken with TakeFlag.
    explicit Options(const std::vector<std::string>& words);

    std::optional<std::string> Take(const std::string& name);
    std::string Require(const std::string& name);
    // Whether the flag was given.
    bool TakeFlag(const std::string& name);
    // An integer option; throws CliError when it is not one.
    std::optional<long long> TakeInt(const std::string& name);
    long long RequireInt(const std::string& name);
    // Throws CliError naming the first option nobody took.
    void CheckAllTaken() const;

private:
    std::map<std::string, std::string> values_;
};

struct Context {
    std::filesystem::path root;    // the program directory: the game files
    std::filesystem::path dataDir; // the configuration, the records and the custom games
    Options options;
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
};

// The program directory's game file; CliError with the missing-file text when absent.
GameFile OpenGameFile(const std::filesystem::path& root);

// The custom games file of the data directory.
std::filesystem::path CustomGamesFile(const Context& ctx);

// The parameters of a game (a custom game from GAM_CUST.DAT too); CliError for an unknown id.
GameParams LoadGameParams(const Context& ctx, long long id);

// The games a --game option names: one id, or every game of the list for "all"; CliError for
// anything else or an unknown id.
std::vector<GameListEntry> NamedGames(const Context& ctx, const std::string& which);

// The game dealt from the number and in play; CliError with the engine's first message when the
// definition cannot be dealt.
GameState DealtGame(const GameParams& params, const GameNumber& number);

// The --number option as a game number; CliError when it is not one.
GameNumber RequireGameNumber(Options& options);

// The table of a dealt game as `show` writes it: per pile "<pile> <content>" in snapshot order.
void PrintTable(std::ostream& out, const Table& table);

struct Command {
    const char* name;
    const char* synopsis; // options after the command name
    const char* summary;
    int (*run)(Context&);
};

// Every command, in the order --help lists them.
const std::vector<Command>& Commands();

} // namespace tablamor::cli
