#pragma once
// A file system that watches one file: it counts every stat, open and read of it (reads and
// fstats through the descriptors opened on it) and can make one of them, the n-th, fail: an
// open with "Too many open files", a stat or a read with "Input/output error". Every other call
// goes to the system.
#include "records/file_system.h"

#include <cerrno>
#include <filesystem>
#include <set>
#include <string>

namespace tablamor::testing {

class FaultyFileSystem final : public FileSystem {
public:
    // `failAt` -1 counts without failing.
    FaultyFileSystem(std::filesystem::path target, int failAt)
        : target_(target.lexically_normal().string()), failAt_(failAt) {}

    // The calls on the watched file seen so far.
    int Calls() const { return calls_; }
    // The call that was made to fail ("open", "stat", "fstat", "pread at 8192"); empty if none.
    const std::string& Injected() const { return injected_; }

    int Open(const char* path, int flags, mode_t mode) override {
        if (Watched(path) && Fail(EMFILE, "open")) return -1;
        int fd = FileSystem::Open(path, flags, mode);
        if (fd >= 0 && Watched(path)) watched_.insert(fd);
        return fd;
    }
    int Stat(const char* path, struct stat& st) override {
        if (Watched(path) && Fail(EIO, "stat")) return -1;
        return FileSystem::Stat(path, st);
    }
    int FStat(int fd, struct stat& st) override {
        if (watched_.contains(fd) && Fail(EIO, "fstat")) return -1;
        return FileSystem::FStat(fd, st);
    }
    ssize_t PRead(int fd, void* buffer, std::size_t count, off_t offset) override {
        if (watched_.contains(fd) && Fail(EIO, "pread at " + std::to_string(offset))) return -1;
        return FileSystem::PRead(fd, buffer, count, offset);
    }
    int Close(int fd) override {
        watched_.erase(fd);
        return FileSystem::Close(fd);
    }

private:
    bool Watched(const char* path) const {
        return std::filesystem::path(path).lexically_normal().string() == target_;
    }
    bool Fail(int error, std::string call) {
        if (calls_++ != failAt_) return false;
        injected_ = call;
        errno = error;
        return true;
    }

    std::string target_;
    int failAt_;
    int calls_ = 0;
    std::string injected_;
    std::set<int> watched_;
};

} // namespace tablamor::testing
