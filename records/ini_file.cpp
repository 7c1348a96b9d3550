#include "records/ini_file.h"

#include "records/atomic_file.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace tablamor {
namespace {

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

bool EqualNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
               return std::tolower(x) == std::tolower(y);
           });
}

// The file split into lines (without their end-of-line characters).
struct Lines {
    std::vector<std::string> lines;
    std::string eol = "\n";
    bool endsWithNewline = true;
};

Lines Load(const std::filesystem::path& path) {
    Lines result;
    std::string content;
    if (!ReadWholeFile(path, content) || content.empty()) return result;
    if (content.find("\r\n") != std::string::npos) result.eol = "\r\n";
    result.endsWithNewline = content.back() == '\n';
    std::size_t begin = 0;
    while (begin < content.size()) {
        std::size_t end = content.find('\n', begin);
        if (end == std::string::npos) end = content.size();
        std::string line = content.substr(begin, end - begin);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        result.lines.push_back(std::move(line));
        begin = end + 1;
    }
    return result;
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

// Calls visit(lineIndex, key, value) for every key line of the section (all sections of that
// name, as they appear).
template <typename Visit>
void ForEachKey(const Lines& file, std::string_view section, Visit visit) {
    bool inside = false;
    for (std::size_t i = 0; i < file.lines.size(); ++i) {
        std::string_view name;
        if (SectionHeader(file.lines[i], name)) {
            inside = EqualNoCase(name, section);
            continue;
        }
        std::string_view key, value;
        if (inside && KeyValue(file.lines[i], key, value) && !visit(i, key, value)) return;
    }
}

} // namespace

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view fallback) const {
    std::string result(fallback);
    Lines file = Load(path_);
    ForEachKey(file, section, [&](std::size_t, std::string_view k, std::string_view v) {
        if (!EqualNoCase(k, key)) return true;
        result = std::string(v);
        return false;
    });
    return result;
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
    Lines file = Load(path_);
    ForEachKey(file, section, [&](std::size_t, std::string_view k, std::string_view v) {
        pairs.emplace_back(std::string(k), std::string(v));
        return true;
    });
    return pairs;
}

bool IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    Lines file = Load(path_);
    std::string keyText(key);
    bool replaced = false;
    ForEachKey(file, section, [&](std::size_t i, std::string_view k, std::string_view) {
        if (!EqualNoCase(k, key)) return true;
        keyText = std::string(k);
        file.lines[i] = keyText + "=" + std::string(value);
        replaced = true;
        return false;
    });
    if (!replaced) {
        std::string line = keyText + "=" + std::string(value);
        // After the last key line of the first section of that name, else a new section at the end.
        std::size_t insertAt = file.lines.size();
        bool found = false;
        for (std::size_t i = 0; i < file.lines.size(); ++i) {
            std::string_view name;
            if (SectionHeader(file.lines[i], name)) {
                if (found) break;
                found = EqualNoCase(name, section);
                if (found) insertAt = i + 1;
            } else if (found && !Trim(file.lines[i]).empty()) {
                insertAt = i + 1;
            }
        }
        if (found) {
            file.lines.insert(file.lines.begin() + static_cast<std::ptrdiff_t>(insertAt), line);
        } else {
            file.lines.push_back(std::string(1, '[').append(section).append("]"));
            file.lines.push_back(line);
            file.endsWithNewline = true;
        }
    }
    std::string content;
    for (std::size_t i = 0; i < file.lines.size(); ++i) {
        content += file.lines[i];
        if (i + 1 < file.lines.size() || file.endsWithNewline) content += file.eol;
    }
    return static_cast<bool>(WriteFileAtomically(path_, content));
}

bool IniFile::WriteInt(std::string_view section, std::string_view key, int value) {
    return WriteString(section, key, std::to_string(value));
}

} // namespace tablamor
