#pragma once
// What happens between the player's moves: autoplay (cards sent up to the foundations by
// themselves) and the automatic filling of empty tableau piles, and the two run after every
// release on the table. Each card autoplay sends is its own undo step; a fill is folded into the
// step before it when that step belongs to the same release, so one undo takes back the move that
// emptied a pile together with its fill.
#include "engine/step_record.h"

namespace tablamor {

// Autoplay passes until one sends nothing: the top cards of the tableau piles, the waste's top
// card, the reserves' top cards, each offered to the foundations as an automatic single-card
// move (a face-down card is never sent). True when a card went up.
bool AutoPlayStep(GameState& state, const PlayEnv& env);

// Fills every empty tableau pile from the game's fill source (reserve 1, the waste or the stock),
// one card each, while the source has cards. Nothing before the first move of a game with the
// opening restriction, nor in the game that fills only until a tableau move is marked, once one
// is. `mergeIntoPrevious`: the newest undo step belongs to this release. True when an empty pile
// was found.
bool AutoFillEmptyTableaus(GameState& state, const PlayEnv& env, bool mergeIntoPrevious);

// After a release: the fill, then, with autoplay, autoplay and the fill in turn until autoplay
// sends nothing. `stepInRelease`: the release (or its press) recorded an undo step.
void AfterRelease(GameState& state, bool autoplay, bool stepInRelease, const PlayEnv& env);

} // namespace tablamor
