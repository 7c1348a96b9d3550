#pragma once
// PerformAction: every change the player or autoplay makes to the table goes through here, by
// card and action name. This is the single place the move executor grows. Today it carries out
// the moves the drop and send-to-foundation rules produce, already judged legal by the caller:
//
//   "Fila" + n             the card (single-card move) or the run from it to the top of its
//                          tableau or reserve pile, onto tableau pile n
//   "Dest" + n,
//   "Dest_Autoplay" + n    the card onto foundation n
//   "Appogg" + n           the card onto reserve n
//   "Stock02"              the card onto the waste
//
// Every card placed is face up. It refuses anything while the opening restriction holds except
// a tableau card going to a foundation, and counts the actions of the deal (up to 2). Still to
// come here: the stock and pairing keywords, the undo record, sounds, the card counter, the score
// and the won test.
#include "engine/events.h"
#include "engine/game_state.h"

#include <optional>
#include <string>
#include <string_view>

namespace tablamor {

// True when something moved. Unknown action names move nothing.
bool PerformAction(GameState& state, int card, std::string_view action, EventSink& sink);

// The action that puts a card on a target pile: "Fila" + n, "Dest" + n ("Dest_Autoplay" + n
// when automatic), "Appogg" + n, "Stock02" for the waste; nullopt for other piles.
std::optional<std::string> ActionForTarget(PileIndex target, bool automatic);

} // namespace tablamor
