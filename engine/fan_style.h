#pragma once
// FanStyle: how each card of a tableau, foundation or reserve pile lies from the one below it (game
// parameters TableauFan, FoundationFan, ReserveFan). The rules read it for what a press reaches
// and where a discarded card leaves a gap, the layout for where each card is drawn. Codes not
// listed put every card on one spot.
#include "engine/params.h"
#include "engine/piles.h"

#include <cstdint>

namespace tablamor {

enum class FanStyle : std::int16_t {
    None = 0,
    Vertical = 1,        // down, by the card's face (tableau steps)
    Horizontal = 2,      // right, by the card's face
    WholePile = 3,       // one spot; the pile is taken by its top card
    SideBySide = 4,      // right by a card width and a gap, no overlap; a discard leaves a gap
    FixedVertical = 5,   // down by a fixed step (reserves only)
    HorizontalEven = 6,  // right by one step whatever the face (tableau only)
    SecondCardLower = 7, // every card but the bottom one a step lower
    OneSpot = 8,         // one spot; nothing to press in the pile, and it takes no drops
};

// The parameter value of a style.
constexpr std::int16_t FanCode(FanStyle style) {
    return static_cast<std::int16_t>(style);
}

// The fan style of a group's piles; None for the stock group.
FanStyle FanStyleOf(const GameParams& params, PileKind kind);
inline FanStyle FanStyleOf(const GameParams& params, PileIndex pile) {
    return FanStyleOf(params, KindOfPile(pile));
}

} // namespace tablamor
