#pragma once
// The preferences the painter reads, taken from the settings record once and passed around as a
// plain value. Yes/no fields follow the record's reading: Cards_Shadowed and Piles_TT are on
// unless "N"; Background_def, Fade_Background and Winning_Animation only when "Y".
#include "records/settings.h"
#include "table/layout/layout_input.h"

#include <cstdint>

namespace tablamor::table {

// The default card animation delay in milliseconds (preference Speed_Move_Card).
inline constexpr int kDefaultMoveDelay = 10;

struct PaintPreferences {
    bool defaultBackground = false;      // Background_def
    std::int64_t backgroundColour = 0;   // Background_Col (a colour value, see background.h)
    int backgroundPicture = 0;           // Background_bmp
    std::int64_t fixedColour = 32768;    // Background_Fixed_Col
    bool fadeBackground = true;          // Fade_Background
    bool cardsShadowed = true;           // Cards_Shadowed
    bool untidyTableau = false;          // Piles_TT
    bool cardsAnimate = true;            // Cards_Animate
    int moveDelayMs = kDefaultMoveDelay; // Speed_Move_Card
    bool winningAnimation = true;        // Winning_Animation
    // Display facts: a screen of 256 colours or fewer drops the fade and the darker green.
    bool lowColourScreen = false;
    bool scrollBarVisible = false; // the main window's vertical scroll bar

    // The room a card's shadow takes: 9 px when shadows are on, else 0.
    int ShadowAllowance() const { return cardsShadowed ? layout::kShadowAllowance : 0; }
};

PaintPreferences PaintPreferencesFrom(const Settings& settings);

} // namespace tablamor::table
