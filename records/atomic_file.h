#pragma once
// Whole-file rewrites that survive a crash: the new content goes to a temporary file in the
// target's directory, is flushed and synced, renamed over the target (an atomic replace), and
// the directory is synced. A reader sees the old file or the new one, never a mixture. A file
// that is being created is moved into place only where no file is: it can never replace one
// that appeared in the meantime.
#include "records/messages.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <sys/stat.h>

namespace tablamor {

enum class WriteFailure {
    None,
    CreateTemp, // the temporary file could not be created or written in full
    Rename,     // the temporary file could not replace the target
    Inspect,    // the target's status could not be asked
};

struct WriteResult {
    WriteFailure failure = WriteFailure::None;
    int error = 0;                      // the system's error number, for messages
    std::filesystem::path tempPath;     // the temporary file, for the rename message
    std::optional<struct stat> written; // the new file's status, when it could be asked
    explicit operator bool() const { return failure == WriteFailure::None; }
};

enum class WriteMode {
    Replace,   // the target is replaced (or made, when it has gone)
    CreateNew, // the target must not exist; if one appeared meanwhile it stays and this fails
};

// Writes `content` to `target`; creates missing parent directories. On failure the target is
// left as it was and the temporary file is removed.
WriteResult WriteFileAtomically(const std::filesystem::path& target, std::string_view content,
                                WriteMode mode = WriteMode::Replace);

// Tells the sink why a write of `file` failed: "Error creating temp file." or "Error renaming
// file: " + the temporary file + "with: " + the file, then the system's reason; nothing when the
// write did not fail.
void ReportWriteFailure(const std::filesystem::path& file, const WriteResult& result,
                        MessageSink& sink);

// Prefix of the temporary files; the writer's process id and a random part follow it.
inline constexpr std::string_view kTempFilePrefix = ".tablamor-tmp-";

// Removes the temporary files that killed writers left in `dir`: those whose writer is no
// longer running. The caller holds the data directory's lock, so no rewrite of its own is
// half-way. The number removed.
int RemoveStrayTempFiles(const std::filesystem::path& dir);

// The outcome of ReadWholeFile: read, missing (the only failure that means "no such file"), or
// failed for the reason given.
struct FileRead {
    enum Status { Read, Missing, Failed } status = Failed;
    std::string error; // the system's words, for Missing and Failed
    explicit operator bool() const { return status == Read; }
};

// Reads a whole record file (a regular file of at most kMaxRecordFileSize bytes) into `content`.
FileRead ReadWholeFile(const std::filesystem::path& file, std::string& content);

} // namespace tablamor
