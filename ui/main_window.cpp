#include "ui/main_window.h"

#include "engine/game_file.h"
#include "records/advice.h"
#include "records/data_dir.h"
#include "records/finished_game.h"
#include "records/players.h"
#include "records/preference_keys.h"
#include "records/record_names.h"
#include "records/ui/options_dialog.h"
#include "session/game_loader.h"
#include "table/card_counter_window.h"
#include "table/qt_text.h"
#include "table/resource_names.h"
#include "ui/about_window.h"
#include "ui/customize_dialog.h"
#include "ui/dialog_accessibility.h"
#include "ui/favorites_dialog.h"
#include "ui/game_number_dialog.h"
#include "ui/help_topics.h"
#include "ui/help_window.h"
#include "ui/hi_scores_window.h"
#include "ui/hint_controller.h"
#include "ui/keyboard_play.h"
#include "ui/main_menu.h"
#include "ui/narrow_screen.h"
#include "ui/open_game_dialog.h"
#include "ui/players_dialog.h"
#include "ui/resource_pictures.h"
#include "ui/solver_commands.h"
#include "ui/statistics_window.h"
#include "ui/tip_dialog.h"
#include "ui/win_summary_dialog.h"
#include "ui/window_placement.h"
#include "ui/winnable_deals.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace tablamor::ui {
namespace {

// Keeps room for the status bar below a fitted table while the bar is hidden, so that the cards
// stay where they are when the bar shows for a while (a search's progress, the game-over line).
class StatusBarRoom : public QObject {
public:
    StatusBarRoom(QStatusBar& bar, table::TableView& view) : QObject(&bar), bar_(bar), view_(view) {
        bar.installEventFilter(this);
        Update();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show || event->type() == QEvent::Hide) Update();
        return QObject::eventFilter(watched, event);
    }

private:
    QStatusBar& bar_;
    table::TableView& view_;

    void Update() { view_.SetBottomAllowance(bar_.isHidden() ? bar_.sizeHint().height() : 0); }
};

constexpr int kClockIntervalMs = 1000;
constexpr int kLargeButtonWidth = 44, kLargeButtonHeight = 42;
constexpr int kSmallButtonWidth = 23, kSmallButtonHeight = 22;
constexpr int kLargePanelHeight = 24, kSmallPanelHeight = 20;

QString WithProduct(std::string_view caption) {
    return Q(ExpandProgramName(caption));
}

struct ToolbarEntry {
    art::ToolbarButton button;
    const char* name; // tbNew ...; the small toolbar's buttons add "1"
    const char* hint;
    MenuCommand command; // the menu item it acts as
};

constexpr ToolbarEntry kToolbar[] = {
    {art::ToolbarButton::New, "tbNew", "New", MenuCommand::New},
    {art::ToolbarButton::Open, "tbOpen", "Open", MenuCommand::Open},
    {art::ToolbarButton::Restart, "tbRestart", "Restart", MenuCommand::RestartGame},
    {art::ToolbarButton::Save, "tbSave", "Save", MenuCommand::Save},
    {art::ToolbarButton::Undo, "tbUndo", "Undo", MenuCommand::Undo},
    {art::ToolbarButton::Redo, "tbRedo", "Redo", MenuCommand::Redo},
    {art::ToolbarButton::Autoplay, "tbAutoPlay", "Autoplay", MenuCommand::Autoplay},
    {art::ToolbarButton::Statistics, "tbStat", "Statistics", MenuCommand::GameStatistics},
    {art::ToolbarButton::Rules, "tbRules", "Rules", MenuCommand::Rules},
    {art::ToolbarButton::Exit, "tbExit", "Exit", MenuCommand::Exit},
};

// At twice its size a small toolbar picture is the large one.
static_assert(art::kSmallToolbarIcon * art::kHiDpiScale == art::kLargeToolbarIcon);

// Separators stand after these buttons.
bool SeparatorAfter(art::ToolbarButton b) {
    return b == art::ToolbarButton::Restart || b == art::ToolbarButton::Redo ||
           b == art::ToolbarButton::Autoplay || b == art::ToolbarButton::Rules;
}

// What needs a game in play; disabled once the game is over.
constexpr MenuCommand kInPlayCommands[] = {
    MenuCommand::QuitGame, MenuCommand::Save, MenuCommand::Pause, MenuCommand::Undo,
    MenuCommand::Redo,     MenuCommand::Hint, MenuCommand::CanWin};

bool IsUndoCommand(MenuCommand command) {
    return command == MenuCommand::Undo || command == MenuCommand::Redo;
}

constexpr MenuCommand kGameCommands[] = {
    MenuCommand::New,   MenuCommand::RestartGame, MenuCommand::SelectNumber,
    MenuCommand::Save,  MenuCommand::QuitGame,    MenuCommand::Undo,
    MenuCommand::Redo,  MenuCommand::Pause,       MenuCommand::Autoplay,
    MenuCommand::Rules, MenuCommand::Hint,        MenuCommand::CanWin};

} // namespace

MainWindow::MainWindow(const MainWindowSetup& setup)
    : setup_(setup), settings_(*setup.settings), preferences_(ConfigFilePath(setup.dataDir)) {
    setObjectName("TfrmMain");
    setWindowTitle(Q(kProductName));
    sounds_ = std::make_unique<SoundPlayer>(setup.programDir, settings_, this);

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    auto* header = new QHBoxLayout;
    header->setContentsMargins(0, 0, 0, 0);
    largeBar_ = BuildToolbar(true);
    smallBar_ = BuildToolbar(false);
    header->addWidget(largeBar_);
    header->addWidget(smallBar_);
    header->addStretch(1);
    scorePanel_ = BuildPanel(tr("Score:"), score_, "Hide", [this] { SetScoreShown(false); });
    timePanel_ = BuildPanel(tr("Time:"), clock_, "&Hide", [this] { SetTimeShown(false); });
    clock_->setObjectName("lblTempo");
    score_->setObjectName("lblScore");
    clock_->setText("0:00:00");
    header->addWidget(scorePanel_);
    header->addSpacing(5);
    header->addWidget(timePanel_);
    header->addSpacing(15);
    column->addLayout(header);

    view_ = new table::TableView(*setup.images, central);
    view_->setObjectName("imgSfondo");
    view_->SetPreferences(table::PaintPreferencesFrom(settings_));
    layout::LayoutInput frame;
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        frame.screenWidth = screen->size().width();
        frame.screenHeight = screen->size().height();
    }
    frame.cardSize = setup.images->Size();
    frame.fitToWindow = settings_.CardSize() == pref::kFitToWindowCardSize;
    column->addWidget(view_, 1);
    pauseCover_ =
        new QPushButton(tr("Paused.\n\nClick here or press Ctrl+P to go on playing."), view_);
    pauseCover_->setObjectName("btnPaused");
    pauseCover_->setFlat(true);
    pauseCover_->setAutoFillBackground(true);
    pauseCover_->hide();
    connect(pauseCover_, &QPushButton::clicked, this, [this] { SetPaused(false); });
    setCentralWidget(central);

    controller_ =
        std::make_unique<PlayController>(settings_, *setup.games, setup.programDir, setup.dataDir,
                                         *view_, *setup.images, *sounds_, setup.recorder, this);
    controller_->SetLayoutFrame(frame);
    connect(controller_.get(), &PlayController::NarrowScreenChecked, this,
            &MainWindow::AfterNarrowScreenCheck);
    connect(controller_.get(), &PlayController::CaptionChanged, this, &MainWindow::setWindowTitle);
    connect(controller_.get(), &PlayController::ScoreChanged, this,
            [this](int s) { score_->setText(QString::number(s)); });
    connect(controller_.get(), &PlayController::UndoControlsChanged, this, [this](bool on) {
        for (MenuCommand n : {MenuCommand::Undo, MenuCommand::Redo}) Action(n)->setEnabled(on);
    });
    connect(controller_.get(), &PlayController::GameFinished, this, &MainWindow::AfterGameFinished);
    connect(controller_.get(), &PlayController::GameDealt, this, [this] { ShowGameOver(false); });

    counter_ = new table::CardCounterWindow(
        [](std::string_view name) { return ResourcePicture(name).toImage(); }, preferences_, this);
    counter_->SetTableWidget(view_);
    controller_->SetCardCounter(counter_);
    controller_->LoadCursors(table::ImageSource(setup.programDir));
    connect(counter_, &table::CardCounterWindow::VisibilityChanged, this,
            [this](bool visible) { Action(MenuCommand::CardCounter)->setChecked(visible); });
    connect(this, &MainWindow::RulesRequested, this, [this](int id) { Help().ShowRules(id); });

    BuildMenus();
    status_ = new QLabel(statusBar());
    status_->setObjectName("lblStatus");
    statusBar()->addWidget(status_, 1);
    statusBar()->addWidget(new QLabel(statusBar()), 1);
    statusBar()->setVisible(settings_.Flag(Settings::kStatusBar));
    hints_ = std::make_unique<HintController>(*controller_, *view_, *statusBar());
    winnable_ = std::make_unique<WinnableDeals>(
        *controller_, settings_, *statusBar(), setup.dataDir,
        [this](std::optional<GameNumber> number) { DealAnew(number); });
    AddSolverCommands(*this, *hints_, *winnable_, preferences_);
    new StatusBarRoom(*statusBar(), *view_); // measured once every widget is on the bar
    keyboard_ = std::make_unique<KeyboardPlay>(*controller_, *view_);
    NameControlsOfEveryDialog(*this);

    auto* timer = new QTimer(this);
    timer->setObjectName("Timer1");
    timer->setInterval(kClockIntervalMs);
    connect(timer, &QTimer::timeout, this, &MainWindow::RefreshClock);
    timer->start();

    const std::string yes = "Y";
    SetLargeToolbar(
        preferences_.ReadString(pref::kPreferenceSection, pref::kToolBarLarge, "N") == yes, false);
    SetFlatButtons(
        preferences_.ReadString(pref::kPreferenceSection, pref::kToolBarFlat, "Y") == yes, false);
    SetTimeShown(settings_.Flag(Settings::kShowTime), false);
    SetScoreShown(settings_.Flag(Settings::kShowScore), false);
    controller_->SetAutoplay(
        preferences_.ReadString(pref::kPreferenceSection, pref::kAutoPlay, "Y") == yes);
    SetGameCommandsEnabled(false);
    RefreshAutoplayControls();
}

MainWindow::~MainWindow() = default;

QAction* MainWindow::Action(MenuCommand command) const {
    return actions_[static_cast<std::size_t>(command)];
}

void MainWindow::BuildMenus() {
    QMenu* menu = nullptr;
    std::string_view current;
    for (const MenuItem& item : MainMenuItems()) {
        if (!menu || item.menu != current) {
            menu = menuBar()->addMenu(WithProduct(item.menu));
            current = item.menu;
        }
        if (!item.command) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(WithProduct(item.caption));
        action->setObjectName(Q(item.name));
        if (!item.shortcut.empty()) action->setShortcut(QKeySequence(Q(item.shortcut)));
        actions_[static_cast<std::size_t>(*item.command)] = action;
    }
    Action(MenuCommand::Autoplay)->setCheckable(true);
    Action(MenuCommand::CardCounter)->setCheckable(true);

    Connect(MenuCommand::New, [this] { NewGame(); });
    Connect(MenuCommand::Open, [this] { OpenGame(); });
    Connect(MenuCommand::RestartGame, [this] { RestartGame(); });
    Connect(MenuCommand::SelectNumber, [this] { SelectGameNumber(); });
    Connect(MenuCommand::Exit, [this] { close(); });
    Connect(MenuCommand::Undo, [this] { controller_->Undo(); });
    Connect(MenuCommand::Redo, [this] { controller_->Redo(); });
    Connect(MenuCommand::QuitGame, [this] { QuitGame(); });
    Connect(MenuCommand::Save, [this] { KeepGame(); });
    Action(MenuCommand::Pause)->setCheckable(true);
    Connect(MenuCommand::Pause, [this] { SetPaused(Action(MenuCommand::Pause)->isChecked()); });
    Connect(MenuCommand::Autoplay, [this] {
        controller_->ToggleAutoplay();
        RefreshAutoplayControls();
    });
    Connect(MenuCommand::Rules, [this] {
        int id = settings_.GameId();
        if (id >= 0 && id < kFirstCustomGameId) emit RulesRequested(id);
    });
    Connect(MenuCommand::GameStatistics, [this] {
        const int id = settings_.GameId();
        ShowStatistics(id >= 0 ? std::optional<int>(id) : std::nullopt, std::nullopt);
    });
    Connect(MenuCommand::PlayersStatistics,
            [this] { ShowStatistics(std::nullopt, settings_.Player()); });
    Connect(MenuCommand::AllGamesStatistics,
            [this] { ShowStatistics(std::nullopt, std::nullopt); });
    Connect(MenuCommand::HiScores, [this] { ShowHiScores(); });
    Connect(MenuCommand::Players, [this] { ShowPlayers(); });
    Connect(MenuCommand::FavoriteGames,
            [this] { FavoritesDialog(RecordGames(), preferences_, this).exec(); });
    Connect(MenuCommand::Tips, [this] { TipDialog(setup_.programDir, preferences_, this).exec(); });
    Connect(MenuCommand::Options, [this] { ShowOptions(); });
    Connect(MenuCommand::Customize, [this] { ShowCustomize(); });
    Connect(MenuCommand::CardCounter, [this] { counter_->Toggle(); });
    Connect(MenuCommand::Contents, [this] { Help().ShowContents(); });
    Connect(MenuCommand::Web, [this] { AskAndOpenDownloadPage(this); });
    Connect(MenuCommand::About, [this] { AboutWindow(this).exec(); });
}

void MainWindow::Connect(MenuCommand command, std::function<void()> handler) {
    connect(Action(command), &QAction::triggered, this,
            [handler = std::move(handler)] { handler(); });
}

QToolBar* MainWindow::BuildToolbar(bool large) {
    auto* bar = new QToolBar(this);
    bar->setObjectName(large ? "pnlTB" : "pnlTB1");
    bar->setMovable(false);
    bar->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(bar, &QToolBar::customContextMenuRequested, this,
            [this, bar](const QPoint& at) { ShowToolbarMenu(bar->mapToGlobal(at)); });
    const int icon = large ? art::kLargeToolbarIcon : art::kSmallToolbarIcon;
    bar->setIconSize(QSize(icon, icon));
    for (const ToolbarEntry& entry : kToolbar) {
        QIcon pictures;
        for (bool disabled : {false, true}) {
            const std::string name = art::ToolbarPictureName(entry.button, large, disabled);
            const std::string larger = large
                                           ? art::HiDpiName(name)
                                           : art::ToolbarPictureName(entry.button, true, disabled);
            AddResourcePicture(pictures, name, larger, disabled ? QIcon::Disabled : QIcon::Normal);
        }
        QAction* action = bar->addAction(pictures, tr(entry.hint));
        action->setObjectName(QString(entry.name) + (large ? "" : "1"));
        action->setToolTip(tr(entry.hint));
        if (auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(action)))
            button->setFixedSize(large ? kLargeButtonWidth : kSmallButtonWidth,
                                 large ? kLargeButtonHeight : kSmallButtonHeight);
        const MenuCommand command = entry.command;
        if (entry.button == art::ToolbarButton::Autoplay) {
            action->setCheckable(true);
            (large ? autoplayLarge_ : autoplaySmall_) = action;
        }
        connect(action, &QAction::triggered, this, [this, command] {
            repaint();
            Action(command)->trigger();
        });
        if (SeparatorAfter(entry.button)) bar->addSeparator();
    }
    return bar;
}

QFrame* MainWindow::BuildPanel(const QString& caption, QLabel*& value, const char* hideText,
                               std::function<void()> hide) {
    auto* panel = new QFrame(this);
    panel->setFrameShape(QFrame::StyledPanel);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(6, 0, 6, 0);
    auto* title = new QLabel(caption, panel);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    value = new QLabel(panel);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    value->setMinimumWidth(56);
    row->addWidget(title);
    row->addWidget(value);
    panel->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(panel, &QFrame::customContextMenuRequested, this,
            [this, panel, hideText, hide](const QPoint& at) {
                QMenu menu(this);
                connect(menu.addAction(tr(hideText)), &QAction::triggered, this, hide);
                menu.exec(panel->mapToGlobal(at));
            });
    return panel;
}

void MainWindow::ShowToolbarMenu(const QPoint& globalAt) {
    QMenu menu(this);
    QAction* large = menu.addAction(tr("Large icons"));
    QAction* small = menu.addAction(tr("Small icons"));
    menu.addSeparator();
    QAction* flat = menu.addAction(tr("Flat button"));
    QAction* raised = menu.addAction(tr("No flat button"));
    menu.addSeparator();
    QAction* showTime = menu.addAction(tr("Show time"));
    QAction* showScore = menu.addAction(tr("Show score"));
    for (QAction* a : {large, small, flat, raised}) a->setCheckable(true);
    large->setChecked(largeBar_->isVisible());
    small->setChecked(!largeBar_->isVisible());
    const bool isFlat =
        preferences_.ReadString(pref::kPreferenceSection, pref::kToolBarFlat, "Y") == "Y";
    flat->setChecked(isFlat);
    raised->setChecked(!isFlat);
    showTime->setEnabled(!timePanel_->isVisible());
    showScore->setEnabled(!scorePanel_->isVisible());
    QAction* chosen = menu.exec(globalAt);
    if (chosen == large) SetLargeToolbar(true);
    if (chosen == small) SetLargeToolbar(false);
    if (chosen == flat) SetFlatButtons(true);
    if (chosen == raised) SetFlatButtons(false);
    if (chosen == showTime) SetTimeShown(true);
    if (chosen == showScore) SetScoreShown(true);
}

void MainWindow::SavePreference(std::string_view key, bool on) {
    preferences_.WriteString(pref::kPreferenceSection, key, on ? "Y" : "N");
}

void MainWindow::SetLargeToolbar(bool large, bool save) {
    largeBar_->setVisible(large);
    smallBar_->setVisible(!large);
    for (QFrame* panel : {timePanel_, scorePanel_})
        panel->setFixedHeight(large ? kLargePanelHeight : kSmallPanelHeight);
    if (save) SavePreference(pref::kToolBarLarge, large);
}

void MainWindow::SetFlatButtons(bool flat, bool save) {
    for (QToolBar* bar : {largeBar_, smallBar_})
        for (QAction* action : bar->actions())
            if (auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(action)))
                button->setAutoRaise(flat);
    const bool tips = settings_.Flag(Settings::kShowToolTips);
    for (QToolBar* bar : {largeBar_, smallBar_})
        for (QAction* action : bar->actions())
            action->setToolTip(tips ? action->text() : QString());
    if (save) SavePreference(pref::kToolBarFlat, flat);
}

void MainWindow::SetTimeShown(bool shown, bool save) {
    timePanel_->setVisible(shown);
    settings_.SetFlag(Settings::kShowTime, shown);
    if (save) SavePreference(pref::kShowTime, shown);
}

void MainWindow::SetScoreShown(bool shown, bool save) {
    scorePanel_->setVisible(shown);
    settings_.SetFlag(Settings::kShowScore, shown);
    if (save) SavePreference(pref::kShowScore, shown);
}

void MainWindow::SetGameCommandsEnabled(bool on) {
    for (MenuCommand command : kGameCommands) Action(command)->setEnabled(on);
    for (QToolBar* bar : {largeBar_, smallBar_})
        for (QAction* action : bar->actions()) {
            QString n = action->objectName();
            if (n.startsWith("tbNew") || n.startsWith("tbRestart") || n.startsWith("tbRules") ||
                n.startsWith("tbSave") || n.startsWith("tbUndo") || n.startsWith("tbRedo") ||
                n.startsWith("tbAutoPlay"))
                action->setEnabled(on);
        }
    if (on) RefreshAutoplayControls();
}

void MainWindow::SetCommandEnabled(MenuCommand command, bool on) {
    Action(command)->setEnabled(on);
    for (const ToolbarEntry& entry : kToolbar) {
        if (entry.command != command) continue;
        for (QToolBar* bar : {largeBar_, smallBar_})
            for (QAction* action : bar->actions())
                if (action->objectName().startsWith(entry.name)) action->setEnabled(on);
    }
}

void MainWindow::SetPaused(bool paused) {
    paused = paused && controller_->InPlay();
    Action(MenuCommand::Pause)->setChecked(paused);
    if (paused == !pauseCover_->isHidden()) return;
    controller_->SetPaused(paused);
    pauseCover_->setGeometry(view_->rect());
    pauseCover_->setVisible(paused);
    const bool undo = controller_->Play().Policy() != UndoPolicy::Disabled;
    SetCommandEnabled(MenuCommand::Undo, !paused && undo);
    SetCommandEnabled(MenuCommand::Redo, !paused && undo);
    if (paused)
        SetCommandEnabled(MenuCommand::Autoplay, false);
    else
        RefreshAutoplayControls();
    RefreshClock();
}

void MainWindow::ShowGameOver(bool over, bool won) {
    SetPaused(false);
    view_->SetDimmed(over);
    // The line is shown even where the player keeps the status bar hidden.
    statusBar()->setVisible(over || settings_.Flag(Settings::kStatusBar));
    status_->setText(!over ? QString()
                     : won
                         ? tr("You won this game. Choose New game, Restart game or Open a game.")
                         : tr("This game is over. Choose New game, Restart game or Open a game."));
    const bool undo = controller_->Play().Policy() != UndoPolicy::Disabled;
    for (MenuCommand command : kInPlayCommands)
        SetCommandEnabled(command, !over && (undo || !IsUndoCommand(command)));
}

QString MainWindow::StatusText() const {
    return status_->text();
}

void MainWindow::RefreshAutoplayControls() {
    const bool available = controller_->AutoplayAvailable();
    const bool on = controller_->AutoplayOn();
    for (QAction* a : {Action(MenuCommand::Autoplay), autoplayLarge_, autoplaySmall_}) {
        if (!a) continue;
        a->setChecked(on);
        a->setEnabled(available);
    }
}

void MainWindow::RefreshClock() {
    if (controller_->SetUp()) clock_->setText(controller_->ClockText());
}

bool MainWindow::AskAbandonGame() {
    const bool confirm = settings_.Flag(Settings::kConfirmQuitGame);
    switch (tablamor::AskAbandonGame(controller_->Animating(), confirm, controller_->InPlay(),
                                     controller_->Won())) {
    case AbandonAnswer::Refuse:
        return false;
    case AbandonAnswer::Abandon:
        return true;
    case AbandonAnswer::Ask:
        break;
    }
    auto answer = QMessageBox::question(this, Q(kProductName), Q(AbandonQuestion({})),
                                        QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok);
    repaint();
    return answer == QMessageBox::Ok;
}

void MainWindow::NewGame() {
    if (!controller_->SetUp() || !AskAbandonGame()) return;
    controller_->EndGame();
    sounds_->Play("New", pref::kSoundsNewGame);
    winnable_->NewDeal();
}

void MainWindow::RestartGame() {
    if (!controller_->SetUp() || !AskAbandonGame()) return;
    auto number = GameNumber::Parse(settings_.GameNumber());
    controller_->EndGame();
    sounds_->Play("New", pref::kSoundsRestart);
    DealAnew(number ? std::optional<GameNumber>(*number) : std::nullopt);
}

void MainWindow::SelectGameNumber() {
    if (!controller_->SetUp()) return;
    GameNumberDialog dialog(Q(settings_.GameNumber()), this);
    if (dialog.exec() != QDialog::Accepted) return;
    const std::optional<GameNumber> number = dialog.Number();
    if (!number || !AskAbandonGame()) return;
    controller_->EndGame();
    DealAnew(*number);
}

// The game-over line (and the status bar it showed) goes before the deal, and the window is laid
// out again at once: so the deal is laid out on the table as it will stay, and no resize comes
// after it to cut its animation short.
void MainWindow::DealAnew(std::optional<GameNumber> number) {
    ShowGameOver(false);
    layout()->activate();
    if (!controller_->Deal(number)) ShowGameOver(true);
    RefreshClock();
}

HelpWindow& MainWindow::Help() {
    QWidget* owner = QApplication::activeModalWidget();
    if (!owner) owner = this;
    if (help_ && help_->parentWidget() != owner) delete help_.data();
    if (!help_) help_ = new HelpWindow(setup_.programDir, owner);
    return *help_;
}

void MainWindow::ShowOptions() {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    OptionsDialog dialog(preferences_, settings_, this);
    connect(&dialog, &OptionsDialog::HelpRequested, this,
            [this](int topic) { Help().ShowTopic(topic); });
    QGuiApplication::restoreOverrideCursor();
    if (dialog.exec() == QDialog::Accepted) {
        const OptionsResult& r = dialog.Result();
        SetLargeToolbar(r.toolBarLarge, false);
        SetFlatButtons(r.toolBarFlat, false);
        SetTimeShown(r.showTime, false);
        SetScoreShown(r.showScore, false);
        statusBar()->setVisible(r.statusBarShown);
        view_->SetPreferences(table::PaintPreferencesFrom(settings_)); // the card speed
        controller_->ApplyCursor();
        for (MenuCommand n : {MenuCommand::Undo, MenuCommand::Redo})
            Action(n)->setEnabled(r.undoEnabled && controller_->SetUp());
        Action(MenuCommand::WinnableDeals)->setChecked(r.winnableDeals);
    }
    controller_->RefreshTable();
}

void MainWindow::ShowCustomize() {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    CustomizeDialog dialog(setup_.programDir, preferences_, settings_, this);
    connect(&dialog, &CustomizeDialog::HelpRequested, this,
            [this](int topic) { Help().ShowTopic(topic); });
    QGuiApplication::restoreOverrideCursor();
    dialog.exec();
    // The card size, the back and the background follow the settings, whichever button closed
    // the dialog.
    controller_->ApplyCardSize();
    table::ImageSource source(setup_.programDir);
    setup_.images->LoadBack(source, settings_.Int(Settings::kBackCard));
    setup_.images->LoadBackground(source, settings_.Int(Settings::kBackgroundBmp));
    view_->SetPreferences(table::PaintPreferencesFrom(settings_));
    view_->Relayout();
    controller_->RefreshTable();
}

std::vector<StatisticsGame> MainWindow::RecordGames() const {
    std::vector<StatisticsGame> games;
    for (const GameListEntry& entry : setup_.games->List()) games.push_back({entry.id, entry.name});
    const int current = settings_.GameId();
    if (current >= 0 && !setup_.games->Find(current))
        games.push_back({current, settings_.GameName()});
    return games;
}

void MainWindow::ShowStatistics(std::optional<int> gameId, std::optional<std::string> player) {
    QWidget* owner = QApplication::activeModalWidget();
    StatisticsWindow window(setup_.dataDir, RecordGames(), PlayerNames(preferences_),
                            StatisticsFilter{gameId, std::move(player)}, owner ? owner : this);
    window.exec();
}

void MainWindow::ShowPlayers() {
    PlayersDialog dialog(preferences_, settings_.Player(), this);
    dialog.exec();
    if (dialog.Chosen() == settings_.Player()) return;
    // Another player: the wins and losses since start-up count afresh.
    settings_.SetPlayer(dialog.Chosen());
    preferences_.WriteString(pref::kPreferenceSection, pref::kUserDefault, dialog.Chosen());
    StoreRunCounters(settings_, RunCounters{});
}

void MainWindow::ShowTipAtStart() {
    if (!TipDialog::ShownAtStart(preferences_)) return;
    auto* tip = new TipDialog(setup_.programDir, preferences_, this);
    tip->setAttribute(Qt::WA_DeleteOnClose);
    tip->show();
}

void MainWindow::ShowHiScores() {
    HiScoresWindow window(setup_.dataDir, RecordGames(), settings_.GameId(), this);
    window.exec();
}

void MainWindow::RestoreCardCounter() {
    counter_->LoadState();
}

OpenGameDialog& MainWindow::OpenDialog() {
    if (!openDialog_) {
        openDialog_ =
            std::make_unique<OpenGameDialog>(*setup_.games, preferences_, settings_, this);
        connect(openDialog_.get(), &OpenGameDialog::RulesRequested, this,
                &MainWindow::RulesRequested);
        connect(openDialog_.get(), &OpenGameDialog::StatisticsRequested, this,
                [this](int id) { ShowStatistics(id, std::nullopt); });
        connect(openDialog_.get(), &OpenGameDialog::HelpRequested, this,
                [this] { Help().ShowTopic(help::kOpenGameTopic); });
    }
    return *openDialog_;
}

void MainWindow::OpenGame() {
    OpenGameDialog& dialog = OpenDialog();
    dialog.PrepareToShow();
    if (dialog.exec() != QDialog::Accepted) {
        if (settings_.GameId() < 0) SetGameCommandsEnabled(false);
        return;
    }
    const bool changed = dialog.GameChanged() || dialog.PlayerChanged();
    if (!changed && controller_->InPlay()) return;
    if (!AskAbandonGame()) return;
    controller_->EndGame();
    if (changed) {
        settings_.Set(Settings::kStatCounter1, "0000");
        settings_.Set(Settings::kStatCounter2, "0000");
    }
    settings_.SetPlayer(dialog.ChosenPlayer());
    PlayGame(dialog.ChosenGameId());
}

bool MainWindow::PlayGame(int gameId, std::optional<GameNumber> number) {
    settings_.SetGameId(gameId);
    settings_.SetGameName(
        GameName(*setup_.games, gameId, DataFilePath(setup_.dataDir, kCustomGamesFileName)));
    bool started = controller_->StartGame(number);
    SetGameCommandsEnabled(started);
    RefreshAutoplayControls();
    RefreshClock();
    return started;
}

void MainWindow::QuitGame() {
    if (!AskAbandonGame()) return;
    controller_->EndGame();
    controller_->RefreshTable();
    OpenGame();
}

void MainWindow::AfterNarrowScreenCheck(bool narrow, bool switchedNow) {
    Action(MenuCommand::Customize)->setEnabled(!narrow);
    if (!switchedNow || narrowMessageShown_) return;
    narrowMessageShown_ = true;
    QMessageBox::information(this, Q(kProductName), Q(NarrowScreenMessage(settings_.GameName())));
    repaint();
}

void MainWindow::AfterGameFinished(bool won) {
    ForgetKeptGame();
    RefreshClock();
    ShowGameOver(true, won);
    if (won && !closing_)
        QTimer::singleShot(0, this, [this] {
            if (!closing_) ShowWinSummary();
        });
}

void MainWindow::ShowWinSummary() {
    WinSummary summary;
    summary.game = Q(settings_.GameName());
    summary.number = Q(settings_.GameNumber());
    summary.seconds = controller_->Play().ElapsedSeconds();
    summary.score = controller_->Score();
    summary.moves = static_cast<int>(controller_->Play().GetHistory().UndoStack().Size());
    summary.record = PlayerRecord(setup_.dataDir, settings_.GameId(), settings_.Player());
    WinSummaryDialog dialog(summary, this);
    dialog.exec();
    switch (dialog.Choice()) {
    case WinChoice::NewGame:
        NewGame();
        break;
    case WinChoice::SameNumber:
        RestartGame();
        break;
    case WinChoice::ChooseGame:
        OpenGame();
        break;
    case WinChoice::None:
        break;
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Closing during the winning animation stops it; the game has already been recorded.
    closing_ = true;
    if (controller_->Animating()) view_->StopAnimation();
    if (preferences_.ReadString(pref::kPreferenceSection, pref::kConfirmQuit, "N") != "N") {
        auto answer =
            QMessageBox::question(this, Q(kProductName), tr("Exit %1?").arg(Q(kProductName)),
                                  QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok);
        if (answer != QMessageBox::Ok) {
            closing_ = false;
            event->ignore();
            return;
        }
    }
    if (!KeepGameOnClose()) controller_->EndGame();
    SavePreference(pref::kAutoPlay, controller_->AutoplayOn());
    SavePlacement(*this, preferences_);
    counter_->SaveState();
    event->accept();
}

} // namespace tablamor::ui
