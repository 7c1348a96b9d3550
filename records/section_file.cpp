#include "records/section_file.h"

#include "records/block_scan.h"
#include "records/file_system.h"
#include "records/fixed_fields.h"
#include "records/text_encoding.h"
#include "records/text_lines.h"

#include <algorithm>
#include <cerrno>

namespace tablamor {
namespace {

constexpr char kKeyEscape = '%';
constexpr std::string_view kHexDigits = "0123456789ABCDEF";
constexpr unsigned kNibbleBits = 4;
constexpr unsigned kNibbleMask = 0xF;

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

// A record file open for reading: the caller's handle, or one opened for the call.
class Source {
public:
    // A file that exists but does not open, or is not text the readers understand, is told to
    // the sink.
    Source(RecordHandle* handle, const std::filesystem::path& file, MessageSink& sink)
        : file_(file), sink_(sink) {
        if (!handle || !handle->IsOpen()) {
            own_ = RecordHandle::Open(file, false);
            handle = &own_;
        }
        if (!handle->IsOpen()) {
            missing_ = handle->Missing();
            if (!missing_) sink_.Show(MessageKind::Plain, CannotOpenText(file_, handle->Error()));
            return;
        }
        reader_.emplace(handle->Descriptor());
        std::string start;
        reader_->ReadSome(0, kByteOrderMarkProbe, start);
        if (std::string reason = UnreadableEncoding(start); !reason.empty()) {
            sink_.Show(MessageKind::Plain, CannotReadText(file_, reason));
            reader_.reset();
            return;
        }
        textStart_ = ByteOrderMarkLength(start);
    }

    // The file is open and nothing failed so far.
    bool Readable() const { return reader_ && !reader_->Failed(); }
    // The file does not exist.
    bool Missing() const { return missing_; }
    BlockReader& Reader() { return *reader_; }
    // Where the text begins: after a byte-order mark.
    std::uint64_t TextStart() const { return textStart_; }
    // Closes a file opened for the call, before the file is replaced.
    void Close() { own_ = RecordHandle(); }

    // What the reads came to: Failed (and the sink told) when one of them failed.
    Lookup Outcome(bool found) {
        if (!reader_ && !missing_) return Lookup::Failed;
        if (reader_ && reader_->Failed()) {
            if (!told_) sink_.Show(MessageKind::Plain, CannotReadText(file_, reader_->Error()));
            told_ = true;
            return Lookup::Failed;
        }
        return found ? Lookup::Found : Lookup::Absent;
    }

private:
    const std::filesystem::path& file_;
    MessageSink& sink_;
    RecordHandle own_;
    std::optional<BlockReader> reader_;
    bool missing_ = false;
    bool told_ = false;
    std::uint64_t textStart_ = 0;
};

std::optional<std::uint64_t> FindHeader(Source& source, std::string_view header) {
    BlockReader& reader = source.Reader();
    std::string start;
    reader.ReadSome(source.TextStart(), header.size(), start);
    if (start == header) return source.TextStart();
    std::string atLineStart(1, '\n');
    atLineStart += header;
    std::optional<std::uint64_t> hit = reader.Find(atLineStart, source.TextStart());
    if (!hit) return std::nullopt;
    return *hit + 1;
}

std::optional<SectionBounds> LocateSection(Source& source, std::string_view name) {
    BlockReader& reader = source.Reader();
    std::string header = SectionHeader(name);
    std::optional<std::uint64_t> at = FindHeader(source, header);
    std::optional<std::uint64_t> size = reader.Size();
    if (!at || !size) return std::nullopt;
    SectionBounds b;
    b.header = *at;
    b.size = *size;
    std::optional<std::uint64_t> eol = reader.Find("\n", b.header + header.size());
    b.contentStart = eol ? *eol + 1 : b.size;
    b.restStart = b.size;
    if (b.contentStart < b.size) {
        // From the header's own line end, so that a header right after it is seen.
        if (std::optional<std::uint64_t> next = reader.Find("\n[", b.contentStart - 1))
            b.restStart = *next + 1;
    }
    return b;
}

std::optional<SplitFile> Split(Source& source, std::string_view name) {
    std::optional<SectionBounds> b = LocateSection(source, name);
    if (!b) return std::nullopt;
    BlockReader& reader = source.Reader();
    SplitFile parts;
    if (!reader.Read(0, b->contentStart, parts.head) ||
        !reader.Read(b->contentStart, b->restStart, parts.content) ||
        !reader.Read(b->restStart, b->size, parts.rest))
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
            MessageSink& sink, WriteMode mode) {
    if (!SaveRecordFile(file, content, sink, mode)) return false;
    if (handle && handle->IsOpen()) {
        // The new file is saved; a handle that cannot follow it is closed, and said so.
        *handle = RecordHandle::Open(file, handle->ForWriting());
        if (!handle->IsOpen()) sink.Show(MessageKind::Plain, CannotOpenText(file, handle->Error()));
    }
    return true;
}

// Reads the file split around the section and rewrites it with new section content.
template <typename NewContent>
bool RewriteSection(RecordHandle* handle, const std::filesystem::path& file,
                    std::string_view section, MessageSink& sink, NewContent newContent) {
    Source source(handle, file, sink);
    std::optional<SplitFile> parts;
    if (source.Readable()) parts = Split(source, section);
    if (source.Outcome(parts.has_value()) != Lookup::Found) return false;
    source.Close();
    std::string bytes = std::move(parts->head);
    bytes += newContent(parts->content);
    bytes += parts->rest;
    return Commit(handle, file, bytes, sink, WriteMode::Replace);
}

// Calls visit(line) for each line of the text, stopping when visit returns false.
template <typename Visit> void ForEachLine(Source& source, Visit visit) {
    std::string pending;
    std::size_t lineStart = 0;
    std::uint64_t offset = source.TextStart();
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
        std::size_t got = source.Reader().ReadSome(offset, kBlockSize, pending);
        if (source.Reader().Failed()) return;
        offset += got;
        ended = got < kBlockSize;
    }
}

std::string Escaped(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return {kKeyEscape, kHexDigits[byte >> kNibbleBits], kHexDigits[byte & kNibbleMask]};
}

} // namespace

std::string SectionHeader(std::string_view name) {
    std::string header(1, '[');
    header += name;
    return header + ']';
}

std::string RecordKey(std::string_view key) {
    std::string stored;
    for (std::size_t i = 0; i < key.size(); ++i) {
        const char c = key[i];
        if (c == kKeyEscape || c == '=' || c == '\r' || c == '\n' || (i == 0 && c == '['))
            stored += Escaped(c);
        else
            stored += c;
    }
    return stored;
}

SectionLookup FindSection(RecordHandle* handle, const std::filesystem::path& file,
                          std::string_view header, MessageSink& sink) {
    Source source(handle, file, sink);
    std::optional<std::uint64_t> at;
    if (source.Readable()) at = FindHeader(source, header);
    return {source.Outcome(at.has_value()), at.value_or(0)};
}

KeyLookup ReadKey(RecordHandle* handle, const std::filesystem::path& file, std::string_view section,
                  std::string_view key, std::string_view fallback, MessageSink& sink) {
    Source source(handle, file, sink);
    std::optional<std::string> value;
    std::string content;
    std::optional<SectionBounds> b;
    if (source.Readable()) b = LocateSection(source, section);
    if (b && source.Reader().Read(b->contentStart, b->restStart, content)) {
        std::string needle = RecordKey(key) + "=";
        std::size_t line = 0;
        if (!std::string_view(content).starts_with(needle)) {
            line = content.find("\n" + needle);
            if (line != std::string::npos) ++line;
        }
        if (line != std::string::npos) {
            std::size_t valueStart = line + needle.size();
            std::size_t end = content.find('\n', valueStart);
            if (end == std::string::npos) end = content.size();
            value = std::string(
                TrimTrailingBlanks(std::string_view(content).substr(valueStart, end - valueStart)));
        }
    }
    Lookup result = source.Outcome(value.has_value());
    if (result != Lookup::Found) value = std::string(fallback);
    return {result, std::move(*value)};
}

KeyValues ReadKeys(const std::filesystem::path& file, std::string_view section,
                   const std::vector<std::string>& keys, const std::vector<std::string>& defaults,
                   MessageSink& sink) {
    KeyValues result;
    result.values = defaults;
    result.values.resize(keys.size());
    std::vector<std::string> needles;
    for (const std::string& key : keys) needles.push_back(RecordKey(key) + "=");
    std::vector<std::string> found(keys.size());
    std::vector<bool> isFound(keys.size(), false);
    std::size_t foundCount = 0;
    Source source(nullptr, file, sink);
    if (source.Readable()) {
        const std::string header = SectionHeader(section);
        bool inside = false;
        ForEachLine(source, [&](std::string_view line) {
            if (!inside) {
                inside = line.starts_with(header);
                return true;
            }
            if (line.starts_with("[")) return false;
            for (std::size_t i = 0; i < needles.size(); ++i) {
                if (isFound[i] || !line.starts_with(needles[i])) continue;
                found[i] = std::string(line.substr(needles[i].size()));
                isFound[i] = true;
                ++foundCount;
                break;
            }
            return foundCount < needles.size();
        });
    }
    if (source.Outcome(false) == Lookup::Failed) {
        result.failed = true;
        return result;
    }
    for (std::size_t i = 0; i < keys.size(); ++i)
        if (isFound[i]) result.values[i] = std::move(found[i]);
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
    switch (FindSection(nullptr, file, SectionHeader(section), sink).result) {
    case Lookup::Failed:
        return false;
    case Lookup::Absent:
        return AppendSection(nullptr, file, section, entries, sink);
    case Lookup::Found:
        break;
    }
    return RewriteSection(nullptr, file, section, sink, [&](std::string_view content) {
        return SectionContentOverwritten(content, entries);
    });
}

bool AppendSection(RecordHandle* handle, const std::filesystem::path& file,
                   std::string_view section, const RecordEntries& entries, MessageSink& sink) {
    std::string bytes;
    Source source(handle, file, sink);
    if (source.Readable()) {
        std::optional<std::uint64_t> size = source.Reader().Size();
        if (size) source.Reader().Read(0, *size, bytes);
    }
    if (source.Outcome(false) == Lookup::Failed) return false;
    const bool existed = !source.Missing();
    source.Close();
    bytes += kRecordLineEnd;
    bytes += SectionHeader(section);
    bytes += kRecordLineEnd;
    bytes += EntryLines(entries);
    return Commit(handle, file, bytes, sink, existed ? WriteMode::Replace : WriteMode::CreateNew);
}

bool WriteKey(RecordHandle* handle, const std::filesystem::path& file, std::string_view section,
              std::string_view key, std::string_view value, MessageSink& sink) {
    return WriteKeys(handle, file, section, {{std::string(key), std::string(value)}}, sink);
}

bool WriteKeys(RecordHandle* handle, const std::filesystem::path& file, std::string_view section,
               const RecordEntries& entries, MessageSink& sink) {
    switch (FindSection(handle, file, SectionHeader(section), sink).result) {
    case Lookup::Failed:
        return false;
    case Lookup::Absent:
        return AppendSection(handle, file, section, entries, sink);
    case Lookup::Found:
        break;
    }
    return RewriteSection(handle, file, section, sink, [&](std::string_view content) {
        return SectionContentWithKeys(content, entries);
    });
}

Creation CreateRecordFile(const std::filesystem::path& file, MessageSink& sink) {
    struct stat st {};
    if (Files().Stat(file.c_str(), st) == 0) return Creation::Existed;
    if (errno != ENOENT) {
        sink.Show(MessageKind::Plain, CannotOpenText(file, ErrorText(errno)));
        return Creation::Failed;
    }
    std::string content = SectionHeader(kVersionSection) + std::string(kRecordLineEnd) +
                          std::string(kVersionKey) + "=" + std::string(kRecordVersion) +
                          std::string(kRecordLineEnd);
    WriteResult result = WriteFileAtomically(file, content, WriteMode::CreateNew);
    if (result) return Creation::Created;
    // Another writer made it in the meantime: it is there, which is all that was wanted.
    if (result.failure == WriteFailure::Rename && result.error == EEXIST) return Creation::Existed;
    ReportWriteFailure(file, result, sink);
    return Creation::Failed;
}

bool SaveRecordFile(const std::filesystem::path& file, std::string_view content, MessageSink& sink,
                    WriteMode mode) {
    WriteResult result = WriteFileAtomically(file, content, mode);
    ReportWriteFailure(file, result, sink);
    return static_cast<bool>(result);
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
