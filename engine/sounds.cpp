#include "engine/sounds.h"

#include <array>
#include <cstddef>

namespace tablamor {
namespace {

constexpr std::string_view kMasterOnly = "";

// One row per GameSound, in the enum's order.
constexpr auto kSounds = std::to_array<SoundEntry>({
    {"Stock", "Sounds_Stock"},
    {"Foundation.wav", "Sounds_Foundation"},
    {"Autoplay.wav", "Sounds_Autoplay"},
    {"Eddy.wav", "Sounds_Foundation"},
    {"Tableau", "Sounds_Tableau"},
    {"Shuffle", "Sounds_Shuffle"},
    {"Shuffle", "Sounds_Tableau"},
    {"Pairing", "Sounds_Pairing"},
    {"Face_up", "Sounds_FaceUp"},
    {"Reorder", kMasterOnly},
    {"Undo", "Sounds_Undo"},
    {"Redo", "Sounds_Redo"},
    {"Redeal", "Sounds_Redeal"},
});
static_assert(kSounds.size() == static_cast<std::size_t>(GameSound::Redeal) + 1);

} // namespace

SoundEntry DescribeSound(GameSound sound) {
    return kSounds[static_cast<std::size_t>(sound)];
}

} // namespace tablamor
