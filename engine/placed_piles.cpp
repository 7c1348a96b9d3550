#include "engine/placed_piles.h"

namespace tablamor {
namespace {

constexpr int kSpotGap = 10; // between neighbouring spots, so that no two meet

} // namespace

PlacedPiles PlacedPiles::From(const PileGeometry& geometry) {
    PlacedPiles piles;
    for (PileIndex p = 0; p < kPileCount; ++p) piles.SetPlaced(p, geometry.Placed(p));
    return piles;
}

PlacedPiles PlacedPiles::EveryPileOf(const GameState& state) {
    PlacedPiles piles;
    piles.SetPlaced(kStockPile, true);
    piles.SetPlaced(kWastePile, true);
    piles.SetPlaced(kThirdPile, true);
    for (int n = 0; n < state.FoundationCount(); ++n) piles.SetPlaced(FoundationPile(n), true);
    for (int n = 0; n < state.TableauCount(); ++n) piles.SetPlaced(TableauPile(n), true);
    for (int n = 0; n < state.ReserveCount(); ++n) piles.SetPlaced(ReservePile(n), true);
    return piles;
}

void PlacedPiles::SetPlaced(PileIndex pile, bool placed) {
    if (pile >= 0 && pile < kPileCount) placed_.set(static_cast<std::size_t>(pile), placed);
}

bool PlacedPiles::Placed(PileIndex pile) const {
    return pile >= 0 && pile < kPileCount && placed_.test(static_cast<std::size_t>(pile));
}

Rect PlacedPiles::TopCardRect(PileIndex pile) const {
    return Rect{pile * (kCardWidth + kSpotGap), 0, kCardWidth, kCardHeight};
}

} // namespace tablamor
