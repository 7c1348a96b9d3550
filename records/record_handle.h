#pragma once
// An open record file. A caller that makes several calls on one large file may open it once and
// pass the handle to each; the routines that rewrite the file hand back a handle on the new file.
// Move-only; closes the file when it goes.
//
// Only a regular file of at most kMaxRecordFileSize bytes opens: the open never waits (a FIFO or
// a device is refused, not waited on), and a file that cannot be a record file is refused with
// a reason rather than read without end.
#include <cstdint>
#include <filesystem>
#include <string>

namespace tablamor {

// The largest record file read: far above the largest real one (a hi-score file of every game
// id is under 20 MB), far below what would exhaust memory.
inline constexpr std::uint64_t kMaxRecordFileSize = std::uint64_t{64} << 20;

class RecordHandle {
public:
    RecordHandle() = default;
    ~RecordHandle();
    RecordHandle(RecordHandle&& other) noexcept;
    RecordHandle& operator=(RecordHandle&& other) noexcept;
    RecordHandle(const RecordHandle&) = delete;
    RecordHandle& operator=(const RecordHandle&) = delete;

    // Opens an existing file for reading, or for reading and writing. On failure the handle is
    // closed and tells whether the file is missing and, if not, why it did not open.
    static RecordHandle Open(const std::filesystem::path& file, bool forWriting);

    bool IsOpen() const { return fd_ >= 0; }
    bool ForWriting() const { return forWriting_; }
    int Descriptor() const { return fd_; }
    // The open failed because the file does not exist.
    bool Missing() const { return missing_; }
    // Why the open failed, in the system's words; empty when it did not.
    const std::string& Error() const { return error_; }

private:
    int fd_ = -1;
    bool forWriting_ = false;
    bool missing_ = false;
    std::string error_;
};

// Why an open file cannot be taken for a record file (not a regular file, too large, or its
// status unknown); empty when it can.
std::string UnusableRecordFile(int fd);

// The reason given for a file above kMaxRecordFileSize.
std::string RecordFileTooLarge();

} // namespace tablamor
