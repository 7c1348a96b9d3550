#include "table/layout/card_size.h"

namespace tablamor::layout {

std::optional<CardSizeLetter> ParseCardSizeLetter(std::string_view text) {
    if (text.size() != 1) return std::nullopt;
    switch (text[0]) {
    case 'B':
        return CardSizeLetter::Big;
    case 'M':
        return CardSizeLetter::Medium;
    case 'P':
        return CardSizeLetter::Small;
    default:
        return std::nullopt;
    }
}

CardSize CardSizeOf(CardSizeLetter letter) {
    switch (letter) {
    case CardSizeLetter::Big:
        return {71, 96};
    case CardSizeLetter::Medium:
        return {59, 80};
    case CardSizeLetter::Small:
        return {25, 32};
    }
    return {71, 96};
}

CardSize CardSizeFor(std::string_view text, CardSize previous) {
    auto letter = ParseCardSizeLetter(text);
    return letter ? CardSizeOf(*letter) : previous;
}

} // namespace tablamor::layout
