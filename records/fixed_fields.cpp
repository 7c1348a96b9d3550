#include "records/fixed_fields.h"

#include <charconv>

namespace tablamor {
namespace {

constexpr int kMaxDigits = 18; // every power of ten up to 10^18 fits in int64

std::int64_t PowerOfTen(int exponent) {
    std::int64_t p = 1;
    for (int i = 0; i < exponent && i < kMaxDigits; ++i) p *= 10;
    return p;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

// True for the bytes that continue a UTF-8 sequence.
bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

} // namespace

std::string FormatNumber(std::int64_t value, int width) {
    if (width <= 0) return {};
    bool negative = value < 0;
    // Digits of the magnitude, built without negating INT64_MIN.
    std::string digits;
    do {
        int digit = static_cast<int>(value % 10);
        digits.insert(digits.begin(), static_cast<char>('0' + (digit < 0 ? -digit : digit)));
        value /= 10;
    } while (value != 0);
    std::size_t needed = digits.size() + (negative ? 1 : 0);
    std::size_t w = static_cast<std::size_t>(width);
    if (needed > w) return std::string(w, '*');
    std::string text(negative ? 1 : 0, '-');
    text.append(w - needed, '0');
    return text + digits;
}

std::int64_t ClampToField(std::int64_t value, int width) {
    if (width <= 0) return 0;
    std::int64_t max = PowerOfTen(width) - 1;
    std::int64_t min = -(PowerOfTen(width - 1) - 1);
    return value > max ? max : value < min ? min : value;
}

std::string FitText(std::string_view text, int width) {
    if (width <= 0) return {};
    std::size_t w = static_cast<std::size_t>(width);
    if (text.size() > w) {
        std::size_t cut = w;
        while (cut > 0 && IsContinuationByte(text[cut])) --cut;
        text = text.substr(0, cut);
    }
    std::string field(text);
    field.resize(w, ' ');
    return field;
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    return TrimTrailingBlanks(text);
}

std::string_view TrimTrailingBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::optional<std::int64_t> ParseNumber(std::string_view text) {
    text = TrimBlanks(text);
    if (text.empty()) return std::nullopt;
    std::int64_t value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::string_view Columns(std::string_view line, std::size_t first, std::size_t width) {
    if (first == 0 || line.size() < first) return {};
    return line.substr(first - 1, width);
}

} // namespace tablamor
