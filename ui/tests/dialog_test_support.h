#pragma once
// A preferences file in a temporary directory with the settings record read from it, as the
// program holds them at start-up, for the dialog tests; and whole-file reads to compare bytes.
#include "records/ini_file.h"
#include "records/preferences.h"
#include "records/settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace tablamor::ui::testing {

class PreferencesFixture : public ::testing::Test {
protected:
    std::filesystem::path dir;
    std::filesystem::path file;
    Settings settings;

    void SetUp() override {
        dir = std::filesystem::temp_directory_path() /
              ("tablamor-dialog-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        file = dir / "CFG.DAT";
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    // Reads the settings from a file of that content, and leaves the file as given (the
    // start-up read adds the first player to an empty file).
    IniFile Start(const std::string& content) {
        std::ofstream(file, std::ios::binary | std::ios::trunc) << content;
        IniFile config(file);
        LoadPreferences(config, settings, false);
        std::ofstream(file, std::ios::binary | std::ios::trunc) << content;
        return config;
    }
    std::string Bytes() const {
        std::ifstream in(file, std::ios::binary);
        std::ostringstream out;
        out << in.rdbuf();
        return out.str();
    }
    // The keys of the file in file order, section lines left out.
    std::vector<std::string> KeysInOrder() const {
        std::vector<std::string> keys;
        std::istringstream in(Bytes());
        for (std::string line; std::getline(in, line);)
            if (auto eq = line.find('='); eq != std::string::npos)
                keys.push_back(line.substr(0, eq));
        return keys;
    }
    std::string Value(const IniFile& config, std::string_view key) const {
        return config.ReadString("Preference", key, "<missing>");
    }
};

} // namespace tablamor::ui::testing
