#pragma once
// The solver's transposition key. Piles of one group that the rules cannot tell apart (the free
// cells of a game, its tableau piles when every one has the same rules and none takes cards from
// the stock, its foundations) are keyed as a set, not a sequence, so a position and the same
// position with two such piles swapped are searched once. A pile cards only ever go onto (the
// discard pile of the golf games, foundations nothing is taken back from) keys by its top card and
// its size: the order of what lies under the top can never matter again. The face flags are keyed
// once for the whole table (cards reach such a pile face up), but for stock and waste keyed as a
// cycle, whose presses turn the cards they deal.
#include "engine/game_state.h"

#include <cstdint>

namespace tablamor {

// Which pile groups are keyed as sets, and which piles by their top card alone.
struct PileSymmetry {
    bool tableaus = false;
    bool reserves = false;
    bool foundations = false;
    bool thirdPileDiscards = false;
    // The games that hold a selection: the third pile holds every card the other piles do not,
    // and the rules read nothing of it but its size, so the key leaves it out.
    bool thirdPileImplied = false;
    bool foundationsDiscard = false;
    // Stock and waste key as one sequence, whatever the split between them: only where the
    // search reaches every card of the stock from any split (engine/solver_moves.h) and a press
    // deals one card.
    bool stockCycle = false;
};

// Folds v into the running key h: a strong mix (the finalizer of splitmix64), so that keys
// differing in a few bits anywhere along the way, even in several places, do not meet again.
constexpr std::uint64_t MixKey(std::uint64_t h, std::uint64_t v) {
    std::uint64_t x = h ^ v;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ULL;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebULL;
    return x ^ (x >> 31);
}

// One of the golf games: cards go onto the third pile, from the tableau or the stock.
bool IsGolfGame(const GameState& state);

// Read from the parameters of a dealt game (the deal may rewrite foundation bases).
PileSymmetry SymmetryOf(const GameState& state);

std::uint64_t PositionKey(const GameState& state, const PileSymmetry& symmetry);

} // namespace tablamor
