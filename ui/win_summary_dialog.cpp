#include "ui/win_summary_dialog.h"

#include "table/qt_text.h"
#include "ui/statistics_rows.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tablamor::ui {

WinSummaryDialog::WinSummaryDialog(const WinSummary& summary, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("You won!"));
    setObjectName("TfrmWon");
    QString text = tr("<b>%1</b>, number %2<br>Time: %3<br>Score: %4<br>Moves: %5")
                       .arg(summary.game.toHtmlEscaped(), summary.number)
                       .arg(Q(FormatSeconds(summary.seconds)))
                       .arg(summary.score)
                       .arg(summary.moves);
    if (summary.record) {
        const GameStatistics& r = *summary.record;
        text += tr("<br><br>Your record in this game: won %1 of %2, %3 in a row now, "
                   "longest run %4")
                    .arg(r.won)
                    .arg(r.won + r.lost)
                    .arg(r.winningStreak)
                    .arg(r.longestWinningStreak);
    }
    facts_ = new QLabel(text, this);
    facts_->setObjectName("lblFacts");
    newGame_ = new QPushButton(tr("&New game"), this);
    sameNumber_ = new QPushButton(tr("&Play this number again"), this);
    chooseGame_ = new QPushButton(tr("&Choose another game"), this);
    newGame_->setDefault(true);
    const std::pair<QPushButton*, WinChoice> choices[] = {{newGame_, WinChoice::NewGame},
                                                          {sameNumber_, WinChoice::SameNumber},
                                                          {chooseGame_, WinChoice::ChooseGame}};
    auto* buttons = new QHBoxLayout;
    for (auto [button, choice] : choices) {
        buttons->addWidget(button);
        connect(button, &QPushButton::clicked, this, [this, choice = choice] {
            choice_ = choice;
            accept();
        });
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(facts_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QPushButton* WinSummaryDialog::Button(WinChoice choice) const {
    switch (choice) {
    case WinChoice::NewGame:
        return newGame_;
    case WinChoice::SameNumber:
        return sameNumber_;
    case WinChoice::ChooseGame:
        return chooseGame_;
    case WinChoice::None:
        break;
    }
    return nullptr;
}

} // namespace tablamor::ui
