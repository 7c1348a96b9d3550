// The main window's kept game: File > Save and the close keep the game in progress in the data
// directory; the next start offers it back.
#include "engine/saved_game.h"
#include "records/data_dir.h"
#include "records/preference_keys.h"
#include "records/record_names.h"
#include "session/game_loader.h"
#include "session/session.h"
#include "table/qt_text.h"
#include "ui/main_window.h"
#include "ui/startup.h"

#include <QLabel>
#include <QMessageBox>
#include <QStatusBar>

#include <system_error>
#include <variant>

namespace tablamor::ui {
namespace {

// A kept game that cannot be taken up is moved aside under this suffix, never deleted.
constexpr std::string_view kRefusedSuffix = ".refused";

} // namespace

std::filesystem::path MainWindow::KeptGamePath() const {
    return DataFilePath(setup_.dataDir, kKeptGameFileName);
}

bool MainWindow::KeepGame() {
    if (!controller_->InPlay()) return false;
    MessageBoxes messages(this);
    if (!WriteSavedGame(KeptGamePath(), CaptureGame(settings_.GameId(), controller_->Play()),
                        messages))
        return false;
    status_->setText(
        tr("This game is kept: it is offered again when %1 starts.").arg(Q(kProductName)));
    return true;
}

bool MainWindow::KeepGameOnClose() {
    const bool wanted = preferences_.ReadString(pref::kPreferenceSection, pref::kKeepUnfinishedGame,
                                                pref::kYes) != pref::kNo;
    std::error_code error;
    return wanted && std::filesystem::is_directory(setup_.dataDir, error) && KeepGame();
}

void MainWindow::ForgetKeptGame() {
    std::error_code error;
    std::filesystem::remove(KeptGamePath(), error);
}

std::string MainWindow::ResumeKeptGame(const SavedGame& game, const std::string& name) {
    settings_.SetGameId(game.gameId);
    settings_.SetGameName(name);
    std::string refusal = controller_->Resume(game);
    SetGameCommandsEnabled(refusal.empty());
    RefreshAutoplayControls();
    RefreshClock();
    return refusal;
}

bool MainWindow::OfferKeptGame() {
    const std::filesystem::path file = KeptGamePath();
    std::error_code error;
    if (!std::filesystem::exists(file, error)) return false;
    auto read = ReadSavedGame(file);
    const SavedGame* game = std::get_if<SavedGame>(&read);
    if (game) {
        const std::string name = GameName(*setup_.games, game->gameId,
                                          DataFilePath(setup_.dataDir, kCustomGamesFileName));
        const auto answer = QMessageBox::question(
            this, Q(kProductName),
            tr("Continue %1, number %2?").arg(Q(name), Q(game->number.Text())),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
        const std::string refusal = ResumeKeptGame(*game, name);
        if (refusal.empty()) {
            ForgetKeptGame();
            if (answer == QMessageBox::Yes) return true;
            controller_->EndGame(); // declined: abandoned, as quitting it would have been
            return false;
        }
        read = file.string() + ": " + refusal;
    }
    const std::filesystem::path aside = file.string() + std::string(kRefusedSuffix);
    std::filesystem::rename(file, aside, error);
    QMessageBox::warning(this, Q(kProductName),
                         tr("The kept game cannot be taken up: %1\nIt was set aside as %2.")
                             .arg(Q(std::get<std::string>(read)), Q(aside.string())));
    return false;
}

} // namespace tablamor::ui
