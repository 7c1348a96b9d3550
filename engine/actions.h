#pragma once
// PerformAction: every change the player or autoplay makes to the table goes through here, by
// card and action (engine/action.h). Legality has been judged by the caller (the drop and send
// rules, the press decisions); here only the opening restriction and the state of the stock are
// checked.
//
//   MoveTo tableau pile    the card (single-card move) or the run from it to the top of its
//                          tableau or reserve pile
//   MoveTo foundation      the card (automatic: autoplay's, with its own sound)
//   MoveTo reserve, waste  the card
//   MoveTo third pile      the card onto the third stock-group pile (golf and peaks)
//   DealToWaste            a stock press dealing to the waste, or the redeal it arms
//   DealToThirdPile        a stock press dealing to the third stock-group pile
//   AddTableaus, AddReserves, FillTableaus, AddTableausLast
//                          one card from the stock to each pile the action names
//   DiscardSelection       the selected cards of a pairing or pyramid game are discarded
//   RefillAfterPairing     empty tableau piles are refilled from the stock after a pairing
//   CloseGaps              the gaps of the tableau are closed up and refilled
//   RedealTableaus         the tableau is gathered and dealt again, a pass through the stock
//
// Every card placed is face up. After any action: the empty-stock mark when the stock just ran
// out, the score, the count of actions done (up to 2), and once, in a game that asks for it, the
// automatic FillTableaus after the first action. The won flag is set from the table after
// every action that moved something. The undo record is the caller's (GamePlay records the table
// as it was before an action that returns true).
#include "engine/action.h"
#include "engine/events.h"
#include "engine/game_state.h"

#include <optional>

namespace tablamor {

// True when something moved. A move onto a pile no card is moved to moves nothing.
[[nodiscard]] bool PerformAction(GameState& state, Card card, Action action, EventSink& sink);

// PlacingAction(target, false, singleCard) carried out: the card (or the run from it) onto a
// foundation, tableau pile, reserve or the waste.
[[nodiscard]] bool PerformMove(GameState& state, Card card, PileIndex target, bool singleCard,
                               EventSink& sink);

// The move that puts a card (or, unless `singleCard`, the run from it) on a foundation, tableau
// pile, reserve or the waste; nullopt for other piles.
std::optional<Action> PlacingAction(PileIndex target, bool automatic, bool singleCard);

// Turns the face-down top card of tableau pile n (0-based) face up. False, changing nothing,
// when the card is not that pile's face-down top card.
[[nodiscard]] bool TurnCardFaceUp(GameState& state, Card card, int n, EventSink& sink);

// Sorts foundation n (0-based) by ascending card code.
void ReorderFoundation(GameState& state, int n, EventSink& sink);

} // namespace tablamor
