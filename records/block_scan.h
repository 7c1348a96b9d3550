#pragma once
// Reading a record file in blocks of 8192 bytes, so that finding a section in a large file never
// holds more than a block or two. A search that finds nothing in a block starts the next block a
// little before its end, so text cut by a block boundary is still found.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tablamor {

inline constexpr std::size_t kBlockSize = 8192;

// The file's size; nullopt when it cannot be asked.
std::optional<std::uint64_t> FileSize(int fd);

// Offset of the first occurrence of `needle` at or after `from`.
std::optional<std::uint64_t> FindInFile(int fd, std::string_view needle, std::uint64_t from);

// Bytes [from, to) of the file, appended to `out`; false on a read error.
bool ReadRange(int fd, std::uint64_t from, std::uint64_t to, std::string& out);

} // namespace tablamor
