#include "tools/artgen/ratings.h"

#include "table/resource_names.h"
#include "tools/artgen/icon_kit.h"
#include "tools/artgen/tile_paint.h"

#include <QPainter>

namespace tablamor::art {
namespace {

const QColor kGood(60, 170, 70);
const QColor kBad(210, 50, 40);
const QColor kMiddle(240, 180, 40);
const QColor kEmpty(225, 225, 225);

// Colour of a bar filled `filled` of `segments`, from good (0) to bad (1).
QColor Severity(double t) {
    return t < 0.5 ? Mix(kGood, kMiddle, t * 2) : Mix(kMiddle, kBad, (t - 0.5) * 2);
}

void Clock(QPainter& p, QRectF r) {
    p.setPen(QPen(kIconOutline, 1.0));
    p.setBrush(Qt::white);
    p.drawEllipse(r);
    p.drawLine(r.center(), r.center() + QPointF(0, -r.height() * 0.32));
    p.drawLine(r.center(), r.center() + QPointF(r.width() * 0.26, 0));
}

} // namespace

QImage RatingPicture(RatingKind kind, int value) {
    int segments = kind == RatingKind::Chance ? 5 : 3;
    int filled = 0;
    double badness = 0;
    switch (kind) {
    case RatingKind::Difficulty:
        filled = value + 1;
        badness = value / 2.0;
        break;
    case RatingKind::Chance:
        filled = segments - value;
        badness = value / 4.0;
        break;
    case RatingKind::GameTime:
        filled = segments - value;
        badness = (2 - value) / 2.0;
        break;
    }
    QImage image(kRatingWidth, kRatingHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing, true);
        qreal left = 0.5;
        if (kind == RatingKind::GameTime) {
            Clock(p, QRectF(0.5, 0.5, kRatingHeight - 1, kRatingHeight - 1));
            left = kRatingHeight + 2.5;
        }
        const qreal gap = 2;
        const qreal width = (kRatingWidth - 0.5 - left - gap * (segments - 1)) / segments;
        const QColor fill = Severity(badness);
        for (int s = 0; s < segments; ++s) {
            QRectF seg(left + s * (width + gap), 1.5, width, kRatingHeight - 3);
            p.setPen(QPen(kIconOutline, 1.0));
            p.setBrush(s < filled ? fill : kEmpty);
            p.drawRoundedRect(seg, 2, 2);
        }
    }
    return FinishIcon(image);
}

} // namespace tablamor::art
