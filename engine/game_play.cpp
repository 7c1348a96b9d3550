#include "engine/game_play.h"

#include "engine/play_flow.h"
#include "engine/press_rules.h"
#include "engine/state_fault.h"

#include <algorithm>
#include <chrono>
#include <utility>

namespace tablamor {

GamePlay::GamePlay(GameState& state, EventSink& sink, const PlayClock& clock)
    : state_(state), sink_(sink), clock_(clock) {}

void GamePlay::SetUndoPolicy(UndoPolicy policy) {
    policy_ = policy;
    sink_.SetUndoControlsEnabled(policy_ != UndoPolicy::Disabled);
}

bool GamePlay::AutoplayAvailable() const {
    return state_.P(param::kAutoplayAvailable) != 0;
}

const PileGeometry& GamePlay::Geometry() const {
    if (geometry_) return *geometry_;
    everyPile_ = PlacedPiles::EveryPileOf(state_);
    return everyPile_;
}

PlayEnv GamePlay::Env() {
    return PlayEnv{Geometry(), sink_, record_};
}

void GamePlay::Begin() {
    const StateCheck check(state_);
    StartClockAfresh();
    AutoPlayStep();
}

void GamePlay::StartClockAfresh() {
    history_.Clear(true);
    drag_ = Drag{};
    ignoreNextPress_ = false;
    start_ = end_ = clock_.Now();
    clockRunning_ = true;
    paused_ = false;
    lastGameWon_ = false;
    hinted_ = false;
    operationStart_ = record_.recorded;
}

void GamePlay::Resume(History history, int elapsedSeconds, bool hinted) {
    StartClockAfresh();
    history_ = std::move(history);
    hinted_ = hinted;
    start_ = end_ - std::chrono::seconds(elapsedSeconds);
}

void GamePlay::RestartClock() {
    if (!clockRunning_) return;
    start_ = end_ = clock_.Now();
}

bool GamePlay::StartOperation() {
    if (!state_.active) return false;
    operationStart_ = record_.recorded;
    return true;
}

bool GamePlay::StartPress() {
    if (!state_.active) return false;
    if (ignoreNextPress_) {
        ignoreNextPress_ = false;
        return false;
    }
    return StartOperation();
}

void GamePlay::FinishRelease() {
    AfterRelease(state_, AutoplayRuns(), record_.recorded > operationStart_, Env());
    EndIfWon();
}

void GamePlay::EndIfWon() {
    if (state_.active && state_.won) EndOfGame();
}

bool GamePlay::PressOnTable(MouseButton button, PileIndex pile, Card card) {
    const StateCheck check(state_);
    if (!StartPress()) return false;
    if (button == MouseButton::Left) {
        const bool happened = PressLeft(state_, drag_, pile, card, Env());
        EndIfWon();
        return happened;
    }
    if (state_.P(param::kPairingSum) != 0) return false;
    if (button == MouseButton::Right && MayPeek(state_, pile, card)) return true;
    sink_.Beep();
    return false;
}

void GamePlay::LeaveStock() {
    const StateCheck check(state_);
    tablamor::LeaveStock(state_, sink_);
}

bool GamePlay::ReleaseOnTable(const std::optional<Rect>& drop) {
    const StateCheck check(state_);
    if (!state_.active) {
        drag_ = Drag{};
        return false;
    }
    const bool moved = ReleaseLeft(state_, drag_, drop, std::nullopt, Env());
    FinishRelease();
    return moved;
}

bool GamePlay::DoubleClickSend(PileIndex pile, Card card) {
    const StateCheck check(state_);
    if (!StartOperation()) return false;
    if (KindOfPile(pile) == PileKind::Stock) {
        ignoreNextPress_ = false;
        return false;
    }
    if (!QualifiesForSend(state_, pile, card)) return false;
    ignoreNextPress_ = true;
    const bool sent = tablamor::DoubleClickSend(state_, pile, card, Env());
    EndIfWon();
    return sent;
}

bool GamePlay::Apply(const Command& command) {
    const StateCheck check(state_);
    if (!StartOperation()) return false;
    drag_ = Drag{};
    const bool done = ApplyCommand(state_, command, Env());
    FinishRelease();
    return done;
}

bool GamePlay::ToggleAutoplay() {
    if (autoplay_) {
        autoplay_ = false;
        return false;
    }
    return RunAutoplay();
}

bool GamePlay::RunAutoplay() {
    const StateCheck check(state_);
    autoplay_ = true;
    if (!StartOperation()) return false;
    bool any = AutoPlayStep();
    while (state_.active) {
        AutoFillEmptyTableaus();
        if (!AutoPlayStep()) break;
        any = true;
    }
    return any;
}

bool GamePlay::AutoPlayStep() {
    const StateCheck check(state_);
    if (!AutoplayRuns() || !state_.active) return false;
    const bool any = tablamor::AutoPlayStep(state_, Env());
    EndIfWon();
    return any;
}

bool GamePlay::AutoFillEmptyTableaus() {
    const StateCheck check(state_);
    if (!state_.active) return false;
    const bool found =
        tablamor::AutoFillEmptyTableaus(state_, Env(), record_.recorded > operationStart_);
    EndIfWon();
    return found;
}

void GamePlay::EndOfGame() {
    if (!state_.active) return;
    const bool won = state_.won;
    SetPaused(false);
    end_ = clock_.Now();
    clockRunning_ = false;
    if (recorder_)
        recorder_->RecordFinishedGame(
            GameResult{won, state_.score, ElapsedSeconds(), end_, state_.number, hinted_});
    hinted_ = false;
    drag_ = Drag{};
    state_.stockPressed = false;
    state_.won = false;
    state_.active = false;
    lastGameWon_ = won;
    sink_.GameEnded(won);
}

void GamePlay::QuitGame() {
    if (!state_.active) return;
    state_.won = false;
    EndOfGame();
    sink_.Repaint();
}

void GamePlay::SetPaused(bool paused) {
    if (paused == paused_ || (paused && !state_.active)) return;
    paused_ = paused;
    if (paused)
        pausedAt_ = clock_.Now();
    else
        start_ += clock_.Now() - pausedAt_;
}

int GamePlay::ElapsedSeconds() const {
    const PlayClock::TimePoint to = !clockRunning_ ? end_ : paused_ ? pausedAt_ : clock_.Now();
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(to - start_).count();
    return static_cast<int>(std::max<decltype(seconds)>(seconds, 0));
}

} // namespace tablamor
