#pragma once
// Fan styles and fan steps: how far each card of a pile lies from the one below it. The steps are
// chosen once per game set-up from the card size and the game's fan styles; a step whose style
// the game does not use stays 0, so that fan styles sharing a step (7 with 1) follow the game.
#include "engine/params.h"
#include "table/layout/card_size.h"

namespace tablamor::layout {

// Fan style codes of the tableau, foundations and reserves (game parameters TableauFan,
// FoundationFan, ReserveFan). Codes not listed put every card on one spot.
namespace fan {
inline constexpr int kVertical = 1;        // down, by the card's face (tableau steps)
inline constexpr int kHorizontal = 2;      // right, by the card's face
inline constexpr int kWholePile = 3;       // one spot; the pile is taken by its top card
inline constexpr int kSideBySide = 4;      // right by a card width and a gap, no overlap
inline constexpr int kFixedVertical = 5;   // down by a fixed step (reserves only)
inline constexpr int kHorizontalEven = 6;  // right by one step whatever the face (tableau only)
inline constexpr int kSecondCardLower = 7; // every card but the bottom one a step lower
inline constexpr int kOneSpot = 8;         // one spot; nothing to press in the pile
} // namespace fan

struct FanSteps {
    int verticalUp = 0;     // style 1, below a face-up card
    int verticalDown = 0;   // style 1, below a face-down card
    int horizontalUp = 0;   // style 2, beside a face-up card
    int horizontalDown = 0; // style 2, beside a face-down card
    int horizontalEven = 0; // style 6
    int verticalFixed = 0;  // style 5
    int sideGap = 0;        // style 4, between neighbouring cards
    bool operator==(const FanSteps&) const = default;
};

FanSteps ChooseFanSteps(CardSizeLetter size, const GameParams& params);

} // namespace tablamor::layout
