#pragma once
// The solver at the player's side. Hint shows the first move of a winning line from the table as
// it is: the cards to lift outlined, the pile they go to marked, and the move in words on the
// status line, until the next action; asked again on the same table it shows the next candidate.
// When no winning line is found it says so plainly and marks a legal move if there is one.
// "Can this deal be won?" searches with a progress line and Cancel and gives one of three
// answers. Both search in the background (BackgroundSearch) and any move stops them; a result
// for a table that is no longer shown is dropped. With "Winnable_Status" on, the answer is
// worked out again after every move.
#include "engine/hint.h"
#include "table/table_marks.h"
#include "ui/background_search.h"
#include "ui/status_bar_loan.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

class QLabel;
class QPushButton;
class QStatusBar;
class QTimer;

namespace tablamor::table {
class TableView;
}

namespace tablamor::ui {

class PlayController;

class HintController : public QObject {
    Q_OBJECT
public:
    HintController(PlayController& play, table::TableView& view, QStatusBar& bar,
                   QObject* parent = nullptr);
    ~HintController() override;

    void ShowHint();
    void CheckWinnable();
    void Cancel();
    // The answer after every move, on the status line (off unless asked for).
    void SetContinuous(bool on);
    bool Continuous() const { return continuous_; }

    bool Searching() const { return search_.Running(); }
    QString Line() const;
    // The move shown last (none once the next action took it away).
    std::optional<Command> ShownHint() const {
        return shown_.empty() ? std::nullopt : std::optional(shown_.back());
    }

    // The texts of the answers.
    static QString WinnableText(SolveOutcome outcome, long long positions);

signals:
    // A hint or an answer is on show (tests wait for it).
    void Answered();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    PlayController& play_;
    table::TableView& view_;
    QStatusBar& bar_;
    BackgroundSearch search_;
    StatusBarLoan loan_;
    HintFinder finder_; // used by the worker only, one search at a time
    QLabel* line_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QTimer* progress_ = nullptr;
    bool continuous_ = false;
    bool hintSearch_ = false; // the running search is a hint's
    bool hintShown_ = false;  // a hint's marks and words are on show
    // The table the hints and the answer belong to, and the hints shown on it.
    std::uint64_t key_ = 0;
    std::vector<Command> shown_;

    std::uint64_t CurrentKey() const;
    bool Playable() const;
    void TableMayHaveChanged();
    void ClearHint();
    void Say(const QString& text, bool cancellable);
    void ShowFound(const Hint& hint, bool restarted);
    void StartWinnableSearch(bool quiet);
    std::vector<table::TableMark> MarksFor(const Command& command) const;
    PileIndex TargetOf(const Command& command) const;
    QString Describe(const Command& command) const;
};

} // namespace tablamor::ui
