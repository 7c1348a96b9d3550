#include "tools/artgen/toolbar_icons.h"

#include "table/card_art/fonts.h"
#include "table/card_art/palette.h"
#include "tools/artgen/icon_kit.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace tablamor::art {
namespace {

constexpr qreal kDesign = 32.0;
const QColor kArrowBlue(40, 110, 210);
const QColor kArrowGreen(40, 160, 70);

QPen Outline(qreal width = 1.6) {
    return QPen(kIconOutline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void Card(QPainter& p, QRectF r, qreal angle, bool faceDown, Suit suit = Suit::Hearts) {
    p.save();
    p.translate(r.center());
    p.rotate(angle);
    QRectF local(-r.width() / 2, -r.height() / 2, r.width(), r.height());
    p.setPen(Outline());
    p.setBrush(faceDown ? kBackBlue : palette::kCardWhite);
    p.drawRoundedRect(local, 2.5, 2.5);
    if (faceDown) {
        p.setPen(QPen(QColor(160, 190, 245), 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(local.adjusted(2.5, 2.5, -2.5, -2.5), 1, 1);
    } else {
        p.setPen(Qt::NoPen);
        p.setBrush(IsRed(suit) ? palette::kRed : palette::kInk);
        qreal side = r.width() * 0.6;
        p.drawPath(SuitInBox(suit, QRectF(-side / 2, -side / 2, side, side)));
    }
    p.restore();
}

// A thick curved arrow around (cx, cy) from `start` degrees through `span` degrees.
void CurvedArrow(QPainter& p, QPointF c, qreal r, qreal start, qreal span, const QColor& color) {
    QRectF box(c.x() - r, c.y() - r, 2 * r, 2 * r);
    QPainterPath arc;
    arc.arcMoveTo(box, start);
    arc.arcTo(box, start, span);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kIconOutline, 7.5, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(arc);
    p.setPen(QPen(color, 4.5, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(arc);
    // The head, pointing along the arc's direction at its end.
    qreal end = (start + span) * 3.14159265358979 / 180.0;
    QPointF tip(c.x() + r * std::cos(end), c.y() - r * std::sin(end));
    qreal dir = span > 0 ? 1 : -1;
    QPointF tangent(-std::sin(end) * dir, -std::cos(end) * dir);
    QPointF normal(-tangent.y(), tangent.x());
    QPainterPath head;
    head.moveTo(tip + tangent * 7);
    head.lineTo(tip + normal * 7);
    head.lineTo(tip - normal * 7);
    head.closeSubpath();
    p.setPen(Outline(1.4));
    p.setBrush(color);
    p.drawPath(head);
}

void New(QPainter& p) {
    Card(p, QRectF(6, 7, 17, 23), -8, false, Suit::Spades);
    Star(p, {24, 8}, 7, palette::kCourtGold);
}

void Open(QPainter& p) {
    Card(p, QRectF(12, 2, 14, 19), 12, false, Suit::Hearts);
    Folder(p, QRectF(2, 9, 27, 20), true);
}

void Restart(QPainter& p) {
    Card(p, QRectF(10, 9, 12, 16), 0, false, Suit::Diamonds);
    CurvedArrow(p, {16, 17}, 11, 200, -290, kArrowGreen);
}

void Save(QPainter& p) {
    p.setPen(Outline());
    p.setBrush(QColor(50, 80, 170));
    p.drawRoundedRect(QRectF(3, 3, 26, 26), 2.5, 2.5);
    p.setBrush(QColor(200, 205, 215));
    p.drawRect(QRectF(9, 3, 14, 9));
    p.setBrush(QColor(50, 80, 170));
    p.drawRect(QRectF(18, 4.5, 3, 6));
    p.setBrush(palette::kCardWhite);
    p.drawRect(QRectF(7, 16, 18, 13));
    p.setPen(QPen(QColor(180, 180, 190), 1.2));
    for (qreal y : {20.0, 23.5}) p.drawLine(QPointF(10, y), QPointF(22, y));
}

void Undo(QPainter& p) {
    CurvedArrow(p, {17, 19}, 10, 20, 150, kArrowBlue);
}
void Redo(QPainter& p) {
    CurvedArrow(p, {15, 19}, 10, 160, -150, kArrowBlue);
}

void Autoplay(QPainter& p) {
    Card(p, QRectF(3, 10, 15, 20), 0, false, Suit::Clubs);
    Card(p, QRectF(12, 2, 15, 20), 0, false, Suit::Hearts);
    // An upward arrow: cards going home by themselves.
    QPainterPath arrow;
    arrow.moveTo(24, 14);
    arrow.lineTo(31, 22);
    arrow.lineTo(27, 22);
    arrow.lineTo(27, 30);
    arrow.lineTo(21, 30);
    arrow.lineTo(21, 22);
    arrow.lineTo(17, 22);
    arrow.closeSubpath();
    p.setPen(Outline(1.4));
    p.setBrush(kArrowGreen);
    p.drawPath(arrow);
}

void Statistics(QPainter& p) {
    p.setPen(Outline());
    const QColor bars[] = {QColor(210, 60, 50), QColor(240, 180, 40), QColor(60, 160, 70)};
    const qreal heights[] = {10, 17, 24};
    for (int k = 0; k < 3; ++k) {
        p.setBrush(bars[k]);
        p.drawRect(QRectF(6 + k * 8, 28 - heights[k], 6, heights[k]));
    }
    p.setPen(Outline(2.0));
    p.drawLine(QPointF(3, 3), QPointF(3, 29));
    p.drawLine(QPointF(3, 29), QPointF(30, 29));
}

void Rules(QPainter& p) {
    p.setPen(Outline());
    p.setBrush(palette::kCardWhite);
    p.drawRect(QRectF(6, 5, 22, 24));
    p.setBrush(QColor(180, 40, 40));
    p.drawRoundedRect(QRectF(3, 2, 22, 25), 2, 2);
    p.setPen(QPen(palette::kCourtGold, 1.2));
    p.drawLine(QPointF(6, 4), QPointF(6, 25));
    p.setPen(Qt::NoPen);
    p.setBrush(palette::kCardWhite);
    p.drawPath(TextInBox(FontFace::SansBold, QStringLiteral("?"), QRectF(9, 7.5, 12, 14)));
}

void Exit(QPainter& p) {
    p.setPen(Outline());
    p.setBrush(QColor(140, 90, 50));
    p.drawRect(QRectF(4, 3, 15, 26));
    p.setBrush(QColor(60, 40, 30));
    p.drawRect(QRectF(6, 5, 11, 22));
    p.setBrush(palette::kCourtGold);
    p.drawEllipse(QPointF(15, 16), 1.4, 1.4);
    QPainterPath arrow;
    arrow.moveTo(31, 16);
    arrow.lineTo(23, 8);
    arrow.lineTo(23, 12.5);
    arrow.lineTo(14, 12.5);
    arrow.lineTo(14, 19.5);
    arrow.lineTo(23, 19.5);
    arrow.lineTo(23, 24);
    arrow.closeSubpath();
    p.setPen(Outline(1.4));
    p.setBrush(kArrowGreen);
    p.drawPath(arrow);
}

} // namespace

QImage ToolbarIcon(ToolbarButton button, bool large, bool disabled, int scale) {
    const int size = (large ? kLargeToolbarIcon : kSmallToolbarIcon) * scale;
    QImage icon = BlankIcon(size);
    {
        QPainter p(&icon);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.scale(size / kDesign, size / kDesign);
        switch (button) {
        case ToolbarButton::New:
            New(p);
            break;
        case ToolbarButton::Open:
            Open(p);
            break;
        case ToolbarButton::Restart:
            Restart(p);
            break;
        case ToolbarButton::Save:
            Save(p);
            break;
        case ToolbarButton::Undo:
            Undo(p);
            break;
        case ToolbarButton::Redo:
            Redo(p);
            break;
        case ToolbarButton::Autoplay:
            Autoplay(p);
            break;
        case ToolbarButton::Statistics:
            Statistics(p);
            break;
        case ToolbarButton::Rules:
            Rules(p);
            break;
        case ToolbarButton::Exit:
            Exit(p);
            break;
        }
    }
    return disabled ? Greyed(icon) : FinishIcon(icon);
}

} // namespace tablamor::art
