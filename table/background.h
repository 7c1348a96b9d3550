#pragma once
// The table's background, painted into a picture of the table's size: the default green, a
// background picture (tiled from the top-left, or drawn once for numbers above 499), or a plain
// colour that fades to black towards the bottom in 256 bands.
#include "table/paint_preferences.h"

#include <QColor>
#include <QImage>

#include <cstdint>

namespace tablamor::table {

// Background picture numbers above this are drawn once instead of tiled.
inline constexpr int kLastTiledBackground = 499;
inline constexpr int kFadeBands = 256;
// How far the fade reaches below the picture: further while the scroll bar is shown.
inline constexpr int kFadeOverhangWithScrollBar = 80;
inline constexpr int kFadeOverhang = 1;

// A stored colour value: 0x00BBGGRR for a plain colour; a negative value (high bit set) names
// a system colour by its low byte, of which only the button face is known (the palette's
// button colour); other system colours give the palette's window colour.
QColor ColourOfValue(std::int64_t value);

// The plain colour in use: Background_Fixed_Col when it is 1 or more, else Background_Col.
QColor PlainBackgroundColour(const PaintPreferences& prefs);

// Fills `target` with 256 bands from `colour` at the top to black at the bottom, over a height
// of the picture's height plus `overhang`.
void PaintFade(QImage& target, QColor colour, int overhang);

// Paints the background the preferences choose. `picture` is the loaded background picture;
// a null one (never loaded) gives the default green instead.
void PaintBackground(QImage& target, const PaintPreferences& prefs, const QImage& picture);

} // namespace tablamor::table
