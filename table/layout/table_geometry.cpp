#include "table/layout/table_geometry.h"

#include <algorithm>

namespace tablamor::layout {

TableGeometry::TableGeometry(const PilePositions& positions, const Table& table,
                             const GameParams& params, const FanSteps& steps, CardSize card)
    : context_{positions, table, params, steps, card} {}

bool TableGeometry::Placed(PileIndex pile) const {
    return context_.positions.Placed(pile);
}

Rect TableGeometry::CardRect(PileIndex pile, int k) const {
    Point p = CardPlace(context_, pile, k);
    return {p.x, p.y, CardWidth(), CardHeight()};
}

Rect TableGeometry::TopCardRect(PileIndex pile) const {
    if (pile < 0 || pile >= kPileCount) return {};
    return CardRect(pile, std::max(context_.table.Size(pile) - 1, 0));
}

} // namespace tablamor::layout
