#pragma once
// The selection of the pairing and pyramid games: the cards the player has pressed, held in
// pressing order as the first foundation's pile while they still lie where they are. A press
// toggles a card in or out; a selection that breaks the game's rule is refused; a complete one is
// discarded to the third stock-group pile (and, in the pairing games, the empty tableau piles are
// refilled from the stock) as one undo step.
#include "engine/step_record.h"

namespace tablamor {

enum class ToggleResult {
    Deselected, // the card was selected and leaves the selection
    Selected,   // the card joins the selection, which is not complete yet
    Refused,    // the card would break the rule: beep, nothing changes
    Completed,  // the card completes the selection, which is discarded
};

// What pressing the card would do. `pairing`: the pairing rules of the game's special code and
// pairing sum; otherwise the pyramid family's two cards adding up to 14 (code 3) or 13 (code 4).
ToggleResult PreviewToggle(const GameState& state, Card card, bool pairing);

// Carries the press out. True unless refused (then the sink beeps). The pyramid family's
// selection of two cards to 13 or 14, and the pairing games' selection by their rule.
[[nodiscard]] bool ToggleSumSelection(GameState& state, Card card, const PlayEnv& env);
[[nodiscard]] bool TogglePairingSelection(GameState& state, Card card, const PlayEnv& env);

} // namespace tablamor
