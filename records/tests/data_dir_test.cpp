// Where the game files are found and where the records go: beside the program, in an installed
// tree at ../share/games/tablamor, under the user's data home, or where the command line says;
// and a data directory that cannot be made is told once in words.
#include "records/data_dir.h"

#include "test_dir.h"

#include <gtest/gtest.h>

#include <optional>
#include <unistd.h>

namespace tablamor {
namespace {

namespace fs = std::filesystem;
using testing::TestDir;
using testing::WriteFile;

TEST(DataDir, UserDataHome) {
    struct Row {
        const char* xdg;
        const char* home;
        const char* expected;
    };
    const Row rows[] = {
        {"/xdg", "/home/ann", "/xdg/tablamor"},
        {"", "/home/ann", "/home/ann/.local/share/tablamor"},
        {"relative/data", "/home/ann", "/home/ann/.local/share/tablamor"}, // not absolute: ignored
    };
    for (const Row& r : rows)
        EXPECT_EQ(UserDataDir({r.xdg, r.home}), fs::path(r.expected)) << r.xdg;
}

TEST(DataDir, ChooseDirectories) {
    TestDir dir;
    // A portable tree, an installed tree and a bare program without game files.
    WriteFile(dir / "portable/GAMES.DAT", "g");
    WriteFile(dir / "usr/share/games/tablamor/GAMES.DAT", "g");
    fs::create_directories(dir / "usr/games");
    fs::create_directories(dir / "bare");
    const UserDataHome env{(dir / "xdg").string(), (dir / "home").string()};
    const fs::path installed = dir / "usr/share/games/tablamor";
    struct Row {
        const char* name;
        fs::path program;
        std::optional<fs::path> root;
        std::optional<fs::path> data;
        fs::path expectedProgram;
        fs::path expectedData;
        bool portable;
    };
    const Row rows[] = {
        {"portable", dir / "portable", {}, {}, dir / "portable", dir / "portable/DATA", true},
        {"installed", dir / "usr/games", {}, {}, installed, dir / "xdg/tablamor", false},
        {"data dir given",
         dir / "portable",
         {},
         dir / "mine",
         dir / "portable",
         dir / "mine",
         false},
        {"root given",
         dir / "usr/games",
         dir / "portable",
         {},
         dir / "portable",
         dir / "portable/DATA",
         true},
        {"installed, data dir given",
         dir / "usr/games",
         {},
         dir / "mine",
         installed,
         dir / "mine",
         false},
        {"no game files anywhere", dir / "bare", {}, {}, dir / "bare", dir / "bare/DATA", true},
    };
    for (const Row& r : rows) {
        ProgramDirectories got = ChooseDirectories({r.program, r.root, r.data}, env);
        EXPECT_EQ(got.programDir.lexically_normal(), r.expectedProgram.lexically_normal())
            << r.name;
        EXPECT_EQ(got.dataDir, r.expectedData) << r.name;
        EXPECT_EQ(got.portable, r.portable) << r.name;
    }
    EXPECT_FALSE(fs::exists(dir / "portable/DATA")) << "choosing creates nothing";
}

TEST(DataDir, ReadOnlyPortableTreeKeepsRecordsInTheDataHome) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes anywhere";
    TestDir dir;
    WriteFile(dir / "portable/GAMES.DAT", "g");
    fs::permissions(dir / "portable", fs::perms::owner_write, fs::perm_options::remove);
    ProgramDirectories got = ChooseDirectories({dir / "portable", {}, {}}, {"/xdg", "/home/ann"});
    fs::permissions(dir / "portable", fs::perms::owner_write, fs::perm_options::add);
    EXPECT_EQ(got.dataDir, fs::path("/xdg/tablamor"));
    EXPECT_FALSE(got.portable);
}

TEST(DataDir, PrepareCreatesTheDirectoryOrSaysWhyNot) {
    TestDir dir;
    WriteFile(dir / "file", "a regular file where a directory should be");
    struct Row {
        fs::path data;
        const char* expectedWords; // empty: the directory is ready
    };
    const Row rows[] = {
        {dir / "home/.local/share/tablamor", ""},
        {dir / "file/tablamor", "cannot be created"},
        {fs::path(kNoDataDir), "neither XDG_DATA_HOME nor HOME"},
    };
    for (const Row& r : rows) {
        const std::string message = PrepareDataDir(r.data);
        if (*r.expectedWords == '\0') {
            EXPECT_EQ(message, "") << r.data;
            EXPECT_TRUE(fs::is_directory(r.data));
            EXPECT_TRUE(fs::is_empty(r.data)) << "the write test leaves nothing behind";
        } else {
            EXPECT_NE(message.find(r.expectedWords), std::string::npos) << message;
            EXPECT_NE(message.find("Play goes on without records."), std::string::npos) << message;
        }
    }
}

TEST(DataDir, RecordFilesLieInTheDataDirectory) {
    TestDir dir;
    WriteFile(dir / "cfg.dat", "[Preference]\n"); // matched without regard to case
    EXPECT_EQ(ConfigFilePath(dir.Path()), dir / "cfg.dat");
    EXPECT_EQ(DataFilePath(dir.Path(), "STAT.DAT"), dir / "STAT.DAT");
}

} // namespace
} // namespace tablamor
