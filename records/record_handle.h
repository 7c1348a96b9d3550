#pragma once
// An open record file. A caller that makes several calls on one large file may open it once and
// pass the handle to each; the routines that rewrite the file hand back a handle on the new file.
// Move-only; closes the file when it goes.
#include <cerrno>
#include <filesystem>

namespace tablamor {

class RecordHandle {
public:
    RecordHandle() = default;
    ~RecordHandle();
    RecordHandle(RecordHandle&& other) noexcept;
    RecordHandle& operator=(RecordHandle&& other) noexcept;
    RecordHandle(const RecordHandle&) = delete;
    RecordHandle& operator=(const RecordHandle&) = delete;

    // Opens an existing file for reading, or for reading and writing; a closed handle (errno
    // set) on failure.
    static RecordHandle Open(const std::filesystem::path& file, bool forWriting);

    bool IsOpen() const { return fd_ >= 0; }
    bool ForWriting() const { return forWriting_; }
    int Descriptor() const { return fd_; }

private:
    int fd_ = -1;
    bool forWriting_ = false;
};

} // namespace tablamor
