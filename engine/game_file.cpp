#include "engine/game_file.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <limits>
#include <sstream>

namespace tablamor {
namespace {

constexpr std::string_view kSect1 = "[Sect1]";
constexpr std::string_view kSect2 = "[Sect2]";
constexpr std::string_view kSectS = "[SectS]";
constexpr int kSect2PlainPrefix = 5; // the first five characters of a "[Sect2]" line are plain

std::string UnscrambleFrom(std::string_view line, std::size_t from) {
    std::string out(line);
    for (std::size_t i = from; i < out.size(); ++i)
        out[i] = static_cast<char>(Unscramble(static_cast<unsigned char>(out[i])));
    return out;
}

std::string ScrambleFrom(std::string_view line, std::size_t from) {
    std::string out(line);
    for (std::size_t i = from; i < out.size(); ++i)
        out[i] = static_cast<char>(Scramble(static_cast<unsigned char>(out[i])));
    return out;
}

std::string_view Trimmed(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

// Digits only, no sign; false otherwise.
bool ParseUnsigned(std::string_view s, int& value) {
    if (s.empty()) return false;
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    return ec == std::errc() && end == s.data() + s.size() && value >= 0;
}

std::string Padded(std::string text, std::size_t width) {
    text.resize(width, ' ');
    return text;
}

std::string ZeroPadded(int value, int width) {
    std::string digits = std::to_string(value);
    if (static_cast<int>(digits.size()) < width)
        digits.insert(0, static_cast<std::size_t>(width) - digits.size(), '0');
    return digits;
}

} // namespace

unsigned char Unscramble(unsigned char c) {
    return static_cast<unsigned char>(c >= 80 ? c - 48 : c + 48);
}

unsigned char Scramble(unsigned char c) {
    // Printable text (32..207) maps to 80..255, which unscrambles back by subtracting 48.
    return static_cast<unsigned char>(c + 48);
}

std::optional<GameFile> GameFile::Open(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream content;
    content << in.rdbuf();
    return Parse(content.str());
}

GameFile GameFile::Parse(std::string_view content) {
    GameFile file;
    enum class Section { None, List, Params, Descriptions } section = Section::None;
    std::size_t begin = 0;
    while (begin < content.size()) {
        std::size_t end = content.find('\n', begin);
        if (end == std::string_view::npos) end = content.size();
        std::string_view line = content.substr(begin, end - begin);
        begin = end + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (!line.empty() && line.front() == '[') {
            section = line.starts_with(kSect1)   ? Section::List
                      : line.starts_with(kSect2) ? Section::Params
                      : line.starts_with(kSectS) ? Section::Descriptions
                                                 : Section::None;
            continue;
        }
        switch (section) {
        case Section::List: {
            std::string plain = UnscrambleFrom(line, 0);
            int type = 0, id = 0;
            if (plain.size() < 8 || plain[7] != '0') break;
            if (!ParseUnsigned(std::string_view(plain).substr(0, 3), type) ||
                !ParseUnsigned(std::string_view(plain).substr(4, 3), id))
                break;
            std::string name = plain.size() > 10 ? plain.substr(10, 50) : std::string();
            name.erase(name.find_last_not_of(' ') + 1);
            file.list_.push_back({type, id, std::move(name)});
            break;
        }
        case Section::Params:
            file.sect2_.push_back(UnscrambleFrom(line, kSect2PlainPrefix));
            break;
        case Section::Descriptions: {
            std::string plain = UnscrambleFrom(line, 0);
            int id = 0;
            if (plain.size() >= 4 && ParseUnsigned(std::string_view(plain).substr(0, 3), id))
                file.descriptions_[id] = plain.substr(4);
            break;
        }
        case Section::None:
            break;
        }
    }
    return file;
}

const GameListEntry* GameFile::Find(int id) const {
    if (id >= 0 && static_cast<std::size_t>(id) < list_.size() &&
        list_[static_cast<std::size_t>(id)].id == id)
        return &list_[static_cast<std::size_t>(id)];
    for (const GameListEntry& e : list_)
        if (e.id == id) return &e;
    return nullptr;
}

int GameFile::GameType(int id) const {
    if (id < 0 || id >= kFirstCustomGameId) return -1;
    const GameListEntry* e = Find(id);
    return e ? e->type : -1;
}

int GameFile::FieldValue(const std::string& line, int id, int param) const {
    const std::size_t first =
        static_cast<std::size_t>(kSect2FieldStep) * static_cast<std::size_t>(id) +
        kSect2FirstColumn - 1;
    const std::string_view field =
        id >= 0 && line.size() > first
            ? Trimmed(std::string_view(line).substr(first, kSect2ValueWidth))
            : std::string_view();
    long value = 0;
    const auto [end, ec] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (field.empty() || ec != std::errc() || end != field.data() + field.size() ||
        value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max())
        throw DefinitionError(BadFieldText(id, param, field));
    return static_cast<int>(value);
}

std::string GameFile::BadFieldText(int id, int param, std::string_view field) const {
    const GameListEntry* entry = Find(id);
    const ParamName* name = ParamNameOf(param);
    return "Game " + std::to_string(id) + (entry ? " (" + entry->name + ")" : std::string()) +
           " cannot be set up: parameter " + std::to_string(param) +
           (name ? " (" + std::string(name->name) + ")" : std::string()) +
           " must be a number from " + std::to_string(std::numeric_limits<std::int16_t>::min()) +
           " to " + std::to_string(std::numeric_limits<std::int16_t>::max()) + ", not " +
           (field.empty() ? std::string("a blank") : "\"" + std::string(field) + "\"") + ".";
}

GameParams GameFile::LoadColumn(int id) const {
    GameParams p;
    for (const std::string& line : sect2_) {
        int k = 0;
        if (line.size() < 4 || !ParseUnsigned(std::string_view(line).substr(0, 4), k)) continue;
        if (k < 1 || k >= kParamCount) continue;
        p[k] = static_cast<std::int16_t>(FieldValue(line, id, k));
    }
    return p;
}

std::vector<int> GameFile::ReadValues(int id, const std::vector<int>& params) const {
    std::vector<int> values(params.size(), -99);
    for (std::size_t i = 0; i < params.size(); ++i) {
        int k = params[i];
        if (k < 1 || static_cast<std::size_t>(k) > sect2_.size()) continue;
        values[i] = FieldValue(sect2_[static_cast<std::size_t>(k) - 1], id, k);
    }
    return values;
}

std::string WriteGameFile(const std::vector<GameDefinition>& games) {
    std::vector<const GameDefinition*> byId;
    for (const GameDefinition& g : games) byId.push_back(&g);
    std::sort(byId.begin(), byId.end(), [](auto* a, auto* b) { return a->id < b->id; });
    int columns = byId.empty() ? 1 : byId.back()->id + 1;

    std::string out;
    out += std::string(kSect1) + "\r\n";
    for (const GameDefinition* g : byId) {
        std::string plain =
            ZeroPadded(g->type, 3) + " " + ZeroPadded(g->id, 3) + "0  " + Padded(g->name, 50);
        plain.erase(plain.find_last_not_of(' ') + 1);
        out += ScrambleFrom(plain, 0) + "\r\n";
    }
    out += std::string(kSect2) + "\r\n";
    for (int k = 1; k < kParamCount; ++k) {
        const ParamName* pn = ParamNameOf(k);
        std::string label = pn ? std::string(pn->name) : std::string();
        // columns 1..4 the number, 5..16 a readable label, then one field per game id
        std::string plain = ZeroPadded(k, 4) + " " + Padded(label.substr(0, 10), 11);
        std::vector<std::string> fields(static_cast<std::size_t>(columns),
                                        Padded("0", kSect2ValueWidth));
        for (const GameDefinition* g : byId)
            fields[static_cast<std::size_t>(g->id)] =
                Padded(std::to_string(g->params[k]), kSect2ValueWidth);
        for (std::size_t i = 0; i < fields.size(); ++i) plain += (i == 0 ? "" : " ") + fields[i];
        plain.erase(plain.find_last_not_of(' ') + 1);
        out += ScrambleFrom(plain, kSect2PlainPrefix) + "\r\n";
    }
    out += std::string(kSectS) + "\r\n";
    for (const GameDefinition* g : byId)
        out += ScrambleFrom(ZeroPadded(g->id, 3) + " " + g->description, 0) + "\r\n";
    return out;
}

std::vector<GameDefinition> ReadAllGames(const GameFile& file) {
    std::vector<GameDefinition> games;
    for (const GameListEntry& e : file.List()) {
        GameDefinition g;
        g.id = e.id;
        g.type = e.type;
        g.name = e.name;
        auto d = file.Descriptions().find(e.id);
        if (d != file.Descriptions().end()) g.description = d->second;
        g.params = file.LoadColumn(e.id);
        games.push_back(std::move(g));
    }
    return games;
}

} // namespace tablamor
