// The pictured backs: a sailing boat at sunset, a snowman at night, tropical fish.
#include "table/card_art/card_backs.h"
#include "table/card_art/det_random.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace tablamor::art {
namespace {

constexpr double kW = kBackDesignWidth;
constexpr double kH = kBackDesignHeight;

const QColor kOutline(30, 30, 40);

void Shape(QPainter& p, const QPainterPath& path, const QBrush& fill, qreal pen = 0.9) {
    p.setBrush(fill);
    p.setPen(pen > 0 ? QPen(kOutline, pen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)
                     : QPen(Qt::NoPen));
    p.drawPath(path);
}

QPainterPath Ellipse(QPointF c, qreal rx, qreal ry) {
    QPainterPath path;
    path.addEllipse(c, rx, ry);
    return path;
}

QPainterPath Polygon(std::initializer_list<QPointF> points) {
    QPainterPath path;
    bool first = true;
    for (QPointF pt : points) {
        if (first)
            path.moveTo(pt);
        else
            path.lineTo(pt);
        first = false;
    }
    path.closeSubpath();
    return path;
}

// A band of water from y to the bottom with rows of small wave crests.
void Waves(QPainter& p, qreal top, const QColor& deep, const QColor& light, const QColor& crest) {
    QLinearGradient water(0, top, 0, kH);
    water.setColorAt(0, light);
    water.setColorAt(1, deep);
    p.fillRect(QRectF(0, top, kW, kH - top), water);
    p.setBrush(Qt::NoBrush);
    int row = 0;
    for (qreal y = top + 6; y < kH; y += 7, ++row) {
        p.setPen(QPen(crest, 1.1 + row * 0.1, Qt::SolidLine, Qt::RoundCap));
        qreal step = 12 + row * 2;
        qreal shift = (row % 2) * step / 2;
        for (qreal x = -step + shift; x < kW + step; x += step) {
            QPainterPath wave;
            wave.moveTo(x, y);
            wave.quadTo(x + step / 4, y - 2.5, x + step / 2, y);
            p.drawPath(wave);
        }
    }
}

} // namespace

void PaintBoatBack(QPainter& p) {
    QLinearGradient sky(0, 0, 0, 84);
    sky.setColorAt(0, QColor(40, 70, 150));
    sky.setColorAt(0.55, QColor(240, 150, 90));
    sky.setColorAt(1, QColor(255, 214, 120));
    p.fillRect(QRectF(0, 0, kW, 84), sky);
    QRadialGradient sun(QPointF(72, 74), 16);
    sun.setColorAt(0, QColor(255, 250, 210));
    sun.setColorAt(0.6, QColor(255, 220, 110));
    sun.setColorAt(1, QColor(255, 200, 100, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(sun);
    p.drawEllipse(QPointF(72, 74), 16, 16);
    Waves(p, 84, QColor(10, 40, 90), QColor(50, 100, 150), QColor(170, 210, 235));

    // Birds.
    p.setPen(QPen(kOutline, 1.0, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (QPointF b : {QPointF(22, 22), QPointF(32, 16), QPointF(80, 30)}) {
        QPainterPath bird;
        bird.moveTo(b.x() - 4, b.y());
        bird.quadTo(b.x() - 2, b.y() - 2.5, b.x(), b.y());
        bird.quadTo(b.x() + 2, b.y() - 2.5, b.x() + 4, b.y());
        p.drawPath(bird);
    }

    // The boat: hull, mast, a main sail, a jib and a pennant.
    Shape(p, Polygon({{18, 94}, {82, 94}, {74, 106}, {28, 106}}), QColor(120, 60, 30), 1.2);
    p.fillRect(QRectF(24, 97, 52, 2.5), QColor(230, 190, 90));
    p.setPen(QPen(kOutline, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(52, 94), QPointF(52, 24));
    Shape(p, Polygon({{54, 28}, {54, 90}, {82, 90}}), QColor(250, 248, 240), 1.1);
    Shape(p, Polygon({{50, 30}, {50, 90}, {24, 90}}), QColor(236, 232, 220), 1.1);
    p.setPen(QPen(QColor(200, 196, 186), 0.8));
    for (qreal y = 48; y < 90; y += 12) {
        p.drawLine(QPointF(54, y), QPointF(54 + (y - 28) * 28 / 62, y));
        p.drawLine(QPointF(50, y), QPointF(50 - (y - 30) * 26 / 60, y));
    }
    Shape(p, Polygon({{52, 24}, {64, 27}, {52, 30}}), QColor(210, 30, 40), 0.8);
    // Reflection of the boat in the water.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 40, 70, 110));
    p.drawPath(Polygon({{28, 107}, {74, 107}, {68, 116}, {34, 116}}));
}

void PaintSnowmanBack(QPainter& p) {
    QLinearGradient sky(0, 0, 0, kH);
    sky.setColorAt(0, QColor(16, 26, 70));
    sky.setColorAt(1, QColor(60, 90, 160));
    p.fillRect(QRectF(0, 0, kW, kH), sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 246, 200));
    p.drawEllipse(QPointF(80, 18), 9, 9);
    p.setBrush(QColor(22, 34, 82));
    p.drawEllipse(QPointF(84, 15), 8, 8);

    // Snow on the ground, a drift at the back.
    QPainterPath ground;
    ground.moveTo(0, 112);
    ground.cubicTo(30, 102, 60, 116, kW, 106);
    ground.lineTo(kW, kH);
    ground.lineTo(0, kH);
    ground.closeSubpath();
    Shape(p, ground, QColor(236, 244, 255), 0);
    p.setBrush(QColor(190, 210, 240));
    p.drawEllipse(QPointF(50, 122), 30, 4);

    // The snowman.
    const QColor snow(250, 252, 255);
    Shape(p, Ellipse({50, 104}, 22, 19), snow, 1.1);
    Shape(p, Ellipse({50, 72}, 16, 15), snow, 1.1);
    Shape(p, Ellipse({50, 46}, 12, 12), snow, 1.1);
    p.setPen(QPen(QColor(110, 70, 40), 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(35, 68), QPointF(18, 56));
    p.drawLine(QPointF(22, 59), QPointF(18, 52));
    p.drawLine(QPointF(65, 68), QPointF(82, 56));
    p.drawLine(QPointF(78, 59), QPointF(84, 53));
    // Scarf.
    Shape(p, Polygon({{38, 55}, {62, 55}, {62, 60}, {38, 60}}), QColor(210, 30, 40), 0.8);
    Shape(p, Polygon({{56, 58}, {62, 58}, {64, 72}, {58, 72}}), QColor(210, 30, 40), 0.8);
    // Hat.
    Shape(p, Polygon({{36, 36}, {64, 36}, {64, 39}, {36, 39}}), QColor(20, 20, 25), 0.8);
    Shape(p, Polygon({{41, 36}, {59, 36}, {58, 20}, {42, 20}}), QColor(20, 20, 25), 0.8);
    p.fillRect(QRectF(41.5, 31, 16.5, 3), QColor(210, 30, 40));
    // Face and buttons.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 20, 25));
    p.drawEllipse(QPointF(45.5, 44), 1.6, 1.6);
    p.drawEllipse(QPointF(54.5, 44), 1.6, 1.6);
    for (qreal y : {66.0, 74.0, 82.0}) p.drawEllipse(QPointF(50, y), 1.8, 1.8);
    for (qreal x : {44.0, 47.0, 50.0, 53.0, 56.0})
        p.drawEllipse(QPointF(x, 51.5 - std::abs(x - 50) * 0.25), 0.9, 0.9);
    Shape(p, Polygon({{50, 46}, {50, 49}, {62, 48}}), QColor(245, 130, 30), 0.6);

    // Falling snow.
    DetRandom random(3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 220));
    for (int i = 0; i < 60; ++i) {
        QPointF c(random.Range(0, kW), random.Range(0, 110));
        p.drawEllipse(c, random.Range(0.8, 1.8), random.Range(0.8, 1.8));
    }
}

namespace {

// A fish facing left with its nose at `nose`, body length `length`, striped.
void Fish(QPainter& p, QPointF nose, qreal length, const QColor& body, const QColor& stripe,
          bool flip) {
    p.save();
    p.translate(nose);
    if (flip) p.scale(-1, 1);
    const qreal h = length * 0.42;
    QPainterPath shape;
    shape.moveTo(0, 0);
    shape.cubicTo(length * 0.2, -h, length * 0.7, -h, length * 0.82, 0);
    shape.cubicTo(length * 0.7, h, length * 0.2, h, 0, 0);
    shape.closeSubpath();
    QPainterPath tail =
        Polygon({{length * 0.78, 0}, {length, -h * 0.8}, {length * 0.95, 0}, {length, h * 0.8}});
    QPainterPath fin =
        Polygon({{length * 0.3, -h * 0.7}, {length * 0.5, -h * 1.35}, {length * 0.62, -h * 0.62}});
    Shape(p, fin, stripe, 0.8);
    Shape(p, tail, body, 0.8);
    Shape(p, shape, body, 0.9);
    p.save();
    p.setClipPath(shape);
    p.setPen(QPen(kOutline, 0.7));
    p.setBrush(stripe);
    for (qreal x : {0.25, 0.5}) {
        p.drawRect(QRectF(length * x, -h, length * 0.09, 2 * h));
    }
    p.restore();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(length * 0.12, -h * 0.15), length * 0.06, length * 0.06);
    p.setBrush(kOutline);
    p.drawEllipse(QPointF(length * 0.11, -h * 0.15), length * 0.03, length * 0.03);
    p.restore();
}

} // namespace

void PaintTropicalFishBack(QPainter& p) {
    QLinearGradient water(0, 0, 0, kH);
    water.setColorAt(0, QColor(40, 170, 210));
    water.setColorAt(1, QColor(10, 60, 130));
    p.fillRect(QRectF(0, 0, kW, kH), water);
    // Light rays from the surface.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 28));
    for (qreal x : {10.0, 40.0, 70.0})
        p.drawPath(Polygon({{x, 0}, {x + 14, 0}, {x + 34, kH}, {x + 20, kH}}));
    // Sand and weed.
    QPainterPath sand;
    sand.moveTo(0, 126);
    sand.cubicTo(30, 120, 70, 132, kW, 124);
    sand.lineTo(kW, kH);
    sand.lineTo(0, kH);
    sand.closeSubpath();
    Shape(p, sand, QColor(230, 205, 140), 0);
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 6; ++i) {
        qreal x = 8 + i * 17;
        p.setPen(QPen(QColor(30, 140, 70), 2.4, Qt::SolidLine, Qt::RoundCap));
        QPainterPath weed;
        weed.moveTo(x, 130);
        weed.cubicTo(x - 6, 116, x + 6, 106, x - 2, 92 + (i % 3) * 6);
        p.drawPath(weed);
    }
    Fish(p, {14, 36}, 44, QColor(250, 130, 20), QColor(255, 255, 255), false);
    Fish(p, {88, 74}, 36, QColor(250, 220, 40), QColor(30, 60, 170), true);
    Fish(p, {24, 104}, 30, QColor(80, 120, 230), QColor(250, 220, 40), false);
    // Bubbles.
    p.setBrush(QColor(255, 255, 255, 60));
    p.setPen(QPen(QColor(255, 255, 255, 200), 0.7));
    for (QPointF b : {QPointF(8, 26), QPointF(11, 18), QPointF(7, 10), QPointF(90, 56),
                      QPointF(93, 48), QPointF(60, 98)})
        p.drawEllipse(b, 2.0, 2.0);
}

} // namespace tablamor::art
