#pragma once
// INI-format key access for the configuration file: read and write a string or an integer by
// section and key. Sections and keys match without regard to case; values are trimmed of blanks.
// A missing file, section or key gives the default. A write changes only the line of its key
// (or adds one), keeps every other line as it was, and creates the file and its directory when
// missing; the rewrite is atomic.
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tablamor {

class IniFile {
public:
    explicit IniFile(std::filesystem::path path) : path_(std::move(path)) {}

    const std::filesystem::path& Path() const { return path_; }

    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view fallback = {}) const;
    // The value as a decimal integer; `fallback` when missing or not a number.
    int ReadInt(std::string_view section, std::string_view key, int fallback) const;
    // Every key = value pair of a section, in file order.
    std::vector<std::pair<std::string, std::string>> ReadSection(std::string_view section) const;

    // False when the file could not be written (the old file stays as it was).
    bool WriteString(std::string_view section, std::string_view key, std::string_view value);
    bool WriteInt(std::string_view section, std::string_view key, int value);

private:
    std::filesystem::path path_;
};

} // namespace tablamor
