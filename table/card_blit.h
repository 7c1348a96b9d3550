#pragma once
// Copying a card picture onto a surface with rounded corners. Card pictures are plain
// rectangles; the three pixels at each corner (the corner and its two neighbours along the
// edges) are replaced by what lies under the card: the top corners by the target's own pixels,
// the bottom corners by the bare background. A card lying on a pile of cards (the stock) may ask
// for grey bottom-right corner pixels instead, which reads as the edge of the cards below.
//
// Every call takes a clip rectangle in target coordinates; nothing outside it (or outside the
// target) is written, so a damaged area can be repainted piece by piece.
#include <QImage>
#include <QPoint>
#include <QRect>

#include <array>

namespace tablamor::table {

inline constexpr int kCornerPixels = 12;
inline constexpr int kCornerPixelsPerCorner = 3;

enum class BottomCorners {
    Background, // from the bare background
    Grey,       // bottom-right three in RGB(192, 192, 192): the card lies on more cards
};

// Offsets of the 12 corner pixels within a card of the given size: top-left, top-right,
// bottom-left, bottom-right, three each.
std::array<QPoint, kCornerPixels> CornerOffsets(QSize card);

// The background behind a surface: pixel p of the target lies over pixel p + offset of the
// background picture (the table picture is drawn with the scroll position added).
struct BackgroundRef {
    const QImage* picture = nullptr;
    QPoint offset;
};

// Draws a card picture with its corners rounded. A null picture draws nothing.
void DrawCardPicture(QImage& target, const QImage& card, QPoint at, const BackgroundRef& background,
                     BottomCorners bottom, const QRect& clip);

// Draws a picture with alpha (a mark) over the target.
void DrawOverlay(QImage& target, const QImage& picture, QPoint at, const QRect& clip);

// Inverts the colours of a card rectangle, keeping its 12 corner pixels as they were.
void InvertCard(QImage& target, const QRect& card, const QRect& clip);

// Copies a rectangle of `source` (same coordinates as the target plus `offset`) into `target`.
void CopyRect(QImage& target, const QImage& source, const QRect& rect, QPoint offset = {});

} // namespace tablamor::table
