#include "ui/customize_choices.h"

#include <array>

namespace tablamor::ui {
namespace {

constexpr std::array<TreeChoice, 5> kCardBacks{{
    {"Animals", "", "Tropical fish", 19},
    {"Children", "", "Snowman", 3},
    {"Flowers", "", "Roses", 14},
    {"Geometric", "", "Plaiting 1", 11},
    {"Paintings", "", "Boat", 1},
}};

constexpr std::string_view kOver256 = "Over 256 colors";
constexpr std::array<TreeChoice, 12> kBackgrounds{{
    {"Colors", "", "Blue", 16711680},
    {"Colors", "", "Green", 32768},
    {"Colors", "", "Navy", 8388608},
    {"Colors", "", "Olive", 32896},
    {"Colors", "", "Teal", 8421376},
    {"Colors", "", "White", 16777215},
    {kOver256, "Metal", "Metal gold", 287},
    {kOver256, "Nature", "Meadow", 324},
    {kOver256, "Tissue", "Moquette 1", 296},
    {kOver256, "Walls", "Brick wall 1", 304},
    {kOver256, "Wood", "Parquet", 311},
    {"Under 256 colors", "Geometricals", "Moquette", 102},
}};

} // namespace

std::span<const TreeChoice> CardBackChoices() {
    return kCardBacks;
}
std::span<const TreeChoice> BackgroundChoices() {
    return kBackgrounds;
}

bool IsColourEntry(std::int64_t number) {
    return number == kCustomColourEntry || number > kLastPictureEntry;
}

BackgroundFields FieldsOfBackground(std::int64_t number, std::int64_t customColour) {
    BackgroundFields fields;
    fields.colour = customColour;
    if (number <= 0)
        fields.useDefault = true;
    else if (number > kLastPictureEntry)
        fields.fixedColour = number;
    else if (number != kCustomColourEntry)
        fields.picture = std::to_string(number);
    return fields;
}

} // namespace tablamor::ui
