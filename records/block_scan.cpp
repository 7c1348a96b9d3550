#include "records/block_scan.h"

#include "records/file_system.h"

#include <algorithm>
#include <cerrno>
#include <vector>

namespace tablamor {

void BlockReader::Fail(std::string reason) {
    if (error_.empty()) error_ = std::move(reason);
}

std::optional<std::size_t> BlockReader::Fill(std::uint64_t offset, char* buffer, std::size_t size) {
    if (Failed()) return std::nullopt;
    std::size_t got = 0;
    while (got < size) {
        ssize_t n = Files().PRead(fd_, buffer + got, size - got, static_cast<off_t>(offset + got));
        if (n < 0) {
            if (errno == EINTR) continue;
            Fail(ErrorText(errno));
            return std::nullopt;
        }
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    return got;
}

std::optional<std::uint64_t> BlockReader::Size() {
    if (Failed()) return std::nullopt;
    struct stat st {};
    if (Files().FStat(fd_, st) != 0 || st.st_size < 0) {
        Fail(ErrorText(errno));
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(st.st_size);
}

std::optional<std::uint64_t> BlockReader::Find(std::string_view needle, std::uint64_t from) {
    if (Failed()) return std::nullopt;
    if (needle.empty()) return from;
    // A needle longer than a block gets blocks big enough to hold it twice.
    std::vector<char> block(std::max(kBlockSize, 2 * needle.size()));
    const std::size_t overlap = needle.size() - 1;
    std::uint64_t position = from;
    for (;;) {
        std::optional<std::size_t> n = Fill(position, block.data(), block.size());
        if (!n || *n < needle.size()) return std::nullopt;
        std::string_view text(block.data(), *n);
        std::size_t hit = text.find(needle);
        if (hit != std::string_view::npos) return position + hit;
        if (*n < block.size()) return std::nullopt; // the file ended
        position += *n - overlap;
    }
}

bool BlockReader::Read(std::uint64_t from, std::uint64_t to, std::string& out) {
    while (from < to) {
        std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(kBlockSize, to - from));
        if (ReadSome(from, want, out) < want) {
            Fail("the file ended early");
            return false;
        }
        from += want;
    }
    return !Failed();
}

std::size_t BlockReader::ReadSome(std::uint64_t from, std::size_t count, std::string& out) {
    const std::size_t before = out.size();
    out.resize(before + count);
    std::optional<std::size_t> n = Fill(from, out.data() + before, count);
    out.resize(before + n.value_or(0));
    return n.value_or(0);
}

} // namespace tablamor
