#pragma once
// When a game is won, and its running score. Both read only the piles and the game's parameters.
#include "engine/params.h"
#include "engine/table.h"

namespace tablamor {

// Special game codes that change the won test or the score.
namespace special {
inline constexpr int kFillEveryColumn = 9;    // won when every tableau column holds a card
inline constexpr int kFirstColumnOfFour = 21; // won when the stock is out and column 1 holds <= 4
inline constexpr int kFirstColumnOfFourToo = 22;
inline constexpr int kGapsOnly = 4; // won when the tableau holds nothing but gaps
} // namespace special

// Stock and waste empty, every tableau column and every reserve empty, with the exceptions of the
// special codes above and of the code whose aces stay (code::kSpecialAcesStay): its tableau
// columns may still hold aces.
bool IsGameWon(const Table& table, const GameParams& p);

// Five points for every card on the foundations and the third stock-group pile, and for every
// card the deal's bonus counts, less the number of cards of the game: an untouched deal of one
// deck scores -52, a finished one 208.
int ComputeScore(const Table& table, const GameParams& p);

} // namespace tablamor
