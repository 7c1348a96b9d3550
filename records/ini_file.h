#pragma once
// INI-format key access for the configuration file: read and write a string or an integer by
// section and key. Sections and keys match without regard to case; values are trimmed of blanks.
// A missing file, section or key gives the default. A write changes only the line of its key
// (or adds one), keeps every other line as it was, and creates the file and its directory when
// missing; the rewrite is atomic and made under the data directory's lock.
//
// The file is parsed once and kept in memory; each read asks only whether the file changed on
// disk since (another window or another copy of the program may have written it), and a write
// goes through to the file and the copy in memory alike. A UTF-8 byte-order mark is skipped and
// kept. A file that exists but cannot be read (an error, not a regular file, too large, UTF-16
// text) is never taken for an empty one: reads give the values last read (the defaults if none),
// the sink hears once why, and writes are refused until the file reads again, so that a write
// never replaces a file it could not read.
#include "records/messages.h"

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tablamor {

class IniFile {
public:
    explicit IniFile(std::filesystem::path path, MessageSink& sink = NoMessages());

    const std::filesystem::path& Path() const { return path_; }

    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view fallback = {}) const;
    // The value as a decimal integer; `fallback` when missing or not a number.
    int ReadInt(std::string_view section, std::string_view key, int fallback) const;
    // Every key = value pair of a section, in file order.
    std::vector<std::pair<std::string, std::string>> ReadSection(std::string_view section) const;

    // False when the file could not be read or written (the old file stays as it was).
    bool WriteString(std::string_view section, std::string_view key, std::string_view value);
    bool WriteInt(std::string_view section, std::string_view key, int value);

    // False while the file exists but cannot be read.
    bool Readable() const;

    // How many reads found the file unreadable. A caller that writes what it decided from
    // earlier reads compares this before and after them, and writes only when it did not grow.
    int ReadFailures() const { return readFailures_; }

    struct Parsed;

private:
    // Brings the copy in memory up to date with the file; false (the sink told once) when the
    // file cannot be read.
    bool Refresh(MessageSink& sink) const;
    // The parsed file, or an empty one.
    const Parsed& Current() const;

    std::filesystem::path path_;
    MessageSink* sink_;
    mutable std::shared_ptr<const Parsed> parsed_; // shared by copies; replaced, never changed
    mutable bool failureTold_ = false;
    mutable int readFailures_ = 0;
};

} // namespace tablamor
