#pragma once
// Looking for a deal the solver can win: numbers are drawn as a new deal draws them, each is
// dealt on a copy of the game as it is set up and searched by the one solver within a budget per
// number, until one is won or the budget of the whole search (numbers tried, time) is spent. A
// game whose deals the solver rarely decides spends the whole budget and finds none; the caller
// then deals an ordinary number and says so.
#include "engine/game_number.h"
#include "engine/game_state.h"
#include "engine/geometry.h"
#include "engine/solver.h"

#include <optional>
#include <random>

namespace tablamor {

struct WinnableDealBudget {
    int numbers = 0;       // numbers tried at most
    long long timeMs = 0;  // wall-clock milliseconds for the whole search; 0: no limit
    SolveBudget perNumber; // each number's search (its watch stops the whole search)
};

// The window's budget: the hint's search per number (at most 5 seconds each), up to 25 numbers
// and 30 seconds, so a game the solver decides finds a number within seconds and one it rarely
// decides gives up within a bearable wait.
WinnableDealBudget WindowWinnableDealBudget(SolveWatch* watch);

struct WinnableDealSearch {
    std::optional<GameNumber> number; // the first number won; none when the budget ran out
    int tried = 0;                    // numbers dealt and searched
};

// Searches numbers drawn from `rng` for `setUp` (a game set up; whatever deal lies in it is
// not touched) on `geometry`. A number the game cannot deal counts as tried.
WinnableDealSearch FindWinnableDeal(const GameState& setUp, const PileGeometry& geometry,
                                    std::mt19937& rng, const WinnableDealBudget& budget);

} // namespace tablamor
