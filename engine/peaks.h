#pragma once
// The peaks arrangement: a golf-style game with the peaks press (special code 12) whose tableau
// piles lie side by side (fan style 4) is a set of pyramid rows, the first row on top, row n
// lying on places k and k + 1 of row n + 1. Each card of the first row is the top of a peak; every
// later row but the last shares its cards evenly among the peaks, each peak's cards starting the
// row count less one places after the previous peak's, with gaps between; the last row is whole.
// Rows of 3, 6, 9 and 10 cards make three peaks over a base of ten, rows of 1, 2 .. 7 a plain
// pyramid. A card is free when no card of the row below lies on it (PyramidCardFree); a free
// face-down card turns face up.
#include "engine/events.h"
#include "engine/game_state.h"

namespace tablamor {

// The game lays its tableau out as peaks.
bool HasPeaks(const GameParams& params);

// Puts the gaps of the peaks arrangement into the rows just dealt. A row whose dealt count does not
// divide into its peaks, or whose peaks would touch, is left as dealt.
void SpreadPeaks(GameState& state);

// Turns face up every face-down tableau card that no card lies on any more.
void TurnUncoveredPeakCards(GameState& state, EventSink& sink);

} // namespace tablamor
