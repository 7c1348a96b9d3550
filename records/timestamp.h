#pragma once
// A moment in local time as the records write it: the date "yyyymmdd" and the time of day
// "hh:mm:ss".
#include <optional>
#include <string>
#include <string_view>

namespace tablamor {

struct Timestamp {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;

    static Timestamp Now();

    std::string Date() const;
    std::string TimeOfDay() const;

    // From the two written forms; nullopt unless both are well formed.
    static std::optional<Timestamp> Parse(std::string_view date, std::string_view timeOfDay);

    friend bool operator==(const Timestamp&, const Timestamp&) = default;
};

inline constexpr int kDateWidth = 8;
inline constexpr int kTimeWidth = 8;

} // namespace tablamor
