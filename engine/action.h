#pragma once
// An action: one change of the piles asked of PerformAction, as a value from the pointer,
// the keyboard and autoplay to the engine. It names no text; the command-line tool writes
// commands and piles by name at its own edge.
#include "engine/piles.h"

#include <cstdint>

namespace tablamor {

enum class ActionKind : std::uint8_t {
    MoveTo,             // the card (or the run from it, when not carried alone) onto the target
    DealToWaste,        // a stock press dealing to the waste, or the redeal it arms
    DealToThirdPile,    // a stock press dealing to the third stock-group pile
    AddTableaus,        // one card from the stock to each tableau pile flagged to take one
    AddReserves,        // ... to each reserve flagged to take one
    FillTableaus,       // ... to each empty tableau pile
    AddTableausLast,    // ... to every tableau pile
    DiscardSelection,   // the selected cards of a pairing or pyramid game are discarded
    RefillAfterPairing, // empty tableau piles are refilled from the stock after a pairing
    CloseGaps,          // the gaps of the tableau are closed up and refilled
    RedealTableaus,     // the tableau gathered and dealt again (special codes 28 and 29)
};

struct Action {
    ActionKind kind = ActionKind::MoveTo;
    PileIndex target = -1;  // MoveTo: a foundation, tableau pile, reserve, the waste or third pile
    bool automatic = false; // MoveTo a foundation: autoplay's move, not the player's
    // MoveTo a foundation or tableau pile: the card alone; otherwise the run from it to the top of
    // its pile (a whole suit, to a foundation)
    bool singleCard = true;

    static constexpr Action Move(PileIndex target, bool automatic = false) {
        return Action{ActionKind::MoveTo, target, automatic};
    }
    // The run from the card to the top of its pile onto the target.
    static constexpr Action MoveRun(PileIndex target, bool automatic = false) {
        return Action{ActionKind::MoveTo, target, automatic, false};
    }
    static constexpr Action Of(ActionKind kind) { return Action{kind, -1, false}; }

    bool operator==(const Action&) const = default;
};

} // namespace tablamor
