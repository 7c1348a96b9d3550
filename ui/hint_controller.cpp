#include "ui/hint_controller.h"

#include "engine/placed_piles.h"
#include "ui/play_controller.h"
#include "ui/spoken_names.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>

namespace tablamor::ui {
namespace {

// "Can this deal be won?" searches further than a hint, still well under 100 MB.
constexpr long long kWinnableNodes = 2'000'000;
constexpr long long kWinnableTimeMs = 120'000;
constexpr std::size_t kWinnableMemory = std::size_t{96} << 20;
// The progress line is brought up to date this often.
constexpr int kProgressIntervalMs = 250;

SolveBudget WinnableBudget(SolveWatch& watch) {
    SolveBudget budget{kWinnableNodes, kWinnableTimeMs, kWinnableMemory};
    budget.watch = &watch;
    return budget;
}

QRect ToQRect(const Rect& r) {
    return QRect(r.x, r.y, r.width, r.height);
}

} // namespace

HintController::HintController(PlayController& play, table::TableView& view, QStatusBar& bar,
                               QObject* parent)
    : QObject(parent), play_(play), view_(view), bar_(bar), search_(*this), loan_(bar),
      line_(new QLabel(&bar)), cancel_(new QPushButton(tr("Cancel"), &bar)),
      progress_(new QTimer(this)) {
    line_->setObjectName("lblSolver");
    line_->setAccessibleName(tr("Solver"));
    cancel_->setObjectName("btnCancelSearch");
    cancel_->setAccessibleName(tr("Cancel the search"));
    cancel_->hide();
    bar_.addPermanentWidget(line_);
    bar_.addPermanentWidget(cancel_);
    connect(cancel_, &QPushButton::clicked, this, &HintController::Cancel);
    progress_->setInterval(kProgressIntervalMs);
    connect(progress_, &QTimer::timeout, this, [this] {
        Say((hintSearch_ ? tr("Looking for a hint... %L1 positions")
                         : tr("Searching... %L1 positions"))
                .arg(search_.Positions()),
            true);
    });
    connect(&play_, &PlayController::ScoreChanged, this, &HintController::TableMayHaveChanged);
    connect(&play_, &PlayController::GameDealt, this, &HintController::TableMayHaveChanged);
    connect(&play_, &PlayController::GameFinished, this, &HintController::TableMayHaveChanged);
    view_.installEventFilter(this);
}

HintController::~HintController() {
    search_.Stop(); // the worker uses the finder
}

bool HintController::Playable() const {
    return play_.SetUp() && play_.InPlay() && !play_.Won();
}

std::uint64_t HintController::CurrentKey() const {
    return play_.SetUp() ? PositionKey(play_.State()) : 0;
}

QString HintController::Line() const {
    return line_->text();
}

void HintController::Say(const QString& text, bool cancellable) {
    if (text.isEmpty()) {
        line_->clear();
        cancel_->hide();
        loan_.Give();
        return;
    }
    loan_.Take();
    line_->setText(text);
    cancel_->setVisible(cancellable);
}

void HintController::ShowHint() {
    if (play_.Animating()) return; // the key is swallowed with the motion
    if (!Playable()) {
        Say(tr("There is no game in play to give a hint for."), false);
        return;
    }
    const std::uint64_t key = CurrentKey();
    if (key != key_) {
        shown_.clear();
        key_ = key;
    }
    if (search_.Running() && hintSearch_) return; // the hint asked for is on its way
    ClearHint();
    const GameState state = play_.State();
    const PlacedPiles geometry = PlacedPiles::From(play_.Geometry());
    const std::vector<Command> shown = shown_;
    Say(tr("Looking for a hint..."), true);
    progress_->start();
    hintSearch_ = true;
    search_.Start([this, state, geometry, shown](SolveWatch& watch) -> std::function<void()> {
        Hint hint = finder_.Find(state, geometry, HintBudget(&watch), shown);
        // Every move has been shown: round again from the first.
        const bool restarted = hint.kind == HintKind::None && !shown.empty();
        if (restarted) hint = finder_.Find(state, geometry, HintBudget(&watch));
        return [this, hint, restarted] { ShowFound(hint, restarted); };
    });
}

void HintController::ShowFound(const Hint& hint, bool restarted) {
    progress_->stop();
    if (restarted) shown_.clear();
    if (hint.kind == HintKind::None) {
        Say(hint.verdict == SolveOutcome::Lost
                ? tr("This game can no longer be won, and no move is possible.")
                : tr("No move is possible."),
            false);
        emit Answered();
        return;
    }
    shown_.push_back(hint.command);
    view_.SetMarks(table::MarkLayer::Hint, MarksFor(hint.command));
    hintShown_ = true;
    play_.Play().NoteHint();
    const QString move = Describe(hint.command);
    if (hint.kind == HintKind::Winning)
        Say(tr("Hint: %1.").arg(move), false);
    else if (hint.verdict == SolveOutcome::Lost)
        Say(tr("No winning line found: this game can no longer be won. A legal move: %1.")
                .arg(move),
            false);
    else
        Say(tr("No winning line found within %L1 positions. A legal move: %2.")
                .arg(kHintNodes)
                .arg(move),
            false);
    emit Answered();
}

QString HintController::WinnableText(SolveOutcome outcome, long long positions) {
    switch (outcome) {
    case SolveOutcome::Won:
        return tr("This game can still be won");
    case SolveOutcome::Lost:
        return tr("This game can no longer be won");
    case SolveOutcome::Unknown:
        break;
    }
    return tr("Not decided within %L1 positions").arg(positions);
}

void HintController::CheckWinnable() {
    if (play_.Animating()) return;
    if (!Playable()) {
        Say(tr("There is no game in play to judge."), false);
        return;
    }
    StartWinnableSearch(false);
}

void HintController::StartWinnableSearch(bool quiet) {
    key_ = CurrentKey();
    const GameState state = play_.State();
    const PlacedPiles geometry = PlacedPiles::From(play_.Geometry());
    if (!quiet) Say(tr("Searching... %L1 positions").arg(0), true);
    progress_->start();
    hintSearch_ = false;
    search_.Start([this, state, geometry, quiet](SolveWatch& watch) -> std::function<void()> {
        const SolveBudget budget = quiet ? HintBudget(&watch) : WinnableBudget(watch);
        // Through the hint finder, so that a winning line found here serves the next hint.
        const Hint hint = finder_.Find(state, geometry, budget);
        const SolveOutcome outcome =
            hint.kind == HintKind::Winning ? SolveOutcome::Won : hint.verdict;
        const long long positions = watch.positions;
        return [this, outcome, positions] {
            progress_->stop();
            Say(WinnableText(outcome, positions), false);
            emit Answered();
        };
    });
}

void HintController::Cancel() {
    search_.Stop();
    progress_->stop();
    Say({}, false);
}

void HintController::SetContinuous(bool on) {
    continuous_ = on;
    if (on && Playable() && !search_.Running()) StartWinnableSearch(true);
    if (!on && !search_.Running()) Say({}, false);
}

// The hint's marks and its words on the status line go together; an answer of "Can this deal be
// won?" stays.
void HintController::ClearHint() {
    view_.SetMarks(table::MarkLayer::Hint, {});
    if (hintShown_) Say({}, false);
    hintShown_ = false;
}

// Any move (the score signal follows every operation, a deal and the end of a game) stops the
// search of the table before it and takes its hint away.
void HintController::TableMayHaveChanged() {
    const std::uint64_t key = CurrentKey();
    if (key == key_) return;
    key_ = key;
    search_.Stop();
    progress_->stop();
    shown_.clear();
    ClearHint();
    if (continuous_ && Playable())
        StartWinnableSearch(true);
    else
        Say({}, false);
}

// The next press or key on the table takes the hint's marks away.
bool HintController::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &view_ &&
        (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::KeyPress))
        ClearHint();
    return QObject::eventFilter(watched, event);
}

PileIndex HintController::TargetOf(const Command& command) const {
    GameState after = play_.State();
    const PlacedPiles geometry = PlacedPiles::From(play_.Geometry());
    if (!PlayCommand(after, command, false, PlayEnv{geometry, NullEventSink(), NoStepRecord()}))
        return -1;
    for (PileIndex pile = 0; pile < kPileCount; ++pile)
        if (after.table.Find(pile, command.card) >= 0) return pile;
    return -1;
}

std::vector<table::TableMark> HintController::MarksFor(const Command& command) const {
    const layout::TableGeometry& g = play_.Geometry();
    const Table& table = play_.State().table;
    if (command.kind == CommandKind::Stock)
        return {{table::MarkKind::Lift, ToQRect(g.TopCardRect(kStockPile))}};
    std::vector<table::TableMark> marks;
    for (PileIndex pile = 0; pile < kPileCount; ++pile) {
        const int k = table.Find(pile, command.card);
        if (k < 0) continue;
        QRect lift = ToQRect(g.CardRect(pile, k));
        if (command.kind == CommandKind::Drop)
            for (int i = k + 1; i < table.Size(pile); ++i) lift |= ToQRect(g.CardRect(pile, i));
        marks.push_back({table::MarkKind::Lift, lift});
        const PileIndex target = TargetOf(command);
        if (target >= 0 && target != pile)
            marks.push_back({table::MarkKind::Target, ToQRect(g.TopCardRect(target))});
        break;
    }
    return marks;
}

QString HintController::Describe(const Command& command) const {
    const GameState& state = play_.State();
    // A hint tells no more than the table shows: a face-down card is named by its pile.
    const QString card =
        state.table.FaceUp(command.card)
            ? SpokenCard(command.card, state.P(param::kDeckSuits))
            : tr("face-down card of %1").arg(SpokenPile(state.table.PileOf(command.card)));
    switch (command.kind) {
    case CommandKind::Drop:
        return tr("%1 to %2").arg(card, SpokenPile(command.pile));
    case CommandKind::Send: {
        const PileIndex target = TargetOf(command);
        return target >= 0 ? tr("%1 to %2").arg(card, SpokenPile(target))
                           : tr("%1 to a foundation").arg(card);
    }
    case CommandKind::Stock:
        return tr("deal from the stock");
    case CommandKind::Flip:
        return tr("turn over the %1").arg(card);
    case CommandKind::Press:
        break;
    }
    return tr("press the %1").arg(card);
}

} // namespace tablamor::ui
