#include "tools/artgen/cursors.h"

#include "table/card_art/palette.h"

#include <QPainter>
#include <QPainterPath>

namespace tablamor::art {
namespace {

QPainterPath Arrow() {
    QPainterPath p;
    p.moveTo(1, 1);
    p.lineTo(1, 19);
    p.lineTo(5.5, 14.5);
    p.lineTo(9, 22);
    p.lineTo(12, 20.5);
    p.lineTo(8.5, 13.5);
    p.lineTo(14.5, 13.5);
    p.closeSubpath();
    return p;
}

// An open hand, palm towards the viewer, fingers up.
QPainterPath OpenHand() {
    QPainterPath p;
    p.addRoundedRect(QRectF(7, 12, 14, 12), 4, 4); // palm
    for (auto [x, top] : {std::pair{7.5, 5.0}, {11.0, 3.0}, {14.5, 3.5}, {18.0, 6.0}})
        p.addRoundedRect(QRectF(x - 1.6, top, 3.2, 14), 1.6, 1.6);
    QPainterPath thumb;
    thumb.moveTo(8, 20);
    thumb.lineTo(3, 14);
    thumb.quadTo(2, 12, 4, 12);
    thumb.lineTo(9, 16);
    thumb.closeSubpath();
    return p.united(thumb);
}

// A closed hand gripping: short knuckles over the palm.
QPainterPath ClosedHand() {
    QPainterPath p;
    p.addRoundedRect(QRectF(6, 10, 15, 13), 4, 4);
    for (qreal x : {8.0, 11.5, 15.0, 18.5}) p.addEllipse(QPointF(x, 10), 2.0, 2.2);
    QPainterPath thumb;
    thumb.addRoundedRect(QRectF(3, 12, 6, 3.5), 1.7, 1.7);
    return p.united(thumb);
}

// A hand pointing up with the index finger.
QPainterPath PointingHand() {
    QPainterPath p;
    p.addRoundedRect(QRectF(8.4, 0.5, 3.2, 14), 1.6, 1.6); // index finger
    p.addRoundedRect(QRectF(8, 11, 13, 12), 4, 4);         // fist
    for (qreal x : {13.5, 16.5, 19.0}) p.addRoundedRect(QRectF(x - 1.4, 9.5, 2.8, 6), 1.4, 1.4);
    QPainterPath thumb;
    thumb.moveTo(9, 20);
    thumb.lineTo(4.5, 15);
    thumb.quadTo(4, 13, 6, 13.5);
    thumb.lineTo(10, 16);
    thumb.closeSubpath();
    return p.united(thumb);
}

void DrawShape(QPainter& p, const QPainterPath& shape, const QColor& fill, const QColor& line) {
    p.setBrush(fill);
    p.setPen(QPen(line, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(shape);
}

// A small card held by the drag forms, at its top-left corner.
void HeldCard(QPainter& p, QPointF at) {
    QRectF card(at, QSizeF(10, 13));
    p.setBrush(palette::kCardWhite);
    p.setPen(QPen(palette::kInk, 1.0));
    p.drawRoundedRect(card, 1.5, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(palette::kRed);
    QPainterPath heart;
    QPointF c = card.center();
    heart.moveTo(c + QPointF(0, 3));
    heart.cubicTo(c + QPointF(-4, 0), c + QPointF(-2.5, -3.5), c + QPointF(0, -1.5));
    heart.cubicTo(c + QPointF(2.5, -3.5), c + QPointF(4, 0), c + QPointF(0, 3));
    p.drawPath(heart);
}

void Crosshair(QPainter& p) {
    const QPointF c(15.5, 15.5);
    for (const QColor& color : {QColor(255, 255, 255), palette::kInk}) {
        qreal width = color == palette::kInk ? 1.2 : 3.2;
        p.setPen(QPen(color, width, Qt::SolidLine, Qt::FlatCap));
        p.setBrush(Qt::NoBrush);
        p.drawLine(QPointF(c.x(), 2), QPointF(c.x(), 12));
        p.drawLine(QPointF(c.x(), 19), QPointF(c.x(), 29));
        p.drawLine(QPointF(2, c.y()), QPointF(12, c.y()));
        p.drawLine(QPointF(19, c.y()), QPointF(29, c.y()));
        p.drawEllipse(c, 7, 7);
    }
    // A dot marks the exact spot.
    p.setPen(Qt::NoPen);
    p.setBrush(palette::kInk);
    p.drawEllipse(c, 1.2, 1.2);
}

} // namespace

QImage CursorImage(const CursorPicture& cursor, int scale) {
    QImage image(kCursorSize * scale, kCursorSize * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    const std::string_view name = cursor.name;
    const bool dragging = name.back() == 'B';
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.scale(scale, scale);
        const QColor black = palette::kInk;
        const QColor white(255, 255, 255);
        const QColor skin(255, 236, 214);
        if (name.starts_with("CUR_ARROW")) {
            if (dragging) HeldCard(p, {12, 15});
            bool whiteArrow = name.starts_with("CUR_ARROW2");
            DrawShape(p, Arrow(), whiteArrow ? white : black, whiteArrow ? black : white);
        } else if (name.starts_with("CUR_HAND1")) {
            if (dragging) HeldCard(p, {9, 17});
            DrawShape(p, dragging ? ClosedHand() : OpenHand(), skin, black);
        } else if (name.starts_with("CUR_HAND2")) {
            if (dragging) HeldCard(p, {13, 17});
            DrawShape(p, PointingHand(), skin, black);
        } else {
            Crosshair(p);
            if (dragging) HeldCard(p, {19, 18});
        }
    }
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    out.setText("HotspotX", QString::number(cursor.hotX));
    out.setText("HotspotY", QString::number(cursor.hotY));
    return out;
}

} // namespace tablamor::art
