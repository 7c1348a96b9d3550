#pragma once
// A pile geometry with no pixels: which piles have a place on the table, each at a spot of its
// own that no other pile's spot meets. A drop onto a pile's own spot is then judged exactly as the
// window judges a drop onto that pile. The move generator, the command line and a solver use it;
// it is a plain value, cheap to copy and independent of the cards.
#include "engine/game_state.h"
#include "engine/geometry.h"

#include <bitset>

namespace tablamor {

class PlacedPiles : public PileGeometry {
public:
    static constexpr int kCardWidth = 71;
    static constexpr int kCardHeight = 96;

    PlacedPiles() = default;
    // The piles that `geometry` places.
    static PlacedPiles From(const PileGeometry& geometry);
    // Every pile the game's counts use, and the whole stock group.
    static PlacedPiles EveryPileOf(const GameState& state);

    void SetPlaced(PileIndex pile, bool placed);
    bool Placed(PileIndex pile) const override;
    Rect TopCardRect(PileIndex pile) const override;
    int CardWidth() const override { return kCardWidth; }
    int CardHeight() const override { return kCardHeight; }

private:
    std::bitset<kPileCount> placed_;
};

} // namespace tablamor
