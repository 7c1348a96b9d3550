#pragma once
// Names of files in the program directory are written Windows-style ("DATA\CFG.DAT",
// "Images\CB001C.bmp"). ProgramPath turns such a name into a real path under the program
// directory: backslashes become separators and each existing component is matched without regard
// to case; components that do not exist yet keep the case given.
#include <filesystem>
#include <string_view>

namespace tablamor {

std::filesystem::path ProgramPath(const std::filesystem::path& programDir, std::string_view name);

} // namespace tablamor
