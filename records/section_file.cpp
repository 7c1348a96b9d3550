#include "records/section_file.h"

#include "records/atomic_file.h"
#include "records/block_scan.h"
#include "records/fixed_fields.h"
#include "records/text_lines.h"

#include <algorithm>
#include <cerrno>

namespace tablamor {
namespace {

// Where a section lies in its file.
struct SectionBounds {
    std::uint64_t header = 0;       // the "[" of the header line
    std::uint64_t contentStart = 0; // after the header line's end
    std::uint64_t restStart = 0;    // the "[" of the next section, or the file's size
    std::uint64_t size = 0;
};

// The file split around one section.
struct SplitFile {
    std::string head; // up to the content start, header line included, ending in a line end
    std::string content;
    std::string rest;
};

// The descriptor to read from: the caller's open handle, or `own` opened now.
struct Readable {
    int fd = -1;          // -1 when the file cannot be read
    bool missing = false; // the file does not exist (which is no failure)
};

// A file that exists but does not open is reported.
Readable OpenForReading(RecordHandle* handle, const std::filesystem::path& file, RecordHandle& own,
                        MessageSink& sink) {
    if (handle && handle->IsOpen()) return {handle->Descriptor(), false};
    own = RecordHandle::Open(file, false);
    if (own.IsOpen()) return {own.Descriptor(), false};
    if (errno == ENOENT || errno == ENOTDIR) return {-1, true};
    sink.Show(MessageKind::Plain, "Cannot open file " + file.string());
    return {};
}

std::optional<std::uint64_t> FindHeader(int fd, std::string_view header) {
    std::string start;
    if (!ReadRange(fd, 0, header.size(), start)) return std::nullopt;
    if (start == header) return 0;
    std::string atLineStart(1, '\n');
    atLineStart += header;
    std::optional<std::uint64_t> hit = FindInFile(fd, atLineStart, 0);
    if (!hit) return std::nullopt;
    return *hit + 1;
}

std::optional<SectionBounds> LocateSection(int fd, std::string_view name) {
    std::string header = SectionHeader(name);
    std::optional<std::uint64_t> at = FindHeader(fd, header);
    std::optional<std::uint64_t> size = FileSize(fd);
    if (!at || !size) return std::nullopt;
    SectionBounds b;
    b.header = *at;
    b.size = *size;
    std::optional<std::uint64_t> eol = FindInFile(fd, "\n", b.header + header.size());
    b.contentStart = eol ? *eol + 1 : b.size;
    b.restStart = b.size;
    if (b.contentStart < b.size) {
        // From the header's own line end, so that a header right after it is seen.
        if (std::optional<std::uint64_t> next = FindInFile(fd, "\n[", b.contentStart - 1))
            b.restStart = *next + 1;
    }
    return b;
}

std::optional<SplitFile> Split(int fd, std::string_view name) {
    std::optional<SectionBounds> b = LocateSection(fd, name);
    if (!b) return std::nullopt;
    SplitFile parts;
    if (!ReadRange(fd, 0, b->contentStart, parts.head) ||
        !ReadRange(fd, b->contentStart, b->restStart, parts.content) ||
        !ReadRange(fd, b->restStart, b->size, parts.rest))
        return std::nullopt;
    if (parts.head.empty() || parts.head.back() != '\n') parts.head += kRecordLineEnd;
    return parts;
}

// Text without line breaks, for a value.
std::string OneLine(std::string_view text) {
    std::string line(text);
    std::replace_if(
        line.begin(), line.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return line;
}

std::string EntryLine(std::string_view key, std::string_view value) {
    return RecordKey(key) + "=" + OneLine(value) + std::string(kRecordLineEnd);
}

std::string EntryLines(const RecordEntries& entries) {
    std::string text;
    for (const RecordEntry& e : entries) text += EntryLine(e.key, e.value);
    return text;
}

// Writes the new bytes and, when the caller keeps a handle, hands back one on the new file.
bool Commit(RecordHandle* handle, const std::filesystem::path& file, std::string_view content,
            MessageSink& sink) {
    if (!SaveRecordFile(file, content, sink)) return false;
    if (handle && handle->IsOpen()) *handle = RecordHandle::Open(file, handle->ForWriting());
    return true;
}

// Reads the file split around the section and rewrites it with new section content.
template <typename NewContent>
bool RewriteSection(RecordHandle* handle, const std::filesystem::path& file,
                    std::string_view section, MessageSink& sink, NewContent newContent) {
    RecordHandle own;
    int fd = OpenForReading(handle, file, own, sink).fd;
    if (fd < 0) return false;
    std::optional<SplitFile> parts = Split(fd, section);
    if (!parts) return false;
    own = RecordHandle();
    std::string bytes = std::move(parts->head);
    bytes += newContent(parts->content);
    bytes += parts->rest;
    return Commit(handle, file, bytes, sink);
}

// Calls visit(line) for each line of the file, stopping when visit returns false.
template <typename Visit> void ForEachLine(int fd, Visit visit) {
    std::string pending;
    std::size_t lineStart = 0;
    std::uint64_t offset = 0;
    bool ended = false;
    for (;;) {
        std::size_t eol = pending.find('\n', lineStart);
        if (eol != std::string::npos) {
            std::string_view line(pending.data() + lineStart, eol - lineStart);
            if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
            lineStart = eol + 1;
            if (!visit(line)) return;
            continue;
        }
        if (ended) {
            if (lineStart < pending.size()) visit(std::string_view(pending).substr(lineStart));
            return;
        }
        pending.erase(0, lineStart);
        lineStart = 0;
        std::size_t before = pending.size();
        if (!ReadRange(fd, offset, offset + kBlockSize, pending)) return;
        std::size_t got = pending.size() - before;
        offset += got;
        ended = got < kBlockSize;
    }
}

} // namespace

std::string SectionHeader(std::string_view name) {
    std::string header(1, '[');
    header += name;
    return header + ']';
}

std::string RecordKey(std::string_view key) {
    std::string safe = OneLine(key);
    std::replace(safe.begin(), safe.end(), '=', '-');
    if (!safe.empty() && safe.front() == '[') safe.front() = '(';
    return safe;
}

std::optional<std::uint64_t> FindSection(RecordHandle* handle, const std::filesystem::path& file,
                                         std::string_view header, MessageSink& sink) {
    RecordHandle own;
    int fd = OpenForReading(handle, file, own, sink).fd;
    if (fd < 0) return std::nullopt;
    return FindHeader(fd, header);
}

std::string ReadKey(RecordHandle* handle, const std::filesystem::path& file,
                    std::string_view section, std::string_view key, std::string_view fallback,
                    MessageSink& sink) {
    RecordHandle own;
    int fd = OpenForReading(handle, file, own, sink).fd;
    if (fd < 0) return std::string(fallback);
    std::optional<SectionBounds> b = LocateSection(fd, section);
    std::string content;
    if (!b || !ReadRange(fd, b->contentStart, b->restStart, content)) return std::string(fallback);
    std::string needle = RecordKey(key) + "=";
    std::size_t line = 0;
    if (!std::string_view(content).starts_with(needle)) {
        line = content.find("\n" + needle);
        if (line == std::string::npos) return std::string(fallback);
        ++line;
    }
    std::size_t valueStart = line + needle.size();
    std::size_t end = content.find('\n', valueStart);
    if (end == std::string::npos) end = content.size();
    return std::string(
        TrimTrailingBlanks(std::string_view(content).substr(valueStart, end - valueStart)));
}

KeyValues ReadKeys(const std::filesystem::path& file, std::string_view section,
                   const std::vector<std::string>& keys, const std::vector<std::string>& defaults,
                   MessageSink& sink) {
    KeyValues result;
    result.values = defaults;
    result.values.resize(keys.size());
    std::vector<std::string> needles;
    for (const std::string& key : keys) needles.push_back(RecordKey(key) + "=");
    std::vector<bool> found(keys.size(), false);
    std::size_t foundCount = 0;
    RecordHandle own;
    int fd = OpenForReading(nullptr, file, own, sink).fd;
    if (fd < 0) return result;
    const std::string header = SectionHeader(section);
    bool inside = false;
    ForEachLine(fd, [&](std::string_view line) {
        if (!inside) {
            inside = line.starts_with(header);
            return true;
        }
        if (line.starts_with("[")) return false;
        for (std::size_t i = 0; i < needles.size(); ++i) {
            if (found[i] || !line.starts_with(needles[i])) continue;
            result.values[i] = std::string(line.substr(needles[i].size()));
            found[i] = true;
            ++foundCount;
            break;
        }
        return foundCount < needles.size();
    });
    result.allFound = foundCount == needles.size();
    return result;
}

bool ReplaceSection(RecordHandle* handle, const std::filesystem::path& file,
                    std::string_view section, const RecordEntries& entries, MessageSink& sink) {
    return RewriteSection(handle, file, section, sink, [&](std::string_view) {
        return EntryLines(entries) + std::string(kRecordLineEnd);
    });
}

bool OverwriteSection(const std::filesystem::path& file, std::string_view section,
                      const RecordEntries& entries, MessageSink& sink) {
    if (!FindSection(nullptr, file, SectionHeader(section), sink))
        return AppendSection(nullptr, file, section, entries, sink);
    return RewriteSection(nullptr, file, section, sink, [&](std::string_view content) {
        return SectionContentOverwritten(content, entries);
    });
}

bool AppendSection(RecordHandle* handle, const std::filesystem::path& file,
                   std::string_view section, const RecordEntries& entries, MessageSink& sink) {
    std::string bytes;
    RecordHandle own;
    Readable source = OpenForReading(handle, file, own, sink);
    if (source.fd >= 0) {
        std::optional<std::uint64_t> size = FileSize(source.fd);
        if (!size || !ReadRange(source.fd, 0, *size, bytes)) return false;
    } else if (!source.missing) {
        return false;
    }
    own = RecordHandle();
    bytes += kRecordLineEnd;
    bytes += SectionHeader(section);
    bytes += kRecordLineEnd;
    bytes += EntryLines(entries);
    return Commit(handle, file, bytes, sink);
}

bool WriteKey(RecordHandle* handle, const std::filesystem::path& file, std::string_view section,
              std::string_view key, std::string_view value, MessageSink& sink) {
    return WriteKeys(handle, file, section, {{std::string(key), std::string(value)}}, sink);
}

bool WriteKeys(RecordHandle* handle, const std::filesystem::path& file, std::string_view section,
               const RecordEntries& entries, MessageSink& sink) {
    if (!FindSection(handle, file, SectionHeader(section), sink))
        return AppendSection(handle, file, section, entries, sink);
    return RewriteSection(handle, file, section, sink, [&](std::string_view content) {
        return SectionContentWithKeys(content, entries);
    });
}

bool CreateRecordFile(const std::filesystem::path& file, MessageSink& sink) {
    std::error_code ec;
    if (std::filesystem::exists(std::filesystem::symlink_status(file, ec))) return false;
    std::string content = SectionHeader(kVersionSection) + std::string(kRecordLineEnd) +
                          std::string(kVersionKey) + "=" + std::string(kRecordVersion) +
                          std::string(kRecordLineEnd);
    return SaveRecordFile(file, content, sink);
}

bool SaveRecordFile(const std::filesystem::path& file, std::string_view content,
                    MessageSink& sink) {
    WriteResult result = WriteFileAtomically(file, content);
    switch (result.failure) {
    case WriteFailure::None:
        return true;
    case WriteFailure::CreateTemp:
        sink.Show(MessageKind::Plain, "Error creating temp file.");
        break;
    case WriteFailure::Rename:
        sink.Show(MessageKind::Plain,
                  "Error renaming file: " + result.tempPath.string() + "\nwith: " + file.string());
        break;
    }
    return false;
}

std::string SectionContentWithKeys(std::string_view content, const RecordEntries& entries) {
    std::vector<std::string> needles;
    for (const RecordEntry& e : entries) needles.push_back(RecordKey(e.key) + "=");
    std::vector<bool> written(entries.size(), false);
    std::string text;
    for (std::string_view line : SplitLines(content)) {
        if (TrimBlanks(line).empty()) continue;
        std::size_t i = 0;
        while (i < entries.size() && (written[i] || !line.starts_with(needles[i]))) ++i;
        if (i < entries.size()) {
            text += EntryLine(entries[i].key, entries[i].value);
            written[i] = true;
        } else {
            text += line;
            text += kRecordLineEnd;
        }
    }
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (!written[i]) text += EntryLine(entries[i].key, entries[i].value);
    return text + std::string(kRecordLineEnd);
}

std::string SectionContentOverwritten(std::string_view content, const RecordEntries& entries) {
    std::size_t keep = 0; // where the lines that are not overwritten begin
    for (std::size_t i = 0; i < entries.size() && keep < content.size(); ++i) {
        std::size_t eol = content.find('\n', keep);
        keep = eol == std::string_view::npos ? content.size() : eol + 1;
    }
    return EntryLines(entries) + std::string(content.substr(keep));
}

} // namespace tablamor
