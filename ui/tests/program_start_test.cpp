// The program from launch: a first start in an empty program directory reaches the open-a-game
// dialog and, after OK, a dealt Klondike with the first player written; a file the program
// cannot run without ends it with its message.
#include "modal_answer.h"

#include "records/ini_file.h"
#include "records/required_files.h"
#include "table/app_icon_names.h"
#include "ui/open_game_dialog.h"
#include "ui/program_start.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace tablamor::ui {
namespace {

using testing::ModalAnswer;
namespace fs = std::filesystem;

constexpr int kKlondike = 1;
constexpr int kWaitStepMs = 10;
constexpr int kWaitSteps = 1000;

class ProgramStartTest : public ::testing::Test {
protected:
    fs::path dir;

    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("tablamor-start-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    // The records in DATA/ of the program directory, as a portable program keeps them.
    ProgramDirectories Portable() const { return {dir, dir / "DATA", true}; }

    // The built program directory borrowed entry by entry, leaving out `missing` (a top entry
    // or one file of Images).
    void Populate(const std::string& missing = "") {
        const fs::path runtime = TABLAMOR_RUNTIME_DIR;
        for (const char* entry : {"GAMES.DAT", "SOL.RGF", "SOUNDS"})
            if (missing != entry) fs::create_symlink(runtime / entry, dir / entry);
        fs::create_directories(dir / "Images");
        for (const auto& file : fs::directory_iterator(runtime / "Images"))
            if ("Images/" + file.path().filename().string() != missing)
                fs::create_symlink(file.path(), dir / "Images" / file.path().filename());
    }
};

TEST_F(ProgramStartTest, FirstStartReachesTheDialogThenADealtKlondike) {
    Populate();
    ASSERT_FALSE(fs::exists(dir / "DATA"));
    CollectedMessages messages;
    ProgramStart start({Portable(), std::nullopt, std::nullopt}, messages);
    std::string offered;
    ModalAnswer answer([&](QWidget* modal) {
        auto* dialog = qobject_cast<OpenGameDialog*>(modal);
        if (!dialog) return modal->close(), void();
        if (QTreeWidgetItem* item = dialog->Tree()->currentItem())
            offered = item->text(0).toStdString();
        dialog->findChild<QPushButton*>("btnOK")->click();
    });
    ASSERT_EQ(start.Begin(), StartResult::Running);
    EXPECT_FALSE(start.SplashShown()) << "the splash goes once the main window is up";
    // Every window and dialog takes the application's icon, at every size SOL.RGF holds.
    EXPECT_EQ(QApplication::windowIcon().availableSizes().size(),
              static_cast<qsizetype>(art::kAppIconSizes.size()));
    EXPECT_TRUE(start.Window().isVisible());
    for (int i = 0; i < kWaitSteps && !start.Window().Controller().InPlay(); ++i)
        QTest::qWait(kWaitStepMs);

    EXPECT_EQ(answer.seen, 1) << "the open-a-game dialog, and nothing else";
    EXPECT_EQ(offered, "Klondike");
    ASSERT_TRUE(start.Window().Controller().InPlay());
    EXPECT_EQ(start.State().settings.GameId(), kKlondike);
    const Table& table = start.Window().Controller().State().table;
    // Seven columns of 1 to 7 cards (autoplay may already have sent aces up) and the stock.
    int dealt = 0;
    for (int column = 0; column < 7; ++column) {
        EXPECT_GE(table.Size(TableauPile(column)), column) << column;
        dealt += table.Size(TableauPile(column));
    }
    for (int n = 0; n < 4; ++n) dealt += table.Size(FoundationPile(n));
    EXPECT_EQ(dealt, 28);
    EXPECT_EQ(table.Size(kStockPile), 24);

    IniFile config(dir / "DATA" / "CFG.DAT");
    EXPECT_EQ(config.ReadString("Preference", "UserDefault"), "Player 1");
    EXPECT_EQ(config.ReadString("Users", "User001"), "Player 1");
    EXPECT_TRUE(fs::exists(dir / "SOLV0340.DAT"));
    EXPECT_TRUE(messages.texts.empty());
}

// Keeps the messages and whether the splash window was still up when each came.
class SplashWatch final : public MessageSink {
public:
    void Show(MessageKind kind, std::string_view text) override {
        splashUp.push_back(start && start->SplashShown());
        kept.Show(kind, text);
    }
    ProgramStart* start = nullptr;
    std::vector<bool> splashUp;
    CollectedMessages kept;
};

struct MissingFileRow {
    const char* missing;
    std::string (*expected)(const fs::path& dir);
};

TEST_F(ProgramStartTest, AMissingFileEndsTheProgramWithItsMessage) {
    const MissingFileRow rows[] = {
        {"SOL.RGF",
         [](const fs::path& d) {
             std::string path = (d / "SOL.RGF").string();
             for (char& c : path)
                 c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
             return "Can't find/load " + path;
         }},
        {"GAMES.DAT", [](const fs::path& d) { return MissingFileText(d / "GAMES.DAT"); }},
        {"Images/CB001C.bmp",
         [](const fs::path& d) { return MissingImageFileText(d / "Images" / "CB001C.bmp"); }},
    };
    for (const MissingFileRow& row : rows) {
        SCOPED_TRACE(row.missing);
        fs::remove_all(dir);
        fs::create_directories(dir);
        Populate(row.missing);
        SplashWatch messages;
        ProgramStart start({Portable(), kKlondike, std::nullopt}, messages);
        messages.start = &start;
        EXPECT_EQ(start.Begin(), StartResult::Failed);
        EXPECT_FALSE(start.SplashShown());
        ASSERT_EQ(messages.kept.texts.size(), 1u);
        EXPECT_EQ(messages.kept.kinds.front(), MessageKind::Fatal);
        EXPECT_EQ(messages.kept.texts.front(), row.expected(dir));
        EXPECT_FALSE(messages.splashUp.front()) << "the message is not hidden under the splash";
    }
}

TEST_F(ProgramStartTest, AnInstalledProgramKeepsItsRecordsInTheDataDirectory) {
    Populate();
    const fs::path data = dir / "home" / "tablamor";
    CollectedMessages messages;
    ProgramStart start({{dir, data, false}, kKlondike, GameNumber::Parse("7")}, messages);
    ASSERT_EQ(start.Begin(), StartResult::Running);
    for (int i = 0; i < kWaitSteps && !start.Window().Controller().InPlay(); ++i)
        QTest::qWait(kWaitStepMs);
    ASSERT_TRUE(start.Window().Controller().InPlay());
    EXPECT_TRUE(messages.texts.empty());
    for (const char* file : {"CFG.DAT", "STAT.DAT", "STAT_SCR.DAT"})
        EXPECT_TRUE(fs::exists(data / file)) << file;
    EXPECT_EQ(IniFile(data / "CFG.DAT").ReadString("Game_Numbers", "Game001"), "0000000000007");
    // Nothing is written beside the game files: no DATA, no version marker.
    EXPECT_FALSE(fs::exists(dir / "DATA"));
    EXPECT_FALSE(fs::exists(dir / "SOLV0340.DAT"));
}

TEST_F(ProgramStartTest, ADataDirectoryThatCannotBeMadeIsToldOnceAndPlayGoesOn) {
    Populate();
    std::ofstream(dir / "file") << "a regular file where the data directory should be";
    CollectedMessages messages;
    ProgramStart start({{dir, dir / "file" / "tablamor", false}, kKlondike, std::nullopt},
                       messages);
    ASSERT_EQ(start.Begin(), StartResult::Running);
    for (int i = 0; i < kWaitSteps && !start.Window().Controller().InPlay(); ++i)
        QTest::qWait(kWaitStepMs);
    EXPECT_TRUE(start.Window().Controller().InPlay());
    start.Window().Controller().EndGame(); // a game ended with nowhere to record it: no message
    QTest::qWait(kWaitStepMs);
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.kinds.front(), MessageKind::Plain);
    EXPECT_NE(messages.texts.front().find("cannot be created"), std::string::npos)
        << messages.texts.front();
}

TEST_F(ProgramStartTest, AGameNotInTheListIsRefusedBeforeAnyWindow) {
    Populate();
    CollectedMessages messages;
    ProgramStart start({Portable(), 9999, std::nullopt}, messages);
    EXPECT_EQ(start.Begin(), StartResult::UnknownGame);
    EXPECT_FALSE(start.SplashShown());
}

} // namespace
} // namespace tablamor::ui
