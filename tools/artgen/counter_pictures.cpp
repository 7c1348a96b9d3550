#include "tools/artgen/counter_pictures.h"

#include "table/card_art/palette.h"
#include "table/card_art/pixel_glyphs.h"
#include "table/resource_names.h"
#include "tools/artgen/icon_kit.h"

#include <QPainter>

namespace tablamor::art {
namespace {

QImage Blank(int w, int h) {
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

} // namespace

QImage CounterSuit(Suit suit) {
    QImage image = Blank(kCounterSuitWidth, kCounterSuitHeight);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(Qt::NoPen);
        p.setBrush(IsRed(suit) ? palette::kRed : palette::kInk);
        p.drawPath(SuitInBox(suit, QRectF(1, 2, kCounterSuitWidth - 3, kCounterSuitHeight - 4)));
    }
    return FinishIcon(image);
}

QImage CounterCard(int rank, bool faceUp) {
    QImage image = Blank(kCounterMarkWidth, kCounterMarkHeight);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(QPen(kIconOutline, 1.0));
        p.setBrush(faceUp ? palette::kCardWhite : kBackBlue);
        p.drawRoundedRect(QRectF(0.5, 0.5, kCounterMarkWidth - 1, kCounterMarkHeight - 1), 2, 2);
        p.setRenderHint(QPainter::Antialiasing, false);
        int w = RankGlyphWidth(rank);
        int x = (kCounterMarkWidth - w) / 2;
        int y = (kCounterMarkHeight - kRankGlyphHeight) / 2;
        DrawRankGlyph(p, rank, x, y, faceUp ? palette::kInk : palette::kCardWhite);
    }
    return FinishIcon(image);
}

QImage CounterNoCard() {
    QImage image = Blank(kCounterMarkWidth, kCounterMarkHeight);
    {
        QPainter p(&image);
        QPen dotted(QColor(128, 128, 128), 1.0);
        dotted.setDashPattern({1, 1});
        p.setPen(dotted);
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(0.5, 0.5, kCounterMarkWidth - 1, kCounterMarkHeight - 1));
    }
    return FinishIcon(image);
}

} // namespace tablamor::art
