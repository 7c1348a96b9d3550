#include "table/card_counter_window.h"

#include "records/preference_keys.h"
#include "table/resource_names.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace tablamor::table {
namespace {

constexpr int kStripHeight = 2;
constexpr int kPlaceMargin = 8;
// How long after its show the window manager has framed a window: its frame is known then.
constexpr int kFramedAfterMs = 150;
constexpr int kRanks = 13;
constexpr int kUnsetPosition = -1;
constexpr std::string_view kYes = "Y";
constexpr std::string_view kNo = "N";

std::string ReadFlag(const IniFile& ini, std::string_view key) {
    return ini.ReadString(pref::kPreferenceSection, key, std::string(kNo));
}

} // namespace

CardCounterWindow::CardCounterWindow(PictureSource pictures, IniFile& preferences, QWidget* parent)
    : QMainWindow(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                              Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      preferences_(preferences) {
    setWindowTitle(tr("Card counter"));
    LoadPictures(pictures);
    BuildMenu();

    auto* client = new QWidget(this);
    auto* column = new QVBoxLayout(client);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    auto* strip = new QFrame(client);
    strip->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    strip->setFixedHeight(kStripHeight);
    column->addWidget(strip);
    area_ = new QLabel(client);
    area_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    column->addWidget(area_);
    setCentralWidget(client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    marks_.Reset(0);
    FitHeight(0);
    Redraw();
}

void CardCounterWindow::LoadPictures(const PictureSource& source) {
    auto load = [&](std::string_view name) {
        if (source) pictures_.emplace(std::string(name), source(name));
    };
    for (std::string_view suit : art::kCounterSuitPictures) load(suit);
    load(art::kCounterNoCard);
    for (int rank = 1; rank <= kRanks; ++rank) {
        load(art::CounterCardName(rank, true));
        load(art::CounterCardName(rank, false));
    }
}

void CardCounterWindow::BuildMenu() {
    QMenu* options = menuBar()->addMenu(tr("&Options"));
    tableauOnly_ = options->addAction(tr("&Tableau only"));
    tableauOnly_->setObjectName("mnuTableau");
    stockOnly_ = options->addAction(tr("&Stock only"));
    stockOnly_->setObjectName("mnuStock");
    options->addSeparator();
    inverted_ = options->addAction(tr("&Inverted"));
    inverted_->setObjectName("mnuInverted");
    for (QAction* action : {tableauOnly_, stockOnly_, inverted_}) {
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, [this, action] { OptionChosen(action); });
    }
}

// The action's own check has already toggled; the other "only" option gives way.
void CardCounterWindow::OptionChosen(QAction* chosen) {
    if (chosen == stockOnly_ && stockOnly_->isChecked()) tableauOnly_->setChecked(false);
    if (chosen == tableauOnly_ && tableauOnly_->isChecked()) stockOnly_->setChecked(false);
    marks_.SetOptions({stockOnly_->isChecked(), tableauOnly_->isChecked(), inverted_->isChecked()});
    Refresh();
    SaveState();
}

void CardCounterWindow::FitHeight(int cardCount) {
    const int height = CardCounterMarks::ClientHeight(cardCount);
    if (area_->height() == height && area_->width() == CardCounterMarks::kClientWidth) return;
    // The window's layout keeps it at the size of its menu bar and grid together.
    area_->setFixedSize(CardCounterMarks::kClientWidth, height);
    picture_ = QImage(area_->size(), QImage::Format_ARGB32_Premultiplied);
}

QPoint CardCounterWindow::PlaceBeside(QSize size, const QRect& table, const QRect& screen) {
    const QPoint outside(table.right() + 1 + kPlaceMargin, table.top());
    if (screen.contains(QRect(outside, size))) return outside;
    // No room beside the table: its bottom right corner, where the fewest piles reach.
    QPoint inside(table.right() + 1 - kPlaceMargin - size.width(),
                  table.bottom() + 1 - kPlaceMargin - size.height());
    inside.setX(std::max(inside.x(), screen.left()));
    inside.setY(std::max(inside.y(), table.top()));
    return inside;
}

QPoint CardCounterWindow::ShiftOnScreen(const QRect& frame, const QRect& screen) {
    auto shift = [](int low, int high, int screenLow, int screenHigh) {
        if (low < screenLow) return screenLow - low;
        if (high > screenHigh) return std::max(screenHigh - high, screenLow - low);
        return 0;
    };
    return {shift(frame.left(), frame.right(), screen.left(), screen.right()),
            shift(frame.top(), frame.bottom(), screen.top(), screen.bottom())};
}

void CardCounterWindow::KeepOnScreen() {
    if (!isVisible()) return;
    QScreen* screen = this->screen();
    if (!screen) return;
    const QPoint shift = ShiftOnScreen(frameGeometry(), screen->availableGeometry());
    if (!shift.isNull()) move(pos() + shift);
}

void CardCounterWindow::PlaceNearTable() {
    if (!tableWidget_ || placed_) return;
    const QRect table(tableWidget_->mapToGlobal(QPoint(0, 0)), tableWidget_->size());
    QScreen* screen = tableWidget_->screen();
    const QRect available = screen ? screen->availableGeometry() : table;
    // Before the first show the window has neither its laid-out size nor its frame: the layout
    // is settled now, and the title bar is counted as the style draws one.
    layout()->activate();
    const QSize framed = size() + QSize(0, style()->pixelMetric(QStyle::PM_TitleBarHeight));
    move(PlaceBeside(framed, table, available));
    placed_ = true;
}

void CardCounterWindow::Refresh() {
    const GameState* state = state_ ? state_() : nullptr;
    if (!state) return;
    FitHeight(state->CardCount());
    marks_.Refresh(*state);
    Redraw();
}

void CardCounterWindow::Toggle() {
    const bool wasHidden = !isVisible();
    hide();
    Refresh();
    if (!wasHidden) return;
    PlaceNearTable();
    show();
}

void CardCounterWindow::CardLeft(int card, PileKind from) {
    marks_.CardLeft(card, from);
    Redraw();
}

void CardCounterWindow::CardArrived(int card, PileKind to, bool up) {
    marks_.CardArrived(card, to, up);
    Redraw();
}

void CardCounterWindow::StockRefilled() {
    if (const GameState* state = state_ ? state_() : nullptr) marks_.StockRefilled(*state);
    Redraw();
}

void CardCounterWindow::WasteNotice() {
    if (const GameState* state = state_ ? state_() : nullptr) marks_.WasteNotice(*state);
    Redraw();
}

void CardCounterWindow::Redraw() {
    picture_.fill(palette().color(QPalette::Window));
    QPainter painter(&picture_);
    // The suit symbols, as the game's deck shows them, go on the rows of its decks only.
    for (int row = 0; row < CardCounterMarks::Rows(marks_.CardCount()); ++row)
        DrawPicture(painter,
                    art::kCounterSuitPictures[static_cast<std::size_t>(marks_.RowSuit(row) - 1)], 0,
                    CardCounterMarks::kRowStep * row + CardCounterMarks::kRowTop);
    for (int card = 1; card <= marks_.CardCount(); ++card) DrawCard(painter, card);
    painter.end();
    area_->setPixmap(QPixmap::fromImage(picture_));
}

void CardCounterWindow::DrawCard(QPainter& painter, int card) {
    const int rank = (card - 1) % kRanks + 1;
    std::string name;
    switch (marks_.MarkOf(card)) {
    case CounterMark::None:
        name = art::kCounterNoCard;
        break;
    case CounterMark::Up:
        name = art::CounterCardName(rank, true);
        break;
    case CounterMark::Down:
        name = art::CounterCardName(rank, false);
        break;
    }
    DrawPicture(painter, name, CardCounterMarks::X(card), CardCounterMarks::Y(card));
}

void CardCounterWindow::DrawPicture(QPainter& painter, std::string_view name, int x, int y) {
    auto found = pictures_.find(name);
    if (found != pictures_.end() && !found->second.isNull()) painter.drawImage(x, y, found->second);
}

void CardCounterWindow::SaveState() {
    auto flag = [](bool on) { return on ? kYes : kNo; };
    preferences_.WriteString(pref::kPreferenceSection, pref::kCardCounterStock,
                             flag(stockOnly_->isChecked()));
    preferences_.WriteString(pref::kPreferenceSection, pref::kCardCounterTableau,
                             flag(tableauOnly_->isChecked()));
    preferences_.WriteString(pref::kPreferenceSection, pref::kCardCounterInverse,
                             flag(inverted_->isChecked()));
    preferences_.WriteInt(pref::kPreferenceSection, pref::kCardCounterLeft, pos().x());
    preferences_.WriteInt(pref::kPreferenceSection, pref::kCardCounterTop, pos().y());
    preferences_.WriteString(pref::kPreferenceSection, pref::kCardCounterVisible,
                             flag(isVisible()));
}

void CardCounterWindow::LoadState() {
    const int left =
        preferences_.ReadInt(pref::kPreferenceSection, pref::kCardCounterLeft, kUnsetPosition);
    const int top =
        preferences_.ReadInt(pref::kPreferenceSection, pref::kCardCounterTop, kUnsetPosition);
    // Zero or less is no saved place: the window keeps its default one.
    if (left > 0 && top > 0) {
        move(left, top);
        placed_ = true;
    }
    const bool stock = ReadFlag(preferences_, pref::kCardCounterStock) == kYes;
    const bool tableau = !stock && ReadFlag(preferences_, pref::kCardCounterTableau) == kYes;
    stockOnly_->setChecked(stock);
    tableauOnly_->setChecked(tableau);
    inverted_->setChecked(ReadFlag(preferences_, pref::kCardCounterInverse) == kYes);
    marks_.SetOptions({stock, tableau, inverted_->isChecked()});
    if (ReadFlag(preferences_, pref::kCardCounterVisible) == kYes && !isVisible()) Toggle();
}

void CardCounterWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    emit VisibilityChanged(true);
    QTimer::singleShot(kFramedAfterMs, this, &CardCounterWindow::KeepOnScreen);
}

void CardCounterWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    QTimer::singleShot(0, this, &CardCounterWindow::KeepOnScreen);
}

void CardCounterWindow::hideEvent(QHideEvent* event) {
    QMainWindow::hideEvent(event);
    emit VisibilityChanged(false);
}

} // namespace tablamor::table
