#include "ui/program_start.h"

#include "records/data_dir.h"
#include "records/data_files.h"
#include "records/ini_file.h"
#include "records/preference_keys.h"
#include "session/game_loader.h"
#include "ui/advice_window.h"
#include "ui/resource_pictures.h"
#include "ui/sound_player.h"
#include "ui/splash_window.h"
#include "ui/window_placement.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>

namespace tablamor::ui {
namespace {

constexpr int kFewColoursDepth = 8; // 256 colours

bool FewColours() {
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen && screen->depth() <= kFewColoursDepth;
}

} // namespace

ProgramStart::ProgramStart(StartOptions options, MessageSink& messages)
    : options_(std::move(options)), messages_(messages) {
    startup_.programDir = options_.dirs.programDir;
    startup_.dataDir = options_.dirs.dataDir;
    startup_.portable = options_.dirs.portable;
}

ProgramStart::~ProgramStart() {
    // The window goes before the recorder it reports to.
    window_.reset();
}

StartResult ProgramStart::Begin() {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    startup_.fewColours = FewColours();
    const bool started = RunStartup(startup_, *this, [this] {
        QApplication::setWindowIcon(ApplicationIcon()); // every window and dialog carries it
        ShowSplash();
    });
    if (!started) {
        CloseSplash();
        QGuiApplication::restoreOverrideCursor();
        return StartResult::Failed;
    }
    // A game the command line names must exist before the splash sound starts loading.
    if (options_.game && GameName(*startup_.games, *options_.game,
                                  DataFilePath(startup_.dataDir, kCustomGamesFileName))
                             .empty()) {
        CloseSplash();
        QGuiApplication::restoreOverrideCursor();
        return StartResult::UnknownGame;
    }
    startSounds_ = std::make_unique<SoundPlayer>(startup_.programDir, startup_.settings);
    startSounds_->Play("Splash", pref::kSoundsSplash);
    if (startup_.fewColours) {
        IniFile config(ConfigFilePath(startup_.dataDir), startup_.ConfigMessages(*this));
        if (splash_) splash_->hide(); // the advice must not lie under a window kept on top
        ShowAdvice(nullptr, config, kFewColoursAdvice, kFewColoursAdviceKey, AdvicePage::Color);
        if (splash_) splash_->ShowNow();
    }

    if (startup_.dataProblem.empty())
        recorder_ = std::make_unique<SettingsGameRecorder>(startup_.settings, startup_.dataDir,
                                                           static_cast<MessageSink&>(*this));
    window_ = std::make_unique<MainWindow>(MainWindowSetup{startup_.programDir, startup_.dataDir,
                                                           &startup_.settings, &*startup_.games,
                                                           &startup_.images, recorder_.get()});
    if (recorder_) recorder_->SetState(&window_->Controller().State());
    if (splash_) splash_->repaint();
    ShowPlaced(*window_, IniFile(ConfigFilePath(startup_.dataDir), startup_.ConfigMessages(*this)));
    window_->View().installEventFilter(this);
    CloseSplash();
    window_->repaint();
    QGuiApplication::restoreOverrideCursor();
    QTimer::singleShot(0, this, &ProgramStart::FirstActivation);
    return StartResult::Running;
}

void ProgramStart::FirstActivation() {
    if (startup_.dataProblem.empty())
        BringDataFilesUpToDate(startup_.dataDir, *this);
    else
        Show(MessageKind::Plain, startup_.dataProblem);
    if (options_.game)
        window_->PlayGame(*options_.game, options_.number);
    else if (!window_->OfferKeptGame())
        window_->OpenGame();
    window_->RestoreCardCounter();
    window_->ShowTipAtStart();
}

void ProgramStart::Show(MessageKind kind, std::string_view text) {
    CloseSplash();
    messages_.Show(kind, text);
}

void ProgramStart::ShowSplash() {
    splash_ = std::make_unique<SplashWindow>();
    splash_->ShowNow();
}

void ProgramStart::CloseSplash() {
    if (!splash_) return;
    splash_->hide();
    splash_.reset();
}

bool ProgramStart::SplashShown() const {
    return splash_ && splash_->isVisible();
}

void ProgramStart::OnFirstTablePaint(std::function<void()> handler) {
    firstPaint_ = std::move(handler);
}

bool ProgramStart::eventFilter(QObject* watched, QEvent* event) {
    // The paint is still to come when the event arrives; the handler runs once it is done.
    if (event->type() == QEvent::Paint && firstPaint_ && window_ && watched == &window_->View() &&
        window_->Controller().SetUp()) {
        QTimer::singleShot(0, this, [handler = std::move(firstPaint_)] { handler(); });
        firstPaint_ = nullptr;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tablamor::ui
