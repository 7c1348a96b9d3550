#pragma once
// May a card (or the run lying on it) be put on a given pile? The per-kind tests read the pile's
// parameters and hand the question to CheckBuild; the run tests say whether a run may be lifted
// and how many cards may move at once; the opening restriction narrows the first move of a deal.
#include "engine/build_rules.h"
#include "engine/events.h"
#include "engine/game_state.h"
#include "engine/move_context.h"

#include <optional>

namespace tablamor {

// n, k: 0-based numbers within the group. `move` names the card and whether it is carried alone
// and, for a run, the run's top card.
// The build question of tableau pile n with its rules filled in; the caller sets top and card.
BuildQuery TableauQuery(const GameState& state, int n);
bool CanPlaceOnFoundation(const GameState& state, int n, const MoveContext& move, EventSink& sink);
bool CanPlaceOnTableau(const GameState& state, int n, const MoveContext& move, EventSink& sink);
bool CanPlaceOnReserve(const GameState& state, int k, const MoveContext& move);

// Whether CanPlaceOnPile's verdict for `target` as it lies now reads nothing but its top card (or
// that it is empty), the card and the move's single-card flag (for a tableau pile, besides, that
// the run does not come from it): a tableau pile with a face-up top card and a rule that reads the
// query alone, a foundation likewise (or empty, with a base that reads the query alone) with room
// left, or a reserve whose rule does not count the first reserve's cards.
bool VerdictReadsTopOnly(const GameState& state, PileIndex target);

// Dispatches by the kind of pile; piles of other kinds, and piles the game does not use, take
// nothing.
bool CanPlaceOnPile(const GameState& state, const MoveContext& move, PileIndex target,
                    EventSink& sink);

// A run: a card and every card above it on its pile.
struct Run {
    PileIndex pile = -1;
    int first = 0; // position of the run's lowest card from the pile's bottom
    int size = 0;
    Card top = kNoCard;
};
// The run from the card to the top of the pile holding it; nullopt when no pile holds it.
std::optional<Run> RunFrom(const Table& table, Card card);

// The run from the card to the top of tableau pile n is built: every adjacent pair passes the
// pile's own rule (run check mode 1) or its direction in one suit (mode 10); any other mode
// accepts every run.
bool IsBuiltRun(const GameState& state, Card card, int n, EventSink& sink);
// The question IsBuiltRun asks of each adjacent pair of a run on tableau pile n (its top and card
// left to fill in).
BuildQuery RunQuery(const GameState& state, int n);
// Whether IsBuiltRun checks the pairs of a run at all (its mode 1 or 10).
bool RunChecked(const GameState& state);

// The run from `king` to the top of its tableau pile is a whole suit, face up, king to ace.
bool IsCompleteSuit(const GameState& state, Card king);
// The king of the whole suit that `top`, the top card of a tableau pile, ends; kNoCard if none.
Card CompleteSuitUnder(const GameState& state, Card top);
// The same for the top card of `pile`.
Card CompleteSuitOnTopOf(const GameState& state, PileIndex pile);

// The largest run that may move at once now; `toEmptyTableau` when the run is being dropped on
// an empty tableau pile rather than picked up. `runBottom` decides the king-led code and the
// whole-pile code.
int LargestRunAllowed(const GameState& state, Card runBottom, bool toEmptyTableau);
// Whether LargestRunAllowed reads `runBottom`: otherwise every card gets the same limit.
bool RunLimitReadsCard(const GameState& state);

// Before the first action of a deal in a game with the opening restriction, only a tableau card
// may move, and only to a foundation.
bool OpeningRestrictionAllows(const GameState& state, Card card, PileIndex target);
// The opening restriction is in force: OpeningRestrictionAllows refuses some moves.
bool OpeningRestricted(const GameState& state);

} // namespace tablamor
