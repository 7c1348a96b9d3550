#pragma once
// The statistics window: the rows of CollectStatistics in a table, with a game and a player
// filter. "Reset" asks first, then sets the records of the rows shown back to zero through the
// records library (the game log keeps its lines, so times and best scores stay).
#include "records/messages.h"
#include "ui/statistics_rows.h"

#include <QDialog>

class QComboBox;
class QPushButton;
class QTableWidget;

namespace tablamor::ui {

class StatisticsWindow : public QDialog {
    Q_OBJECT
public:
    StatisticsWindow(std::filesystem::path dataDir, std::vector<StatisticsGame> games,
                     std::vector<std::string> players, const StatisticsFilter& initial,
                     QWidget* parent = nullptr);

    QTableWidget* Table() const { return table_; }
    QComboBox* GameFilter() const { return gameFilter_; }
    QComboBox* PlayerFilter() const { return playerFilter_; }
    QPushButton* ResetButton() const { return reset_; }
    // Re-reads the records for the filters' choice.
    void Refill();

private:
    std::filesystem::path dataDir_;
    std::vector<StatisticsGame> games_;
    std::vector<std::string> players_;
    std::vector<StatisticsRow> rows_;
    QComboBox* gameFilter_ = nullptr;
    QComboBox* playerFilter_ = nullptr;
    QTableWidget* table_ = nullptr;
    QPushButton* reset_ = nullptr;

    StatisticsFilter Filter() const;
    void AskAndReset();
};

} // namespace tablamor::ui
