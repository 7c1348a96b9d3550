#include "ui/hi_scores_window.h"

#include "table/qt_text.h"
#include "ui/field_label.h"
#include "ui/startup.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace tablamor::ui {
namespace {

constexpr int kWidth = 720;
constexpr int kHeight = 520;

// "yyyymmdd" as "yyyy-mm-dd".
QString ShownDate(const std::string& date) {
    if (static_cast<int>(date.size()) != kDateWidth) return Q(date);
    return Q(date.substr(0, 4) + "-" + date.substr(4, 2) + "-" + date.substr(6, 2));
}

} // namespace

HiScoresWindow::HiScoresWindow(std::filesystem::path dataDir, std::vector<StatisticsGame> games,
                               int initialGameId, QWidget* parent)
    : QDialog(parent), dataDir_(std::move(dataDir)) {
    setWindowTitle(tr("Hi-Scores"));
    setObjectName("TfrmHiScores");
    gameChoice_ = new QComboBox(this);
    gameChoice_->setObjectName("cboGames");
    for (const StatisticsGame& game : games) gameChoice_->addItem(Q(game.name), game.id);
    gameChoice_->setCurrentIndex(std::max(0, gameChoice_->findData(initialGameId)));

    table_ = new QTableWidget(this);
    table_->setObjectName("grdHiScores");
    const QStringList headers = {tr("Score"), tr("Player"),      tr("Date"),
                                 tr("Time"),  tr("Game number"), tr("Result")};
    table_->setColumnCount(static_cast<int>(headers.size()));
    table_->setHorizontalHeaderLabels(headers);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->horizontalHeader()->setStretchLastSection(true);
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(gameChoice_, &QComboBox::currentIndexChanged, this, &HiScoresWindow::Refill);

    auto* choice = new QHBoxLayout;
    choice->addWidget(FieldLabel(tr("&Game:"), gameChoice_, this));
    choice->addWidget(gameChoice_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choice);
    layout->addWidget(table_, 1);
    layout->addWidget(close);
    resize(kWidth, kHeight);
    Refill();
}

void HiScoresWindow::Refill() {
    table_->setRowCount(0);
    if (gameChoice_->currentIndex() < 0) return;
    MessageBoxes messages(this);
    for (const HiScoreLine& line :
         ReadHiScores(dataDir_, gameChoice_->currentData().toInt(), messages)) {
        const int r = table_->rowCount();
        table_->insertRow(r);
        const QStringList cells = {
            QString::number(line.score),
            Q(line.player),
            ShownDate(line.date) + " " + Q(line.timeOfDay),
            Q(FormatSeconds(static_cast<int>(line.seconds))),
            Q(line.gameNumber),
            line.won ? tr("Won") : tr("Lost"),
        };
        for (int c = 0; c < static_cast<int>(cells.size()); ++c)
            table_->setItem(r, c, new QTableWidgetItem(cells[c]));
    }
    table_->resizeColumnsToContents();
}

} // namespace tablamor::ui
