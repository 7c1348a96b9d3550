#include "ui/statistics_window.h"

#include "table/qt_text.h"
#include "ui/field_label.h"
#include "ui/startup.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace tablamor::ui {
namespace {

constexpr int kWidth = 860;
constexpr int kHeight = 420;

} // namespace

StatisticsWindow::StatisticsWindow(std::filesystem::path dataDir, std::vector<StatisticsGame> games,
                                   std::vector<std::string> players,
                                   const StatisticsFilter& initial, QWidget* parent)
    : QDialog(parent), dataDir_(std::move(dataDir)), games_(std::move(games)),
      players_(std::move(players)) {
    setWindowTitle(tr("Statistics"));
    setObjectName("TfrmStatistics");
    gameFilter_ = new QComboBox(this);
    gameFilter_->setObjectName("cboGames");
    gameFilter_->addItem(tr("All games"), -1);
    for (const StatisticsGame& game : games_) gameFilter_->addItem(Q(game.name), game.id);
    playerFilter_ = new QComboBox(this);
    playerFilter_->setObjectName("cboPlayers");
    playerFilter_->addItem(tr("All players"));
    for (const std::string& player : players_) playerFilter_->addItem(Q(player));
    if (initial.gameId)
        gameFilter_->setCurrentIndex(std::max(0, gameFilter_->findData(*initial.gameId)));
    if (initial.player)
        playerFilter_->setCurrentIndex(std::max(0, playerFilter_->findText(Q(*initial.player))));

    table_ = new QTableWidget(this);
    table_->setObjectName("grdStatistics");
    const QStringList headers = {
        tr("Game"),      tr("Player"),       tr("Played"),         tr("Won"),
        tr("Won %"),     tr("Hinted"),       tr("Current streak"), tr("Longest streak"),
        tr("Best time"), tr("Average time"), tr("Best score")};
    table_->setColumnCount(static_cast<int>(headers.size()));
    table_->setHorizontalHeaderLabels(headers);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);

    reset_ = new QPushButton(tr("&Reset"), this);
    reset_->setObjectName("btnReset");
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(reset_, &QPushButton::clicked, this, &StatisticsWindow::AskAndReset);
    connect(gameFilter_, &QComboBox::currentIndexChanged, this, &StatisticsWindow::Refill);
    connect(playerFilter_, &QComboBox::currentIndexChanged, this, &StatisticsWindow::Refill);

    auto* filters = new QHBoxLayout;
    filters->addWidget(FieldLabel(tr("&Game:"), gameFilter_, this));
    filters->addWidget(gameFilter_, 1);
    filters->addWidget(FieldLabel(tr("&Player:"), playerFilter_, this));
    filters->addWidget(playerFilter_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(reset_);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addWidget(table_, 1);
    layout->addLayout(buttons);
    resize(kWidth, kHeight);
    Refill();
}

StatisticsFilter StatisticsWindow::Filter() const {
    StatisticsFilter filter;
    const int game = gameFilter_->currentData().toInt();
    if (game >= 0) filter.gameId = game;
    if (playerFilter_->currentIndex() > 0)
        filter.player = playerFilter_->currentText().toStdString();
    return filter;
}

void StatisticsWindow::Refill() {
    MessageBoxes messages(this);
    rows_ = CollectStatistics(dataDir_, games_, players_, Filter(), messages);
    table_->setRowCount(static_cast<int>(rows_.size()));
    for (int r = 0; r < static_cast<int>(rows_.size()); ++r) {
        const StatisticsRow& row = rows_[static_cast<std::size_t>(r)];
        const GameStatistics& s = row.stats;
        const QString streak = s.winningStreak > 0  ? tr("%1 won").arg(s.winningStreak)
                               : s.losingStreak > 0 ? tr("%1 lost").arg(s.losingStreak)
                                                    : QString("-");
        const QStringList cells = {
            Q(row.game),
            Q(row.player),
            QString::number(row.Played()),
            QString::number(s.won),
            QString("%1%").arg(row.SharePercent()),
            QString::number(s.hinted),
            streak,
            QString::number(s.longestWinningStreak),
            Q(FormatSeconds(row.bestSeconds)),
            Q(FormatSeconds(row.averageSeconds)),
            row.bestScore ? QString::number(*row.bestScore) : QString("-"),
        };
        for (int c = 0; c < static_cast<int>(cells.size()); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            if (c >= 2) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(r, c, item);
        }
    }
    table_->resizeColumnsToContents();
    reset_->setEnabled(!rows_.empty());
}

void StatisticsWindow::AskAndReset() {
    if (rows_.empty()) return;
    const auto answer = QMessageBox::question(
        this, windowTitle(),
        tr("Set the %n record(s) shown back to zero? Played, won and the streaks are cleared; "
           "the game log keeps its lines.",
           "", static_cast<int>(rows_.size())),
        QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel);
    if (answer != QMessageBox::Ok) return;
    MessageBoxes messages(this);
    ResetStatisticsRows(dataDir_, rows_, messages);
    Refill();
}

} // namespace tablamor::ui
