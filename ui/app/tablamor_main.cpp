// tablamor: the program. See PrintHelp for the options. The game files are found beside the
// program or, installed, in ../share/games/tablamor; the records go where data_dir.h says.
// With TABLAMOR_STARTUP_TIMING set, the program prints "first-table <ns>" (the wall clock in
// nanoseconds since the epoch) once the first dealt table is painted, and ends; the start-up
// measurement and the package test use it.
#include "engine/game_number.h"
#include "records/data_dir.h"
#include "records/record_names.h"
#include "table/qt_text.h"
#include "ui/program_start.h"

#include <QApplication>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <optional>
#include <string>

#ifndef TABLAMOR_VERSION
#error "TABLAMOR_VERSION comes from the project version in CMake"
#endif

namespace {

struct Arguments {
    std::optional<std::filesystem::path> root;
    std::optional<std::filesystem::path> dataDir;
    std::optional<int> game;
    std::optional<tablamor::GameNumber> number;
};

void PrintHelp() {
    std::cout
        << "usage: tablamor [--game ID [--number N]] [--data-dir DIR] [--root DIR]\n"
           "\n"
           "A collection of patience (solitaire) card games.\n"
           "\n"
           "  --game ID       deal game ID at once instead of opening the game list\n"
           "  --number N      with game number N (up to 13 digits)\n"
           "  --data-dir DIR  keep the configuration and records in DIR\n"
           "  --root DIR      the program directory holding GAMES.DAT, Images/, SOUNDS/,\n"
           "                  SOL.RGF and help/ (default: beside the program, or\n"
           "                  ../share/games/tablamor from it when installed)\n"
           "  --help          show this text and exit\n"
           "  --version       show the version and exit\n"
           "\n"
           "Records live in DATA/ beside the program when the game files are there and it\n"
           "can be written, otherwise in $XDG_DATA_HOME/tablamor (~/.local/share/tablamor).\n";
}

// --help and --version are answered before the window system starts, so they work anywhere.
std::optional<int> AnswerInformation(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            PrintHelp();
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::cout << "tablamor " << TABLAMOR_VERSION << "\n";
            return 0;
        }
    }
    return std::nullopt;
}

// Fails with a one-line message on standard error.
std::optional<Arguments> ParseArguments(const QStringList& words) {
    Arguments args;
    for (qsizetype i = 1; i < words.size(); ++i) {
        const QString& word = words[i];
        auto value = [&]() -> std::optional<QString> {
            if (i + 1 >= words.size()) return std::nullopt;
            return words[++i];
        };
        if (word == "--root" || word == "--data-dir") {
            auto v = value();
            if (!v || v->isEmpty()) {
                std::cerr << "tablamor: " << word.toStdString() << " takes a directory\n";
                return std::nullopt;
            }
            (word == "--root" ? args.root : args.dataDir) = v->toStdString();
        } else if (word == "--game") {
            auto v = value();
            bool ok = false;
            int id = v ? v->toInt(&ok) : -1;
            if (!ok || id < 0) {
                std::cerr << "tablamor: --game takes a game id\n";
                return std::nullopt;
            }
            args.game = id;
        } else if (word == "--number") {
            auto v = value();
            auto number = v ? tablamor::GameNumber::Parse(v->toStdString()) : std::nullopt;
            if (!number) {
                std::cerr << "tablamor: --number takes a game number of up to 13 digits\n";
                return std::nullopt;
            }
            args.number = number;
        } else {
            std::cerr << "tablamor: unknown argument '" << word.toStdString()
                      << "' (see tablamor --help)\n";
            return std::nullopt;
        }
    }
    return args;
}

} // namespace

int main(int argc, char** argv) {
    if (auto status = AnswerInformation(argc, argv)) return *status;
    QApplication app(argc, argv);
    QApplication::setApplicationName(tablamor::Q(tablamor::kProductName));
    QApplication::setApplicationVersion(TABLAMOR_VERSION);
    QGuiApplication::setDesktopFileName(TABLAMOR_APP_ID);
    auto args = ParseArguments(QApplication::arguments());
    if (!args) return 2;

    tablamor::ui::StartOptions options;
    options.dirs =
        tablamor::ChooseDirectories({tablamor::RunningProgramDir(), args->root, args->dataDir},
                                    tablamor::UserDataHomeFromEnvironment());
    options.game = args->game;
    options.number = args->number;
    tablamor::ui::MessageBoxes messages;
    tablamor::ui::ProgramStart start(options, messages);
    switch (start.Begin()) {
    case tablamor::ui::StartResult::Running:
        break;
    case tablamor::ui::StartResult::Failed:
        return 1;
    case tablamor::ui::StartResult::UnknownGame:
        std::cerr << "tablamor: unknown game id " << *args->game << "\n";
        return 2;
    }
    messages.SetParent(&start.Window());
    if (std::getenv("TABLAMOR_STARTUP_TIMING")) {
        start.OnFirstTablePaint([] {
            const auto now = std::chrono::system_clock::now().time_since_epoch();
            std::cout << "first-table "
                      << std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()
                      << std::endl;
            QApplication::exit(0);
        });
    }
    return QApplication::exec();
}
