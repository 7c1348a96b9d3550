#pragma once
// Which mark an empty pile shows. The marks are numbered as in the resource library (001..022);
// 0 means the pile shows no mark. Pure rules over the game parameters and the pile's state.
#include "engine/params.h"

namespace tablamor::table {

namespace mark {
inline constexpr int kNone = 0;
inline constexpr int kReserve = 1;
inline constexpr int kWaste = 2;
inline constexpr int kQueen = 3;
inline constexpr int kAnyCard = 4;
inline constexpr int kRedealPressed = 5;
inline constexpr int kJack = 6;
inline constexpr int kEmptyColumn = 7;
inline constexpr int kNoRedeal = 8;
inline constexpr int kFreeCell = 9;
inline constexpr int kAce = 10;
inline constexpr int kKing = 11;
inline constexpr int kTwo = 12; // 012 .. 020: two to ten
inline constexpr int kPairingStock = 21;
inline constexpr int kRedeal = 22;
} // namespace mark

// The kinds of empty pile.
enum class EmptyPile {
    Stock = 1,
    Waste = 2,
    Foundation = 3,
    Reserve = 5,
    Tableau = 6,
    ThirdPile = 7,
};

// What decides the stock's mark besides the parameters.
struct StockState {
    int passesUsed = 1; // passes through the stock so far, 1 at the deal
    int wasteCards = 0;
};

// The rank mark of a base code (1..13, and the special ace codes 81 and 85 and king code 84);
// kNone for a code that has none.
int RankMark(int baseCode);

// The mark of an empty pile; `number` is the 0-based foundation or tableau number.
int EmptyMark(EmptyPile kind, const GameParams& params, int number, const StockState& stock);

} // namespace tablamor::table
