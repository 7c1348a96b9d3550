#include "table/card_art/suit_shapes.h"

#include <QPainter>
#include <QTransform>

namespace tablamor::art {
namespace {

QPainterPath Heart() {
    QPainterPath p;
    p.moveTo(0, -0.52);
    p.cubicTo(-0.18, -1.02, -1.0, -1.04, -1.0, -0.38);
    p.cubicTo(-1.0, 0.16, -0.42, 0.5, 0, 1.0);
    p.cubicTo(0.42, 0.5, 1.0, 0.16, 1.0, -0.38);
    p.cubicTo(1.0, -1.04, 0.18, -1.02, 0, -0.52);
    p.closeSubpath();
    return p;
}

QPainterPath Diamond() {
    QPainterPath p;
    p.moveTo(0, -1.0);
    p.quadTo(0.34, -0.44, 0.78, 0);
    p.quadTo(0.34, 0.44, 0, 1.0);
    p.quadTo(-0.34, 0.44, -0.78, 0);
    p.quadTo(-0.34, -0.44, 0, -1.0);
    p.closeSubpath();
    return p;
}

// The flared stem shared by clubs and spades, from the body's foot down to the bottom edge.
QPainterPath Stem(qreal top, qreal halfTop) {
    QPainterPath p;
    p.moveTo(halfTop, top);
    p.quadTo(0.12, 0.84, 0.42, 1.0);
    p.lineTo(-0.42, 1.0);
    p.quadTo(-0.12, 0.84, -halfTop, top);
    p.closeSubpath();
    return p;
}

QPainterPath Spade() {
    // A pointed arch over two round lobes: the point keeps it apart from the club's round top.
    QPainterPath p;
    p.moveTo(0, -1.0);
    p.cubicTo(0.08, -0.7, 0.5, -0.45, 0.85, -0.12);
    p.cubicTo(1.12, 0.14, 1.0, 0.66, 0.56, 0.66);
    p.cubicTo(0.35, 0.66, 0.18, 0.56, 0.1, 0.46);
    p.lineTo(-0.1, 0.46);
    p.cubicTo(-0.18, 0.56, -0.35, 0.66, -0.56, 0.66);
    p.cubicTo(-1.0, 0.66, -1.12, 0.14, -0.85, -0.12);
    p.cubicTo(-0.5, -0.45, -0.08, -0.7, 0, -1.0);
    p.closeSubpath();
    return p.united(Stem(0.3, 0.1));
}

QPainterPath Club() {
    // Three round leaves with clear notches between them, on the flared stem.
    constexpr qreal kLeaf = 0.42;
    QPainterPath p;
    p.addEllipse(QPointF(0, -0.56), kLeaf, kLeaf);
    QPainterPath left;
    left.addEllipse(QPointF(-0.56, 0.12), kLeaf, kLeaf);
    QPainterPath right;
    right.addEllipse(QPointF(0.56, 0.12), kLeaf, kLeaf);
    QPainterPath heart;
    heart.addEllipse(QPointF(0, -0.02), 0.16, 0.22);
    return p.united(left).united(right).united(heart).united(Stem(0.2, 0.1));
}

// Hand-drawn 7 x 7 symbols for the smallest sizes.
constexpr const char* kHeartPixels[] = {".##.##.", "#######", "#######", "#######",
                                        ".#####.", "..###..", "...#..."};
constexpr const char* kDiamondPixels[] = {"...#...", "..###..", ".#####.", "#######",
                                          ".#####.", "..###..", "...#..."};
constexpr const char* kClubPixels[] = {"..###..", ".#####.", "#.###.#", "#######",
                                       "###.###", "...#...", "..###.."};
constexpr const char* kSpadePixels[] = {"...#...", "..###..", ".#####.", "#######",
                                        "#######", "##.#.##", "..###.."};

} // namespace

QPainterPath SuitShape(Suit suit) {
    switch (suit) {
    case Suit::Hearts:
        return Heart();
    case Suit::Diamonds:
        return Diamond();
    case Suit::Clubs:
        return Club();
    case Suit::Spades:
        return Spade();
    }
    return {};
}

QPainterPath SuitInBox(Suit suit, const QRectF& box, bool inverted) {
    QPainterPath shape = SuitShape(suit);
    QRectF bounds = shape.boundingRect();
    qreal scale = std::min(box.width() / bounds.width(), box.height() / bounds.height());
    QTransform t;
    t.translate(box.center().x(), box.center().y());
    t.scale(scale, scale);
    if (inverted) t.rotate(180);
    t.translate(-bounds.center().x(), -bounds.center().y());
    return t.map(shape);
}

const char* const* SuitPixels(Suit suit) {
    switch (suit) {
    case Suit::Hearts:
        return kHeartPixels;
    case Suit::Diamonds:
        return kDiamondPixels;
    case Suit::Clubs:
        return kClubPixels;
    case Suit::Spades:
        return kSpadePixels;
    }
    return kHeartPixels;
}

void DrawSuitPixels(QPainter& painter, Suit suit, int x, int y, const QColor& color,
                    bool inverted) {
    const char* const* rows = SuitPixels(suit);
    for (int r = 0; r < kSuitPixelSize; ++r)
        for (int c = 0; c < kSuitPixelSize; ++c) {
            if (rows[r][c] != '#') continue;
            int px = inverted ? x + kSuitPixelSize - 1 - c : x + c;
            int py = inverted ? y + kSuitPixelSize - 1 - r : y + r;
            painter.fillRect(px, py, 1, 1, color);
        }
}

} // namespace tablamor::art
