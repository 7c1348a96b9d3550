#pragma once
// The card faces: corner indices, pips in the traditional layouts, aces, court pictures, for
// each card size and card set. A face file holds one suit in a grid of 5 x 3 cards of exactly
// the card size, ace to king row by row; the last two cells are filled with the table green.
#include "table/card_art/suit_shapes.h"
#include "table/resource_names.h"

#include <QImage>
#include <QRect>

namespace tablamor::art {

// Set 1 is the default, with pictured court cards; set 3 is plainer and of higher contrast:
// larger indices, pure colours, court cards shown by their letter.
enum class FaceSet { Classic = 1, Plain = 3 };

// Paints the face of `rank` (1..13) of `suit` into `cell` of `image`, which has the card size.
void PaintFace(QImage& image, const QRect& cell, const CardSize& size, FaceSet set, Suit suit,
               int rank);

// The whole face file of one suit.
QImage FaceFile(const CardSize& size, FaceSet set, Suit suit);

// The cell of rank 1..13 in a face file.
QRect FaceCell(const CardSize& size, int rank);

} // namespace tablamor::art
