#pragma once
// What the customize dialog offers and how a choice becomes preference values: the entries of
// the card back and background trees (each carries the number the dialog stores; group entries
// carry 0) and the background fields a background entry number stands for.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace tablamor::ui {

struct TreeChoice {
    std::string_view group;
    std::string_view subGroup; // empty: the entry sits straight under its group
    std::string_view text;
    std::int64_t number;
};

std::span<const TreeChoice> CardBackChoices();
std::span<const TreeChoice> BackgroundChoices();

// Background entry numbers: 0 or less the default background, 1 the custom colour, 2..1000 a
// background picture, above 1000 a fixed colour (0x00BBGGRR).
inline constexpr std::int64_t kCustomColourEntry = 1;
inline constexpr std::int64_t kLastPictureEntry = 1000;
inline constexpr int kFirstPictureEntry = 2;
// Pictures above this number are previewed drawn at screen size and shrunk.
inline constexpr int kLastTiledPreview = 499;

bool IsColourEntry(std::int64_t number);

// The stored value of the system's button-face colour (0x8000000F): the custom colour when
// Background_Col holds 0.
inline constexpr std::int64_t kButtonFaceColour = -2147483633;

// The background fields a choice stores.
struct BackgroundFields {
    std::string picture = "0";    // Background_bmp
    std::int64_t colour = 0;      // Background_Col
    std::int64_t fixedColour = 0; // Background_Fixed_Col
    bool useDefault = false;      // Background_def
};

// `customColour`: the colour kept as Background_Col whatever the choice.
BackgroundFields FieldsOfBackground(std::int64_t number, std::int64_t customColour);

} // namespace tablamor::ui
