#include "engine/game_state.h"

#include "engine/pairing_rules.h"
#include "engine/rule_codes.h"
#include "engine/winning.h"

#include <algorithm>

namespace tablamor {
namespace {

constexpr int kPointsPerCard = 5;

} // namespace

bool GameState::HoldsSelection() const {
    const int special = params[param::kSpecialCode];
    return params[param::kPairingSum] != 0 || special == pairing::kPyramidFourteen ||
           special == pairing::kPyramidThirteen;
}

PileIndex CardPile(const GameState& state, Card card) {
    if (card == kNoCard) return -1;
    const Table& t = state.table;
    if (!state.HoldsSelection() || t.Find(kSelectionPile, card) < 0) return t.PileOf(card);
    for (PileIndex p = 0; p < kPileCount; ++p)
        if (p != kSelectionPile && t.Find(p, card) >= 0) return p;
    return -1;
}

GameState NewGameState(const GameParams& loaded) {
    GameState state;
    state.params = loaded;
    for (int n = 0; n < kMaxFoundations; ++n)
        state.saved.foundationBase[static_cast<std::size_t>(n)] =
            loaded.At(param::kFoundationBase, n);
    for (int n = 0; n < kMaxTableaus; ++n)
        state.saved.tableauEmptyFill[static_cast<std::size_t>(n)] =
            loaded.At(param::kTableauEmptyFill, n);
    return state;
}

void RestoreDealParams(GameState& state) {
    for (int n = 0; n < kMaxFoundations; ++n)
        state.params.Set(param::kFoundationBase, n,
                         state.saved.foundationBase[static_cast<std::size_t>(n)]);
    for (int n = 0; n < kMaxTableaus; ++n)
        state.params.Set(param::kTableauEmptyFill, n,
                         state.saved.tableauEmptyFill[static_cast<std::size_t>(n)]);
}

void ResetForDeal(GameState& state) {
    RestoreDealParams(state);
    state.table.ClearPiles();
    state.score = 0;
    state.passesUsed = 1;
    state.actionsDone = 0;
    state.stockPressed = false;
    state.active = false;
    state.won = false;
}

void AddScore(GameState& state, int cards, bool reset) {
    if (!state.scoring || state.P(param::kSpecialCode) == code::kSpecialUnscored) return;
    if (reset)
        state.score = -state.CardCount();
    else
        state.score += kPointsPerCard * cards;
}

void UpdateScore(GameState& state) {
    if (!state.scoring || state.P(param::kSpecialCode) == code::kSpecialUnscored) return;
    state.score = ComputeScore(state.table, state.params);
}

} // namespace tablamor
