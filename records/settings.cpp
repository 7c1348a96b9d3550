#include "records/settings.h"

#include <algorithm>
#include <charconv>
#include <utility>

namespace tablamor {

Settings::Settings() {
    strings_.fill(std::string(kStringLength, ' '));
}

const std::string* Settings::Locate(int position, int& index) const {
    if (position < 1 || position >= 3 * kStringLength || position % kStringLength == 0)
        return nullptr;
    index = position % kStringLength - 1;
    return &strings_[static_cast<std::size_t>(position / kStringLength)];
}

std::string* Settings::Locate(int position, int& index) {
    return const_cast<std::string*>(std::as_const(*this).Locate(position, index));
}

std::string Settings::Get(int position, int width) const {
    int index = 0;
    const std::string* s = Locate(position, index);
    if (!s || width <= 0) return {};
    std::string field = s->substr(static_cast<std::size_t>(index), static_cast<std::size_t>(width));
    field.erase(field.find_last_not_of(' ') + 1);
    return field;
}

void Settings::Set(int position, int width, std::string_view value) {
    int index = 0;
    std::string* s = Locate(position, index);
    if (!s || width <= 0) return;
    width = std::min(width, kStringLength - index);
    std::string field(value.substr(0, static_cast<std::size_t>(width)));
    field.resize(static_cast<std::size_t>(width), ' ');
    s->replace(static_cast<std::size_t>(index), field.size(), field);
}

int Settings::GetInt(int position, int width, int fallback) const {
    std::string text = Get(position, width);
    std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return fallback;
    int value = 0;
    auto [end, ec] = std::from_chars(text.data() + first, text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) return fallback;
    return value;
}

void Settings::SetInt(int position, int width, int value) {
    Set(position, width, std::to_string(value));
}

} // namespace tablamor
