#pragma once
// The small window after a won game (after its winning animation): the time, the score, the
// moves, the player's record for this game, and three ways on: "New game", "Play this number
// again" and "Choose another game". Closing it leaves the finished table as it is.
#include "records/statistics.h"

#include <QDialog>

#include <optional>

class QLabel;
class QPushButton;

namespace tablamor::ui {

struct WinSummary {
    QString game;
    QString number;
    int seconds = 0;
    int score = 0;
    int moves = 0;
    std::optional<GameStatistics> record; // the player's, this game included
};

enum class WinChoice { None, NewGame, SameNumber, ChooseGame };

class WinSummaryDialog : public QDialog {
    Q_OBJECT
public:
    explicit WinSummaryDialog(const WinSummary& summary, QWidget* parent = nullptr);

    WinChoice Choice() const { return choice_; }
    QLabel* Facts() const { return facts_; }
    QPushButton* Button(WinChoice choice) const;

private:
    WinChoice choice_ = WinChoice::None;
    QLabel* facts_ = nullptr;
    QPushButton* newGame_ = nullptr;
    QPushButton* sameNumber_ = nullptr;
    QPushButton* chooseGame_ = nullptr;
};

} // namespace tablamor::ui
