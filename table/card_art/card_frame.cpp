#include "table/card_art/card_frame.h"

#include "table/card_art/palette.h"

namespace tablamor::art {

bool IsOutsideCorner(int x, int y, int width, int height) {
    int dx = std::min(x, width - 1 - x);
    int dy = std::min(y, height - 1 - y);
    return dx + dy <= 1;
}

void PaintCardOutline(QImage& image, const QRect& cell) {
    const QRgb outline = palette::kCardOutline.rgb();
    const int w = cell.width();
    const int h = cell.height();
    auto set = [&](int x, int y) { image.setPixel(cell.left() + x, cell.top() + y, outline); };
    for (int x = 2; x < w - 2; ++x) {
        set(x, 0);
        set(x, h - 1);
    }
    for (int y = 2; y < h - 2; ++y) {
        set(0, y);
        set(w - 1, y);
    }
    set(1, 1);
    set(w - 2, 1);
    set(1, h - 2);
    set(w - 2, h - 2);
}

void PaintBlankCard(QImage& image, const QRect& cell, const QColor& fill) {
    const QRgb inside = fill.rgb();
    const QRgb outside = palette::kTableGreen.rgb();
    for (int y = 0; y < cell.height(); ++y)
        for (int x = 0; x < cell.width(); ++x)
            image.setPixel(cell.left() + x, cell.top() + y,
                           IsOutsideCorner(x, y, cell.width(), cell.height()) ? outside : inside);
    PaintCardOutline(image, cell);
}

} // namespace tablamor::art
