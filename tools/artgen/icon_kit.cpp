#include "tools/artgen/icon_kit.h"

#include "table/card_art/palette.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace tablamor::art {

QImage BlankIcon(int size) {
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    return icon;
}

QImage FinishIcon(const QImage& icon) {
    return icon.convertToFormat(QImage::Format_ARGB32);
}

void MiniCard(QPainter& p, const QRectF& r, bool faceDown, const Suit* suit) {
    p.setPen(QPen(kIconOutline, 1.0));
    p.setBrush(faceDown ? kBackBlue : palette::kCardWhite);
    p.drawRoundedRect(r, 1.2, 1.2);
    if (faceDown) {
        p.setPen(QPen(QColor(150, 180, 240), 0.8));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(1.5, 1.5, -1.5, -1.5));
    } else if (suit) {
        qreal side = std::min(r.width(), r.height()) * 0.6;
        QRectF box(r.center().x() - side / 2, r.center().y() - side / 2, side, side);
        p.setPen(Qt::NoPen);
        p.setBrush(IsRed(*suit) ? palette::kRed : palette::kInk);
        p.drawPath(SuitInBox(*suit, box));
    }
}

void Folder(QPainter& p, const QRectF& r, bool open) {
    const qreal tabW = r.width() * 0.4;
    const qreal tabH = r.height() * 0.16;
    QPainterPath back;
    back.moveTo(r.left(), r.top() + tabH);
    back.lineTo(r.left() + tabW * 0.15, r.top());
    back.lineTo(r.left() + tabW, r.top());
    back.lineTo(r.left() + tabW * 1.15, r.top() + tabH);
    back.lineTo(r.right(), r.top() + tabH);
    back.lineTo(r.right(), r.bottom());
    back.lineTo(r.left(), r.bottom());
    back.closeSubpath();
    p.setPen(QPen(kIconOutline, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(kFolderYellow.darker(112));
    p.drawPath(back);
    if (open) {
        // A sheet showing, and the front flap tilted forward.
        p.setBrush(palette::kCardWhite);
        p.drawRect(QRectF(r.left() + 2, r.top() + tabH + 1, r.width() - 4, r.height() * 0.4));
        QPainterPath front;
        front.moveTo(r.left() + r.width() * 0.18, r.top() + r.height() * 0.42);
        front.lineTo(r.right() + 0.5, r.top() + r.height() * 0.42);
        front.lineTo(r.right() - r.width() * 0.16, r.bottom());
        front.lineTo(r.left(), r.bottom());
        front.closeSubpath();
        p.setBrush(kFolderYellow);
        p.drawPath(front);
    } else {
        p.setBrush(kFolderYellow);
        p.drawRect(QRectF(r.left(), r.top() + tabH * 2, r.width(), r.height() - tabH * 2));
    }
}

void Star(QPainter& p, QPointF centre, qreal radius, const QColor& fill) {
    QPainterPath star;
    for (int k = 0; k < 10; ++k) {
        qreal a = k * 3.14159265358979 / 5;
        qreal r = (k % 2 ? 0.45 : 1.0) * radius;
        QPointF pt = centre + QPointF(r * std::sin(a), -r * std::cos(a));
        if (k == 0)
            star.moveTo(pt);
        else
            star.lineTo(pt);
    }
    star.closeSubpath();
    p.setBrush(fill);
    p.setPen(QPen(fill.darker(180), 0.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(star);
}

QImage Greyed(const QImage& icon) {
    QImage out = icon.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x) {
            QRgb px = out.pixel(x, y);
            int grey = qGray(px);
            int light = 128 + grey / 2;
            out.setPixel(x, y, qRgba(light, light, light, qAlpha(px) / 2));
        }
    return out;
}

} // namespace tablamor::art
