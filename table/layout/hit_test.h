#pragma once
// What lies under a point of the table: the card (0 for an empty place), the pile, and the
// card's rectangle. Piles are tried in the order the player expects: the stock and the waste,
// the tableau columns (from the last to the first when the columns lie side by side), the
// foundations, then the reserves. A card is found as the topmost card whose place holds the
// point, which is what the fans show; a pile that fans on one spot answers with its top card.
#include "table/layout/table_geometry.h"

#include <optional>

namespace tablamor::layout {

struct Hit {
    Card card = kNoCard; // 0 on an empty pile
    PileIndex pile = -1;
    Rect rect; // the card's place (one card big)
};

std::optional<Hit> HitTest(const TableGeometry& geometry, int x, int y);

} // namespace tablamor::layout
