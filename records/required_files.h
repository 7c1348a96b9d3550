#pragma once
// Files the program cannot run without. The Require functions return true when the file exists;
// otherwise they give the sink the fatal text and return false, and ending the program is the
// caller's business.
#include "records/messages.h"

#include <filesystem>
#include <string>

namespace tablamor {

std::string MissingFileText(const std::filesystem::path& path);
std::string MissingImageFileText(const std::filesystem::path& path);

bool RequireFile(const std::filesystem::path& path, MessageSink& sink);
bool RequireImageFile(const std::filesystem::path& path, MessageSink& sink);

} // namespace tablamor
