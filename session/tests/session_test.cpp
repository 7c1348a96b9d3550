// The game lifecycle: setting a game up, deals with new and given numbers, the parameters put
// back before each deal, the recent game numbers, the title, and refusals.
#include "engine/deal.h"
#include "engine/rule_codes.h"
#include "engine/tests/rules_fixture.h"
#include "session/session.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace tablamor {
namespace {

using namespace test;
using namespace code;

GameDefinition Game(int id, std::initializer_list<std::pair<int, int>> values) {
    GameDefinition g;
    g.id = id;
    g.type = 5;
    g.name = "Game " + std::to_string(id);
    for (auto [index, value] : values) g.params[index] = static_cast<std::int16_t>(value);
    return g;
}

class Session : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("tablamor-session-" +
                std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
        // game 1: the first card starts foundation 1, tableau pile 1's empty-fill is one below it
        GameDefinition one =
            Game(1, {{param::kCardCount, 52},
                     {param::kFoundationCount, 2},
                     {param::kTableauCount, 1},
                     {param::kStockDealt, 51},
                     {param::kFoundationStartCard.Index(0), kStartFirstCard},
                     {param::kFoundationStartCard.Index(1), kStartEmptySharedBase},
                     {param::kTableauEmptyFill.Index(0), kFillBelowFoundationBase}});
        GameDefinition bad = Game(2, {{param::kCardCount, 60}});
        games_ = GameFile::Parse(WriteGameFile({one, bad}));
        settings_.Set(Settings::kScoringType, "01");
        Choose(1);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    void Choose(int id) {
        settings_.SetGameId(id);
        settings_.SetGameName("Game " + std::to_string(id));
    }
    IniFile Config() const { return IniFile(dir_ / "DATA" / "CFG.DAT"); }

    std::filesystem::path dir_;
    Settings settings_;
    GameFile games_ = GameFile::Parse("");
    RecordingSink sink_;
};

TEST_F(Session, DealWithAGivenNumber) {
    GameSession session(settings_, games_, dir_ / "DATA", sink_, 1);
    auto number = *GameNumber::Parse("1");
    ASSERT_TRUE(session.StartDeal(number));

    GameState expected = NewGameState(games_.LoadColumn(1));
    ASSERT_TRUE(DealGame(expected, number, NullEventSink()));
    EXPECT_EQ(session.State().table, expected.table);
    EXPECT_TRUE(session.State().active);
    EXPECT_FALSE(session.State().won);
    EXPECT_EQ(session.State().score, -47);
    EXPECT_EQ(settings_.Score(), -47);
    EXPECT_EQ(settings_.GameNumber(), "0000000000001");
    EXPECT_EQ(settings_.Get(Settings::kUndoMark), "0");
    EXPECT_EQ(settings_.Get(Settings::kRedoMark), "0");
    EXPECT_EQ(Config().ReadString("Game_Numbers", "Game001"), "0000000000001");
    ASSERT_EQ(sink_.titles.size(), 1u);
    EXPECT_EQ(sink_.titles[0], "Tablamor [Game 1]  [0000000000001]");
    EXPECT_EQ(sink_.setUps, 1);
    EXPECT_EQ(sink_.dealsReady, 1);
    EXPECT_TRUE(session.ClockStarted());
}

TEST_F(Session, EachDealStartsFromTheLoadedParameters) {
    GameSession session(settings_, games_, dir_ / "DATA", sink_, 1);
    ASSERT_TRUE(session.StartDeal(*GameNumber::Parse("1"))); // first card 040, an ace
    EXPECT_EQ(session.State().P(param::kFoundationBase, 1), kAce);
    EXPECT_EQ(session.State().P(param::kTableauEmptyFill, 0), kKing);
    ASSERT_TRUE(session.StartDeal(*GameNumber::Parse("1234567890123"))); // first card 005
    EXPECT_EQ(session.State().P(param::kFoundationBase, 1), 5);
    EXPECT_EQ(session.State().P(param::kTableauEmptyFill, 0), 4)
        << "91 put back and replaced again";
    EXPECT_EQ(session.State().table.PileString(FoundationPile(0)), "005");
    EXPECT_EQ(sink_.setUps, 1) << "set up once";
    EXPECT_EQ(Config().ReadString("Game_Numbers", "Game001"), "1234567890123");
    EXPECT_EQ(Config().ReadString("Game_Numbers", "Game002"), "0000000000001");
}

TEST_F(Session, NewNumbersComeFromOneSeededGenerator) {
    RecordingSink other;
    GameSession a(settings_, games_, dir_ / "DATA", sink_, 99);
    Settings settingsB = settings_;
    GameSession b(settingsB, games_, dir_ / "DATA", other, 99);
    std::mt19937 rng(99);
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(a.StartDeal());
        ASSERT_TRUE(b.StartDeal());
        EXPECT_EQ(a.State().number, b.State().number);
        EXPECT_EQ(a.State().number, NewGameNumber(rng));
        EXPECT_EQ(a.State().table, b.State().table);
    }
}

TEST_F(Session, RefusedDealLeavesNoHalfDealtTable) {
    GameSession session(settings_, games_, dir_ / "DATA", sink_, 1);
    ASSERT_TRUE(session.StartDeal(*GameNumber::Parse("1")));

    Choose(2);
    ASSERT_TRUE(session.SetUpGame());
    GameState before = session.State();
    EXPECT_FALSE(session.StartDeal(*GameNumber::Parse("77")));
    ASSERT_EQ(sink_.messages.size(), 1u);
    EXPECT_EQ(sink_.messages[0], "Error 01 - fnGameNumberCardsArray");
    EXPECT_EQ(session.State(), before);
    EXPECT_FALSE(session.State().active);
    EXPECT_EQ(sink_.dealsReady, 1);
    EXPECT_EQ(settings_.GameNumber(), "0000000000001");
    EXPECT_EQ(Config().ReadString("Game_Numbers", "Game001"), "0000000000001");

    Choose(5);
    EXPECT_FALSE(session.SetUpGame()) << "no such game";
    EXPECT_EQ(sink_.messages.size(), 2u);
}

TEST(RecentGameNumbers, NewestFirstNoRepeatsAtMostTwenty) {
    auto dir = std::filesystem::temp_directory_path() / "tablamor-recent-numbers";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    {
        // numbers 21 (newest) down to 2 already remembered
        std::ofstream file(dir / "CFG.DAT");
        file << "[Other]\nKey=1\n[Game_Numbers]\n";
        for (int k = 1; k <= 20; ++k)
            file << "Game0" << (k < 10 ? "0" : "") << k << "=" << 22 - k << "\n";
    }
    IniFile config(dir / "CFG.DAT");
    ASSERT_TRUE(RememberGameNumber(config, "22"));
    EXPECT_EQ(config.ReadString("Game_Numbers", "Game001"), "22");
    EXPECT_EQ(config.ReadString("Game_Numbers", "Game020"), "3");
    EXPECT_EQ(config.ReadSection("Game_Numbers").size(), 20u);

    ASSERT_TRUE(RememberGameNumber(config, "10"));
    EXPECT_EQ(config.ReadString("Game_Numbers", "Game001"), "10");
    EXPECT_EQ(config.ReadString("Game_Numbers", "Game002"), "22");
    EXPECT_EQ(config.ReadString("Game_Numbers", "Game013"), "11");
    EXPECT_EQ(config.ReadString("Game_Numbers", "Game014"), "9") << "10 moved, not repeated";
    EXPECT_EQ(config.ReadString("Game_Numbers", "Game020"), "3");
    EXPECT_EQ(config.ReadString("Other", "Key"), "1");
    std::filesystem::remove_all(dir);
}

} // namespace
} // namespace tablamor
