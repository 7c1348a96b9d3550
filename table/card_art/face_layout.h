#pragma once
// Where things stand on a card face, per card size and card set, in pixels from the card's
// top-left corner. The lower-right index is the upper-left one turned about the card's centre.
#include "table/card_art/fonts.h"
#include "table/resource_names.h"

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QSizeF>

namespace tablamor::art {

enum class FaceSet;

struct FaceLayout {
    bool pixelIndex = false; // hand-drawn pixel glyphs instead of outline text
    bool boldPixels = false; // pixel glyphs one pixel thicker
    FontFace indexFont = FontFace::SansBold;
    QRectF rankBox;             // outline index: the rank's capital height and width
    QRectF suitBox;             // outline index: the suit under the rank
    QPoint pixelRank;           // pixel index: top-left of the rank glyph
    QPoint pixelSuit;           // pixel index: top-left of the suit symbol
    bool pixelSuitOnly = false; // outline rank, but the small suit under it drawn in pixels
    QRectF pipCentres;          // the centres of the pip columns and rows span this rectangle
    QSizeF pip;                 // one pip
    QSizeF acePip;              // the ace's single pip
    QRectF courtFrame;          // the picture (or letter) panel of jack, queen and king
    QRectF soloPip;             // smallest size: the one large pip that stands for all pips
    qreal pen = 1.0;            // outline width of court pictures
    QColor red;
    QColor black;
};

FaceLayout LayoutFor(const CardSize& size, FaceSet set);

struct Pip;
// The box one pip of the layout fills.
QRectF PipBox(const FaceLayout& layout, const Pip& pip);

} // namespace tablamor::art
