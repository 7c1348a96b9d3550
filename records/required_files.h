#pragma once
// Texts shown when a file the program cannot run without is missing. Ending the program after
// the message is the caller's business.
#include <filesystem>
#include <string>

namespace tablamor {

std::string MissingFileText(const std::filesystem::path& path);
std::string MissingImageFileText(const std::filesystem::path& path);

} // namespace tablamor
