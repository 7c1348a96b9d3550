// The kept game in the window: closing on a game in progress keeps it instead of counting it as
// lost, and the next start offers it back whole; declined it counts as lost; a damaged file is
// set aside with a message.
#include "modal_answer.h"
#include "window_fixture.h"

#include "engine/move_generator.h"
#include "records/data_dir.h"
#include "records/preference_keys.h"
#include "records/record_names.h"

#include <QAction>

#include <fstream>

namespace tablamor::ui {
namespace {

using testing::Click;
using testing::ModalAnswer;
using testing::WindowFixture;

constexpr int kKlondike = 1;

class KeptResults final : public GameRecorder {
public:
    void RecordFinishedGame(const GameResult& result) override { results.push_back(result); }
    std::vector<GameResult> results;
};

class KeptGame : public WindowFixture {
protected:
    KeptResults finished;
    void SetUp() override {
        WindowFixture::SetUp();
        recorder = &finished;
    }
    std::filesystem::path KeptFile() const {
        return DataFilePath(startup.dataDir, kKeptGameFileName);
    }
    // Klondike played a few moves, then the window closed.
    GameState PlayAndClose() {
        Open(kKlondike, "1063937284984");
        for (int k = 0; k < 3; ++k) {
            auto commands = GenerateCommands(State(), Play().Geometry());
            if (commands.empty()) {
                ADD_FAILURE() << "no move to play";
                break;
            }
            EXPECT_TRUE(Play().ApplyCommand(commands.back()));
            WaitForAnimations();
        }
        GameState played = State();
        EXPECT_TRUE(window->close());
        return played;
    }
};

TEST_F(KeptGame, ClosingKeepsTheGameAndTheNextStartOffersItBack) {
    const GameState played = PlayAndClose();
    EXPECT_TRUE(finished.results.empty()) << "kept, not counted as lost";
    ASSERT_TRUE(std::filesystem::exists(KeptFile()));

    OpenWithoutGame();
    ModalAnswer yes(Click(QMessageBox::Yes));
    EXPECT_TRUE(window->OfferKeptGame());
    ASSERT_EQ(yes.texts.size(), 1u);
    EXPECT_EQ(yes.texts.front(), "Continue Klondike, number 1063937284984?");
    EXPECT_EQ(State(), played);
    EXPECT_EQ(Play().Play().GetHistory().UndoStack().Size(), 3u);
    EXPECT_EQ(startup.settings.GameNumber(), "1063937284984");
    EXPECT_TRUE(window->Action(MenuCommand::Save)->isEnabled());
    EXPECT_TRUE(window->Action(MenuCommand::Undo)->isEnabled());
    EXPECT_FALSE(std::filesystem::exists(KeptFile())) << "taken up: the window holds it again";
    EXPECT_TRUE(finished.results.empty());
}

TEST_F(KeptGame, DeclinedItCountsAsLost) {
    PlayAndClose();
    OpenWithoutGame();
    ModalAnswer no(Click(QMessageBox::No));
    EXPECT_FALSE(window->OfferKeptGame());
    EXPECT_EQ(no.seen, 1);
    ASSERT_EQ(finished.results.size(), 1u);
    EXPECT_FALSE(finished.results.front().won);
    EXPECT_EQ(finished.results.front().number.Text(), "1063937284984");
    EXPECT_FALSE(std::filesystem::exists(KeptFile()));
}

TEST_F(KeptGame, WithThePreferenceOffClosingEndsTheGameAsLost) {
    Open(kKlondike, "5");
    IniFile(ConfigFilePath(startup.dataDir))
        .WriteString(pref::kPreferenceSection, pref::kKeepUnfinishedGame, pref::kNo);
    EXPECT_TRUE(window->close());
    ASSERT_EQ(finished.results.size(), 1u);
    EXPECT_FALSE(finished.results.front().won);
    EXPECT_FALSE(std::filesystem::exists(KeptFile()));
}

TEST_F(KeptGame, ADamagedFileIsSetAsideWithAMessage) {
    std::filesystem::create_directories(KeptFile().parent_path());
    std::ofstream(KeptFile()) << "Tablamor saved game 1\ngame 1\n";
    OpenWithoutGame();
    ModalAnswer ok(Click(QMessageBox::Ok));
    EXPECT_FALSE(window->OfferKeptGame());
    ASSERT_EQ(ok.texts.size(), 1u);
    EXPECT_NE(ok.texts.front().find("cannot be taken up"), std::string::npos) << ok.texts.front();
    EXPECT_FALSE(std::filesystem::exists(KeptFile()));
    EXPECT_TRUE(std::filesystem::exists(KeptFile().string() + ".refused")) << "nothing is lost";
    EXPECT_FALSE(Play().InPlay());
}

TEST_F(KeptGame, FileSaveKeepsTheGameUntilItEnds) {
    Open(kKlondike, "7");
    window->Action(MenuCommand::Save)->trigger();
    EXPECT_TRUE(std::filesystem::exists(KeptFile()));
    EXPECT_NE(window->StatusText().toStdString().find("kept"), std::string::npos);
    startup.settings.Set(Settings::kConfirmQuitGame, "N");
    window->Controller().EndGame();
    EXPECT_FALSE(std::filesystem::exists(KeptFile())) << "its game is over";
}

} // namespace
} // namespace tablamor::ui
