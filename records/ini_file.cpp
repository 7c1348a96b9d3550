#include "records/ini_file.h"

#include "records/atomic_file.h"
#include "records/data_lock.h"
#include "records/file_system.h"
#include "records/text_encoding.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <optional>
#include <unordered_map>

namespace tablamor {
namespace {

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

std::string Lower(std::string_view s) {
    std::string lower(s);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

bool EqualNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
               return std::tolower(x) == std::tolower(y);
           });
}

// True for a header line "[Name]", with the name.
bool SectionHeader(std::string_view line, std::string_view& name) {
    line = Trim(line);
    if (line.size() < 2 || line.front() != '[') return false;
    std::size_t close = line.find(']');
    if (close == std::string_view::npos) return false;
    name = Trim(line.substr(1, close - 1));
    return true;
}

// Splits "key = value"; false for lines without "=" and for comments.
bool KeyValue(std::string_view line, std::string_view& key, std::string_view& value) {
    std::string_view t = Trim(line);
    if (t.empty() || t.front() == ';' || t.front() == '#') return false;
    std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) return false;
    key = Trim(line.substr(0, eq));
    value = Trim(line.substr(eq + 1));
    return !key.empty();
}

// The look-up name of a key of a section.
std::string IndexName(std::string_view section, std::string_view key) {
    return Lower(section) + '\n' + Lower(key);
}

// What identifies one version of the file on disk.
struct Stamp {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = -1;
    std::int64_t modified = 0; // nanoseconds
    friend bool operator==(const Stamp&, const Stamp&) = default;
};

constexpr std::int64_t kNanosecondsPerSecond = 1'000'000'000;

Stamp StampOf(const struct stat& st) {
    return {st.st_dev, st.st_ino, st.st_size,
            st.st_mtim.tv_sec * kNanosecondsPerSecond + st.st_mtim.tv_nsec};
}

} // namespace

// The file as lines (without their end-of-line characters), with an index of its keys.
struct IniFile::Parsed {
    std::vector<std::string> lines;
    std::string eol = "\n";
    bool endsWithNewline = true;
    std::string byteOrderMark;
    bool missing = true;        // no file on disk
    std::optional<Stamp> stamp; // of the file the lines were read from or written to
    std::unordered_map<std::string, std::size_t> firstKeyLine;                 // IndexName
    std::unordered_map<std::string, std::vector<std::size_t>> sectionKeyLines; // Lower(section)

    void Index() {
        firstKeyLine.clear();
        sectionKeyLines.clear();
        std::optional<std::string> section; // none before the first header
        for (std::size_t i = 0; i < lines.size(); ++i) {
            std::string_view name, key, value;
            if (SectionHeader(lines[i], name)) {
                section = Lower(name);
                continue;
            }
            if (!section || !KeyValue(lines[i], key, value)) continue;
            firstKeyLine.try_emplace(IndexName(*section, key), i);
            sectionKeyLines[*section].push_back(i);
        }
    }

    std::string Content() const {
        std::string content = byteOrderMark;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            content += lines[i];
            if (i + 1 < lines.size() || endsWithNewline) content += eol;
        }
        return content;
    }
};

namespace {

std::shared_ptr<IniFile::Parsed> Parse(std::string_view content, const Stamp& stamp) {
    auto file = std::make_shared<IniFile::Parsed>();
    file->missing = false;
    file->stamp = stamp;
    file->byteOrderMark = std::string(content.substr(0, ByteOrderMarkLength(content)));
    content.remove_prefix(file->byteOrderMark.size());
    if (content.find("\r\n") != std::string_view::npos) file->eol = "\r\n";
    file->endsWithNewline = content.empty() || content.back() == '\n';
    std::size_t begin = 0;
    while (begin < content.size()) {
        std::size_t end = content.find('\n', begin);
        if (end == std::string_view::npos) end = content.size();
        std::string_view line = content.substr(begin, end - begin);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        file->lines.emplace_back(line);
        begin = end + 1;
    }
    file->Index();
    return file;
}

// The file with `key` of `section` set to `value`.
std::shared_ptr<IniFile::Parsed> WithKey(const IniFile::Parsed& old, std::string_view section,
                                         std::string_view key, std::string_view value) {
    auto file = std::make_shared<IniFile::Parsed>(old);
    if (auto at = file->firstKeyLine.find(IndexName(section, key));
        at != file->firstKeyLine.end()) {
        std::string_view oldKey, oldValue;
        KeyValue(file->lines[at->second], oldKey, oldValue);
        file->lines[at->second] = std::string(oldKey) + "=" + std::string(value);
        return file; // the index still holds
    }
    std::string line = std::string(key) + "=" + std::string(value);
    // After the last key line of the first section of that name, else a new section at the end.
    std::size_t insertAt = file->lines.size();
    bool found = false;
    for (std::size_t i = 0; i < file->lines.size(); ++i) {
        std::string_view name;
        if (SectionHeader(file->lines[i], name)) {
            if (found) break;
            found = EqualNoCase(name, section);
            if (found) insertAt = i + 1;
        } else if (found && !Trim(file->lines[i]).empty()) {
            insertAt = i + 1;
        }
    }
    if (found) {
        file->lines.insert(file->lines.begin() + static_cast<std::ptrdiff_t>(insertAt), line);
    } else {
        file->lines.push_back(std::string(1, '[').append(section).append("]"));
        file->lines.push_back(line);
        file->endsWithNewline = true;
    }
    file->Index();
    return file;
}

} // namespace

IniFile::IniFile(std::filesystem::path path, MessageSink& sink)
    : path_(std::move(path)), sink_(&sink) {}

bool IniFile::Refresh(MessageSink& sink) const {
    auto fail = [&](std::string_view reason) {
        ++readFailures_;
        if (!failureTold_) sink.Show(MessageKind::Plain, CannotReadText(path_, reason));
        failureTold_ = true;
        return false;
    };
    struct stat st {};
    if (Files().Stat(path_.c_str(), st) != 0) {
        if (errno != ENOENT) return fail(ErrorText(errno));
        if (!parsed_ || !parsed_->missing) parsed_ = std::make_shared<Parsed>();
    } else if (!parsed_ || parsed_->stamp != StampOf(st)) {
        std::string content;
        FileRead read = ReadWholeFile(path_, content);
        if (read.status == FileRead::Failed) return fail(read.error);
        if (std::string reason = UnreadableEncoding(content); !reason.empty()) return fail(reason);
        if (read.status == FileRead::Missing)
            parsed_ = std::make_shared<Parsed>();
        else
            parsed_ = Parse(content, StampOf(st));
    }
    failureTold_ = false;
    return true;
}

const IniFile::Parsed& IniFile::Current() const {
    static const Parsed empty;
    Refresh(*sink_);
    return parsed_ ? *parsed_ : empty;
}

bool IniFile::Readable() const {
    return Refresh(*sink_);
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view fallback) const {
    const Parsed& file = Current();
    auto at = file.firstKeyLine.find(IndexName(section, key));
    if (at == file.firstKeyLine.end()) return std::string(fallback);
    std::string_view k, v;
    KeyValue(file.lines[at->second], k, v);
    return std::string(v);
}

int IniFile::ReadInt(std::string_view section, std::string_view key, int fallback) const {
    std::string text = ReadString(section, key);
    int value = 0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (!text.empty() && *first == '+') ++first;
    auto [end, ec] = std::from_chars(first, last, value);
    if (text.empty() || ec != std::errc() || end != last) return fallback;
    return value;
}

std::vector<std::pair<std::string, std::string>>
IniFile::ReadSection(std::string_view section) const {
    std::vector<std::pair<std::string, std::string>> pairs;
    const Parsed& file = Current();
    auto at = file.sectionKeyLines.find(Lower(section));
    if (at == file.sectionKeyLines.end()) return pairs;
    for (std::size_t line : at->second) {
        std::string_view k, v;
        KeyValue(file.lines[line], k, v);
        pairs.emplace_back(std::string(k), std::string(v));
    }
    return pairs;
}

bool IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    const std::filesystem::path dir = path_.has_parent_path() ? path_.parent_path() : ".";
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    CollectedMessages held; // told once the lock is released
    bool written = false;
    {
        DataDirLock lock(dir);
        if (lock.Busy()) {
            held.Show(MessageKind::Plain, DataDirBusyText(dir));
        } else if (Refresh(held)) {
            std::shared_ptr<Parsed> next = WithKey(*parsed_, section, key, value);
            WriteResult result =
                WriteFileAtomically(path_, next->Content(),
                                    parsed_->missing ? WriteMode::CreateNew : WriteMode::Replace);
            ReportWriteFailure(path_, result, held);
            if (result) {
                next->missing = false;
                next->stamp.reset(); // read again when the new file's status is not known
                if (result.written) next->stamp = StampOf(*result.written);
                parsed_ = std::move(next);
                written = true;
            }
        }
    }
    held.ShowTo(*sink_);
    return written;
}

bool IniFile::WriteInt(std::string_view section, std::string_view key, int value) {
    return WriteString(section, key, std::to_string(value));
}

} // namespace tablamor
