#include "table/card_art/face_layout.h"

#include "table/card_art/face_painter.h"
#include "table/card_art/palette.h"
#include "table/card_art/pip_layout.h"

namespace tablamor::art {
namespace {

FaceLayout LargeClassic() {
    FaceLayout l;
    l.indexFont = FontFace::SerifCondensedBold;
    l.rankBox = {2.5, 4, 10, 10};
    l.suitBox = {2.5, 16.5, 10, 9};
    l.pipCentres = {22, 16, 27, 64};
    l.pip = {12, 13};
    l.acePip = {30, 32};
    l.courtFrame = {14.5, 6.5, 42, 83};
    l.pen = 0.8;
    return l;
}

FaceLayout LargePlain() {
    FaceLayout l;
    l.indexFont = FontFace::SansBold;
    l.rankBox = {2.5, 4, 12.5, 14};
    l.suitBox = {3, 20.5, 11.5, 11};
    l.pipCentres = {24, 17, 23, 62};
    l.pip = {10.5, 11.5};
    l.acePip = {32, 34};
    l.courtFrame = {17.5, 7.5, 36, 81};
    l.pen = 1.0;
    return l;
}

FaceLayout MediumClassic() {
    FaceLayout l;
    l.indexFont = FontFace::SerifCondensedBold;
    l.rankBox = {2, 3.5, 8.5, 8};
    l.suitBox = {2, 13.5, 8.5, 7.5};
    l.pixelSuitOnly = true; // the symbol is too small to draw as an outline
    l.pixelSuit = {3, 14};
    l.pipCentres = {18.5, 13, 22, 54};
    l.pip = {10, 11};
    l.acePip = {24, 26};
    l.courtFrame = {12.5, 5.5, 34, 69};
    l.pen = 0.7;
    return l;
}

FaceLayout MediumPlain() {
    FaceLayout l;
    l.indexFont = FontFace::SansBold;
    l.rankBox = {2, 3.5, 10, 11};
    l.suitBox = {2.5, 17, 9, 9};
    l.pipCentres = {20, 14, 19, 52};
    l.pip = {9, 10};
    l.acePip = {26, 28};
    l.courtFrame = {14.5, 6.5, 30, 67};
    l.pen = 0.9;
    return l;
}

FaceLayout Small(bool bold) {
    FaceLayout l;
    l.pixelIndex = true;
    l.boldPixels = bold;
    l.pixelRank = {2, 2};
    l.pixelSuit = {2, 11};
    l.soloPip = {10, 12.5, 12.5, 15};
    l.courtFrame = {9.5, 9.5, 14, 20};
    l.pen = 1.0;
    return l;
}

// Any other size: the big card's face, with the corner index set compactly (the suit beside the
// rank rather than under it) so that a covered card of a fanned column, which shows the top
// quarter of a big card's height and less, still shows both. Pips and the court panel keep
// clear of the index. In big-card units, scaled to the card.
FaceLayout Scaled(const CardSize& size, bool plain) {
    FaceLayout l = plain ? LargePlain() : LargeClassic();
    l.rankBox = {2, 3, 13, 12};
    l.suitBox = {15.5, 3.5, 10.5, 11};
    l.pipCentres = {23.5, 20.5, 24, 54};
    l.pip = {11, 12};
    l.courtFrame = {12.5, 17, 46, 62};
    const qreal sx = size.width / qreal(kBigCardWidth);
    const qreal sy = size.height / qreal(kBigCardHeight);
    auto scale = [&](QRectF& r) { r = {r.x() * sx, r.y() * sy, r.width() * sx, r.height() * sy}; };
    scale(l.rankBox);
    scale(l.suitBox);
    scale(l.pipCentres);
    scale(l.courtFrame);
    l.pip = {l.pip.width() * sx, l.pip.height() * sy};
    l.acePip = {l.acePip.width() * sx, l.acePip.height() * sy};
    l.pen *= sx;
    return l;
}

} // namespace

FaceLayout LayoutFor(const CardSize& size, FaceSet set) {
    const bool plain = set == FaceSet::Plain;
    FaceLayout l;
    if (size.letter == 'B')
        l = plain ? LargePlain() : LargeClassic();
    else if (size.letter == 'M')
        l = plain ? MediumPlain() : MediumClassic();
    else if (size.letter == 'P')
        l = Small(plain);
    else
        l = Scaled(size, plain);
    l.red = plain ? palette::kBoldRed : palette::kRed;
    l.black = plain ? QColor(0, 0, 0) : palette::kInk;
    return l;
}

QRectF PipBox(const FaceLayout& layout, const Pip& pip) {
    const QRectF& span = layout.pipCentres;
    QPointF centre(span.left() + pip.x * span.width(), span.top() + pip.y * span.height());
    return {centre.x() - layout.pip.width() / 2, centre.y() - layout.pip.height() / 2,
            layout.pip.width(), layout.pip.height()};
}

} // namespace tablamor::art
