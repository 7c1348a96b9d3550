#pragma once
// The solver's transposition key. Piles of one group that the rules cannot tell apart (the free
// cells of a game, its tableau piles when every one has the same rules and none takes cards from
// the stock, its foundations) are keyed as a set, not a sequence, so a position and the same
// position with two such piles swapped are searched once. A pile cards only ever go onto (the
// discard pile of the golf games, foundations nothing is taken back from) keys by its top card and
// its size: the order of what lies under the top can never matter again.
#include "engine/game_state.h"

#include <cstdint>

namespace tablamor {

// Which pile groups are keyed as sets, and which piles by their top card alone.
struct PileSymmetry {
    bool tableaus = false;
    bool reserves = false;
    bool foundations = false;
    bool thirdPileDiscards = false;
    bool foundationsDiscard = false;
    // Stock and waste key as one sequence, whatever the split between them: only where the
    // search reaches every card of the stock from any split (engine/solver_moves.h) and a press
    // deals one card.
    bool stockCycle = false;
};

// Folds v into the running key h.
inline std::uint64_t MixKey(std::uint64_t h, std::uint64_t v) {
    return h ^ (v + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2));
}

// One of the golf games: cards go onto the third pile, from the tableau or the stock.
bool IsGolfGame(const GameState& state);

// Read from the parameters of a dealt game (the deal may rewrite foundation bases).
PileSymmetry SymmetryOf(const GameState& state);

std::uint64_t PositionKey(const GameState& state, const PileSymmetry& symmetry);

} // namespace tablamor
