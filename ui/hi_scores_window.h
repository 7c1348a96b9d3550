#pragma once
// The hi-scores window: the twenty best results of a game, read from the hi-score file through
// the records library, with the player, the date, the playing time and the game number. A combo
// box chooses the game.
#include "ui/statistics_rows.h"

#include <QDialog>

class QComboBox;
class QTableWidget;

namespace tablamor::ui {

class HiScoresWindow : public QDialog {
    Q_OBJECT
public:
    HiScoresWindow(std::filesystem::path dataDir, std::vector<StatisticsGame> games,
                   int initialGameId, QWidget* parent = nullptr);

    QTableWidget* Table() const { return table_; }
    QComboBox* GameChoice() const { return gameChoice_; }

private:
    std::filesystem::path dataDir_;
    QComboBox* gameChoice_ = nullptr;
    QTableWidget* table_ = nullptr;

    void Refill();
};

} // namespace tablamor::ui
