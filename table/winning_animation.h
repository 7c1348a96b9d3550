#pragma once
// The card shower after a won game, drawn face up on the table picture and shown on the window.
//
// Kind 1 scatters cards at random over the window (each placed so that up to half a card may
// hang off the top or left), a frame every 15 cards. Kind 2 lays overlapping rows from 20 px
// left of the window and the table's top, each card a 5.8th of a card width right of the one
// before, a frame every 20 cards; a row past the right edge ends with a 700 ms pause and the next
// starts 35 px lower, a third (after an odd number of rows) or a quarter (after an even number)
// of a card left of the window. A row that would reach the bottom starts a new pass near the
// top, each pass 35 px lower than the one before.
//
// How many cards and how long each frame waits depend on the card size. Stop() ends it at the
// next frame; the cards drawn so far stay on the table picture until the table is repainted.
#include "table/animation.h"
#include "table/table_canvas.h"

#include <random>

namespace tablamor::table {

struct WinningTiming {
    int cards = 0;
    int waitMs = 0;
};

// The card count and frame wait of kind 1 or 2 for a card size.
WinningTiming WinningTimingFor(int kind, layout::CardSizeLetter size);

inline constexpr int kRowStep = 35;
inline constexpr int kRowPauseMs = 700;

class WinningAnimation : public Animation {
public:
    // `tableTop`: the bottom of the visible toolbar, 5 when none is shown. `window`: the window's
    // size. `random` must outlive the animation.
    WinningAnimation(TableCanvas& canvas, int kind, std::mt19937& random, int tableTop,
                     QSize window);

    Frame Step() override;
    int CardsDrawn() const { return drawn_; }

private:
    TableCanvas& canvas_;
    int kind_;
    std::mt19937& random_;
    int tableTop_;
    QSize window_;
    WinningTiming timing_;
    int drawn_ = 0;
    // Kind 2: where the next card goes, rows laid so far and passes started.
    QPoint next_;
    int rows_ = 0;
    int passes_ = 0;

    int Random(int below);
    int RandomCard();
    Frame Scatter();
    Frame LayRows();
};

} // namespace tablamor::table
