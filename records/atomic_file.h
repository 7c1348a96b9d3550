#pragma once
// Whole-file rewrites that survive a crash: the new content goes to a temporary file in the
// target's directory, is flushed and synced, renamed over the target (an atomic replace), and
// the directory is synced. A reader sees the old file or the new one, never a mixture.
#include <filesystem>
#include <string>
#include <string_view>

namespace tablamor {

enum class WriteFailure {
    None,
    CreateTemp, // the temporary file could not be created or written in full
    Rename,     // the temporary file could not replace the target
};

struct WriteResult {
    WriteFailure failure = WriteFailure::None;
    std::string detail;             // the system's reason, for messages
    std::filesystem::path tempPath; // the temporary file, for the rename message
    explicit operator bool() const { return failure == WriteFailure::None; }
};

// Replaces `target` by `content`; creates missing parent directories. On failure the target is
// left as it was and the temporary file is removed.
WriteResult WriteFileAtomically(const std::filesystem::path& target, std::string_view content);

// Prefix of the temporary files WriteFileAtomically leaves behind only when killed mid-write.
inline constexpr std::string_view kTempFilePrefix = ".tablamor-tmp-";

// Removes temporary files that an interrupted rewrite left in `dir`.
void RemoveStrayTempFiles(const std::filesystem::path& dir);

// Reads a whole file into `content`; false when it cannot be opened or read.
bool ReadWholeFile(const std::filesystem::path& file, std::string& content);

} // namespace tablamor
