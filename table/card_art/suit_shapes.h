#pragma once
// The four suit symbols. The vector shapes are told apart by outline alone (two lobes over a
// point, a rhombus, three round leaves on a stem, a point over two lobes on a stem), so the
// suits stay distinct for a player who cannot tell red from black. Below about nine pixels the
// hand-drawn pixel symbols replace them.
#include <QColor>
#include <QPainterPath>
#include <QRectF>

class QPainter;

namespace tablamor::art {

enum class Suit { Hearts, Diamonds, Clubs, Spades };
inline constexpr Suit kSuits[] = {Suit::Hearts, Suit::Diamonds, Suit::Clubs, Suit::Spades};

inline bool IsRed(Suit suit) {
    return suit == Suit::Hearts || suit == Suit::Diamonds;
}

// The suit's outline centred in the box [-1, 1] x [-1, 1] (y grows downwards).
QPainterPath SuitShape(Suit suit);

// The shape scaled into `box` keeping its proportions, centred; upside down when `inverted`.
QPainterPath SuitInBox(Suit suit, const QRectF& box, bool inverted = false);

// The 7 x 7 pixel symbol: row-major, '#' set and '.' clear.
const char* const* SuitPixels(Suit suit);
inline constexpr int kSuitPixelSize = 7;

// Sets the pixel symbol's pixels at (x, y) in `color`; `inverted` turns it upside down.
void DrawSuitPixels(QPainter& painter, Suit suit, int x, int y, const QColor& color,
                    bool inverted = false);

} // namespace tablamor::art
