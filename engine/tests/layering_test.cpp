// The modules sit in layers: every include between two modules goes in one of the directions
// listed here, and no other. The engine and the records are the bottom and include nothing of
// ours; the session (the game lifecycle) reads both; the layout reads the engine; the painting
// reads the layout, the engine and the records; the windows and the tools read everything below
// them. Tests are left out: they may use whatever helps them check their module.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>

namespace {

namespace fs = std::filesystem;

// Longest prefix first: a file belongs to the first module its path starts with.
const char* const kModules[] = {"table/layout/", "records/ui/", "engine/", "records/",
                                "session/",      "table/",      "ui/",     "tools/"};

const std::map<std::string, std::set<std::string>> kAllowed = {
    {"engine", {}},
    {"records", {}},
    {"records/ui", {"records"}},
    {"session", {"engine", "records"}},
    {"table/layout", {"engine"}},
    {"table", {"engine", "records", "table/layout"}},
    {"ui", {"engine", "records", "records/ui", "session", "table", "table/layout"}},
    {"tools", {"engine", "records", "session", "table", "table/layout"}},
};

std::string ModuleOf(const std::string& path) {
    for (const char* module : kModules) {
        const std::string prefix = module;
        if (path.starts_with(prefix)) return prefix.substr(0, prefix.size() - 1);
    }
    return {};
}

TEST(Architecture, IncludesFollowTheLayers) {
    const fs::path root = TABLAMOR_SOURCE_DIR;
    const std::regex include(R"re(^\s*#\s*include\s*"([^"]+)")re");
    int files = 0;
    for (const char* top : {"engine", "records", "session", "table", "ui", "tools"}) {
        for (const auto& entry : fs::recursive_directory_iterator(root / top)) {
            const auto ext = entry.path().extension();
            if (ext != ".h" && ext != ".cpp") continue;
            const std::string path = entry.path().lexically_relative(root).generic_string();
            if (path.find("/tests/") != std::string::npos) continue;
            ++files;
            const std::string from = ModuleOf(path);
            std::ifstream in(entry.path());
            std::string line;
            std::smatch m;
            for (int n = 1; std::getline(in, line); ++n) {
                if (!std::regex_search(line, m, include)) continue;
                const std::string to = ModuleOf(m[1].str());
                if (to.empty() || to == from) continue;
                EXPECT_TRUE(kAllowed.at(from).count(to))
                    << path << ":" << n << ": " << from << " may not include " << to;
            }
        }
    }
    EXPECT_GT(files, 100);
}

} // namespace
