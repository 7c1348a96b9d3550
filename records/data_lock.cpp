#include "records/data_lock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace tablamor {

DataDirLock::DataDirLock(const std::filesystem::path& dataDir) {
    int fd = ::open(dataDir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    int rc = 0;
    do rc = ::flock(fd, LOCK_EX);
    while (rc != 0 && errno == EINTR);
    if (rc != 0) {
        ::close(fd);
        return;
    }
    fd_ = fd;
}

DataDirLock::~DataDirLock() {
    if (fd_ >= 0) ::close(fd_); // closing releases the lock
}

} // namespace tablamor
