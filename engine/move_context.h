#pragma once
// What the rules know about a move: the card moved and how it is carried (alone, or as a run with
// its top card). It is decided where the move is (the pointer's lift and drop, a send, a fill, the
// move generator, the solver's moves) and handed to the placement rules that judge the move;
// nothing of it outlives the move.
#include "engine/cards.h"

namespace tablamor {

struct MoveContext {
    Card card = kNoCard;    // the card moved; for a run, its lowest card
    Card runTop = kNoCard;  // top card of the lifted run; kNoCard for a card sent or filled alone
    bool singleCard = true; // exactly one card is carried

    // A card moved on its own, as sends, fills and autoplay move it.
    static constexpr MoveContext Alone(Card card) { return MoveContext{card, kNoCard, true}; }

    bool operator==(const MoveContext&) const = default;
};

} // namespace tablamor
