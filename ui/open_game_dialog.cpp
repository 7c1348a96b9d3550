#include "ui/open_game_dialog.h"

#include "records/favorites.h"
#include "records/players.h"
#include "records/preference_keys.h"
#include "records/preferences.h"
#include "table/qt_text.h"
#include "table/resource_names.h"
#include "ui/resource_pictures.h"

#include <QApplication>
#include <QBitmap>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace tablamor::ui {
namespace {

constexpr int kDialogWidth = 620;
constexpr int kDialogHeight = 430;
constexpr int kPreviewWidth = 260;
constexpr int kPreviewHeight = 190;
constexpr int kRememberIntervalMs = 2000;
constexpr int kSettledAfterMs = 200;
const QColor kPreviewBackground(0, 128, 0);

std::string Preference(const IniFile& ini, std::string_view key, std::string_view fallback) {
    return ini.ReadString(pref::kPreferenceSection, key, fallback);
}

// A rating picture beside its label; empty when the library has none.
void SetPicture(QLabel* label, const std::string& name) {
    label->setPixmap(name.empty() ? QPixmap() : ResourcePicture(name));
}

} // namespace

OpenGameDialog::OpenGameDialog(const GameFile& games, IniFile& preferences, Settings& settings,
                               QWidget* parent)
    : QDialog(parent), games_(games), preferences_(preferences), settings_(settings) {
    setWindowTitle(tr("Open a game"));
    setObjectName("TfrmApri");
    BuildTree();
    BuildPanel();

    ok_ = new QPushButton(tr("OK"), this);
    ok_->setObjectName("btnOK");
    ok_->setDefault(true);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName("btnCancel");
    auto* help = new QPushButton(tr("&?"), this);
    help->setObjectName("btnAiuto");
    rules_ = new QPushButton(tr("Rules"), this);
    rules_->setObjectName("btnRules");
    connect(ok_, &QPushButton::clicked, this, &OpenGameDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &OpenGameDialog::reject);
    connect(help, &QPushButton::clicked, this, &OpenGameDialog::HelpRequested);
    connect(rules_, &QPushButton::clicked, this, &OpenGameDialog::ShowRules);

    // The player list is kept (hidden): the chosen player is compared with the current one.
    players_ = new QComboBox(this);
    players_->setObjectName("cboPlayers");
    players_->hide();

    auto* caption = new QLabel(tr("Select a game:"), this);
    search_ = new QLineEdit(this);
    search_->setObjectName("edtSearch");
    search_->setPlaceholderText(tr("Search by name or family"));
    search_->setClearButtonEnabled(true);
    search_->installEventFilter(this);
    connect(search_, &QLineEdit::textChanged, this, &OpenGameDialog::ApplySearch);
    auto* left = new QVBoxLayout;
    left->addWidget(caption);
    left->addWidget(search_);
    left->addWidget(tree_, 1);
    // The game's panel and the folder's description take turns in one place as large as the
    // larger of them, so that nothing moves as the selection does.
    panels_ = new QStackedWidget(this);
    panels_->addWidget(gamePanel_);
    panels_->addWidget(descriptionPanel_);
    auto* top = new QHBoxLayout;
    top->addLayout(left, 1);
    top->addWidget(panels_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(help);
    buttons->addWidget(rules_);
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addSpacing(5);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(buttons);
    setFixedSize(sizeHint().expandedTo(QSize(kDialogWidth, kDialogHeight)));

    rememberTimer_ = new QTimer(this);
    rememberTimer_->setInterval(kRememberIntervalMs);
    connect(rememberTimer_, &QTimer::timeout, this, [this] {
        const GameTreeNode* node = SelectedNode();
        if (node && QDateTime::currentMSecsSinceEpoch() - lastChangeMs_ > kSettledAfterMs)
            rememberedNumber_ = node->number;
    });

    FillFavorites();
    int stored = preferences_.ReadInt(pref::kPreferenceSection, pref::kGameTreeNum, -1);
    int initial = InitialTreeNode(nodes_, stored);
    if (initial == 0)
        tree_->setCurrentItem(root_);
    else
        tree_->setCurrentItem(root_->child(initial - 1));
    showPreview_->setChecked(Preference(preferences_, pref::kOpenPreviewGame, "Y") == "Y");
    RefreshPanel();
}

void OpenGameDialog::BuildTree() {
    tree_ = new QTreeWidget(this);
    tree_->setObjectName("trvGames");
    tree_->setHeaderHidden(true);
    tree_->setContextMenuPolicy(Qt::CustomContextMenu);
    nodes_ = BuildGameTree(games_.List());
    const auto& pictures = art::kTreePictures;
    auto icon = [&](int index) {
        QIcon i;
        if (index >= 0 && static_cast<std::size_t>(index) < pictures.size())
            i.addPixmap(ResourcePicture(pictures[static_cast<std::size_t>(index)]));
        return i;
    };
    root_ = new QTreeWidgetItem(tree_, QStringList(tr(kRootFolderText)));
    QTreeWidgetItem* root = root_;
    QIcon folder = icon(kRootPicture);
    folder.addPixmap(ResourcePicture(pictures[kRootSelectedPicture]), QIcon::Selected);
    root->setIcon(0, folder);
    for (std::size_t i = 1; i < nodes_.size(); ++i) {
        auto* item = new QTreeWidgetItem(root, QStringList(Q(nodes_[i].text)));
        item->setIcon(0, icon(nodes_[i].picture));
        item->setData(0, Qt::UserRole, static_cast<int>(i));
    }
    root->setData(0, Qt::UserRole, 0);
    root->setExpanded(true);
    connect(tree_, &QTreeWidget::currentItemChanged, this, [this] { RefreshPanel(); });
    connect(tree_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        if (item && item->data(0, Qt::UserRole).toInt() > 0) accept();
    });
    connect(tree_, &QTreeWidget::customContextMenuRequested, this, &OpenGameDialog::ShowTreeMenu);
}

void OpenGameDialog::ApplySearch(const QString& text) {
    const std::string words = text.toStdString();
    QTreeWidgetItem* firstByName = nullptr;
    QTreeWidgetItem* firstShown = nullptr;
    for (QTreeWidgetItem* folder : {favorites_, root_}) {
        if (!folder) continue;
        for (int k = 0; k < folder->childCount(); ++k) {
            QTreeWidgetItem* item = folder->child(k);
            const auto position = static_cast<std::size_t>(item->data(0, Qt::UserRole).toInt());
            const SearchMatch match = MatchSearch(nodes_[position], words);
            item->setHidden(match == SearchMatch::None);
            if (match != SearchMatch::None && !firstShown) firstShown = item;
            if (match == SearchMatch::ByName && !firstByName) firstByName = item;
        }
    }
    // The selection stays while its game is shown; otherwise the first game shown whose name
    // holds the words takes it ("spider" selects Spider, not another of its family), else the
    // first game shown, else the folder.
    QTreeWidgetItem* current = tree_->currentItem();
    const bool keep = current && !current->isHidden() && (words.empty() || current->parent());
    QTreeWidgetItem* first = firstByName ? firstByName : firstShown;
    if (!keep) tree_->setCurrentItem(first ? first : root_);
    if (tree_->currentItem()) tree_->scrollToItem(tree_->currentItem());
}

bool OpenGameDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == search_ && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            QApplication::sendEvent(tree_, event);
            return true;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void OpenGameDialog::FillFavorites() {
    delete favorites_;
    favorites_ = nullptr;
    const std::vector<int> ids = ReadFavorites(preferences_);
    for (int id : ids) {
        for (int i = 1; i < root_->childCount() + 1; ++i) {
            const GameTreeNode& node = nodes_[static_cast<std::size_t>(i)];
            if (node.IsFolder() || node.number != id) continue;
            if (!favorites_) {
                // First in the tree: the player's favorites, each standing for its game below.
                favorites_ = new QTreeWidgetItem(QStringList(tr("Favorite games")));
                tree_->insertTopLevelItem(0, favorites_);
                favorites_->setIcon(0, root_->icon(0));
                favorites_->setData(0, Qt::UserRole, 0);
            }
            QTreeWidgetItem* game = root_->child(i - 1);
            auto* item = new QTreeWidgetItem(favorites_, QStringList(game->text(0)));
            item->setIcon(0, game->icon(0));
            item->setData(0, Qt::UserRole, i);
        }
    }
    if (favorites_) favorites_->setExpanded(true);
}

void OpenGameDialog::BuildPanel() {
    gamePanel_ = new QWidget(this);
    gamePanel_->setObjectName("pnlDescGame");
    gameName_ = new QLabel(gamePanel_);
    gameName_->setObjectName("lblGameName");
    QFont bold = gameName_->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    gameName_->setFont(bold);
    decks_ = new QLabel(gamePanel_);
    decks_->setObjectName("lblDeck");
    difficulty_ = new QLabel(gamePanel_);
    difficulty_->setObjectName("lblDiffRules");
    difficultyPicture_ = new QLabel(gamePanel_);
    difficultyPicture_->setObjectName("imgDifficult");
    chance_ = new QLabel(gamePanel_);
    chance_->setObjectName("lblDiffWin");
    chancePicture_ = new QLabel(gamePanel_);
    chancePicture_->setObjectName("imgWinning");
    redeals_ = new QLabel(gamePanel_);
    redeals_->setObjectName("lblRedeal");
    time_ = new QLabel(gamePanel_);
    time_->setObjectName("lblGameTime");
    timePicture_ = new QLabel(gamePanel_);
    timePicture_->setObjectName("imgGameTime");
    showPreview_ = new QCheckBox(tr("&Preview"), gamePanel_);
    showPreview_->setObjectName("chkPreview");
    preview_ = new QLabel(gamePanel_);
    preview_->setObjectName("imgGame");
    preview_->setFixedSize(kPreviewWidth, kPreviewHeight);
    connect(showPreview_, &QCheckBox::toggled, this, [this] { DrawPreview(); });

    auto* grid = new QGridLayout(gamePanel_);
    grid->addWidget(gameName_, 0, 0, 1, 3);
    int row = 1;
    auto addRow = [&](const QString& caption, QLabel* value, QLabel* picture) {
        grid->addWidget(new QLabel(caption, gamePanel_), row, 0);
        grid->addWidget(value, row, 1);
        if (picture) grid->addWidget(picture, row, 2);
        ++row;
    };
    addRow(tr("Decks:"), decks_, nullptr);
    addRow(tr("Difficulty level:"), difficulty_, difficultyPicture_);
    addRow(tr("Chance of winning:"), chance_, chancePicture_);
    addRow(tr("Redeals:"), redeals_, nullptr);
    addRow(tr("Game time:"), time_, timePicture_);
    grid->addWidget(showPreview_, row++, 0, 1, 3);
    grid->addWidget(preview_, row++, 0, 1, 3, Qt::AlignHCenter);
    grid->setRowStretch(row, 1);

    descriptionPanel_ = new QWidget(this);
    auto* description = new QVBoxLayout(descriptionPanel_);
    auto* picture = new QLabel(descriptionPanel_);
    picture->setObjectName("imgFreeware");
    picture->setPixmap(ResourcePicture("TREE5_FAVORITES_GAMES").scaled(48, 48));
    auto* desc1 = new QLabel(tr("Choose a game in the list on the left."), descriptionPanel_);
    desc1->setObjectName("pnlDesc1");
    desc1->setWordWrap(true);
    auto* desc2 = new QLabel(tr("Every game shows its decks, its difficulty, its chance of winning "
                                "and how long it takes, with a picture of its table. "
                                "\"Rules\" tells how it is played."),
                             descriptionPanel_);
    desc2->setObjectName("pnlDesc2");
    desc2->setWordWrap(true);
    description->addWidget(picture, 0, Qt::AlignHCenter);
    description->addWidget(desc1);
    description->addWidget(desc2);
    description->addStretch(1);
    descriptionPanel_->setAutoFillBackground(true);
    QPalette white = descriptionPanel_->palette();
    white.setColor(QPalette::Window, Qt::white);
    descriptionPanel_->setPalette(white);
}

const GameTreeNode* OpenGameDialog::SelectedNode() const {
    QTreeWidgetItem* item = tree_->currentItem();
    if (!item) return nullptr;
    int position = item->data(0, Qt::UserRole).toInt();
    if (position < 0 || static_cast<std::size_t>(position) >= nodes_.size()) return nullptr;
    return &nodes_[static_cast<std::size_t>(position)];
}

int OpenGameDialog::SelectedNodePosition() const {
    QTreeWidgetItem* item = tree_->currentItem();
    return item ? item->data(0, Qt::UserRole).toInt() : -1;
}

void OpenGameDialog::RefreshPanel() {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const GameTreeNode* node = SelectedNode();
    bool folder = !node || node->IsFolder();
    panels_->setCurrentWidget(folder ? descriptionPanel_ : gamePanel_);
    showPreview_->setEnabled(!folder);
    ok_->setEnabled(!folder);
    rules_->setEnabled(!folder);
    if (!folder) {
        gameName_->setText(Q(node->text));
        GamePanel panel;
        try {
            panel = DescribeGame(games_.ReadValues(node->number, GamePanelParams()));
        } catch (const DefinitionError&) {
            // A damaged column shows an empty panel; choosing the game reports the fault.
        }
        decks_->setText(Q(panel.decks));
        difficulty_->setText(Q(panel.difficulty));
        SetPicture(difficultyPicture_, panel.difficultyPicture);
        chance_->setText(Q(panel.chance));
        SetPicture(chancePicture_, panel.chancePicture);
        redeals_->setText(Q(panel.redeals));
        time_->setText(Q(panel.time));
        SetPicture(timePicture_, panel.timePicture);
        lastChangeMs_ = QDateTime::currentMSecsSinceEpoch();
        DrawPreview();
    }
    QGuiApplication::restoreOverrideCursor();
}

void OpenGameDialog::DrawPreview() {
    // Drawn at the screen's pixel ratio, so that a larger preview stays sharp.
    const qreal ratio = devicePixelRatioF();
    QPixmap canvas(QSize(kPreviewWidth, kPreviewHeight) * ratio);
    canvas.setDevicePixelRatio(ratio);
    canvas.fill(kPreviewBackground);
    const GameTreeNode* node = SelectedNode();
    if (showPreview_->isChecked() && node && !node->IsFolder()) {
        QPixmap game = ResourcePicture(PreviewResourceName(node->number), ratio);
        if (!game.isNull()) {
            // The picture's top-left pixel colour is transparent.
            QColor key = game.toImage().pixelColor(0, 0);
            game.setMask(game.createMaskFromColor(key, Qt::MaskInColor));
            QPainter painter(&canvas);
            const QSizeF size = game.deviceIndependentSize();
            painter.drawPixmap(QRectF(QPointF((kPreviewWidth - size.width()) / 2, 0), size), game,
                               QRectF(game.rect()));
        }
    }
    preview_->setPixmap(canvas);
}

void OpenGameDialog::ShowRules() {
    const GameTreeNode* node = SelectedNode();
    if (!node || node->IsFolder()) {
        QMessageBox::information(this, windowTitle(), tr("Select a game"));
        tree_->setFocus();
        return;
    }
    emit RulesRequested(node->number);
}

void OpenGameDialog::ShowTreeMenu(const QPoint& at) {
    const GameTreeNode* node = SelectedNode();
    const bool game = node && !node->IsFolder();
    QMenu menu(this);
    QAction* rules = menu.addAction(tr("&Rules"));
    QAction* statistics = menu.addAction(tr("&Statistics..."));
    const std::vector<int> favorites = ReadFavorites(preferences_);
    const bool favorite =
        game && std::find(favorites.begin(), favorites.end(), node->number) != favorites.end();
    QAction* mark =
        menu.addAction(favorite ? tr("Remove from &favorite games") : tr("Add to &favorite games"));
    for (QAction* a : {rules, statistics, mark}) a->setEnabled(game);
    QAction* chosen = menu.exec(tree_->viewport()->mapToGlobal(at));
    if (!game || !chosen) return;
    const int id = node->number;
    if (chosen == rules) ShowRules();
    if (chosen == statistics) emit StatisticsRequested(id);
    if (chosen == mark) {
        SetFavorite(preferences_, id, !favorite);
        FillFavorites();
    }
}

void OpenGameDialog::FillPlayers() {
    std::vector<std::string> names = PlayerNames(preferences_);
    std::sort(names.begin(), names.end());
    players_->clear();
    for (const std::string& n : names) players_->addItem(Q(n));
    players_->setCurrentText(Q(settings_.Player()));
}

void OpenGameDialog::PrepareToShow() {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    QTreeWidgetItem* selected = tree_->currentItem();
    const bool inFavorites = selected && selected->parent() && selected->parent() == favorites_;
    const int position = SelectedNodePosition();
    FillFavorites();
    if (inFavorites && position > 0) tree_->setCurrentItem(root_->child(position - 1));
    search_->clear(); // every game shown again
    RefreshPanel();
    rememberTimer_->start();
    search_->setFocus(); // typing filters at once; the arrow keys move in the tree
    FillPlayers();
    QGuiApplication::restoreOverrideCursor();
}

void OpenGameDialog::accept() {
    const GameTreeNode* node = SelectedNode();
    if (!node || node->IsFolder()) {
        QMessageBox::information(this, windowTitle(), tr("Open a game"));
        tree_->setFocus();
        return;
    }
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    preferences_.WriteInt(pref::kPreferenceSection, pref::kGame, node->number);
    preferences_.WriteString(pref::kPreferenceSection, pref::kGameName, node->text);
    preferences_.WriteInt(pref::kPreferenceSection, pref::kGameTreeNum, SelectedNodePosition());
    preferences_.WriteString(pref::kPreferenceSection, pref::kOpenPreviewGame,
                             showPreview_->isChecked() ? "Y" : "N");
    chosenId_ = node->number;
    chosenName_ = node->text;
    chosenPlayer_ = FitPlayerName(players_->currentText().toStdString());
    if (chosenPlayer_.empty()) chosenPlayer_ = settings_.Player();
    gameChanged_ = settings_.GameId() != node->number;
    playerChanged_ = chosenPlayer_ != settings_.Player();
    QGuiApplication::restoreOverrideCursor();
    QDialog::accept();
}

void OpenGameDialog::done(int result) {
    rememberTimer_->stop();
    QDialog::done(result);
}

} // namespace tablamor::ui
