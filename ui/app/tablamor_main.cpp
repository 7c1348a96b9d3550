// tablamor: the program. Options: --game ID [--number N] deals that game at once; --root DIR is
// the program directory (default: the directory of the program).
#include "engine/game_loader.h"
#include "records/data_files.h"
#include "records/paths.h"
#include "engine/game_recording.h"
#include "ui/main_window.h"
#include "ui/startup.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>

#include <iostream>
#include <optional>
#include <string>

namespace {

struct Arguments {
    std::optional<std::filesystem::path> root;
    std::optional<int> game;
    std::optional<tablamor::GameNumber> number;
};

// Fails with a one-line message on standard error.
std::optional<Arguments> ParseArguments(const QStringList& words) {
    Arguments args;
    for (qsizetype i = 1; i < words.size(); ++i) {
        const QString& word = words[i];
        auto value = [&]() -> std::optional<QString> {
            if (i + 1 >= words.size()) return std::nullopt;
            return words[++i];
        };
        if (word == "--root") {
            auto v = value();
            if (!v) break;
            args.root = v->toStdString();
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
                      << "' (use --game ID [--number N] [--root DIR])\n";
            return std::nullopt;
        }
    }
    return args;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Tablamor");
    auto args = ParseArguments(QApplication::arguments());
    if (!args) return 2;

    tablamor::ui::Startup startup;
    startup.programDir = args->root ? *args->root : std::filesystem::path(QApplication::applicationDirPath().toStdString());
    tablamor::ui::MessageBoxes messages;
    if (!tablamor::ui::RunStartup(startup, messages)) return 1;
    if (args->game && tablamor::GameName(*startup.games, *args->game,
                                         tablamor::ProgramPath(startup.programDir, tablamor::kCustomGamesFileName))
                          .empty()) {
        std::cerr << "tablamor: unknown game id " << *args->game << "\n";
        return 2;
    }

    tablamor::SettingsGameRecorder recorder(startup.settings, startup.programDir, messages);
    tablamor::ui::MainWindowSetup setup{startup.programDir, &startup.settings, &*startup.games,
                                        &startup.images, &recorder};
    tablamor::ui::MainWindow window(setup);
    recorder.SetState(&window.Controller().State());
    messages.SetParent(&window);
    window.resize(QGuiApplication::primaryScreen()->availableSize());
    window.show();

    // The first activation: the data files brought up to date, then the first game.
    QTimer::singleShot(0, &window, [&] {
        tablamor::BringDataFilesUpToDate(startup.programDir, messages);
        if (args->game)
            window.PlayGame(*args->game, args->number);
        else
            window.OpenGame();
        window.RestoreCardCounter();
    });
    return QApplication::exec();
}
