// tablamor-cli: runs the engine without a window. One fact a line on standard output; failures
// as one line on standard error with exit status 2.
#ifndef TABLAMOR_VERSION
#error "TABLAMOR_VERSION comes from the project version in CMake"
#endif
#include "cli.h"

#include "engine/game_file.h"
#include "records/data_dir.h"

#include <filesystem>
#include <iostream>

namespace tablamor::cli {

int RunGames(Context&);
int RunParams(Context&);
int RunLayout(Context&);
int RunDealArray(Context&);
int RunShow(Context&);
int RunPlay(Context&);
int RunSolve(Context&);
int RunSolveSurvey(Context&);
int RunPerft(Context&);

const std::vector<Command>& Commands() {
    static const std::vector<Command> commands = {
        {"games", "", "one line per game: id, TAB, type (3 digits), TAB, name", RunGames},
        {"params", "--game ID", "P[n]=v for every non-zero parameter of the game", RunParams},
        {"layout", "--game ID --width W --height H [--size B|M|P|fit]",
         "<pile> <x> <y> for every placed pile, in snapshot order, on a W x H window and screen "
         "below a 46-pixel toolbar (card size B unless given); with fit, first the largest card "
         "at which the game fits as card <width> <height>",
         RunLayout},
        {"deal-array", "--number N --cards 52|104",
         "the deal array of a game number: three-digit card codes, slot 0 first, on one line",
         RunDealArray},
        {"show", "--game ID --number N",
         "the table right after the deal: '<pile> <content>' for the 53 piles (per card its code "
         "and face flag, 0000 a gap, - empty), then 'score <n>'",
         RunShow},
        {"play",
         "(--game ID --number N | --resume FILE) [--autoplay on|off] [--undo-policy 0|1|2] "
         "[--record]",
         "deals (or takes up the game kept in FILE), then plays commands from standard input, one "
         "a line: drop CARD PILE, send CARD, stock, flip CARD, press CARD, undo, redo, autoplay, "
         "show, moves, hint (the move the window's hint shows, as a command line, or none), save "
         "FILE (keeps the game, its clock and its undo history), quit. Each prints the "
         "'message: <text>' lines it raised, then ok or refused; at the end (or quit: the game "
         "ends as lost) the table as show writes it, 'won 0|1' and 'score <n>'. Drops are judged "
         "on the layout of a 1024 x 768 window with big cards. Only with --record does a finished "
         "game (won, or ended by quit) go into the player's statistics, hi-scores and game log",
         RunPlay},
        {"solve", "--game ID --number N [--nodes K] [--time-ms T] [--memory-mb M]",
         "searches the deal for a win, seeing every card, on the geometry play uses: 'won' and "
         "the winning commands one a line (they replay through play to 'won 1'), 'lost' when no "
         "win exists, 'unknown' when K positions (default 1000000) were searched without an "
         "answer (or when T milliseconds passed, or the search's tables reached M megabytes, "
         "default 150)",
         RunSolve},
        {"solve-survey",
         "--game ID|all --count N [--from F | --drawn SEED] [--nodes K] [--time-ms T] "
         "[--memory-mb M] [--format lines|markdown]",
         "solves numbers 1 to N of the game (F to F+N-1 with --from; or of every game, each "
         "after a 'game <id> <name>' line), or with --drawn N numbers drawn as a new game draws "
         "them from a generator "
         "seeded with SEED, as solve does: per number '<n> won|lost|unknown <positions> "
         "<milliseconds>', "
         "then 'won <w> of <N>', 'lost <l> undecided <u>' and 'median-ms <m>'; with --format "
         "markdown a Markdown table of one row per game instead: id, name, numbers won, share "
         "won, numbers lost, numbers undecided, median milliseconds",
         RunSolveSurvey},
        {"perft", "--game ID|all --number N --depth D",
         "counts the command sequences of exactly D commands from the deal, each listed by the "
         "move generator and played as play --autoplay off plays it (nothing follows a won "
         "game): per first command, in the order moves lists them, '<command> <count>', then "
         "'total <n>'; with --game all each game after a 'game <id> <name>' line",
         RunPerft},
    };
    return commands;
}

} // namespace tablamor::cli

namespace {

using namespace tablamor::cli;

void PrintHelp(std::ostream& out) {
    out << "usage: tablamor-cli COMMAND [--root DIR] [--data-dir DIR] [options]\n"
           "       tablamor-cli --help | --version\n\n"
           "--root DIR      the program directory (GAMES.DAT ...); default: this program's\n"
           "                directory, or ../share/games/tablamor from it when installed\n"
           "--data-dir DIR  the data directory (CFG.DAT, the records, GAM_CUST.DAT); default:\n"
           "                DATA/ in a writable program directory beside the program, else\n"
           "                $XDG_DATA_HOME/tablamor (~/.local/share/tablamor)\n\ncommands:\n";
    for (const Command& c : Commands())
        out << "  " << c.name << (*c.synopsis ? " " : "") << c.synopsis << "\n      " << c.summary
            << "\n";
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> words(argv + 1, argv + argc);
    if (words.empty() || words[0] == "--help" || words[0] == "-h" || words[0] == "help") {
        PrintHelp(std::cout);
        return words.empty() ? 2 : 0;
    }
    if (words[0] == "--version") {
        std::cout << "tablamor-cli " << TABLAMOR_VERSION << "\n";
        return 0;
    }
    const Command* command = nullptr;
    for (const Command& c : Commands())
        if (words[0] == c.name) command = &c;
    if (!command) {
        std::cerr << "tablamor-cli: unknown command '" << words[0] << "' (see --help)\n";
        return 2;
    }
    try {
        Options options({words.begin() + 1, words.end()});
        const tablamor::ProgramDirectories dirs = tablamor::ChooseDirectories(
            {tablamor::RunningProgramDir(), options.Take("root"), options.Take("data-dir")},
            tablamor::UserDataHomeFromEnvironment());
        Context ctx{dirs.programDir, dirs.dataDir, std::move(options),
                    std::cin,        std::cout,    std::cerr};
        return command->run(ctx);
    } catch (const CliError& e) {
        std::cerr << "tablamor-cli: " << e.message << "\n";
        return 2;
    } catch (const tablamor::DefinitionError& e) {
        std::cerr << "tablamor-cli: " << e.what() << "\n";
        return 2;
    }
}
