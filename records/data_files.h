#pragma once
// Bringing the data directory up to date when the program starts: temporary files that an
// interrupted rewrite left behind are removed, the statistics and hi-score files are created when
// missing, and files written by older versions are upgraded.
#include "records/messages.h"

#include <filesystem>

namespace tablamor {

// True when the hi-score file was upgraded (the caller shows the busy cursor around this call).
bool BringDataFilesUpToDate(const std::filesystem::path& dataDir, MessageSink& sink);

} // namespace tablamor
