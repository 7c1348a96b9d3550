#pragma once
// The sectioned record files ("DATA\STAT.DAT", "DATA\STAT_SCR.DAT"). Lines end in CR LF. A
// section is a header line "[" + name + "]" and the key=value lines after it, up to the next
// line that begins with "[" or the end of the file. A file begins with the version section:
// "[Version]", "Version=0300".
//
// Reading is forgiving: a header counts only at the start of a line, a key only when "=" follows
// it (so "Ann" never reads the line of "Anna"), LF-only line ends are accepted, and bytes that
// are not text are carried along untouched. Every change rewrites the whole file through
// WriteFileAtomically, so a crash leaves the old file or the new one; bytes outside the section
// being changed are copied exactly. Keys are written and looked up in their RecordKey form, so
// that no key can break the layout and no two keys share a line. A UTF-8 byte-order mark at the
// start is skipped by the readers and kept; UTF-16 files are refused.
//
// Routines taking a RecordHandle* use the handle when it is open and otherwise open the file for
// the one call; a rewrite hands back a handle on the new file. A missing file reads as empty,
// silently; a file that exists but cannot be opened or read is never taken for an empty one:
// the sink hears "Cannot open file " or "Cannot read file " + name + ": " + the system's reason,
// the reader answers Lookup::Failed, and nothing is written. Write failures give "Error creating
// temp file." or "Error renaming file: ...", each followed by the file and the reason.
#include "records/atomic_file.h"
#include "records/messages.h"
#include "records/record_handle.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tablamor {

inline constexpr std::string_view kRecordLineEnd = "\r\n";
inline constexpr std::string_view kVersionSection = "Version";
inline constexpr std::string_view kVersionKey = "Version";
inline constexpr std::string_view kRecordVersion = "0300";

struct RecordEntry {
    std::string key;
    std::string value;
};
using RecordEntries = std::vector<RecordEntry>;

// "[" + name + "]".
std::string SectionHeader(std::string_view name);

// The form in which a key is stored: "%", "=", CR, LF and a leading "[" are written as "%" and
// two hexadecimal digits ("a=b" is stored as "a%3Db"). Every other key is stored as it is, and
// two different keys never share a stored form.
std::string RecordKey(std::string_view key);

// What a look-up found: the thing, its absence (a missing file included), or a file that could
// not be opened or read, which the sink was told about.
enum class Lookup { Found, Absent, Failed };

struct SectionLookup {
    Lookup result = Lookup::Absent;
    std::uint64_t offset = 0; // of the header's "[", when found
};

// The line "[name]" (given as `header`), scanning 8192-byte blocks.
SectionLookup FindSection(RecordHandle* handle, const std::filesystem::path& file,
                          std::string_view header, MessageSink& sink = NoMessages());

struct KeyLookup {
    Lookup result = Lookup::Absent;
    std::string value; // trailing blanks removed; the fallback unless found
};

// The value of `key` in the section.
KeyLookup ReadKey(RecordHandle* handle, const std::filesystem::path& file, std::string_view section,
                  std::string_view key, std::string_view fallback,
                  MessageSink& sink = NoMessages());

struct KeyValues {
    std::vector<std::string> values; // one per key; the default where the key was missing
    bool allFound = false;
    bool failed = false; // the file could not be read: the values are only the defaults
};

// Several keys of one section, read line by line, stopping when all are found. The first line
// of a key counts.
KeyValues ReadKeys(const std::filesystem::path& file, std::string_view section,
                   const std::vector<std::string>& keys, const std::vector<std::string>& defaults,
                   MessageSink& sink = NoMessages());

// Replaces the section's lines by the entries and one blank line. False, with nothing written,
// when the section is missing or the file cannot be rewritten.
bool ReplaceSection(RecordHandle* handle, const std::filesystem::path& file,
                    std::string_view section, const RecordEntries& entries, MessageSink& sink);

// Writes the entries over the first lines of the section (as many lines as entries) and keeps
// the rest of it; appends the section when it is missing.
bool OverwriteSection(const std::filesystem::path& file, std::string_view section,
                      const RecordEntries& entries, MessageSink& sink);

// Adds line end + "[name]" + line end and the entries at the end of the file.
bool AppendSection(RecordHandle* handle, const std::filesystem::path& file,
                   std::string_view section, const RecordEntries& entries, MessageSink& sink);

// Gives one key a new value (adding the line when the key is missing, the section when the
// section is missing). Every other line of the section is kept as it was.
bool WriteKey(RecordHandle* handle, const std::filesystem::path& file, std::string_view section,
              std::string_view key, std::string_view value, MessageSink& sink);

// WriteKey for several keys in one rewrite.
bool WriteKeys(RecordHandle* handle, const std::filesystem::path& file, std::string_view section,
               const RecordEntries& entries, MessageSink& sink);

enum class Creation { Created, Existed, Failed };

// Creates the file with the two version lines when, and only when, it does not exist. A file
// whose existence cannot be asked is not made afresh: that is a failure, told to the sink.
Creation CreateRecordFile(const std::filesystem::path& file, MessageSink& sink);

// Writes the file by `content` safely, telling the sink when it cannot.
bool SaveRecordFile(const std::filesystem::path& file, std::string_view content, MessageSink& sink,
                    WriteMode mode = WriteMode::Replace);

// The section content after WriteKeys: blank lines dropped, the first line of each key
// replaced (or a line added at the end), one blank line at the end.
std::string SectionContentWithKeys(std::string_view content, const RecordEntries& entries);

// The section content after OverwriteSection.
std::string SectionContentOverwritten(std::string_view content, const RecordEntries& entries);

} // namespace tablamor
