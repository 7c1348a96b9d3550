#pragma once
// The blank card shared by faces and backs: a plain rectangle of the card size whose outline
// runs one pixel in from the edges and cuts each corner diagonally, leaving outside it exactly
// the three corner pixels that the table painter replaces with what lies under the card.
#include <QColor>
#include <QImage>
#include <QRect>

namespace tablamor::art {

// Fills `cell` of `image` with `fill`, the three outside pixels of each corner with the table
// green (what the card shows before the painter rounds it) and draws the outline.
void PaintBlankCard(QImage& image, const QRect& cell, const QColor& fill);

// Draws only the outline again (after a painter has drawn over the card's edge).
void PaintCardOutline(QImage& image, const QRect& cell);

// The part of a card inside its outline.
inline QRect CardInterior(const QRect& cell) {
    return cell.adjusted(1, 1, -1, -1);
}

// True for the three pixels at each corner that lie outside the outline (cell coordinates).
bool IsOutsideCorner(int x, int y, int width, int height);

} // namespace tablamor::art
