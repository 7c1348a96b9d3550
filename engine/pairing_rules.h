#pragma once
// Which cards the pairing games let the player select together, and when a selection is complete
// (it is then discarded). The selection is held in the order the cards were picked, newest last.
// Pure functions of the ranks: where a card lies is the caller's business.
#include "engine/cards.h"

#include <span>

namespace tablamor {

enum class SelectionCheck {
    Refused,    // the newest card breaks the game's rule: beep and take it out again
    Incomplete, // keep selecting
    Complete,   // discard the selection
};

// The pairing rule of special game code `code` with target `targetSum` (the pairing parameter).
// `faceUp` tells whether each selected card is face up (codes 25 and 26 take face-up cards only).
SelectionCheck CheckPairingSelection(int code, int targetSum, std::span<const Card> selection,
                                     std::span<const bool> faceUp);

// The pyramid family: at most two cards whose ranks add up to `sum` (13 or 14); a king alone
// completes at 13.
SelectionCheck CheckSumSelection(int sum, std::span<const Card> selection);

// Special game codes of the pairing and pyramid games.
namespace pairing {
inline constexpr int kPyramidFourteen = 3;
inline constexpr int kPyramidThirteen = 4;
inline constexpr int kPipsAndFourOfAKind = 1;
inline constexpr int kTwoCardSum = 7;
inline constexpr int kMonteCarlo = 8;
inline constexpr int kEqualRankPairs = 14;
inline constexpr int kEqualRankPairsToo = 16;
inline constexpr int kElevensAndCourts = 17;
inline constexpr int kAceOrEighteen = 18;
inline constexpr int kTensTwentiesThirties = 20;
inline constexpr int kTwoCardsFree = 21;
inline constexpr int kTwoCardsFreeQueenKing = 22;
inline constexpr int kAnyCardsFree = 23;
inline constexpr int kNinesAndTenToKing = 24;
inline constexpr int kFaceUpEqualPairs = 25;
inline constexpr int kFaceUpElevens = 26;
// Two cards of the same rank that touch in the grid of the tableau, side by side, one above the
// other or corner to corner; the stock press closes the gaps as code 8 does.
inline constexpr int kTouchingEqualRanks = 30;

// The stock press closes the tableau's gaps up and refills it from the stock (codes 8 and 30).
constexpr bool ClosesGaps(int code) {
    return code == kMonteCarlo || code == kTouchingEqualRanks;
}
} // namespace pairing

// Whether tableau places `a` and `b` (0-based, laid out row by row, `columns` to a row) touch:
// next to each other across, down or corner to corner.
bool TouchInGrid(int a, int b, int columns);

} // namespace tablamor
