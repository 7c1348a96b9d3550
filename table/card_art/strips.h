#pragma once
// The strips drawn beside cards: the shadow of a card in the air and the edge of a thick stock.
//
// Shadows: an opaque checkerboard of black on white (white is the transparent colour), which
// shows the table through every other pixel. The checkerboard's phase is chosen so that the
// two strips meet without a seam where they overlap below the card's corner.
//
// Stock edges (pure blue is the transparent colour): the staggered edges of the cards under the
// top card when a pile rises up and to the left by d pixels; see kBorderDepth for where each
// pixel lands.
#include "table/resource_names.h"

#include <QImage>

namespace tablamor::art {

QImage ShadowStrip(const CardSize& size, int which);
QImage BorderStrip(const CardSize& size, int which);

} // namespace tablamor::art
