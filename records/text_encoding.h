#pragma once
// The encodings a text record file may come in. UTF-8 (plain ASCII included) is read; a UTF-8
// byte-order mark at the start is skipped by readers and kept by rewrites. UTF-16 text (told by
// its byte-order mark) is refused: read byte by byte it would be garbage, and appending to it
// would spoil it.
#include <string>
#include <string_view>

namespace tablamor {

inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
inline constexpr std::size_t kByteOrderMarkProbe = 3; // bytes enough to tell the marks apart

// The length of the UTF-8 byte-order mark that `start` (the file's first bytes) begins with: 0
// or 3.
inline std::size_t ByteOrderMarkLength(std::string_view start) {
    return start.starts_with(kUtf8ByteOrderMark) ? kUtf8ByteOrderMark.size() : 0;
}

// Why a file beginning with `start` cannot be read as text; empty when it can.
inline std::string UnreadableEncoding(std::string_view start) {
    if (start.starts_with("\xFF\xFE") || start.starts_with("\xFE\xFF"))
        return "UTF-16 text, which the program does not read (save it as UTF-8)";
    return {};
}

} // namespace tablamor
