#include "records/record_handle.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace tablamor {

RecordHandle::~RecordHandle() {
    if (fd_ >= 0) ::close(fd_);
}

RecordHandle::RecordHandle(RecordHandle&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), forWriting_(other.forWriting_) {}

RecordHandle& RecordHandle::operator=(RecordHandle&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = std::exchange(other.fd_, -1);
        forWriting_ = other.forWriting_;
    }
    return *this;
}

RecordHandle RecordHandle::Open(const std::filesystem::path& file, bool forWriting) {
    RecordHandle handle;
    int fd = ::open(file.c_str(), (forWriting ? O_RDWR : O_RDONLY) | O_CLOEXEC);
    if (fd < 0) return handle;
    // A directory opens for reading but is no record file.
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        errno = EISDIR;
        return handle;
    }
    handle.fd_ = fd;
    handle.forWriting_ = forWriting;
    return handle;
}

} // namespace tablamor
