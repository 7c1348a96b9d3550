#pragma once
// The table's door to the card drawing the artwork files are made with: card pictures at any
// size, drawn at run time. The fonts are read once, at the first call that needs them; when they
// cannot be read, FontsReady() is false and the faces cannot be drawn.
#include "table/layout/card_size.h"

#include <QImage>

namespace tablamor::table {

bool FontsReady();

// Face of card code 1..52 of card set `cardSet` (1 or 3).
QImage DrawFace(layout::CardSize card, int cardSet, int code);
QImage DrawBack(layout::CardSize card, int back);
// Mark 1..22, with alpha.
QImage DrawMark(layout::CardSize card, int mark);
// Shadow (`edge` false) or stock edge strip 1 or 2, in their key colours as the files have them.
QImage DrawStrip(layout::CardSize card, bool edge, int which);

} // namespace tablamor::table
