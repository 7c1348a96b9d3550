// The narrow-screen check: on a screen narrower than 650 pixels a game that asks for it is played
// with the medium cards of set 003 and back 006, the message comes once a run, the customize
// dialog is unavailable; a later wide game gets the player's cards back.
#include "modal_answer.h"
#include "window_fixture.h"

#include "engine/game_file.h"
#include "ui/narrow_screen.h"

#include <QAction>

#include <cstdlib>
#include <fstream>

namespace tablamor::ui {
namespace {

using testing::Click;
using testing::ModalAnswer;
using testing::WindowFixture;

constexpr int kKlondike = 1; // asks for the switch in this test's game file
constexpr int kFreeCell = 2; // does not
constexpr int kNarrowWidth = 640;

struct CardChoice {
    std::string size, face, back;
    bool operator==(const CardChoice&) const = default;
};

CardChoice ChoiceOf(const Settings& s) {
    return {s.CardSize(), s.Get(Settings::kCardFace), s.Get(Settings::kBackCard)};
}

class NarrowScreen : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        // The game file with Klondike asking for medium cards on narrow screens.
        std::vector<GameDefinition> games = ReadAllGames(*startup.games);
        for (GameDefinition& g : games)
            if (g.id == kKlondike) g.params[param::kNarrowScreenMedium] = 1;
        std::filesystem::remove(dir / "GAMES.DAT");
        std::ofstream(dir / "GAMES.DAT", std::ios::binary) << WriteGameFile(games);
        startup.games = GameFile::Open(dir / "GAMES.DAT");
        ASSERT_TRUE(startup.games);
    }
    void SetScreenWidth(int width) {
        layout::LayoutInput frame = Play().LayoutFrame();
        frame.screenWidth = width;
        Play().SetLayoutFrame(frame);
    }
};

TEST_F(NarrowScreen, FixedMediumSetOnANarrowScreenAndThePlayersCardsBack) {
    startup.settings.SetCardSize("B");
    startup.settings.Set(Settings::kCardFace, "001");
    startup.settings.Set(Settings::kBackCard, "014");
    const CardChoice players{"B", "001", "014"};
    Open(kFreeCell, "1");
    SetScreenWidth(kNarrowWidth);
    ModalAnswer answer([](QWidget* modal) {
        if (const char* dir = std::getenv("TABLAMOR_SCREENSHOT_DIR"))
            modal->grab().save(QString(dir) + "/narrow-screen.png");
        Click(QMessageBox::Ok)(modal);
    });

    struct Step {
        const char* name;
        int game;
        int width;
        CardChoice expected;
        int messages; // shown so far
    };
    const Step steps[] = {
        {"a game that does not ask keeps the player's cards", kFreeCell, kNarrowWidth, players, 0},
        {"the game that asks switches, with the message",
         kKlondike,
         kNarrowWidth,
         {"M", "003", "006"},
         1},
        {"again: no second message", kKlondike, kNarrowWidth, {"M", "003", "006"}, 1},
        {"another game: the player's cards back", kFreeCell, kNarrowWidth, players, 1},
        {"switched again, still no second message",
         kKlondike,
         kNarrowWidth,
         {"M", "003", "006"},
         1},
        {"a wide screen: the player's cards back", kKlondike, 1024, players, 1},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        SetScreenWidth(step.width);
        ASSERT_TRUE(window->PlayGame(step.game, GameNumber::Parse("1")));
        WaitForAnimations();
        EXPECT_EQ(ChoiceOf(startup.settings), step.expected);
        const bool narrow = step.expected.size == "M";
        EXPECT_EQ(startup.images.Size(),
                  narrow ? layout::CardSizeLetter::Medium : layout::CardSizeLetter::Big);
        EXPECT_EQ(Play().Geometry().TopCardRect(TableauPile(0)).width, startup.images.Card().width);
        EXPECT_EQ(window->Action(MenuCommand::Customize)->isEnabled(), !narrow);
        EXPECT_EQ(answer.seen, step.messages);
    }
    ASSERT_FALSE(answer.texts.empty());
    EXPECT_EQ(answer.texts.front(), NarrowScreenMessage("Klondike"));
    EXPECT_EQ(answer.texts.front().substr(0, 40), "Your video card runs at 640x480 pixels.\n");
}

TEST(NarrowScreenCheck, APlayerOnMediumCardsKeepsTheirOwnSet) {
    Settings s;
    s.SetCardSize("M");
    s.Set(Settings::kCardFace, "002");
    s.Set(Settings::kBackCard, "009");
    NarrowScreenOutcome outcome = CheckNarrowScreen(s, kNarrowWidth, true);
    EXPECT_TRUE(outcome.narrow);
    EXPECT_FALSE(outcome.switchedNow);
    EXPECT_FALSE(outcome.cardSizeChanged);
    EXPECT_EQ(ChoiceOf(s), (CardChoice{"M", "002", "009"}));
    EXPECT_EQ(s.Get(Settings::kSavedCardFace), "");
}

} // namespace
} // namespace tablamor::ui
