#pragma once
// The fuzz input as a file the readers can open by name: an anonymous in-memory file, reused
// for every input, reachable as /proc/self/fd/N. No disk is touched.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

namespace tablamor::fuzz {

class MemoryFile {
public:
    MemoryFile() : fd_(::memfd_create("tablamor-fuzz", 0)) {
        if (fd_ < 0) __builtin_trap();
    }
    ~MemoryFile() { ::close(fd_); }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;

    // Replaces the content; the path names the file for the readers.
    std::filesystem::path Hold(const std::uint8_t* data, std::size_t size) {
        if (::ftruncate(fd_, 0) != 0) __builtin_trap();
        std::size_t done = 0;
        while (done < size) {
            ssize_t n = ::pwrite(fd_, data + done, size - done, static_cast<off_t>(done));
            if (n <= 0) __builtin_trap();
            done += static_cast<std::size_t>(n);
        }
        return "/proc/self/fd/" + std::to_string(fd_);
    }

private:
    int fd_;
};

} // namespace tablamor::fuzz
