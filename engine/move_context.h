#pragma once
// What the rules know about a move besides its card (for a run, the run's lowest card): whether
// the card is carried alone and, for a lifted run, its top card. It is decided where the move is
// (the pointer's lift and drop, a send, a fill, the move generator, the solver's moves) and
// handed to the placement rules that judge the move; nothing of it outlives the move.
#include "engine/cards.h"

namespace tablamor {

struct MoveContext {
    Card runTop = kNoCard;  // top card of the lifted run; kNoCard for a card sent or filled alone
    bool singleCard = true; // exactly one card is carried

    bool operator==(const MoveContext&) const = default;
};

// A card moved on its own, as sends, fills and autoplay move it.
inline constexpr MoveContext kCardAlone{};

} // namespace tablamor
