#pragma once
// One picture of all the artwork, for a person to review at a glance: every face file, back,
// background (tiled 2 x 2 to show its seams), mark, shadow and stock edge in use on the table,
// cursor, tree, rating, counter and toolbar picture, the start-up pictures and the previews.
#include "tools/artgen/artwork.h"

#include <QImage>

namespace tablamor::art {

QImage ContactSheet(const Artwork& art);

} // namespace tablamor::art
