#include "records/settings.h"

#include "records/preferences.h"

#include <algorithm>
#include <charconv>
#include <optional>
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

std::string Settings::Get(SettingsField f) const {
    const int position = f.position, width = f.width;
    int index = 0;
    const std::string* s = Locate(position, index);
    if (!s || width <= 0) return {};
    std::string field = s->substr(static_cast<std::size_t>(index), static_cast<std::size_t>(width));
    field.erase(field.find_last_not_of(' ') + 1);
    return field;
}

void Settings::Set(SettingsField f, std::string_view value) {
    int width = f.width;
    int index = 0;
    std::string* s = Locate(f.position, index);
    if (!s || width <= 0) return;
    width = std::min(width, kStringLength - index);
    std::string field(value.substr(0, static_cast<std::size_t>(width)));
    field.resize(static_cast<std::size_t>(width), ' ');
    s->replace(static_cast<std::size_t>(index), field.size(), field);
}

namespace {

std::optional<int> Number(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return std::nullopt;
    int value = 0;
    auto [end, ec] = std::from_chars(text.data() + first, text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

} // namespace

bool Settings::Flag(SettingsField f) const {
    const std::string value = Get(f);
    if (value == "Y" || value == "N") return value == "Y";
    return FieldDefault(f) == "Y";
}

int Settings::Int(SettingsField f) const {
    if (auto value = Number(Get(f))) return *value;
    return Number(FieldDefault(f)).value_or(0);
}

} // namespace tablamor
