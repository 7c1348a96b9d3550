#include "table/card_art/card_backs.h"

#include "table/card_art/card_frame.h"
#include "table/card_art/palette.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace tablamor::art {
namespace {

// The white margin between the card's outline and the design, by card size.
int MarginFor(const CardSize& size) {
    if (size.letter == 'B') return 4;
    if (size.letter == 'M') return 3;
    if (size.letter == 'P') return 2;
    return std::max(2, 4 * size.width / kBigCardWidth); // any other size: as the big card
}

void PaintDesign(QPainter& painter, int number) {
    switch (number) {
    case 1:
        PaintBoatBack(painter);
        break;
    case 3:
        PaintSnowmanBack(painter);
        break;
    case 6:
        PaintTrellisBack(painter);
        break;
    case 11:
        PaintPlaitingBack(painter);
        break;
    case 14:
        PaintRosesBack(painter);
        break;
    case 19:
        PaintTropicalFishBack(painter);
        break;
    default:
        painter.fillRect(QRectF(0, 0, kBackDesignWidth, kBackDesignHeight), Qt::darkBlue);
    }
}

} // namespace

QImage CardBack(const CardSize& size, int number) {
    QImage image(size.width, size.height, QImage::Format_RGB32);
    QRect cell(0, 0, size.width, size.height);
    PaintBlankCard(image, cell, palette::kCardWhite);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, true);
        const int margin = MarginFor(size);
        QRectF area = QRectF(cell).adjusted(margin, margin, -margin, -margin);
        QPainterPath clip;
        const qreal corner = margin;
        clip.addRoundedRect(area, corner, corner);
        painter.setClipPath(clip);
        painter.translate(area.topLeft());
        painter.scale(area.width() / kBackDesignWidth, area.height() / kBackDesignHeight);
        PaintDesign(painter, number);
    }
    PaintCardOutline(image, cell);
    return image;
}

} // namespace tablamor::art
