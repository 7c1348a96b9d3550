#pragma once
// A picture the painter draws on, addressed in window coordinates. The window's own picture is
// drawn as it is; the table picture holds the whole table from its top, so a window point lands
// on it `yShift` (the scroll position) rows lower. `background` is the bare background behind
// the surface, where rounded corners and uncovered areas are taken from.
#include "table/card_blit.h"

#include <QImage>
#include <QPoint>
#include <QRect>

namespace tablamor::table {

struct Surface {
    QImage* image = nullptr;
    int yShift = 0;
    BackgroundRef background;

    QPoint ToPicture(QPoint window) const { return window + QPoint(0, yShift); }
    QRect ToPicture(const QRect& window) const { return window.translated(0, yShift); }
};

// The table picture, with the background picture sharing its coordinates.
inline Surface TableSurface(QImage& table, const QImage& background, int scroll) {
    return {&table, scroll, {&background, {0, 0}}};
}

// The window's picture, over the part of the background that starts at the scroll position.
inline Surface WindowSurface(QImage& window, const QImage& background, int scroll) {
    return {&window, 0, {&background, {0, scroll}}};
}

} // namespace tablamor::table
