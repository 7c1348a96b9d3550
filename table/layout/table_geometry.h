#pragma once
// The pile geometry of a laid-out table: which piles have a place and where their cards lie, for
// the rules' drop-target search, the hit test and the painter. It reads the positions, the cards
// and the parameters it was given at every call, so it follows moves and scrolling without being
// rebuilt; those objects must outlive it.
#include "engine/geometry.h"
#include "table/layout/pile_fan.h"

namespace tablamor::layout {

class TableGeometry : public PileGeometry {
public:
    TableGeometry(const PilePositions& positions, const Table& table, const GameParams& params,
                  const FanSteps& steps, CardSize card);

    bool Placed(PileIndex pile) const override;
    // Card rectangle of the pile's top card, or of its first card when it is empty.
    Rect TopCardRect(PileIndex pile) const override;
    int CardWidth() const override { return context_.card.width; }
    int CardHeight() const override { return context_.card.height; }

    // Card rectangle of card k (0 = bottom) of the pile.
    Rect CardRect(PileIndex pile, int k) const;
    // Shows (or with nullptr stops showing) the untidy tableau's shifts.
    void SetUntidy(const UntidyShifts* shifts) { context_.untidy = shifts; }
    const FanContext& Context() const { return context_; }

private:
    FanContext context_;
};

} // namespace tablamor::layout
