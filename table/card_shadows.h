#pragma once
// The shadow of a card or run in the air, drawn on the window beside the picture that is being
// dragged or slid (only while the Cards_Shadowed preference is on).
//
// A single card gets the two shadow strips: the vertical one at its right edge from 7 px below
// its top, the horizontal one along its bottom edge from 8 px right of its left, and two black
// pixels that round off its bottom-right corner. A run taller than one card gets a dithered
// shadow instead: every second pixel of a 7-px band along its right edge (from 7 px below the
// top) and its bottom edge (from 8 px right of the left), checkered by screen position.
#include "table/image_set.h"

#include <QImage>
#include <QRect>
#include <QRegion>

namespace tablamor::table {

inline constexpr int kShadowDepth = 7; // width of the shadow band
inline constexpr int kShadowDrop = 7;  // the right band starts this far below the top
inline constexpr int kShadowShift = 8; // the bottom band starts this far right of the left

// The area a shadow of a card or run at `rect` covers (outside the card, but for the two corner
// pixels of a single card).
QRegion ShadowRegion(const QRect& rect, bool run);

// Draws the shadow of `rect` onto `window`, clipped to it.
void DrawCardShadow(QImage& window, const QRect& rect, bool run, const ImageSet& images);

} // namespace tablamor::table
