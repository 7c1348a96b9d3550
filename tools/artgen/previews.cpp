#include "tools/artgen/previews.h"

#include "tools/artgen/det_random.h"
#include "tools/artgen/icon_kit.h"
#include "tools/artgen/palette.h"
#include "tools/artgen/resource_names.h"

#include <QPainter>

namespace tablamor::art {
namespace {

constexpr qreal kCardW = 14;
constexpr qreal kCardH = 19;
constexpr qreal kGap = 4;
constexpr qreal kFanStep = 5;
constexpr qreal kBackStep = 3;
constexpr qreal kMargin = 6;

enum Family {
    kCanfield = 2,
    kFortyThieves = 3,
    kFreeCell = 4,
    kKlondike = 5,
    kPairing = 6,
    kSimple = 7,
    kSpider = 8,
    kOneDeck = 9,
    kTwoDecks = 10,
    kFan = 11,
    kBakersDozen = 12,
    kRow = 13
};

class Schematic {
public:
    Schematic(QPainter& p, int seed) : p_(p), random_(static_cast<std::uint64_t>(seed) + 1) {}

    void Empty(qreal x, qreal y) {
        p_.setPen(QPen(QColor(255, 255, 255, 150), 1.0));
        p_.setBrush(QColor(255, 255, 255, 30));
        p_.drawRoundedRect(QRectF(x + 0.5, y + 0.5, kCardW - 1, kCardH - 1), 2, 2);
    }
    void Back(qreal x, qreal y) {
        MiniCard(p_, QRectF(x + 0.5, y + 0.5, kCardW - 1, kCardH - 1), true);
    }
    void Face(qreal x, qreal y) {
        Suit suit = kSuits[random_.Below(4)];
        MiniCard(p_, QRectF(x + 0.5, y + 0.5, kCardW - 1, kCardH - 1), false, &suit);
    }
    // A column: `down` backs then `up` faces.
    void Column(qreal x, qreal y, int down, int up) {
        for (int k = 0; k < down; ++k) Back(x, y + k * kBackStep);
        for (int k = 0; k < up; ++k) Face(x, y + down * kBackStep + k * kFanStep);
        if (down + up == 0) Empty(x, y);
    }
    // A row of `n` empty places from x.
    void Places(qreal x, qreal y, int n) {
        for (int k = 0; k < n; ++k) Empty(x + k * (kCardW + kGap), y);
    }
    qreal ColumnX(int k) const { return kMargin + k * (kCardW + kGap); }
    qreal ColumnX(int k, qreal gap) const { return kMargin + k * (kCardW + gap); }

private:
    QPainter& p_;
    DetRandom random_;
};

void Draw(Schematic& s, int family) {
    const qreal top = kMargin;
    const qreal below = top + kCardH + 8;
    switch (family) {
    case kCanfield:
        s.Back(s.ColumnX(0), top);
        s.Face(s.ColumnX(1), top);
        s.Places(s.ColumnX(3), top, 4);
        s.Column(s.ColumnX(0), below, 8, 1);
        for (int k = 0; k < 4; ++k) s.Column(s.ColumnX(3 + k), below, 0, 1 + k % 2);
        break;
    case kFortyThieves:
    case kTwoDecks:
        s.Places(s.ColumnX(0, 6), top, 8);
        for (int k = 0; k < 10; ++k) s.Column(s.ColumnX(k, 1.2), below, 0, 4);
        s.Back(s.ColumnX(0), kPreviewHeight - kMargin - kCardH);
        s.Face(s.ColumnX(1), kPreviewHeight - kMargin - kCardH);
        break;
    case kFreeCell:
        s.Places(s.ColumnX(0, 5.5), top, 8);
        for (int k = 0; k < 8; ++k) s.Column(s.ColumnX(k, 5.5), below, 0, 7 - k / 4);
        break;
    case kPairing:
        for (int row = 0; row < 4; ++row)
            for (int k = 0; k < 6; ++k) s.Face(s.ColumnX(k) + 20, top + row * (kCardH + 6) + 10);
        s.Back(s.ColumnX(0), top + 10);
        break;
    case kSimple:
        s.Back(s.ColumnX(0), top);
        for (int k = 0; k < 4; ++k) s.Face(s.ColumnX(2 + k), below);
        s.Places(s.ColumnX(2), top, 4);
        break;
    case kSpider:
        for (int k = 0; k < 10; ++k) s.Column(s.ColumnX(k, 1.2), top, k < 4 ? 5 : 4, 1);
        for (int k = 0; k < 5; ++k)
            s.Back(kPreviewWidth - kMargin - kCardW - k * 3, kPreviewHeight - kMargin - kCardH);
        break;
    case kFan:
        s.Places(s.ColumnX(3), top, 4);
        for (int row = 0; row < 3; ++row)
            for (int fan = 0; fan < 5; ++fan)
                for (int k = 0; k < 3; ++k)
                    s.Face(kMargin + fan * 36 + k * 6, below + row * (kCardH + 10));
        break;
    case kBakersDozen:
        s.Places(s.ColumnX(3), top, 4);
        for (int k = 0; k < 13; ++k) s.Column(kMargin + k * 13.8, below, 0, 4);
        break;
    case kRow:
        for (int row = 0; row < 3; ++row)
            for (int k = 0; k < 9; ++k) s.Face(s.ColumnX(k, 6), top + 10 + row * (kCardH + 12));
        break;
    case kKlondike:
    case kOneDeck:
    default:
        s.Back(s.ColumnX(0), top);
        s.Face(s.ColumnX(1), top);
        s.Places(s.ColumnX(3), top, 4);
        for (int k = 0; k < 7; ++k) s.Column(s.ColumnX(k), below, k, 1);
        break;
    }
}

} // namespace

QImage PreviewPicture(const GameInfo& game) {
    QImage image(kPreviewWidth, kPreviewHeight, QImage::Format_RGB32);
    image.fill(palette::kPreviewGreen);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setClipRect(image.rect().adjusted(1, 1, -1, -1)); // keeps the top-left pixel the key
        Schematic schematic(p, game.id);
        Draw(schematic, game.type);
    }
    return image;
}

} // namespace tablamor::art
