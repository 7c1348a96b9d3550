#include "engine/game_source.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <iterator>
#include <sstream>
#include <vector>

namespace tablamor {
namespace {

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

bool ParseInt(std::string_view s, int& value) {
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    return !s.empty() && ec == std::errc() && end == s.data() + s.size();
}

bool IsPlainText(std::string_view s) {
    for (unsigned char c : s)
        if (c < 32 || c > 126) return false;
    return true;
}

// The path that names one source file however it was reached ("a/../b.game" is "b.game").
std::string SourcePath(const std::filesystem::path& path) {
    return path.lexically_normal().string();
}

// `chain` holds the paths of the sources being read, the outermost first: a base already in it
// would make the variant its own base. A base is named relative to the source that names it.
GameDefinition ParseSource(std::string_view text, std::string_view origin,
                           const BaseSourceReader& readBase, std::vector<std::string>& chain) {
    GameDefinition game;
    bool haveId = false, haveName = false, haveType = false, haveDescription = false;
    bool settingSeen = false;
    int lineNumber = 0;
    std::size_t begin = 0;
    auto fail = [&](const std::string& what) {
        throw DefinitionError(std::string(origin) + ":" + std::to_string(lineNumber) + ": " + what);
    };
    while (begin < text.size()) {
        std::size_t end = text.find('\n', begin);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = Trim(text.substr(begin, end - begin));
        begin = end + 1;
        ++lineNumber;
        if (line.empty()) continue;
        if (!IsPlainText(line)) fail("only plain ASCII text is allowed");
        if (line.front() == '#') {
            if (!haveDescription) game.description = std::string(Trim(line.substr(1)));
            haveDescription = true;
            continue;
        }
        std::size_t eq = line.find('=');
        if (eq == std::string_view::npos) fail("expected 'name = value'");
        std::string_view key = Trim(line.substr(0, eq));
        std::string_view value = Trim(line.substr(eq + 1));
        const bool firstSetting = !settingSeen;
        settingSeen = true;
        if (key == "base") {
            if (!firstSetting) fail("'base' must be the first setting");
            const std::string name(value);
            const std::string path = SourcePath(std::filesystem::path(origin).parent_path() / name);
            if (std::find(chain.begin(), chain.end(), path) != chain.end())
                fail("base '" + name + "' is the game itself (a base cycle)");
            if (!readBase) fail("base '" + name + "' cannot be read here");
            chain.push_back(path);
            const std::string description = game.description;
            game = ParseSource(readBase(path), path, readBase, chain);
            chain.pop_back();
            if (haveDescription)
                game.description = description;
            else
                haveDescription = !game.description.empty();
            haveType = true;
            continue;
        }
        if (key == "name") {
            if (value.size() > 50) fail("a game name has at most 50 characters");
            game.name = std::string(value);
            haveName = true;
            continue;
        }
        if (key == "id" || key == "type") {
            int v = 0;
            if (!ParseInt(value, v) || v < 0 || v > 999) fail(std::string(key) + " must be 0..999");
            (key == "id" ? game.id : game.type) = v;
            (key == "id" ? haveId : haveType) = true;
            continue;
        }
        int offset = 0;
        std::string_view base = key;
        if (std::size_t bracket = key.find('['); bracket != std::string_view::npos) {
            if (key.back() != ']' ||
                !ParseInt(key.substr(bracket + 1, key.size() - bracket - 2), offset))
                fail("bad index in '" + std::string(key) + "'");
            base = key.substr(0, bracket);
        }
        const ParamName* pn = FindParamName(base);
        if (!pn) fail("unknown parameter '" + std::string(base) + "'");
        std::vector<int> values;
        std::istringstream words{std::string(value)};
        for (std::string word; words >> word;) {
            int v = 0;
            if (!ParseInt(word, v) || v < -32768 || v > 32767)
                fail("'" + word + "' is not a number");
            values.push_back(v);
        }
        if (values.empty()) fail("no value for '" + std::string(key) + "'");
        if (offset < 0 || offset + static_cast<int>(values.size()) > pn->count)
            fail("too many values for '" + std::string(base) + "'");
        if (base == key)
            std::fill_n(game.params.value.begin() + pn->first, pn->count, std::int16_t{0});
        for (std::size_t i = 0; i < values.size(); ++i)
            game.params[pn->first + offset + static_cast<int>(i)] =
                static_cast<std::int16_t>(values[i]);
    }
    if (!haveId || !haveName || !haveType) {
        lineNumber = 0;
        fail("id, name and type are required");
    }
    return game;
}

} // namespace

GameDefinition ParseGameSource(std::string_view text, std::string_view origin,
                               const BaseSourceReader& readBase) {
    std::vector<std::string> chain{SourcePath(origin)};
    return ParseSource(text, origin, readBase, chain);
}

GameDefinition LoadGameSource(const std::filesystem::path& file) {
    auto read = [](const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        std::string text;
        if (in) text.assign(std::istreambuf_iterator<char>(in), {});
        if (!in.is_open() || in.bad()) throw DefinitionError(path.string() + ": cannot be read");
        return text;
    };
    return ParseGameSource(read(file), file.string(), read);
}

std::string FormatGameSource(const GameDefinition& game) {
    std::string out = "# " + game.description + "\n";
    out += "id = " + std::to_string(game.id) + "\n";
    out += "name = " + game.name + "\n";
    out += "type = " + std::to_string(game.type) + "\n";
    for (const ParamName& pn : ParamNames()) {
        int last = -1;
        for (int i = 0; i < pn.count; ++i)
            if (game.params[pn.first + i] != 0) last = i;
        if (last < 0) continue;
        out += pn.name;
        out += " =";
        for (int i = 0; i <= last; ++i) {
            out += ' ';
            out += std::to_string(game.params[pn.first + i]);
        }
        out += "\n";
    }
    return out;
}

} // namespace tablamor
