#include "records/file_system.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace tablamor {
namespace {

FileSystem*& Current() {
    static FileSystem system;
    static FileSystem* current = &system;
    return current;
}

} // namespace

int FileSystem::Open(const char* path, int flags, mode_t mode) {
    int fd = 0;
    do fd = ::open(path, flags, mode);
    while (fd < 0 && errno == EINTR);
    return fd;
}

int FileSystem::Stat(const char* path, struct stat& st) {
    return ::stat(path, &st);
}

int FileSystem::FStat(int fd, struct stat& st) {
    return ::fstat(fd, &st);
}

ssize_t FileSystem::PRead(int fd, void* buffer, std::size_t count, off_t offset) {
    return ::pread(fd, buffer, count, offset);
}

ssize_t FileSystem::Write(int fd, const void* buffer, std::size_t count) {
    return ::write(fd, buffer, count);
}

int FileSystem::FSync(int fd) {
    return ::fsync(fd);
}

int FileSystem::FChmod(int fd, mode_t mode) {
    return ::fchmod(fd, mode);
}

int FileSystem::FTruncate(int fd, off_t length) {
    return ::ftruncate(fd, length);
}

int FileSystem::Close(int fd) {
    return ::close(fd);
}

int FileSystem::Rename(const char* from, const char* to) {
    return ::rename(from, to);
}

int FileSystem::RenameNoReplace(const char* from, const char* to) {
    if (::renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE) == 0) return 0;
    if (errno != EINVAL && errno != ENOSYS) return -1;
    // A file system without the no-replace rename: a hard link cannot replace either.
    if (::link(from, to) != 0) return -1;
    ::unlink(from);
    return 0;
}

int FileSystem::Unlink(const char* path) {
    return ::unlink(path);
}

FileSystem& Files() {
    return *Current();
}

FileSystemOverride::FileSystemOverride(FileSystem& files) : previous_(Current()) {
    Current() = &files;
}

FileSystemOverride::~FileSystemOverride() {
    Current() = previous_;
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t n = Files().Write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

const char* ErrorText(int error) {
    return std::strerror(error);
}

} // namespace tablamor
