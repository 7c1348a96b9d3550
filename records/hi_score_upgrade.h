#pragma once
// Bringing the data files up to date at the first activation of the main window. A hi-score file
// from before version 0300 gains the version lines and a blank line, and each of its old entry
// lines (those beginning with "0") is cut or padded to 89 characters and closed with " x". The
// preferences file has its old "S" values rewritten as "Y".
#include "records/messages.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace tablamor {

// True when the hi-score file was rewritten.
bool UpgradeHiScoreFile(const std::filesystem::path& dataDir, MessageSink& sink);

// The content of an upgraded hi-score file.
std::string UpgradedHiScoreContent(std::string_view old);

} // namespace tablamor
