#pragma once
// Internal to PerformAction: the families of actions it dispatches to (engine/actions.cpp,
// engine/stock_actions.cpp, engine/pairing_actions.cpp) and the card move they share. Each
// returns true when something moved.
#include "engine/action.h"
#include "engine/events.h"
#include "engine/game_state.h"

namespace tablamor::act {

// Takes the card out of the pile that holds it (the search order of Table::RemoveCard) and puts
// it face up on top of `to`, telling the sink and the card counter.
[[nodiscard]] bool MoveCard(GameState& state, Card card, PileIndex to, EventSink& sink);
// The same with the card's place in its pile kept as a gap.
[[nodiscard]] bool MoveCardLeavingGap(GameState& state, Card card, PileIndex to, EventSink& sink);

// The won flag from the table.
void NoteWon(GameState& state);

// A pass through the stock is left (StockPasses, -1 unlimited).
bool PassesLeft(const GameState& state);

// A press on the stock (DealToWaste, DealToThirdPile): passes, the pressed stock, the redeal,
// then the deal of up to the game's count of cards.
[[nodiscard]] bool StockPress(GameState& state, ActionKind kind, EventSink& sink);
// AddTableaus, AddReserves, FillTableaus, AddTableausLast.
[[nodiscard]] bool DealFromStock(GameState& state, ActionKind kind, EventSink& sink);

// RedealTableaus: the tableau gathered and dealt again (special codes 28 and 29).
[[nodiscard]] bool RedealTableaus(GameState& state, EventSink& sink);

// DiscardSelection, RefillAfterPairing, CloseGaps.
[[nodiscard]] bool DiscardSelection(GameState& state, EventSink& sink);
[[nodiscard]] bool RefillAfterPairing(GameState& state, EventSink& sink);
[[nodiscard]] bool CloseGaps(GameState& state, EventSink& sink);

} // namespace tablamor::act
