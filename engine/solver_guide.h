#pragma once
// Guidance for the solver's search, read from the rules alone (no per-game knowledge): a move it
// may make without trying the others, and how promising a position looks.
//
// A card going to a foundation is safe when no card still off the foundations could ever be
// built on it on any tableau pile: whatever a win from the position before does with that card,
// it can do without it, so every win from before is also a win after. Games where the move could
// change anything else (cards taken back from the foundations, piles filled or dealt to in order,
// a waste dealt in threes, builds on the waste, special and pairing games) get no safe moves.
#include "engine/game_state.h"

#include <bitset>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace tablamor {

class SolverGuide {
public:
    explicit SolverGuide(const GameState& start);

    bool IsSafeFoundationMove(const GameState& before, const GameState& after);

    // True when the position can no longer be won because a card can never reach a foundation.
    // Read where the foundations judge a card against the tableau tops (a card goes up beside a
    // higher card or an ace of its suit, an ace at any time): once a suit's aces are all up, the
    // highest card of that suit still down can never follow them.
    bool IsDead(const GameState& position) const;

    // Higher is more promising: cards on the foundations above all, then face-down cards still
    // to turn on the table and cards dealt to the waste but not played, empty tableau piles,
    // cards lying on cards the foundations take now, cards not on a card they are built on,
    // cards parked in reserves.
    int Score(const GameState& position);

private:
    using CardSet = std::bitset<kMaxCards + 1>;

    bool safeMovesAllowed_ = false;
    bool waveringWaste_ = false;        // a waste card sent early changes what later passes show
    bool fillingInOrder_ = false;       // emptied piles are filled or dealt to by place
    bool wantedReadsTableau_ = false;   // a foundation rule looks at the tableau tops
    bool judgedByTableauTops_ = false;  // every foundation takes cards by that rule
    std::vector<int> distinctTableaus_; // one tableau pile of each set of building rules
    std::unordered_map<std::uint64_t, CardSet> wantedByFoundations_;

    const CardSet& Wanted(const GameState& position);
    int BrokenPairs(const GameState& position) const;
};

} // namespace tablamor
