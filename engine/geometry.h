#pragma once
// Pixel geometry the rules need without knowing how the table is laid out: plain rectangles and
// the positions of the piles' top cards. The table layout implements PileGeometry; tests use
// hand-made positions.
#include "engine/piles.h"

#include <algorithm>

namespace tablamor {

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    int Right() const { return x + width; }   // one past the last column
    int Bottom() const { return y + height; } // one past the last row
    bool Contains(int px, int py) const {
        return px >= x && px < Right() && py >= y && py < Bottom();
    }
    // Area shared with another rectangle, 0 when they do not overlap.
    int OverlapArea(const Rect& o) const {
        int w = std::min(Right(), o.Right()) - std::max(x, o.x);
        int h = std::min(Bottom(), o.Bottom()) - std::max(y, o.y);
        return w > 0 && h > 0 ? w * h : 0;
    }
    bool operator==(const Rect&) const = default;
};

// Where the piles lie on the table.
class PileGeometry {
public:
    virtual ~PileGeometry() = default;
    // False for a pile that has no position on this table.
    virtual bool Placed(PileIndex pile) const = 0;
    // The rectangle (one card wide and high) where the pile's top card lies, or where its first
    // card would lie when it is empty.
    virtual Rect TopCardRect(PileIndex pile) const = 0;
    // The card size of the table.
    virtual int CardWidth() const = 0;
    virtual int CardHeight() const = 0;
};

} // namespace tablamor
