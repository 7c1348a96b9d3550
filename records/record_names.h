#pragma once
// Names of the files the program reads and writes, each spelled here and nowhere else. The game
// file lies in the program directory; the configuration and record files lie in the data
// directory (data_dir.h builds their paths).
#include <string_view>

namespace tablamor {

inline constexpr std::string_view kGamesFileName = "GAMES.DAT";

// The data directory of a portable program, inside the program directory.
inline constexpr std::string_view kDataDirName = "DATA";
inline constexpr std::string_view kConfigFileName = "CFG.DAT";
inline constexpr std::string_view kStatisticsFileName = "STAT.DAT";
inline constexpr std::string_view kHiScoreFileName = "STAT_SCR.DAT";
inline constexpr std::string_view kGameLogFileName = "STAT_LOG.DAT";
inline constexpr std::string_view kCustomGamesFileName = "GAM_CUST.DAT"; // read only
// Numbers of deals the solver has won, per game (winnable_numbers.h).
inline constexpr std::string_view kWinnableFileName = "WINNABLE.DAT";
// The game in progress kept when the window closed (or by File > Save), offered at the next start.
inline constexpr std::string_view kKeptGameFileName = "SAVED.DAT";

// The product name that replaces "[Program]" in message texts.
inline constexpr std::string_view kProductName = "Tablamor";

} // namespace tablamor
