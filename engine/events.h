#pragma once
// The engine's one way out: a sink of events. The engine changes its state at once and reports
// what happened; the window plays the motion, the sounds and the messages. The default sink does
// nothing, so tests and the command-line tool run the engine without a window.
#include "engine/cards.h"
#include "engine/piles.h"

#include <string_view>

namespace tablamor {

class EventSink {
public:
    virtual ~EventSink() = default;

    // `count` cards left `from` (its top cards) and now lie on top of `to`.
    virtual void CardsMoved(PileIndex /*from*/, PileIndex /*to*/, int /*count*/) {}
    // A card was turned face up or face down where it lies.
    virtual void CardTurned(Card /*card*/, bool /*faceUp*/) {}
    // A sound by name ("Tableau", "Stock", "Won" ...); `switchPosition` is the settings position
    // of its on/off switch, 0 when it has none.
    virtual void Sound(std::string_view /*name*/, int /*switchPosition*/) {}
    // The refusal of a player action: the system beep, no message.
    virtual void Beep() {}
    // A message box with one OK button.
    virtual void Message(std::string_view /*text*/) {}
    // The card counter's notices: a card left the stock or the tableau (it is "seen").
    virtual void CardCounterNotice(Card /*card*/, int /*notice*/) {}
    // The table changed in a way that needs a repaint.
    virtual void Repaint() {}
    // Undo and redo became available or not.
    virtual void UndoControlsEnabled(bool /*undo*/, bool /*redo*/) {}

    // The game lifecycle's window work. A game was set up: the card set for narrow screens, the
    // card images, the pile positions and the layout, the autoplay controls.
    virtual void GameSetUp() {}
    // A deal lies on the table: card counter, table painting or the deal animation, score and
    // clock labels, then the cursor back and the pause and quit commands enabled.
    virtual void DealReady() {}
    // The main window's caption changed.
    virtual void TitleChanged(std::string_view /*title*/) {}
};

// A sink that ignores everything.
EventSink& NullEventSink();

} // namespace tablamor
