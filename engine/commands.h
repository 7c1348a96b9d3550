#pragma once
// One thing the player can do with the pointer, in words ("drop 013 Fila3", "send 001",
// "stock", "flip 022", "press 040"), and carrying it out exactly as the window's press, drag and
// release would. The move generator lists them; the command line reads them; a solver applies
// them to copies of a state with NoStepRecord().
#include "engine/step_record.h"

#include <optional>
#include <string>
#include <string_view>

namespace tablamor {

enum class CommandKind {
    Drop,  // lift the card (with the cards on it) and drop it on the pile
    Send,  // double-click the card
    Stock, // press and release on the stock
    Flip,  // click a face-down top card
    Press, // a press that acts by itself: discard, select, the pyramid's stock card
};

struct Command {
    CommandKind kind = CommandKind::Stock;
    Card card = kNoCard; // every kind but Stock
    PileIndex pile = -1; // Drop: the target

    bool operator==(const Command&) const = default;
};

// "drop 013 Fila3", "send 001", "stock", "flip 022", "press 040".
std::string CommandText(const Command& command);
// The same words back; nullopt for anything else (a card must be 001..104, a pile a name as
// tablamor-cli writes it).
std::optional<Command> ParseCommand(std::string_view text);

// The press, drag or double-click and its release, on the state as it is. True when the command
// did something; a command that the window would refuse (beep, message, nothing to do, a card on
// a pile the table does not place) changes nothing and gives false. Autoplay and the filling of
// empty piles are not run.
[[nodiscard]] bool ApplyCommand(GameState& state, const Command& command, const PlayEnv& env);

// ApplyCommand, then what follows a release: the filling of empty tableau piles and, with
// `autoplay`, autoplay.
[[nodiscard]] bool PlayCommand(GameState& state, const Command& command, bool autoplay,
                               const PlayEnv& env);

} // namespace tablamor
