#pragma once
// StateFault: the invariant of a dealt table. Every card of the game lies in exactly one pile
// (gaps aside), a pairing or pyramid game's selection holds only cards that lie on the table, each
// once, and the piles the game does not use are empty. GamePlay checks it after every operation
// in the test build; tests call it directly.
#include "engine/game_state.h"

#include <string>

namespace tablamor {

// A description of the first broken invariant; empty when the table is sound.
std::string StateFault(const GameState& state);

// Guards one operation of play. In the test build (TABLAMOR_CHECK_STATE) it checks, when the
// operation ends, that a table sound at its start is still sound, and aborts with the fault on
// standard error otherwise; tables built by hand with only some of the cards are not checked. In
// other builds it does nothing.
class StateCheck {
public:
    explicit StateCheck(const GameState& state);
    StateCheck(const StateCheck&) = delete;
    StateCheck& operator=(const StateCheck&) = delete;
    ~StateCheck();

private:
    const GameState& state_;
    bool soundBefore_ = false;
};

} // namespace tablamor
