#include "ui/startup.h"

#include "records/atomic_file.h"
#include "records/data_dir.h"
#include "records/finished_game.h"
#include "records/ini_file.h"
#include "records/paths.h"
#include "records/preferences.h"
#include "records/record_names.h"
#include "records/required_files.h"
#include "session/game_loader.h"
#include "table/qt_text.h"

#include <QMessageBox>

#include <cstdio>
#include <system_error>

namespace tablamor::ui {
namespace {

constexpr std::string_view kVersionDigits = "0340";
constexpr const char* kOldMarkers[] = {"SOLV0150.DAT", "SOLV0200.DAT", "SOLV0300.DAT",
                                       "SOLV0310.DAT", "SOLV0320.DAT", "SOLV0330.DAT"};
constexpr int kOldPreviewCount = 100;
constexpr int kOldBackgroundCount = 25;

void Remove(const std::filesystem::path& dir, std::string_view name) {
    std::error_code ec;
    std::filesystem::remove(ProgramPath(dir, name), ec);
}

std::string Numbered(std::string_view prefix, int n, int digits, std::string_view suffix) {
    char number[16];
    std::snprintf(number, sizeof number, "%0*d", digits, n);
    return std::string(prefix) + number + std::string(suffix);
}

layout::CardSizeLetter SizeLetter(const std::string& text) {
    return layout::ParseCardSizeLetter(text).value_or(layout::CardSizeLetter::Big);
}

} // namespace

void MessageBoxes::Show(MessageKind kind, std::string_view text) {
    const QString message = Q(text);
    if (kind == MessageKind::Fatal)
        QMessageBox::critical(parent_, QObject::tr("Error"), message);
    else
        QMessageBox::information(parent_, Q(kProductName), message);
}

void WriteVersionMarker(const std::filesystem::path& programDir) {
    const std::string name = "SOLV" + std::string(kVersionDigits) + ".DAT";
    if (std::filesystem::exists(ProgramPath(programDir, name))) return;
    const std::string line = "Kartavia version: " + std::string(kVersionDigits.substr(0, 2)) + "." +
                             std::string(kVersionDigits.substr(2)) + "\n";
    WriteFileAtomically(programDir / name, line);
}

void RemoveOldVersionFiles(const std::filesystem::path& programDir) {
    for (const char* marker : kOldMarkers) Remove(programDir, marker);
    if (std::filesystem::exists(ProgramPath(programDir, "IMAGES\\GAME0000.BMP")))
        for (int n = 0; n <= kOldPreviewCount; ++n)
            Remove(programDir, Numbered("IMAGES\\GAME", n, 4, ".BMP"));
    if (std::filesystem::exists(ProgramPath(programDir, "IMAGES\\WB001.BMP")))
        for (int n = 0; n <= kOldBackgroundCount; ++n)
            for (const char* prefix : {"IMAGES\\WB", "IMAGES\\WM", "IMAGES\\WP"})
                Remove(programDir, Numbered(prefix, n, 3, ".BMP"));
    Remove(programDir, "KARTAVIA.DLL");
}

bool RunStartup(Startup& s, MessageSink& messages, const std::function<void()>& resourcesLoaded) {
    std::string dir = s.programDir.string();
    if (!dir.empty() && dir.back() != '/') dir += '/';
    s.settings.SetProgramDir(dir);
    s.settings.Set(Settings::kStatCounter1, "0000");
    s.settings.Set(Settings::kStatCounter2, "0000");
    s.settings.Set(Settings::kScoringType, kDefaultScoringType);

    s.resources = std::make_unique<table::ResourceLibrary>(s.programDir);
    if (!s.resources->Loaded()) {
        messages.Show(MessageKind::Fatal, s.resources->Error());
        return false;
    }
    if (resourcesLoaded) resourcesLoaded();
    s.dataProblem = PrepareDataDir(s.dataDir); // no records is no reason to stop

    IniFile config(ConfigFilePath(s.dataDir), s.ConfigMessages(messages));
    StartupPreferences prefs = LoadPreferences(config, s.settings, s.fewColours);
    s.autoPlay = prefs.autoPlay;

    const std::filesystem::path gamesPath = ProgramPath(s.programDir, kGamesFileName);
    if (!RequireFile(gamesPath, messages)) return false;
    s.games = GameFile::Open(gamesPath);
    if (!s.games) {
        messages.Show(MessageKind::Fatal, MissingFileText(gamesPath));
        return false;
    }
    // A remembered game that is no longer there is forgotten.
    const int remembered = s.settings.GameId();
    if (remembered >= 0 &&
        GameName(*s.games, remembered, DataFilePath(s.dataDir, kCustomGamesFileName)).empty()) {
        s.settings.SetGameId(-1);
        s.settings.SetGameName("");
    }

    table::ImageSource source(s.programDir);
    table::ImageSet::Choice choice;
    choice.size = SizeLetter(s.settings.CardSize());
    choice.cardSet = s.settings.Int(Settings::kCardFace);
    choice.back = s.settings.Int(Settings::kBackCard);
    s.images.Load(source, choice);
    if (int background = s.settings.Int(Settings::kBackgroundBmp); background > 0)
        s.images.LoadBackground(source, background);
    if (auto missing = table::CheckImageFile(s.programDir, "Images\\CB001C.bmp")) {
        messages.Show(MessageKind::Fatal, *missing);
        return false;
    }
    if (s.portable) {
        WriteVersionMarker(s.programDir);
        RemoveOldVersionFiles(s.programDir);
    }
    return true;
}

} // namespace tablamor::ui
