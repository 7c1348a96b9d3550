#pragma once
// Reading a record file in blocks of 8192 bytes, so that finding a section in a large file never
// holds more than a block or two. A search that finds nothing in a block starts the next block a
// little before its end, so text cut by a block boundary is still found.
//
// The first read error sticks: from then on every call answers "nothing" and Failed() is true,
// so a caller tells "not in the file" from "could not read the file" by asking Failed() before
// it trusts an answer.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tablamor {

inline constexpr std::size_t kBlockSize = 8192;

class BlockReader {
public:
    explicit BlockReader(int fd) : fd_(fd) {}

    // The file's size.
    std::optional<std::uint64_t> Size();

    // Offset of the first occurrence of `needle` at or after `from`.
    std::optional<std::uint64_t> Find(std::string_view needle, std::uint64_t from);

    // Bytes [from, to) appended to `out`; a file that ends before `to` is a read error.
    bool Read(std::uint64_t from, std::uint64_t to, std::string& out);

    // Up to `count` bytes from `from` appended to `out`; fewer only where the file ends. The
    // number appended.
    std::size_t ReadSome(std::uint64_t from, std::size_t count, std::string& out);

    bool Failed() const { return !error_.empty(); }
    // The system's words for the first failure.
    const std::string& Error() const { return error_; }

private:
    // Fills `buffer` (of `size` bytes) from `offset` until it is full or the file ends; the
    // count read, or nullopt after a read error.
    std::optional<std::size_t> Fill(std::uint64_t offset, char* buffer, std::size_t size);
    void Fail(std::string reason);

    int fd_;
    std::string error_;
};

} // namespace tablamor
