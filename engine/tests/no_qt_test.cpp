// The engine, the records and the session are plain C++: no file there may include a Qt header.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>

namespace {

TEST(Architecture, EngineAndRecordsIncludeNoQt) {
    const std::regex qtInclude(R"(^\s*#\s*include\s*[<"](Q[A-Za-z]+|Qt[A-Za-z/]*)[>/".])");
    int files = 0;
    for (const char* module : {"engine", "records", "session"}) {
        for (const auto& entry : std::filesystem::recursive_directory_iterator(
                 std::filesystem::path(TABLAMOR_SOURCE_DIR) / module)) {
            auto ext = entry.path().extension();
            if (ext != ".h" && ext != ".cpp") continue;
            // the options dialog is the one window that lives with the records
            if (entry.path().filename().string().find("options_dialog") != std::string::npos)
                continue;
            ++files;
            std::ifstream in(entry.path());
            std::string line;
            for (int n = 1; std::getline(in, line); ++n)
                EXPECT_FALSE(std::regex_search(line, qtInclude))
                    << entry.path() << ":" << n << ": " << line;
        }
    }
    EXPECT_GT(files, 10);
}

} // namespace
