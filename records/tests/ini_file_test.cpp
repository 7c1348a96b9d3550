#include "records/atomic_file.h"
#include "records/ini_file.h"
#include "records/paths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace tablamor {
namespace {

class IniTest : public ::testing::Test {
protected:
    std::filesystem::path dir;
    void SetUp() override {
        dir = std::filesystem::temp_directory_path() /
              ("tablamor-ini-" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "-" +
               std::to_string(::getpid()));
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::string Read(const std::filesystem::path& p) {
        std::string s;
        EXPECT_TRUE(ReadWholeFile(p, s));
        return s;
    }
};

TEST_F(IniTest, MissingFileGivesDefaults) {
    IniFile ini(dir / "DATA" / "CFG.DAT");
    EXPECT_EQ(ini.ReadString("Preference", "Card", "001"), "001");
    EXPECT_EQ(ini.ReadInt("Preference", "Speed", 7), 7);
    EXPECT_TRUE(ini.ReadSection("Users").empty());
}

TEST_F(IniTest, WriteCreatesFileAndDirectory) {
    IniFile ini(dir / "DATA" / "CFG.DAT");
    ASSERT_TRUE(ini.WriteString("Game_Numbers", "Game_001", "0000000000001"));
    ASSERT_TRUE(ini.WriteInt("Preference", "Game", 3));
    EXPECT_EQ(Read(ini.Path()), "[Game_Numbers]\nGame_001=0000000000001\n[Preference]\nGame=3\n");
    EXPECT_EQ(ini.ReadInt("preference", "GAME", 0), 3);
}

TEST_F(IniTest, WriteKeepsEveryOtherLine) {
    std::filesystem::path file = dir / "CFG.DAT";
    std::ofstream(file, std::ios::binary) << "; comment\r\n[Preference]\r\nCard = "
                                             "001\r\nShow_Time=Y\r\n\r\n[Users]\r\nUser001=Ann\r\n";
    IniFile ini(file);
    ASSERT_TRUE(ini.WriteString("PREFERENCE", "card", "003"));
    ASSERT_TRUE(ini.WriteString("Preference", "Back_Card", "014"));
    ASSERT_TRUE(ini.WriteString("Users", "User002", "Bob"));
    EXPECT_EQ(Read(file),
              "; comment\r\n[Preference]\r\nCard=003\r\nShow_Time=Y\r\nBack_Card=014\r\n\r\n"
              "[Users]\r\nUser001=Ann\r\nUser002=Bob\r\n");
    EXPECT_EQ(ini.ReadString("Preference", "CARD"), "003");
    auto users = ini.ReadSection("users");
    ASSERT_EQ(users.size(), 2u);
    EXPECT_EQ(users[1].second, "Bob");
}

TEST_F(IniTest, NumbersAndDamagedLines) {
    std::filesystem::path file = dir / "CFG.DAT";
    std::ofstream(file, std::ios::binary)
        << "[P]\nA=12\nB=x12\nC=\nno equals sign\n\x01\xff=junk\nD=-4\n[Q\nE=1\n";
    IniFile ini(file);
    EXPECT_EQ(ini.ReadInt("P", "A", 0), 12);
    EXPECT_EQ(ini.ReadInt("P", "B", 5), 5);
    EXPECT_EQ(ini.ReadInt("P", "C", 6), 6);
    EXPECT_EQ(ini.ReadInt("P", "D", 0), -4);
    EXPECT_EQ(ini.ReadInt("P", "E", 0), 1); // "[Q" is no header
}

TEST_F(IniTest, ReadOnlyDirectoryLeavesFileIntact) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes anywhere";
    std::filesystem::path file = dir / "CFG.DAT";
    std::ofstream(file) << "[P]\nA=1\n";
    std::filesystem::permissions(dir, std::filesystem::perms::owner_read |
                                          std::filesystem::perms::owner_exec);
    IniFile ini(file);
    EXPECT_FALSE(ini.WriteString("P", "A", "2"));
    std::filesystem::permissions(dir, std::filesystem::perms::owner_all);
    EXPECT_EQ(Read(file), "[P]\nA=1\n");
}

TEST_F(IniTest, ProgramPathsMatchWithoutCase) {
    std::filesystem::create_directories(dir / "Images");
    std::ofstream(dir / "Images" / "CB001C.bmp") << "x";
    EXPECT_EQ(ProgramPath(dir, "IMAGES\\cb001c.BMP"), dir / "Images" / "CB001C.bmp");
    EXPECT_EQ(ProgramPath(dir, "DATA\\CFG.DAT"), dir / "DATA" / "CFG.DAT");
    EXPECT_EQ(ProgramPath(dir, "GAMES.DAT"), dir / "GAMES.DAT");
}

} // namespace
} // namespace tablamor
