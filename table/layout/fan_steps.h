#pragma once
// Fan styles and fan steps: how far each card of a pile lies from the one below it. The steps are
// chosen once per game set-up from the card size and the game's fan styles; a step whose style
// the game does not use stays 0, so that fan styles sharing a step (7 with 1) follow the game.
#include "engine/fan_style.h"
#include "engine/params.h"
#include "table/layout/card_size.h"

namespace tablamor::layout {

// The gap between neighbouring cards of a pile fanned side by side (style 4), at every size.
inline constexpr int kSideBySideGap = 6;

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
