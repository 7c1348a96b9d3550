#pragma once
// The sounds of play, as the engine asks for them. Each has its name in the SOUNDS folder
// ("Tableau", "Foundation.wav" ...) and the preference key of its own switch ("Sounds_Stock";
// empty: the master switch "Sounds_Enabled" alone); one table in sounds.cpp holds both.
#include <string_view>

namespace tablamor {

enum class GameSound {
    Stock,          // a stock press dealt cards
    Foundation,     // the player put a card on a foundation
    Autoplay,       // autoplay put a card on a foundation
    Eddy,           // a card went onto the third pile in a peaks game
    Tableau,        // cards went onto a tableau pile
    Shuffle,        // a card was dealt from the stock onto a tableau or reserve pile
    TableauShuffle, // a tableau pile was shifted into a gap (under the tableau switch)
    Pairing,        // the selected cards were discarded
    FaceUp,         // a tableau card was turned face up
    Reorder,        // a foundation was sorted
    Undo,
    Redo,
    Redeal, // the looping sound of the waste going back to the stock
};

struct SoundEntry {
    std::string_view name;
    std::string_view switchKey;
};

// The sound's name and switch.
SoundEntry DescribeSound(GameSound sound);

} // namespace tablamor
