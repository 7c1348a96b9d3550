#pragma once
// A hand-drawn pixel font for card ranks, for the sizes where outline text would blur: the
// smallest cards and the card counter. Each rank is 7 rows high; "10" is 7 columns wide, the
// others 5.
#include <QColor>

class QPainter;

namespace tablamor::art {

inline constexpr int kRankGlyphHeight = 7;

// Width in pixels of the rank's glyph (rank 1..13).
int RankGlyphWidth(int rank);

// Sets the glyph's pixels with its top-left at (x, y); `inverted` turns it upside down in place.
// `bold` thickens every stroke one pixel to the right (the glyph becomes one column wider).
void DrawRankGlyph(QPainter& painter, int rank, int x, int y, const QColor& color,
                   bool inverted = false, bool bold = false);

} // namespace tablamor::art
