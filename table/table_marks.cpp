#include "table/table_marks.h"

#include <QPen>

#include <algorithm>

namespace tablamor::table {
namespace {

// The bright line is one part in this many of the card width, never thinner than kThinnest.
constexpr int kCardWidthsPerLine = 20;
constexpr int kThinnest = 2;
// The dark border on each side of the bright line.
constexpr int kBorder = 1;

QColor MarkColour(MarkKind kind) {
    switch (kind) {
    case MarkKind::Lift:
        return QColor(255, 215, 0); // gold
    case MarkKind::Target:
        return QColor(0, 230, 255); // cyan
    case MarkKind::Held:
        return QColor(255, 120, 0); // orange
    case MarkKind::Focus:
        break;
    }
    return QColor(255, 40, 200); // magenta: unlike any card or background colour
}

int LineWidth(qreal scale, int cardWidth) {
    return std::max(kThinnest, static_cast<int>(cardWidth / scale) / kCardWidthsPerLine);
}

QRect ViewRect(const QRect& canvas, qreal scale) {
    return QRectF(canvas.x() / scale, canvas.y() / scale, canvas.width() / scale,
                  canvas.height() / scale)
        .toRect();
}

} // namespace

void PaintMarks(QPainter& painter, const std::vector<TableMark>& marks, qreal scale,
                int cardWidth) {
    const int line = LineWidth(scale, cardWidth);
    painter.save();
    painter.setBrush(Qt::NoBrush);
    for (const TableMark& mark : marks) {
        const QRect r = ViewRect(mark.rect, scale);
        const Qt::PenStyle style = mark.kind == MarkKind::Target ? Qt::DashLine : Qt::SolidLine;
        painter.setPen(
            QPen(Qt::black, line + 2 * kBorder, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.drawRect(r);
        painter.setPen(QPen(MarkColour(mark.kind), line, style, Qt::SquareCap, Qt::MiterJoin));
        painter.drawRect(r);
    }
    painter.restore();
}

QRect MarkBounds(const TableMark& mark, qreal scale, int cardWidth) {
    const int reach = LineWidth(scale, cardWidth) + 2 * kBorder;
    return ViewRect(mark.rect, scale).adjusted(-reach, -reach, reach, reach);
}

} // namespace tablamor::table
