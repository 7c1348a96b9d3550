// tablamor-artgen: draws the card faces, backs, backgrounds and every named picture, synthesises
// the sounds, and writes them into a program directory; optionally draws a contact sheet.
//
//   tablamor-artgen --out DIR [--games GAMES.DAT] [--rcc PATH] [--font-dir DIR]
//                   [--extra-resources DIR] [--contact-sheet FILE.png]
//                   [--icons DIR [--icon-name NAME]]
//
// --icons writes the application icon into an icon theme tree (DIR/48x48/apps/NAME.png ...,
// DIR/scalable/apps/NAME.svg); NAME defaults to "tablamor".
// --games defaults to DIR/GAMES.DAT when that exists (previews are drawn for its games).
// --extra-resources adds or replaces named pictures with the PNG files of a directory.
// Exit status: 0 done, 1 a file could not be read or written, 2 wrong arguments.
#include "table/card_art/fonts.h"
#include "tools/artgen/app_icon.h"
#include "tools/artgen/artwork.h"
#include "tools/artgen/artwork_writer.h"
#include "tools/artgen/contact_sheet.h"
#include "tools/artgen/game_list.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>

#include <cstdio>
#include <map>

#ifndef TABLAMOR_DEFAULT_FONT_DIR
#define TABLAMOR_DEFAULT_FONT_DIR "/usr/share/fonts/truetype/dejavu"
#endif

namespace {

using namespace tablamor::art;

int Fail(const QString& message, int status = 1) {
    std::fprintf(stderr, "tablamor-artgen: %s\n", qPrintable(message));
    return status;
}

int Usage() {
    return Fail("usage: tablamor-artgen --out DIR [--games GAMES.DAT] [--rcc PATH] "
                "[--font-dir DIR] [--extra-resources DIR] [--contact-sheet FILE.png] "
                "[--icons DIR [--icon-name NAME]]",
                2);
}

qint64 TreeSize(const QString& root) {
    qint64 total = 0;
    for (const QString& part : {QString("Images"), QString("SOUNDS")}) {
        QDirIterator it(QDir(root).filePath(part), QDir::Files);
        while (it.hasNext()) total += QFileInfo(it.next()).size();
    }
    return total + QFileInfo(QDir(root).filePath("SOL.RGF")).size();
}

} // namespace

int main(int argc, char** argv) {
    // Drawing needs no screen; fonts are read from their files.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const std::map<QString, QString> known{
        {"--out", ""},      {"--games", ""},           {"--rcc", ""},
        {"--font-dir", ""}, {"--extra-resources", ""}, {"--contact-sheet", ""},
        {"--icons", ""},    {"--icon-name", ""}};
    std::map<QString, QString> options;
    const QStringList args = app.arguments();
    for (qsizetype i = 1; i < args.size(); ++i) {
        if (!known.contains(args[i]) || i + 1 >= args.size()) return Usage();
        options[args[i]] = args[i + 1];
        ++i;
    }
    const QString out = options["--out"];
    const QString sheetPath = options["--contact-sheet"];
    const QString iconDir = options["--icons"];
    if (out.isEmpty() && sheetPath.isEmpty() && iconDir.isEmpty()) return Usage();
    QString error;
    if (!iconDir.isEmpty()) {
        const QString name = options["--icon-name"].isEmpty() ? "tablamor" : options["--icon-name"];
        if (!WriteAppIcons(iconDir, name, &error)) return Fail(error);
        if (out.isEmpty() && sheetPath.isEmpty()) return 0;
    }

    QElapsedTimer timer;
    timer.start();
    QString fontDir = options["--font-dir"];
    if (fontDir.isEmpty()) fontDir = TABLAMOR_DEFAULT_FONT_DIR;
    if (!Fonts::Load(fontDir, &error)) return Fail(error);

    QString gamesPath = options["--games"];
    if (gamesPath.isEmpty() && !out.isEmpty() && QFileInfo::exists(QDir(out).filePath("GAMES.DAT")))
        gamesPath = QDir(out).filePath("GAMES.DAT");
    std::vector<GameInfo> games;
    if (!gamesPath.isEmpty()) {
        auto list = ReadGameList(gamesPath, &error);
        if (!list) return Fail(error);
        games = *list;
    }

    Artwork art = BuildArtwork(games);
    if (!options["--extra-resources"].isEmpty() &&
        !MergeExtraResources(art, options["--extra-resources"], &error))
        return Fail(error);

    if (!out.isEmpty()) {
        QString rcc = options["--rcc"].isEmpty() ? DefaultRccPath() : options["--rcc"];
        if (!WriteArtwork(art, out, rcc, &error)) return Fail(error);
    }
    if (!sheetPath.isEmpty()) {
        QSaveFile file(sheetPath);
        if (!file.open(QIODevice::WriteOnly) || !ContactSheet(art).save(&file, "PNG") ||
            !file.commit())
            return Fail("cannot write " + sheetPath);
    }
    std::printf("tablamor-artgen: %zu image files, %zu named pictures, %zu sounds, %zu previews",
                art.images.size(), art.resources.size(), art.sounds.size(), games.size());
    if (!out.isEmpty())
        std::printf("; %lld bytes in %s", static_cast<long long>(TreeSize(out)), qPrintable(out));
    std::printf("; %lld ms\n", static_cast<long long>(timer.elapsed()));
    return 0;
}
