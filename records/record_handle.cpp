#include "records/record_handle.h"

#include "records/file_system.h"

#include <cerrno>
#include <fcntl.h>
#include <utility>

namespace tablamor {

RecordHandle::~RecordHandle() {
    if (fd_ >= 0) Files().Close(fd_);
}

RecordHandle::RecordHandle(RecordHandle&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), forWriting_(other.forWriting_), missing_(other.missing_),
      error_(std::move(other.error_)) {}

RecordHandle& RecordHandle::operator=(RecordHandle&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) Files().Close(fd_);
        fd_ = std::exchange(other.fd_, -1);
        forWriting_ = other.forWriting_;
        missing_ = other.missing_;
        error_ = std::move(other.error_);
    }
    return *this;
}

RecordHandle RecordHandle::Open(const std::filesystem::path& file, bool forWriting) {
    RecordHandle handle;
    const int flags = (forWriting ? O_RDWR : O_RDONLY) | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    int fd = Files().Open(file.c_str(), flags, 0);
    if (fd < 0) {
        handle.missing_ = errno == ENOENT;
        handle.error_ = ErrorText(errno);
        return handle;
    }
    if (std::string reason = UnusableRecordFile(fd); !reason.empty()) {
        Files().Close(fd);
        handle.error_ = std::move(reason);
        return handle;
    }
    handle.fd_ = fd;
    handle.forWriting_ = forWriting;
    return handle;
}

std::string UnusableRecordFile(int fd) {
    struct stat st {};
    if (Files().FStat(fd, st) != 0) return ErrorText(errno);
    if (!S_ISREG(st.st_mode)) return "not a regular file";
    if (st.st_size < 0 || static_cast<std::uint64_t>(st.st_size) > kMaxRecordFileSize)
        return RecordFileTooLarge();
    return {};
}

std::string RecordFileTooLarge() {
    return "larger than " + std::to_string(kMaxRecordFileSize) + " bytes";
}

} // namespace tablamor
