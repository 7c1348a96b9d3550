#pragma once
// Game numbers: thirteen decimal digits that, with the game's parameters, fix a deal completely.
// A number is read with trailing blanks removed; a shorter one is left-padded with zeros and a
// longer one keeps its last thirteen digits. Only decimal digits are valid.
#include <array>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <string_view>

namespace tablamor {

class GameNumber {
public:
    static constexpr int kDigits = 13;

    // Thirteen zeros.
    GameNumber() { digits_.fill('0'); }

    // nullopt for an empty text or one holding anything but decimal digits (trailing blanks
    // aside).
    static std::optional<GameNumber> Parse(std::string_view text);

    // Digit k (1-based, 1 the leftmost) as a value 0..9.
    int Digit(int k) const { return digits_[static_cast<std::size_t>(k - 1)] - '0'; }
    std::string Text() const { return {digits_.begin(), digits_.end()}; }

    bool operator==(const GameNumber&) const = default;

private:
    std::array<char, kDigits> digits_;
};

// Draws a number as the product of two uniform random integers, 0..9999998 and 0..999998, so
// the largest number drawn is 9999978000004. Every 13-digit number is valid, but not every one
// can be drawn.
GameNumber NewGameNumber(std::mt19937& rng);

} // namespace tablamor
