#pragma once
// What the table layout needs to know about the window and the screen, filled in by the main
// window (or by a tool that pretends to be one).
#include "table/layout/card_size.h"

namespace tablamor::layout {

inline constexpr int kScrollBarWidth = 13;   // the main window's vertical scroll bar
inline constexpr int kNoToolbarTableTop = 5; // table top when no toolbar is shown
inline constexpr int kShadowAllowance = 9;   // room a card's shadow takes when shadows are on
// Table top below the large flat toolbar, as the main window lays itself out; the tools that
// stand in for the window take it.
inline constexpr int kLargeToolbarTableTop = 46;

struct LayoutInput {
    int tableTop = kNoToolbarTableTop; // bottom edge of the visible toolbar
    int tableBottom = 0;               // client height - 1
    int windowWidth = 0;               // the main window's outer width
    int windowHeight = 0;              // the main window's outer height
    int scrollBarWidth = kScrollBarWidth;
    int screenWidth = 0;
    int screenHeight = 0;
    CardSizeLetter cardSize = CardSizeLetter::Big;
    // "Fit to window": the card size follows the table (FitToWindow); cardSize is not read.
    bool fitToWindow = false;
    bool cardsShadowed = true;
    int scrollPosition = 0; // the scroll bar's position, read after the layout
};

} // namespace tablamor::layout
