#pragma once
// SplitLines: the lines of a text without their line ends ("\n" or "\r\n"); a last line without
// one counts. The views point into the text.
#include <string_view>
#include <vector>

namespace tablamor {

std::vector<std::string_view> SplitLines(std::string_view text);

} // namespace tablamor
