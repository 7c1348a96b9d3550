#pragma once
// Card sizes by the size letter of the preferences: "B" 71 x 96, "M" 59 x 80, "P" 25 x 32.
#include <optional>
#include <string_view>

namespace tablamor::layout {

enum class CardSizeLetter : char { Big = 'B', Medium = 'M', Small = 'P' };

struct CardSize {
    int width = 0;
    int height = 0;
    bool operator==(const CardSize&) const = default;
};

// The letter of a preference text ("B", "M", "P"); nullopt for anything else.
std::optional<CardSizeLetter> ParseCardSizeLetter(std::string_view text);

CardSize CardSizeOf(CardSizeLetter letter);

// The size for a preference text; a text that names no size keeps `previous`.
CardSize CardSizeFor(std::string_view text, CardSize previous);

} // namespace tablamor::layout
