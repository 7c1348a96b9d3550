#pragma once
// "Favorite games...": every game of the list with a tick; OK keeps the ticked ones as the
// favorites (first in the open-a-game dialog), Cancel changes nothing.
#include "records/ini_file.h"
#include "ui/statistics_rows.h"

#include <QDialog>

class QListWidget;

namespace tablamor::ui {

class FavoritesDialog : public QDialog {
    Q_OBJECT
public:
    FavoritesDialog(const std::vector<StatisticsGame>& games, IniFile& config,
                    QWidget* parent = nullptr);

    QListWidget* List() const { return list_; }
    void accept() override;

private:
    IniFile& config_;
    QListWidget* list_ = nullptr;
};

} // namespace tablamor::ui
