#pragma once
// PerformAction: every change the player or autoplay makes to the table goes through here, by
// card and action name. Legality has been judged by the caller (the drop and send rules, the
// press decisions); here only the opening restriction and the state of the stock are checked.
//
//   "Fila" + n             the card (single-card move) or the run from it to the top of its
//                          tableau or reserve pile, onto tableau pile n
//   "Dest" + n,
//   "Dest_Autoplay" + n    the card onto foundation n
//   "Appogg" + n           the card onto reserve n
//   "Stock02"              the card onto the waste
//   "Waste"                the card onto the third stock-group pile (golf and peaks)
//   "Mazzo_Vis"            a stock press dealing to the waste, or the redeal it arms
//   "Mazzo_Waste"          a stock press dealing to the third stock-group pile
//   "Add_Tableaus", "Add_Reserves", "Fill_Tableaus", "Add_Tableaus_Last"
//                          one card from the stock to each pile the action names
//   "Selezionate_Dest"     the selected cards of a pairing or pyramid game are discarded
//   "Selezionate_Fila"     empty tableau piles are refilled from the stock after a pairing
//   "Stock_To_Pile_Monte_Carlo"  the gaps of the tableau are closed up and refilled
//   "Redeal_Tableaus"      the tableau is gathered and dealt again, a pass through the stock
//
// Every card placed is face up. After any action: the empty-stock mark when the stock just ran
// out, the score, the count of actions done (up to 2), and once, in a game that asks for it, the
// automatic "Fill_Tableaus" after the first action. The won flag is set from the table after
// every action that moved something. The undo record is the caller's (GamePlay records the table
// as it was before an action that returns true).
#include "engine/events.h"
#include "engine/game_state.h"

#include <optional>
#include <string>
#include <string_view>

namespace tablamor {

// True when something moved. Unknown action names move nothing.
[[nodiscard]] bool PerformAction(GameState& state, int card, std::string_view action,
                                 EventSink& sink);

// The action ActionForTarget(target, false) names, carried out without the name: the card (or
// the run the move context lifts) onto a foundation, tableau pile, reserve or the waste.
[[nodiscard]] bool PerformMove(GameState& state, int card, PileIndex target, EventSink& sink);

// The action that puts a card on a target pile: "Fila" + n, "Dest" + n ("Dest_Autoplay" + n
// when automatic), "Appogg" + n, "Stock02" for the waste; nullopt for other piles.
std::optional<std::string> ActionForTarget(PileIndex target, bool automatic);

// Turns the face-down top card of tableau pile n (0-based) face up. False, changing nothing,
// when the card is not that pile's face-down top card.
[[nodiscard]] bool TurnCardFaceUp(GameState& state, int card, int n, EventSink& sink);

// Sorts foundation n (0-based) by ascending card code.
void ReorderFoundation(GameState& state, int n, EventSink& sink);

} // namespace tablamor
