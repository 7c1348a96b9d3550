#include "table/card_shadows.h"

#include "table/card_blit.h"

namespace tablamor::table {
namespace {

const QRgb kShadowBlack = qRgb(0, 0, 0);

QRect RightBand(const QRect& r) {
    return {r.left() + r.width(), r.top() + kShadowDrop, kShadowDepth,
            r.height() - kShadowDrop + kShadowDepth};
}

QRect BottomBand(const QRect& r) {
    return {r.left() + kShadowShift, r.top() + r.height(), r.width() - kShadowShift, kShadowDepth};
}

void SetIfInside(QImage& image, int x, int y, QRgb colour) {
    if (image.rect().contains(x, y)) image.setPixel(x, y, colour);
}

void Dither(QImage& window, const QRect& band) {
    const QRect area = band & window.rect();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(window.scanLine(y));
        for (int x = area.left() + (area.left() + y) % 2; x <= area.right(); x += 2)
            line[x] = kShadowBlack;
    }
}

} // namespace

QRegion ShadowRegion(const QRect& rect, bool run) {
    QRegion region(RightBand(rect));
    region += BottomBand(rect);
    if (!run) region += QRect(rect.right() - 1, rect.bottom() - 1, 2, 2);
    return region;
}

void DrawCardShadow(QImage& window, const QRect& rect, bool run, const ImageSet& images) {
    if (run) {
        Dither(window, RightBand(rect));
        Dither(window, BottomBand(rect));
        return;
    }
    const QRect whole = window.rect();
    DrawOverlay(window, images.VerticalShadow(),
                QPoint(rect.left() + rect.width(), rect.top() + kShadowDrop), whole);
    DrawOverlay(window, images.HorizontalShadow(),
                QPoint(rect.left() + kShadowShift, rect.top() + rect.height()), whole);
    // Right edge and bottom edge as a rectangle's right and bottom: one past the last pixel.
    const int right = rect.left() + rect.width();
    const int bottom = rect.top() + rect.height();
    SetIfInside(window, right - 1, bottom - 2, kShadowBlack);
    SetIfInside(window, right - 2, bottom - 1, kShadowBlack);
}

} // namespace tablamor::table
