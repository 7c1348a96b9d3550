// tablamor: the program. Options: --game ID [--number N] deals that game at once; --root DIR is
// the program directory (default: the directory of the program).
// With TABLAMOR_STARTUP_TIMING set, the program prints "first-table <ns>" (the wall clock in
// nanoseconds since the epoch) once the first dealt table is painted, and ends; the start-up
// measurement compares it with the moment it launched the program.
#include "engine/game_number.h"
#include "records/record_names.h"
#include "table/qt_text.h"
#include "ui/program_start.h"

#include <QApplication>

#include <chrono>
#include <cstdlib>
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
    QApplication::setApplicationName(tablamor::Q(tablamor::kProductName));
    auto args = ParseArguments(QApplication::arguments());
    if (!args) return 2;

    tablamor::ui::StartOptions options;
    options.programDir =
        args->root ? *args->root
                   : std::filesystem::path(QApplication::applicationDirPath().toStdString());
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
