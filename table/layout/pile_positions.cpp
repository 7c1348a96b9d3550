#include "table/layout/pile_positions.h"

namespace tablamor::layout {
namespace {

bool Valid(PileIndex pile) {
    return pile >= 0 && pile < kPileCount;
}

} // namespace

int MarkerOf(PileIndex pile) {
    if (pile < kFirstFoundation) return kStockGroupMarker;
    if (pile < kFirstTableau) return kFoundationMarker;
    if (pile < kFirstReserve) return kTableauMarker;
    return kReserveMarker;
}

PilePositions::PilePositions() {
    Reset();
}

void PilePositions::Reset() {
    for (PileIndex pile = 0; pile < kPileCount; ++pile) {
        x_[static_cast<std::size_t>(pile)] = MarkerOf(pile);
        y_[static_cast<std::size_t>(pile)] = MarkerOf(pile);
    }
    scrollOffset_ = 0;
}

int PilePositions::X(PileIndex pile) const {
    return Valid(pile) ? x_[static_cast<std::size_t>(pile)] : MarkerOf(pile);
}

int PilePositions::Y(PileIndex pile) const {
    int y = AbsoluteY(pile);
    return IsUnset(y) ? y : y - scrollOffset_;
}

int PilePositions::AbsoluteY(PileIndex pile) const {
    return Valid(pile) ? y_[static_cast<std::size_t>(pile)] : MarkerOf(pile);
}

bool PilePositions::Placed(PileIndex pile) const {
    return Valid(pile) && !IsUnset(X(pile)) && !IsUnset(AbsoluteY(pile));
}

void PilePositions::SetX(PileIndex pile, int x) {
    if (Valid(pile)) x_[static_cast<std::size_t>(pile)] = x;
}

void PilePositions::SetY(PileIndex pile, int absoluteY) {
    if (Valid(pile)) y_[static_cast<std::size_t>(pile)] = absoluteY;
}

void PilePositions::Set(PileIndex pile, int x, int absoluteY) {
    SetX(pile, x);
    SetY(pile, absoluteY);
}

} // namespace tablamor::layout
