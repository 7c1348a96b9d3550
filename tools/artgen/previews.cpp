#include "tools/artgen/previews.h"

#include "table/card_art/det_random.h"
#include "table/card_art/palette.h"
#include "table/resource_names.h"
#include "tools/artgen/icon_kit.h"

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

// Collects the places of a family's table in schematic units, then draws them scaled to fill
// the preview.
class Schematic {
public:
    explicit Schematic(int seed) : random_(static_cast<std::uint64_t>(seed) + 1) {}

    void Empty(qreal x, qreal y) { items_.push_back({Place(x, y), Kind::Empty, Suit::Hearts}); }
    void Back(qreal x, qreal y) { items_.push_back({Place(x, y), Kind::Back, Suit::Hearts}); }
    void Face(qreal x, qreal y) {
        items_.push_back({Place(x, y), Kind::Face, kSuits[random_.Below(4)]});
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

    // Draws everything, scaled as large as fits (at most kMaxScale) and centred.
    void Paint(QPainter& p) const {
        QRectF used;
        for (const Item& item : items_) used = used.united(item.rect);
        if (used.isEmpty()) return;
        const qreal scale = std::min({kMaxScale, (kPreviewWidth - 2 * kMargin) / used.width(),
                                      (kPreviewHeight - 2 * kMargin) / used.height()});
        p.save();
        p.translate((kPreviewWidth - used.width() * scale) / 2,
                    (kPreviewHeight - used.height() * scale) / 2);
        p.scale(scale, scale);
        p.translate(-used.topLeft());
        for (const Item& item : items_) {
            QRectF r = item.rect.adjusted(0.5, 0.5, -0.5, -0.5);
            if (item.kind == Kind::Empty) {
                p.setPen(QPen(QColor(255, 255, 255, 150), 1.0));
                p.setBrush(QColor(255, 255, 255, 30));
                p.drawRoundedRect(r, 2, 2);
            } else {
                MiniCard(p, r, item.kind == Kind::Back,
                         item.kind == Kind::Face ? &item.suit : nullptr);
            }
        }
        p.restore();
    }

private:
    enum class Kind { Empty, Back, Face };
    struct Item {
        QRectF rect;
        Kind kind;
        Suit suit;
    };
    static constexpr qreal kMaxScale = 1.6;
    static QRectF Place(qreal x, qreal y) { return {x, y, kCardW, kCardH}; }
    std::vector<Item> items_;
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
        s.Back(s.ColumnX(0), below + 4 * kFanStep + kCardH + 8);
        s.Face(s.ColumnX(1), below + 4 * kFanStep + kCardH + 8);
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
            s.Back(s.ColumnX(9, 1.2) - k * 3, top + 5 * kBackStep + kCardH + 14);
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

QImage PreviewPicture(const GameInfo& game, int scale) {
    QImage image(kPreviewWidth * scale, kPreviewHeight * scale, QImage::Format_RGB32);
    image.fill(palette::kPreviewGreen);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setClipRect(image.rect().adjusted(1, 1, -1, -1)); // keeps the top-left pixel the key
        p.scale(scale, scale);
        Schematic schematic(game.id);
        Draw(schematic, game.type);
        schematic.Paint(p);
    }
    return image;
}

} // namespace tablamor::art
