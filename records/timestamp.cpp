#include "records/timestamp.h"

#include "records/fixed_fields.h"

#include <ctime>

namespace tablamor {
namespace {

constexpr char kTimeSeparator = ':';
constexpr int kTmFirstYear = 1900;

// The digits of a field, which must be exactly that: no sign, no blanks.
std::optional<int> Digits(std::string_view text) {
    for (char c : text)
        if (c < '0' || c > '9') return std::nullopt;
    std::optional<std::int64_t> v = ParseNumber(text);
    if (!v) return std::nullopt;
    return static_cast<int>(*v);
}

} // namespace

Timestamp Timestamp::Now() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + kTmFirstYear,
            local.tm_mon + 1,
            local.tm_mday,
            local.tm_hour,
            local.tm_min,
            local.tm_sec};
}

std::string Timestamp::Date() const {
    return FormatNumber(year, 4) + FormatNumber(month, 2) + FormatNumber(day, 2);
}

std::string Timestamp::TimeOfDay() const {
    return FormatNumber(hour, 2) + kTimeSeparator + FormatNumber(minute, 2) + kTimeSeparator +
           FormatNumber(second, 2);
}

std::optional<Timestamp> Timestamp::Parse(std::string_view date, std::string_view timeOfDay) {
    if (date.size() != kDateWidth || timeOfDay.size() != kTimeWidth ||
        timeOfDay[2] != kTimeSeparator || timeOfDay[5] != kTimeSeparator)
        return std::nullopt;
    auto y = Digits(date.substr(0, 4)), mo = Digits(date.substr(4, 2)),
         d = Digits(date.substr(6, 2));
    auto h = Digits(timeOfDay.substr(0, 2)), mi = Digits(timeOfDay.substr(3, 2)),
         s = Digits(timeOfDay.substr(6, 2));
    if (!y || !mo || !d || !h || !mi || !s) return std::nullopt;
    return Timestamp{*y, *mo, *d, *h, *mi, *s};
}

} // namespace tablamor
