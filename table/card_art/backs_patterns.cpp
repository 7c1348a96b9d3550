// The patterned backs: woven plaiting, roses, and a diamond trellis.
#include "table/card_art/card_backs.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace tablamor::art {
namespace {

constexpr double kW = kBackDesignWidth;
constexpr double kH = kBackDesignHeight;
constexpr double kPi = 3.14159265358979323846;

// One strip segment of the weave, shaded across its width so that it looks rounded.
void Strip(QPainter& p, const QRectF& r, bool horizontal, const QColor& base) {
    QLinearGradient shade = horizontal ? QLinearGradient(0, r.top(), 0, r.bottom())
                                       : QLinearGradient(r.left(), 0, r.right(), 0);
    shade.setColorAt(0, base.darker(150));
    shade.setColorAt(0.35, base.lighter(125));
    shade.setColorAt(1, base.darker(170));
    p.fillRect(r, shade);
    p.setPen(QPen(base.darker(260), 0.6));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r);
}

// A rose seen from above: rings of petals around a tight bud.
void Rose(QPainter& p, QPointF c, qreal r, const QColor& petal) {
    p.save();
    p.translate(c);
    for (int ring = 0; ring < 3; ++ring) {
        qreal radius = r * (1.0 - ring * 0.28);
        int petals = 5;
        qreal turn = ring * 36.0;
        for (int k = 0; k < petals; ++k) {
            qreal a = (turn + k * 360.0 / petals) * kPi / 180.0;
            QPointF centre(std::cos(a) * radius * 0.45, std::sin(a) * radius * 0.45);
            p.setBrush(ring % 2 ? petal.lighter(115) : petal);
            p.setPen(QPen(petal.darker(200), r * 0.06));
            p.drawEllipse(centre, radius * 0.55, radius * 0.55);
        }
    }
    p.setBrush(petal.darker(140));
    p.drawEllipse(QPointF(0, 0), r * 0.18, r * 0.18);
    p.restore();
}

void Leaf(QPainter& p, QPointF base, qreal angle, qreal length) {
    p.save();
    p.translate(base);
    p.rotate(angle);
    QPainterPath leaf;
    leaf.moveTo(0, 0);
    leaf.cubicTo(length * 0.3, -length * 0.35, length * 0.75, -length * 0.3, length, 0);
    leaf.cubicTo(length * 0.75, length * 0.3, length * 0.3, length * 0.35, 0, 0);
    p.setBrush(QColor(50, 120, 50));
    p.setPen(QPen(QColor(20, 60, 25), length * 0.06));
    p.drawPath(leaf);
    p.drawLine(QPointF(0, 0), QPointF(length * 0.85, 0));
    p.restore();
}

} // namespace

void PaintPlaitingBack(QPainter& p) {
    p.fillRect(QRectF(0, 0, kW, kH), QColor(20, 24, 60));
    const QColor warp(40, 80, 190); // vertical strips
    const QColor weft(200, 40, 50); // horizontal strips
    constexpr qreal kPitch = 14.0;
    constexpr qreal kStrip = 10.5;
    const qreal offset = (kPitch - kStrip) / 2;
    // Under-strips first, then at every crossing whichever strip lies on top there.
    for (int i = -1; i * kPitch < kW + kPitch; ++i)
        Strip(p, QRectF(i * kPitch + offset + 2, 0, kStrip, kH), false, warp);
    for (int j = -1; j * kPitch < kH + kPitch; ++j)
        Strip(p, QRectF(0, j * kPitch + offset, kW, kStrip), true, weft);
    for (int i = -1; i * kPitch < kW + kPitch; ++i)
        for (int j = -1; j * kPitch < kH + kPitch; ++j) {
            if (((i + j) % 2 + 2) % 2 != 0) continue;
            QRectF segment(i * kPitch + offset + 2, j * kPitch - offset, kStrip,
                           kPitch + 2 * offset);
            Strip(p, segment, false, warp);
        }
    // An inner frame line.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(240, 220, 150), 2.0));
    p.drawRect(QRectF(4, 4, kW - 8, kH - 8));
}

void PaintRosesBack(QPainter& p) {
    QLinearGradient ground(0, 0, kW, kH);
    ground.setColorAt(0, QColor(40, 16, 24));
    ground.setColorAt(1, QColor(70, 20, 34));
    p.fillRect(QRectF(0, 0, kW, kH), ground);
    // A lattice of small roses behind one large one.
    for (int row = 0; row < 6; ++row)
        for (int col = 0; col < 4; ++col) {
            QPointF c(col * 33.0 + (row % 2) * 16.5, row * 28.0 + 6);
            Leaf(p, c, 30, 9);
            Leaf(p, c, 200, 8);
            Rose(p, c, 5.5, QColor(205, 40, 70));
        }
    p.setBrush(QColor(40, 16, 24, 190));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(kW / 2, kH / 2), 34, 40);
    for (qreal a : {-150.0, -30.0, 60.0, 120.0}) Leaf(p, {kW / 2, kH / 2}, a, 30);
    Rose(p, {kW / 2, kH / 2}, 20, QColor(220, 30, 60));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(230, 190, 120), 1.6));
    p.drawRect(QRectF(3.5, 3.5, kW - 7, kH - 7));
}

void PaintTrellisBack(QPainter& p) {
    p.fillRect(QRectF(0, 0, kW, kH), QColor(24, 60, 150));
    // Diagonal lattice lines in two directions.
    p.setPen(QPen(QColor(150, 185, 240), 1.6));
    constexpr qreal kPitch = 12.0;
    for (qreal x = -kH; x < kW + kH; x += kPitch) {
        p.drawLine(QPointF(x, 0), QPointF(x + kH, kH));
        p.drawLine(QPointF(x, 0), QPointF(x - kH, kH));
    }
    // A dot in every diamond.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 245, 255));
    for (qreal y = kPitch / 2; y < kH; y += kPitch / 2)
        for (qreal x = 0; x < kW + kPitch; x += kPitch) {
            qreal shift = (static_cast<int>(std::lround(y / (kPitch / 2))) % 2) ? kPitch / 2 : 0;
            p.drawEllipse(QPointF(x + shift, y), 1.3, 1.3);
        }
    // A centre medallion.
    QPainterPath medallion;
    medallion.addEllipse(QPointF(kW / 2, kH / 2), 24, 30);
    p.setBrush(QColor(24, 60, 150));
    p.setPen(QPen(QColor(240, 245, 255), 2.4));
    p.drawPath(medallion);
    p.setPen(QPen(QColor(150, 185, 240), 1.2));
    p.drawEllipse(QPointF(kW / 2, kH / 2), 18, 24);
    QPainterPath star;
    for (int k = 0; k < 8; ++k) {
        qreal a = k * kPi / 4;
        qreal r = (k % 2) ? 6 : 15;
        QPointF pt(kW / 2 + r * std::sin(a), kH / 2 - r * 1.2 * std::cos(a));
        if (k == 0)
            star.moveTo(pt);
        else
            star.lineTo(pt);
    }
    star.closeSubpath();
    p.setBrush(QColor(240, 245, 255));
    p.setPen(Qt::NoPen);
    p.drawPath(star);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(240, 245, 255), 2.0));
    p.drawRect(QRectF(4, 4, kW - 8, kH - 8));
}

} // namespace tablamor::art
