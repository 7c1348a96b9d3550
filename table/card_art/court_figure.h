#pragma once
// The pictures of the jacks, queens and kings: a half-length figure in a frame, drawn once in
// the upper half and again turned about the centre, as on a traditional double-ended card. The
// king wears a pointed crown and a beard, the queen a round crown over long hair and holds a
// flower, the jack a feathered cap; robe colours and the object held differ from suit to suit.
#include "table/card_art/suit_shapes.h"

#include <QRectF>

class QPainter;

namespace tablamor::art {

// Draws the framed picture of rank 11 (jack), 12 (queen) or 13 (king) into `frame`, with the
// suit symbol in the upper corner away from the object held; `pen` is the outline width in pixels.
void PaintCourtFigure(QPainter& painter, const QRectF& frame, int rank, Suit suit, qreal pen);

} // namespace tablamor::art
