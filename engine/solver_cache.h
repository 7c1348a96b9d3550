#pragma once
// What a solver learns of a game's rules while it searches (the verdicts of rules that read
// nothing but their question), kept for the next search of the same game on the same thread: a
// search of a deal starts with what the search of the last deal asked. The kept value is emptied
// whenever a game with other parameters asks.
#include "engine/params.h"

namespace tablamor {

template <class Tables> Tables& KeptForGame(const GameParams& params) {
    struct Kept {
        GameParams params;
        Tables tables;
        bool filled = false;
    };
    thread_local Kept kept;
    if (!kept.filled || !(kept.params == params)) {
        kept.params = params;
        kept.tables = Tables{};
        kept.filled = true;
    }
    return kept.tables;
}

} // namespace tablamor
