#pragma once
// The program's sounds, synthesised: card flicks and taps, chimes for cards reaching home, a
// riffle for shuffling, a whoosh for redealing, soft blips for undo and redo, a small fanfare for
// a won game, and gentle chords for start-up and the about window.
#include <QByteArray>

#include <string_view>

namespace tablamor::art {

// The complete wave file for one of kSoundNames (with or without its ".wav"); a short tap for a
// name it does not know.
QByteArray SynthesiseSound(std::string_view name);

} // namespace tablamor::art
