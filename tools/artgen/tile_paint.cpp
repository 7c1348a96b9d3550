#include "tools/artgen/tile_paint.h"

#include <QPainter>

#include <algorithm>

namespace tablamor::art {

void DrawWrapped(QPainter& painter, int width, int height, const std::function<void()>& draw) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            painter.save();
            painter.translate(dx * width, dy * height);
            draw();
            painter.restore();
        }
}

QColor Mix(const QColor& a, const QColor& b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    auto lerp = [t](int x, int y) { return static_cast<int>(x + (y - x) * t + 0.5); };
    return QColor(lerp(a.red(), b.red()), lerp(a.green(), b.green()), lerp(a.blue(), b.blue()));
}

void FillPixels(QImage& tile, const std::function<QColor(int x, int y)>& shade) {
    for (int y = 0; y < tile.height(); ++y)
        for (int x = 0; x < tile.width(); ++x) tile.setPixel(x, y, shade(x, y).rgb());
}

} // namespace tablamor::art
