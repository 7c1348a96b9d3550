#pragma once
// The program's home on the Web: the one address the help menu opens.
#include <string_view>

namespace tablamor::ui {

inline constexpr std::string_view kDownloadPage = "https://www.tablamor.org/download.html";

} // namespace tablamor::ui
