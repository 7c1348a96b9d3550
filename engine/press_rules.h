#pragma once
// What a press on the table does, decided without pixels: the window hit-tests the pointer into a
// pile and a card and asks here. The decisions only read the state; PressLeft (engine/pointer.h)
// carries them out, and the move generator lists the presses that would do something.
//
// A left press on a tableau card turns a face-down top card, lifts a top card or a built run, or
// in the golf, peaks and pyramid families discards or selects it; a reserve card, a foundation
// card (as the game allows) or the waste's top card is lifted; the stock press deals in the order
// the game's parameters set. In the pairing games a press on a tableau card toggles it in the
// selection, which the first foundation holds.
#include "engine/action.h"
#include "engine/events.h"
#include "engine/game_state.h"

#include <optional>
#include <string_view>

namespace tablamor {

inline constexpr std::string_view kFillGapsFirstText = "Before deal, fill any gaps in the tableau";

enum class PressKind {
    Nothing,     // the press does nothing
    Beep,        // refused with the system beep
    Message,     // refused with a message
    TurnFaceUp,  // the face-down top card is turned face up
    Lift,        // the card, and the cards above it, are lifted for a drag
    Discard,     // golf and peaks: the card goes at once to the third stock-group pile
    ToggleSum,   // pyramid family: the card joins or leaves the selection (two cards to 13 or 14)
    TogglePair,  // pairing games: the card joins or leaves the selection
    StockAction, // a stock action
};

struct PressDecision {
    PressKind kind = PressKind::Nothing;
    Card card = kNoCard;
    int liftCount = 0;                           // Lift: the card and the cards above it
    Card runTop = kNoCard;                       // Lift: the top card of what is lifted
    ActionKind action = ActionKind::DealToWaste; // StockAction
    int repeat = 1; // StockAction: how many times the action is carried out
    std::string_view message;
};

// The left press on `card` (kNoCard for an empty place) of `pile`. A card that `pile` does not
// hold decides nothing.
PressDecision DecideLeftPress(const GameState& state, PileIndex pile, Card card, EventSink& sink);

// Whether a press on a face-up tableau card under the top card does nothing but lift the built
// run from it (the games that discard, select or pair cards decide otherwise): a card under one
// that starts no built run then starts none either.
bool TableauPressLiftsRuns(const GameState& state);

// Whether the window's hit test can answer with card k (0 = bottom) of the pile: any card of a
// fanned tableau pile or reserve, only the top card of a squared one, of a foundation and of the
// stock group; nothing in the one-row tableau, and never a gap.
bool PressReaches(const GameState& state, PileIndex pile, int k);

// The card is the top card of some tableau pile or reserve of the game.
bool IsExposedCard(const GameState& state, Card card);
// The card is the top card of some tableau pile of the game.
bool IsTopOfTableau(const GameState& state, Card card);
// Pyramid: no card of the next row covers it (the row after holds gaps or nothing where the two
// covering cards would lie), or every later row is empty.
bool PyramidCardFree(const GameState& state, Card card);

// The right button shows a face-up tableau card whole, and a face-up reserve card of a fanned
// reserve; any other right or middle press beeps (pairing games: nothing).
bool MayPeek(const GameState& state, PileIndex pile, Card card);

// The double-click sends the waste's top card, a face-up tableau top card or a reserve's top card.
bool QualifiesForSend(const GameState& state, PileIndex pile, Card card);

// Where a lifted card goes back: the first of the waste, tableau piles, foundations, reserves that
// holds it, and whether it is that pile's top card (else the run from it flies back).
struct ReturnPlace {
    PileIndex pile = -1;
    bool top = true;
};
std::optional<ReturnPlace> ReturnDraggedCard(const GameState& state, Card card);

} // namespace tablamor
