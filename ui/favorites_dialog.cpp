#include "ui/favorites_dialog.h"

#include "records/favorites.h"
#include "table/qt_text.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace tablamor::ui {
namespace {

constexpr int kHeight = 460;

} // namespace

FavoritesDialog::FavoritesDialog(const std::vector<StatisticsGame>& games, IniFile& config,
                                 QWidget* parent)
    : QDialog(parent), config_(config) {
    setWindowTitle(tr("Favorite games"));
    setObjectName("TfrmFavorites");
    const std::vector<int> favorites = ReadFavorites(config_);
    list_ = new QListWidget(this);
    list_->setObjectName("lstFavorites");
    std::vector<StatisticsGame> sorted = games;
    std::sort(sorted.begin(), sorted.end(),
              [](const StatisticsGame& a, const StatisticsGame& b) { return a.name < b.name; });
    for (const StatisticsGame& game : sorted) {
        auto* item = new QListWidgetItem(Q(game.name), list_);
        item->setData(Qt::UserRole, game.id);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        const bool marked =
            std::find(favorites.begin(), favorites.end(), game.id) != favorites.end();
        item->setCheckState(marked ? Qt::Checked : Qt::Unchecked);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &FavoritesDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel(tr("Tick the games to show first in the open-a-game window:"), this));
    layout->addWidget(list_, 1);
    layout->addWidget(buttons);
    resize(sizeHint().width(), kHeight);
}

void FavoritesDialog::accept() {
    // The favorites marked before keep their order; new ones follow.
    std::vector<int> kept;
    std::vector<int> ticked;
    for (int i = 0; i < list_->count(); ++i)
        if (list_->item(i)->checkState() == Qt::Checked)
            ticked.push_back(list_->item(i)->data(Qt::UserRole).toInt());
    for (int id : ReadFavorites(config_))
        if (std::find(ticked.begin(), ticked.end(), id) != ticked.end()) kept.push_back(id);
    for (int id : ticked)
        if (std::find(kept.begin(), kept.end(), id) == kept.end()) kept.push_back(id);
    WriteFavorites(config_, kept);
    QDialog::accept();
}

} // namespace tablamor::ui
