#pragma once
// The motion on the table view, played one piece after another: the deal animation first, then a
// slide for every move the engine made (from the pile the cards left to where they now lie), then
// the winning animation of a won game. When the last piece ends the table is painted from the
// game state. The view swallows input while a piece plays. Pieces are only recorded during an
// engine operation; Start() plays them once the operation has returned.
#include "engine/game_state.h"
#include "records/settings.h"
#include "table/table_view.h"

#include <QPoint>

#include <deque>
#include <functional>
#include <optional>
#include <random>

namespace tablamor::ui {

class MotionQueue {
public:
    // What the queue asks of its owner: the clock starts once the deal is shown, the table is
    // painted from the state, a won game's end is told after its animation.
    struct Hooks {
        std::function<void()> dealShown;
        std::function<void()> refresh;
        std::function<void()> won;
    };

    MotionQueue(const Settings& settings, table::TableView& view, const GameState& state,
                std::mt19937& random, Hooks hooks);

    // A move the engine made, with the table as it is now; `start` is where the cards lie when
    // they were dropped, used by the first slide of an operation only.
    void AddSlide(PileIndex from, PileIndex to, int count, std::optional<QPoint> start);
    // Whether the next Start() opens with the deal animation.
    void AnimateDeal(bool on) { dealAnimation_ = on; }
    void AnimateWin() { pendingWin_ = true; }
    // Forgets the recorded slides (undo and redo show the table at once).
    void DropSlides() { slides_.clear(); }
    // Forgets everything recorded (a new deal).
    void Clear();
    // Plays what was recorded.
    void Start();

    // Paints `table` on the canvas with the stock's look of the state.
    void ShowTable(const Table& table);
    // The top-left corner of card `k` of `pile` when the table is `table`.
    QPoint CardTopLeft(const Table& table, PileIndex pile, int k) const;

private:
    struct PendingSlide {
        PileIndex from;
        PileIndex to;
        int count;
        Table after;
        std::optional<QPoint> start;
    };

    const Settings& settings_;
    table::TableView& view_;
    const GameState& state_;
    std::mt19937& random_;
    Hooks hooks_;
    std::deque<PendingSlide> slides_;
    Table display_; // the table without the sliding cards
    bool pendingWin_ = false;
    bool dealAnimation_ = false;

    void PlayNextSlide();
    void FinishWin();
};

} // namespace tablamor::ui
