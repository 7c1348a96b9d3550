#pragma once
// Where a dropped card or run is meant to go, and carrying the drop out. The drop rectangle is
// where the lifted card or run lies when released; the piles' top-card rectangles come from the
// table layout through PileGeometry. A drag carries a single card when its rectangle is exactly
// one card high. Legal moves are carried out by PerformAction.
#include "engine/events.h"
#include "engine/game_state.h"
#include "engine/geometry.h"
#include "engine/move_context.h"

#include <array>
#include <optional>

namespace tablamor {

// The piles a drop may be meant for, best first.
struct DropTargets {
    static constexpr int kMost = 4;
    std::array<PileIndex, kMost> piles{};
    int count = 0;
};

// The drop rectangle meets a target when one of its corners lies inside the target (edges count
// as inside) or, failing that, when its left or right edge lies within the target's columns and
// a point on that edge at its top, or every 50 pixels below down to its bottom, lies within the
// target's rows.
bool RectsMeet(const Rect& drop, const Rect& target);

// A pile the drop search looks at: a foundation, tableau pile or reserve of the game, or the
// waste, with a place on the table; tableau piles are left out in the fan style that takes no
// drops, the waste when it is never a target.
bool IsDropCandidate(const GameState& state, PileIndex pile, const PileGeometry& geometry);

// Whether the move's card (with the run it carries) may go onto the pile now: the opening
// restriction, the pile's rule (for the waste: the game builds on it and its top card is of the
// card's suit, one rank away, ace and king adjacent), and the card not already lying there.
bool DropAllowed(const GameState& state, const MoveContext& move, PileIndex target,
                 EventSink& sink);
// The same for a card known to lie on `from`.
bool DropAllowed(const GameState& state, const MoveContext& move, PileIndex from, PileIndex target,
                 EventSink& sink);

// What a send moves, the card alone or (for a whole suit) its king with the suit on it, and the
// pile that takes it.
struct SendTarget {
    MoveContext move;
    PileIndex pile = -1;
};

// Where a send would put the card: the first foundation (in order, those on the table) that takes
// it, then, with `alsoReserves`, the first reserve. An automatic send skips the foundations while
// all of them are empty and share base code 92 or 88, whose first card is the player's choice.
// The ace that ends a whole suit on a tableau pile sends the whole suit when a foundation takes
// it.
std::optional<SendTarget> FindSendTarget(const GameState& state, Card card, bool automatic,
                                         bool alsoReserves, const PileGeometry& geometry,
                                         EventSink& sink);

// The piles whose top-card rectangles meet the drop rectangle, by overlap area, largest first;
// equal areas favour reserves, then foundations, tableau piles and the waste, then the higher pile
// number. Tableau piles are left out in the fan style that takes no drops, the waste when it is
// never a target or has no place on the table.
DropTargets FindDropTargets(const GameState& state, const Rect& drop, const PileGeometry& geometry);

// Tries one target: it must meet the drop rectangle and take the card (for the waste: the game
// lets cards be built there and the waste's top card is of the card's suit, one rank away, ace
// and king adjacent). The card is carried alone when the rectangle is one card high, else with
// the run up to `runTop`. A legal move is carried out at once, marked automatic for autoplay's
// move to a foundation. True when the move was carried out.
[[nodiscard]] bool TryMoveToPile(GameState& state, Card card, Card runTop, const Rect& drop,
                                 PileIndex target, bool automatic, const PileGeometry& geometry,
                                 EventSink& sink);

// A drop: onto `target` when given, else onto the first of FindDropTargets that takes it, after
// the opening restriction has removed the targets it forbids.
[[nodiscard]] bool TryDrop(GameState& state, Card card, Card runTop, const Rect& drop,
                           std::optional<PileIndex> target, const PileGeometry& geometry,
                           EventSink& sink);

// Sends one face-up card (or the whole suit it ends) where FindSendTarget says. True when it
// went.
[[nodiscard]] bool SendToFoundation(GameState& state, Card card, bool automatic, bool alsoReserves,
                                    const PileGeometry& geometry, EventSink& sink);

} // namespace tablamor
