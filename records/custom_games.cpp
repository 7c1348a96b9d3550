#include "records/custom_games.h"

#include "records/atomic_file.h"
#include "records/text_lines.h"

#include <charconv>
#include <string_view>
#include <vector>

namespace tablamor {
namespace {

// A decimal field with optional surrounding blanks; false when it is not a number.
bool ParseField(std::string_view text, int& value) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    if (text.empty()) return false;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size();
}

std::string_view Columns(std::string_view line, std::size_t first, std::size_t width) {
    if (line.size() < first) return {};
    return line.substr(first - 1, width);
}

} // namespace

CustomGame FindCustomGame(const std::filesystem::path& file, int id) {
    CustomGame result;
    std::string content;
    if (!ReadWholeFile(file, content)) return result;
    std::vector<std::string_view> lines = SplitLines(content);
    for (std::size_t first = 1; first < lines.size(); first += kCustomRecordLines) {
        int recordId = 0;
        if (!ParseField(Columns(lines[first], 1, 4), recordId) || recordId != id) continue;
        int base = -1;
        if (!ParseField(Columns(lines[first], 55, 4), base) || base < 0) return result;
        std::string name(Columns(lines[first], 5, 50));
        name.erase(name.find_last_not_of(' ') + 1);
        result.baseId = base;
        result.name = std::move(name);
        if (first + 1 < lines.size())
            result.overrides = std::string(Columns(lines[first + 1], 1, 7));
        return result;
    }
    return result;
}

} // namespace tablamor
