#pragma once
// Names of the record files, relative to the program directory and written the program's way
// (turn them into paths with ProgramPath). Each name is spelled here and nowhere else.
#include <string_view>

namespace tablamor {

inline constexpr std::string_view kDataDirName = "DATA";
inline constexpr std::string_view kConfigFileName = "DATA\\CFG.DAT";
inline constexpr std::string_view kStatisticsFileName = "DATA\\STAT.DAT";
inline constexpr std::string_view kHiScoreFileName = "DATA\\STAT_SCR.DAT";
inline constexpr std::string_view kGameLogFileName = "DATA\\STAT_LOG.DAT";

// The product name that replaces "[Program]" in message texts.
inline constexpr std::string_view kProductName = "Tablamor";

} // namespace tablamor
