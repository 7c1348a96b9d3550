#pragma once
// Marks laid over the table without touching its pictures: the hint's cards to lift and its
// target, and the keyboard's focus. Each is an outline in table (canvas) pixels, drawn dark
// outside and bright inside so that it shows on any background and card, with a line that
// grows with the card size.
#include <QPainter>
#include <QRect>

#include <vector>

namespace tablamor::table {

enum class MarkKind {
    Lift,   // the cards a hint would lift
    Target, // where a hint would put them
    Focus,  // the keyboard's focus
    Held,   // cards lifted from the keyboard
};

// Who laid a mark down; each keeps its own and replaces only those.
enum class MarkLayer {
    Hint,
    Keyboard,
};
inline constexpr int kMarkLayers = 2;

struct TableMark {
    MarkKind kind = MarkKind::Focus;
    QRect rect; // canvas pixels

    bool operator==(const TableMark&) const = default;
};

// Draws the marks on a painter in view pixels, `scale` canvas pixels to one view pixel;
// `cardWidth` (canvas pixels) sets the line width.
void PaintMarks(QPainter& painter, const std::vector<TableMark>& marks, qreal scale, int cardWidth);

// The view rectangle a mark repaints (its outline included).
QRect MarkBounds(const TableMark& mark, qreal scale, int cardWidth);

} // namespace tablamor::table
