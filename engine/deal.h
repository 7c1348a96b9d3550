#pragma once
// Dealing a game: the deal array of the game number is laid out on the piles (foundation start
// cards, the third pile's card, stock, waste, tableau, third pile, reserves), then the after-deal
// steps run in a fixed order (a card to foundation 1 fixing every base, the tableau empty-fill
// codes below the base, one more card to foundation 1, the aces of special code 11, the gathering
// of tableau cards to the foundations, kings to the bottom, the hearts court of special code 22)
// and the score is set.
//
// The caller has emptied the piles and put back the saved parameters. A definition the deal
// cannot satisfy (a card count it has no procedure for, more cards asked for than are left, a
// start card that is not among the cards left) is refused: a message goes to the sink and the
// state is left exactly as it was.
#include "engine/events.h"
#include "engine/game_number.h"
#include "engine/game_state.h"

namespace tablamor {

// True when the table is dealt. Sets state.number.
[[nodiscard]] bool DealGame(GameState& state, const GameNumber& number, EventSink& sink);

// A fresh deal put in play: the per-deal state reset (ResetForDeal), the table dealt, the deal
// active. False, with the state unchanged, when the deal is refused (the sink hears why).
[[nodiscard]] bool DealForPlay(GameState& state, const GameNumber& number, EventSink& sink);

// Offers a card to the foundations during the deal: to every foundation of the game in order
// (foundation -1) or to the one given (0-based). A foundation that takes it (by its own rule,
// wrapping, with the first foundation's base as the stop rank) receives it face up from wherever
// it lay, and the score grows by one card.
[[nodiscard]] bool TryPutOnFoundation(GameState& state, Card card, int foundation, EventSink& sink);

} // namespace tablamor
