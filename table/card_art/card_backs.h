#pragma once
// The card backs: a white margin inside the card outline around a picture or pattern that fits
// the back's name. Every back is drawn in one design space and scaled to each card size.
#include "table/resource_names.h"

#include <QImage>
#include <QRectF>

class QPainter;

namespace tablamor::art {

// The back of `number` (one of kBackNumbers) at `size`; an unknown number gives a plain back.
QImage CardBack(const CardSize& size, int number);

// The designs, drawn into the design space [0, kBackDesignWidth] x [0, kBackDesignHeight].
inline constexpr double kBackDesignWidth = 100.0;
inline constexpr double kBackDesignHeight = 140.0;
void PaintBoatBack(QPainter& painter);
void PaintSnowmanBack(QPainter& painter);
void PaintTropicalFishBack(QPainter& painter);
void PaintPlaitingBack(QPainter& painter);
void PaintRosesBack(QPainter& painter);
void PaintTrellisBack(QPainter& painter);

} // namespace tablamor::art
