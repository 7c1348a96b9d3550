#include "engine/game_number.h"

#include <algorithm>

namespace tablamor {
namespace {

constexpr std::uint32_t kLargestFirstFactor = 9'999'998;
constexpr std::uint32_t kLargestSecondFactor = 999'998;

} // namespace

std::optional<GameNumber> GameNumber::Parse(std::string_view text) {
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    if (text.empty()) return std::nullopt;
    for (char c : text)
        if (c < '0' || c > '9') return std::nullopt;
    if (text.size() > kDigits) text.remove_prefix(text.size() - kDigits);
    GameNumber number;
    std::copy(text.begin(), text.end(), number.digits_.end() - static_cast<long>(text.size()));
    return number;
}

GameNumber NewGameNumber(std::mt19937& rng) {
    std::uniform_int_distribution<std::uint32_t> first(0, kLargestFirstFactor);
    std::uniform_int_distribution<std::uint32_t> second(0, kLargestSecondFactor);
    // The product is below 2^53, so it is the same whether taken in floating point or not.
    std::uint64_t product = std::uint64_t{first(rng)} * std::uint64_t{second(rng)};
    std::string text = std::to_string(product);
    return *GameNumber::Parse(text);
}

} // namespace tablamor
