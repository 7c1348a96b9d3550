// The layout is plain C++, so that the command-line tool links it without Qt.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>

namespace {

TEST(Architecture, LayoutIncludesNoQt) {
    const std::regex qtInclude(R"(^\s*#\s*include\s*[<"](Q[A-Za-z]+|Qt[A-Za-z/]*)[>/".])");
    int files = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(
             std::filesystem::path(TABLAMOR_SOURCE_DIR) / "table" / "layout")) {
        auto ext = entry.path().extension();
        if (ext != ".h" && ext != ".cpp") continue;
        ++files;
        std::ifstream in(entry.path());
        std::string line;
        for (int n = 1; std::getline(in, line); ++n)
            EXPECT_FALSE(std::regex_search(line, qtInclude)) << entry.path() << ":" << n;
    }
    EXPECT_GT(files, 10);
}

} // namespace
