// The modules sit in layers: every include between two modules goes in one of the directions
// listed here. The engine and the records are the bottom; the layout reads the engine; the painting
// reads the layout, the engine and the records; the windows and the tools read everything below
// them. Tests are left out: they may use whatever helps them check their module.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <utility>

namespace {

namespace fs = std::filesystem;

// Longest prefix first: a file belongs to the first module its path starts with.
const char* const kModules[] = {"table/layout/", "records/ui/", "engine/", "records/",
                                "table/",        "ui/",         "tools/"};

const std::map<std::string, std::set<std::string>> kAllowed = {
    {"engine", {}},
    {"records", {}},
    {"records/ui", {"records"}},
    {"table/layout", {"engine"}},
    {"table", {"engine", "records", "table/layout"}},
    {"ui", {"engine", "records", "records/ui", "table", "table/layout"}},
    {"tools", {"engine", "records", "table", "table/layout"}},
};

// Today's includes against the layers, each a seam still to be removed: the session, the game
// recorder adapter and the game loader read the records from inside the engine, and the GAMES.DAT
// fuzz target sits with the records. A file listed here may include the module named with it;
// nothing else may, and an entry no longer needed fails the test so that the list only shrinks.
const std::set<std::pair<std::string, std::string>> kKnownSeams = {
    {"engine/game_loader.cpp", "records"},  {"engine/game_recording.cpp", "records"},
    {"engine/game_recording.h", "records"}, {"engine/session.cpp", "records"},
    {"engine/session.h", "records"},        {"records/fuzz/games_dat_fuzz.cpp", "engine"},
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
    std::set<std::pair<std::string, std::string>> seamsSeen;
    int files = 0;
    for (const char* top : {"engine", "records", "table", "ui", "tools"}) {
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
                if (kKnownSeams.count({path, to})) {
                    seamsSeen.insert({path, to});
                    continue;
                }
                EXPECT_TRUE(kAllowed.at(from).count(to))
                    << path << ":" << n << ": " << from << " may not include " << to;
            }
        }
    }
    EXPECT_GT(files, 100);
    for (const auto& seam : kKnownSeams)
        EXPECT_TRUE(seamsSeen.count(seam))
            << seam.first << " no longer includes " << seam.second << ": strike it from the list";
}

} // namespace
