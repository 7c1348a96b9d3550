#pragma once
// Helpers for drawing tiles that repeat without seams.
#include <QColor>
#include <QImage>
#include <QPointF>

#include <functional>

class QPainter;

namespace tablamor::art {

// Calls `draw` nine times, shifted by the tile's width and height in every direction, so that
// whatever crosses an edge comes back in on the opposite side.
void DrawWrapped(QPainter& painter, int width, int height, const std::function<void()>& draw);

// Linear mix of two colours, t in [0, 1].
QColor Mix(const QColor& a, const QColor& b, double t);

// Every pixel of `tile` from `shade(x, y)`.
void FillPixels(QImage& tile, const std::function<QColor(int x, int y)>& shade);

} // namespace tablamor::art
