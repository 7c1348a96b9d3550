#include "records/paths.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <system_error>

namespace tablamor {
namespace {

bool SameIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
               return std::tolower(x) == std::tolower(y);
           });
}

// The entry of `dir` whose name matches `component` ignoring case; the exact name wins.
std::filesystem::path MatchComponent(const std::filesystem::path& dir,
                                     const std::string& component) {
    std::error_code ec;
    if (std::filesystem::exists(dir / component, ec)) return dir / component;
    for (std::filesystem::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        std::string name = it->path().filename().string();
        if (SameIgnoringCase(name, component)) return it->path();
    }
    return dir / component;
}

} // namespace

std::filesystem::path ProgramPath(const std::filesystem::path& programDir, std::string_view name) {
    std::filesystem::path result = programDir;
    std::size_t begin = 0;
    while (begin <= name.size()) {
        std::size_t end = name.find_first_of("\\/", begin);
        if (end == std::string_view::npos) end = name.size();
        std::string component(name.substr(begin, end - begin));
        if (!component.empty() && component != ".") result = MatchComponent(result, component);
        begin = end + 1;
    }
    return result;
}

} // namespace tablamor
