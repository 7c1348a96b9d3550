#pragma once
// Fixed-width fields of the record files. Numbers are right-aligned with leading zeros, a minus
// sign first (-52 in width 6 is "-00052"); a number too wide for its field becomes a row of "*".
// Text fields are cut to their width or padded on the right with blanks; a cut never splits a
// UTF-8 character (the field is blank-padded instead), so every field keeps its byte width.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tablamor {

std::string FormatNumber(std::int64_t value, int width);

// The value brought into the range that FormatNumber can write in `width` characters.
std::int64_t ClampToField(std::int64_t value, int width);

std::string FitText(std::string_view text, int width);

// Surrounding blanks (spaces, tabs, CR) removed.
std::string_view TrimBlanks(std::string_view text);
std::string_view TrimTrailingBlanks(std::string_view text);

// A decimal number, surrounding blanks allowed; nullopt for anything else (empty included).
std::optional<std::int64_t> ParseNumber(std::string_view text);

// Characters first..first+width-1 (1-based) of a line; shorter or empty past its end.
std::string_view Columns(std::string_view line, std::size_t first, std::size_t width);

} // namespace tablamor
