#pragma once
// The cards some foundation takes in a position, for the solver's scoring. Remembered per
// foundation by its top card where its verdict reads nothing else (VerdictReadsTopOnly), so a new
// set of foundations mostly costs a lookup per foundation; and whole by the foundations' sizes and
// top cards where no foundation rule reads the tableau tops. Both are kept from one search of the
// game to the next (engine/solver_cache.h). The whole sets are a guess where some foundation's
// verdict reads more than the foundations (a base read off other piles, whole suits on the
// tableau): the score reads them as a hint only.
#include "engine/game_state.h"

#include <bitset>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace tablamor {

class WantedCards {
public:
    using CardSet = std::bitset<kMaxCards + 1>;

    explicit WantedCards(const GameState& start);

    // The cards CanPlaceOnFoundation lets onto some foundation of `position`, alone.
    const CardSet& Of(const GameState& position);

private:
    static constexpr std::size_t kCardCodes = kMaxCards + 1; // card codes 0..kMaxCards
    struct Kept {
        std::unordered_map<std::uint64_t, CardSet> byFoundations;
        std::vector<CardSet> byTop; // per foundation and top card
        std::vector<bool> byTopKnown;
    };

    Kept& kept_;
    bool readsTableau_ = false; // a foundation rule looks at the tableau tops
    // The set asked for last and the foundations it was asked for: the children of one position
    // mostly share their foundations. A copy, as another search may empty the kept sets.
    std::uint64_t lastKey_ = 0;
    bool lastKept_ = false;
    CardSet last_;

    CardSet TakenBy(const GameState& position, int n);
};

} // namespace tablamor
