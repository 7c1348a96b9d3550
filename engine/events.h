#pragma once
// The engine's one way out: a sink of events. The engine changes its state at once and reports
// what happened; the window plays the motion, the sounds and the messages. The default sink does
// nothing, so tests and the command-line tool run the engine without a window.
#include "engine/cards.h"
#include "engine/piles.h"
#include "engine/sounds.h"

#include <string_view>

namespace tablamor {

// How the stock looks: as usual, pressed down (a redeal is armed), or empty with its mark.
enum class StockLook {
    Normal,
    Pressed,
    Empty,
};

class EventSink {
public:
    virtual ~EventSink() = default;

    // `count` cards left `from` (its top cards) and now lie on top of `to`.
    virtual void CardsMoved(PileIndex /*from*/, PileIndex /*to*/, int /*count*/) {}
    // A card was turned face up or face down where it lies.
    virtual void CardTurned(Card /*card*/, bool /*faceUp*/) {}
    // A sound of play. It plays when the master switch and its own switch are on.
    virtual void Sound(GameSound /*sound*/) {}
    // The waste went back to the stock (`cards` cards). The window animates it, with the looping
    // "Redeal" sound under its switch, when the redeal animation is on.
    virtual void Redealt(int /*cards*/) {}
    // The stock's image changed.
    virtual void StockLookChanged(StockLook /*look*/) {}
    // The refusal of a player action: the system beep, no message.
    virtual void Beep() {}
    // A message box with one OK button.
    virtual void Message(std::string_view /*text*/) {}
    // The card counter: a card left a pile of one kind, a card arrived on a pile of a kind, the
    // stock was refilled by a redeal. The window passes them on while the counter is shown.
    virtual void CardLeft(Card /*card*/, PileKind /*from*/) {}
    virtual void CardArrived(Card /*card*/, PileKind /*to*/) {}
    virtual void StockRefilled() {}
    // A card joined (or left) the selection of a pairing or pyramid game: its highlight.
    virtual void SelectionChanged(Card /*card*/, bool /*selected*/) {}
    // The table changed in a way that needs a repaint.
    virtual void Repaint() {}
    // The undo and redo controls are enabled or disabled together.
    virtual void SetUndoControlsEnabled(bool /*enabled*/) {}
    // The game in play ended (won or not): the clock stopped and the records were written. A won
    // game is followed by the winning animation and the open-a-game dialog.
    virtual void GameEnded(bool /*won*/) {}

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
