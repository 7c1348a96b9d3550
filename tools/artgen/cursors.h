#pragma once
// The ten mouse cursors, 32 x 32 with alpha: the idle forms (arrows, an open hand, a pointing
// hand, a cross) and the forms shown while a card is dragged (the same, gripping a small card).
// The hot spot is written into the picture as the texts "HotspotX" and "HotspotY".
#include "table/resource_names.h"

#include <QImage>

namespace tablamor::art {

// `scale` times the cursor size, for screens of a higher device pixel ratio; the hot spot texts
// stay in the ordinary size's pixels.
QImage CursorImage(const CursorPicture& cursor, int scale = 1);

} // namespace tablamor::art
