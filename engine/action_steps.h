#pragma once
// Internal to PerformAction: the families of actions it dispatches to (engine/actions.cpp,
// engine/stock_actions.cpp, engine/pairing_actions.cpp) and the card move they share. Each
// returns true when something moved.
#include "engine/events.h"
#include "engine/game_state.h"

#include <string_view>

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

// A press on the stock by action name ("Mazzo_Vis", "Mazzo_Waste"): passes, the pressed stock,
// the redeal, then the deal of up to the game's count of cards.
[[nodiscard]] bool StockPress(GameState& state, std::string_view name, EventSink& sink);
// "Add_Tableaus", "Add_Reserves", "Fill_Tableaus", "Add_Tableaus_Last".
[[nodiscard]] bool DealFromStock(GameState& state, std::string_view name, EventSink& sink);

// "Redeal_Tableaus": the tableau gathered and dealt again (special codes 28 and 29).
[[nodiscard]] bool RedealTableaus(GameState& state, EventSink& sink);

// "Selezionate_Dest", "Selezionate_Fila", "Stock_To_Pile_Monte_Carlo".
[[nodiscard]] bool DiscardSelection(GameState& state, EventSink& sink);
[[nodiscard]] bool RefillAfterPairing(GameState& state, EventSink& sink);
[[nodiscard]] bool CloseGaps(GameState& state, EventSink& sink);

} // namespace tablamor::act
