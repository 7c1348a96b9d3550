#pragma once
// Internal to the deal: the refusal that stops a deal, and the after-deal steps that move cards
// already on the table (engine/deal_gather.cpp).
#include "engine/events.h"
#include "engine/game_state.h"

#include <string>

namespace tablamor::deal {

// Thrown by a step that cannot go on; DealGame turns it into a message and leaves the state as
// it was.
struct Refused {
    std::string text;
};

// Special code 11: aces of reserve 1 start foundations 2, 3 ...; the waste's aces go to
// foundation 1 and as many of its other cards refill reserve 1.
void AcesFromReserveAndWaste(GameState& state);
// Foundation 1's start codes 93, 94, 95: the tableau's cards offered to the foundations.
void GatherToFoundations(GameState& state, EventSink& sink);
// Foundation 1's start code 96: the tableau's aces go up, each replaced by the stock's top card.
void AcesUpReplacedFromStock(GameState& state, EventSink& sink);
// Every king after a pile's bottom card moves to the pile's bottom.
void KingsToBottom(GameState& state);
// Special code 22: the king of hearts to the bottom of the stock, the queen onto tableau pile 1.
void HeartsCourtApart(GameState& state);

} // namespace tablamor::deal
