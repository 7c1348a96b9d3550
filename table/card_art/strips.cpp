#include "table/card_art/strips.h"

namespace tablamor::art {
namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kShadow = qRgb(0, 0, 0);
const QRgb kBlue = qRgb(0, 0, 255);
const QRgb kEdgeOutline = qRgb(64, 64, 64);
const QRgb kEdgeLight = qRgb(236, 236, 236);
const QRgb kEdgeShade = qRgb(180, 180, 180);

// Offsets of the strips from the card: vertical one 7 px below the top, horizontal one 8 px
// right of the left edge (the card's shadow falls down and to the right).
constexpr int kVerticalDrop = 7;
constexpr int kHorizontalShift = 8;

// Colour of an edge pixel `j` pixels from the resting card (0 = the resting card's own edge)
// and `k` pixels along it from its outer end.
QRgb EdgeColor(int j, int k) {
    if (j == 0 || k == 0) return kEdgeOutline;
    return j % 2 == 0 ? kEdgeShade : kEdgeLight;
}

} // namespace

QImage ShadowStrip(const CardSize& size, int which) {
    const bool vertical = which == 1;
    const int w = vertical ? kShadowDepth : size.width - kHorizontalShift + kShadowDepth;
    const int h = vertical ? size.height - kVerticalDrop : kShadowDepth;
    // Screen parity of pixel (0, 0): the vertical strip starts at (width, 7), the horizontal at
    // (8, height), relative to the card's top-left corner.
    const int phase =
        vertical ? (size.width + kVerticalDrop) % 2 : (kHorizontalShift + size.height) % 2;
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, (x + y + phase) % 2 == 0 ? kShadow : kWhite);
    return image;
}

QImage BorderStrip(const CardSize& size, int which) {
    const bool right = which == 1;
    const int w = right ? kBorderDepth : size.width + 11;
    const int h = right ? size.height + 13 : kBorderDepth;
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(kBlue);
    const int last = kBorderDepth - 1;
    if (right) {
        // Column c lies at x + width - 16 + c: j = 15 - c pixels left of the resting card's right
        // edge; card j of the pile covers rows y - j .. y + height - 1 (image rows 13 - j ..).
        for (int c = 0; c <= last; ++c) {
            int j = last - c;
            for (int r = std::max(0, 13 - j); r < h; ++r)
                image.setPixel(c, r, EdgeColor(j, r - (13 - j)));
        }
    } else {
        // Row r lies at y + height - 16 + r: j = 15 - r; card j spans x - j .. x + width - 1,
        // image columns 13 - j .. (the strip ends 2 px short of the card's right edge).
        for (int r = 0; r <= last; ++r) {
            int j = last - r;
            for (int c = std::max(0, 13 - j); c < w; ++c)
                image.setPixel(c, r, EdgeColor(j, c - (13 - j)));
        }
    }
    return image;
}

} // namespace tablamor::art
