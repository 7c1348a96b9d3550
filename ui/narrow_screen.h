#pragma once
// The narrow-screen check made when a game is set up. A game that asks for it (its parameter
// kNarrowScreenMedium is 1) is played on a screen narrower than 650 pixels with the medium cards
// of face set 003 and back 006; the player's own size, face set and back are kept in the settings
// record's saved fields and put back when a later game is set up on a wide screen or does not ask
// for the switch. Plain settings work: the window reloads the pictures and shows the message.
#include "records/settings.h"

#include <string>
#include <string_view>

namespace tablamor::ui {

inline constexpr int kNarrowScreenWidth = 650;

struct NarrowScreenOutcome {
    bool narrow = false;          // the fixed set is in use; the customize dialog is unavailable
    bool switchedNow = false;     // the player's cards were set aside by this check
    bool cardSizeChanged = false; // the size letter differs from before: pictures to reload
};

NarrowScreenOutcome CheckNarrowScreen(Settings& settings, int screenWidth, bool gameWantsMedium);

// "Your video card runs at 640x480 pixels." and the rest, for the game of that name.
std::string NarrowScreenMessage(std::string_view gameName);

} // namespace tablamor::ui
