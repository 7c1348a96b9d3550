#include "records/block_scan.h"

#include <algorithm>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace tablamor {
namespace {

// Fills `buffer` from `offset` until it is full or the file ends; the count read, -1 on error.
ssize_t ReadBlock(int fd, std::uint64_t offset, std::vector<char>& buffer) {
    std::size_t got = 0;
    while (got < buffer.size()) {
        ssize_t n =
            ::pread(fd, buffer.data() + got, buffer.size() - got, static_cast<off_t>(offset + got));
        if (n < 0) {
            if (errno == EINTR) continue;
            return -1;
        }
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    return static_cast<ssize_t>(got);
}

} // namespace

std::optional<std::uint64_t> FileSize(int fd) {
    struct stat st {};
    if (::fstat(fd, &st) != 0 || st.st_size < 0) return std::nullopt;
    return static_cast<std::uint64_t>(st.st_size);
}

std::optional<std::uint64_t> FindInFile(int fd, std::string_view needle, std::uint64_t from) {
    if (needle.empty()) return from;
    // A needle longer than a block gets blocks big enough to hold it twice.
    std::vector<char> block(std::max(kBlockSize, 2 * needle.size()));
    const std::size_t overlap = needle.size() - 1;
    std::uint64_t position = from;
    for (;;) {
        ssize_t n = ReadBlock(fd, position, block);
        if (n < static_cast<ssize_t>(needle.size())) return std::nullopt;
        std::string_view text(block.data(), static_cast<std::size_t>(n));
        std::size_t hit = text.find(needle);
        if (hit != std::string_view::npos) return position + hit;
        if (static_cast<std::size_t>(n) < block.size()) return std::nullopt; // the file ended
        position += static_cast<std::size_t>(n) - overlap;
    }
}

bool ReadRange(int fd, std::uint64_t from, std::uint64_t to, std::string& out) {
    std::vector<char> block(kBlockSize);
    while (from < to) {
        std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(kBlockSize, to - from));
        block.resize(want);
        ssize_t n = ReadBlock(fd, from, block);
        if (n < 0) return false;
        out.append(block.data(), static_cast<std::size_t>(n));
        if (static_cast<std::size_t>(n) < want) return true; // the file is shorter than expected
        from += want;
    }
    return true;
}

} // namespace tablamor
