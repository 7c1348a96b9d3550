#pragma once
// The running state of one game as a single value: the parameters (as loaded, then partly
// rewritten by each deal), the table, the score and the per-deal counters. Rules, deals and moves
// are free functions over this value, so undo, hints and a solver can copy it, compare it and try
// moves on the copy.
#include "engine/game_number.h"
#include "engine/params.h"
#include "engine/table.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace tablamor {

// The parameters each deal rewrites, as loaded: the foundation base codes and the tableau
// empty-fill codes. They are put back before every further deal of the same game.
struct SavedDealParams {
    std::array<std::int16_t, kMaxFoundations> foundationBase{};
    std::array<std::int16_t, kMaxTableaus> tableauEmptyFill{};

    bool operator==(const SavedDealParams&) const = default;
};

struct GameState {
    GameParams params;
    SavedDealParams saved;
    Table table;
    GameNumber number;

    int score = 0;
    bool scoring = true; // the scoring type is the running score ("01")
    int passesUsed = 1;  // passes through the stock, 1 at the start of a deal
    int actionsDone = 0; // actions carried out in this deal, counted up to 2
    bool stockPressed = false;
    bool active = false; // a deal is in play
    bool won = false;

    int P(int index) const { return params[index]; }
    int P(ParamRange range, int n) const { return params.At(range, n); }
    // Inline: the rules read them for every pile they judge.
    int FoundationCount() const {
        return std::clamp<int>(params[param::kFoundationCount], 0, kMaxFoundations);
    }
    int TableauCount() const {
        return std::clamp<int>(params[param::kTableauCount], 0, kMaxTableaus);
    }
    int ReserveCount() const {
        return std::clamp<int>(params[param::kReserveCount], 0, kMaxReserves);
    }
    int CardCount() const { return params[param::kCardCount]; }
    // The first-deck card whose face `card` shows in this game's deck (FaceCode).
    int Face(Card card) const { return FaceCode(card, params[param::kDeckSuits]); }
    // A pairing game (the pairing parameter is set) or one of the pyramid family: the first
    // foundation then holds the cards the player has selected, while they still lie on their
    // piles.
    bool HoldsSelection() const;

    bool operator==(const GameState&) const = default;
};

// A state for a freshly loaded game: the parameters and their saved copy, an empty table.
GameState NewGameState(const GameParams& loaded);

// The pile that holds a pairing or pyramid game's selection.
inline constexpr PileIndex kSelectionPile = FoundationPile(0);

// The pile a card lies on; in a game that holds a selection, a selected card is found where it
// lies, not in the selection. -1 when no pile holds it.
PileIndex CardPile(const GameState& state, Card card);

// Puts back the saved foundation bases and tableau empty-fill codes.
void RestoreDealParams(GameState& state);

// Ready for a new deal: parameters put back, piles empty, counters and flags reset, score 0.
void ResetForDeal(GameState& state);

// The running score. `reset` sets it to minus the game's card count; otherwise it grows by five
// for each of `cards`. Nothing happens when the game keeps no running score (special code 9, or
// another scoring type).
void AddScore(GameState& state, int cards, bool reset = false);

// Recomputes the running score from the table (ComputeScore), when the game keeps one.
void UpdateScore(GameState& state);

} // namespace tablamor
