// Loading a game's parameters: a custom game as its base game's column with its overrides, and
// the custom games file read by id.
#include "engine/game_file.h"
#include "engine/game_source.h"
#include "records/custom_games.h"
#include "session/game_loader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace tablamor {
namespace {

class CustomGames : public ::testing::Test {
protected:
    std::filesystem::path dir =
        std::filesystem::temp_directory_path() /
        ("tablamor-custom-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
         ::testing::UnitTest::GetInstance()->current_test_info()->name());
    void SetUp() override { std::filesystem::create_directories(dir); }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::filesystem::path Write(const std::string& content) {
        std::ofstream(dir / "GAM_CUST.DAT", std::ios::binary) << content;
        return dir / "GAM_CUST.DAT";
    }
    static std::string Record(const std::string& id, const std::string& name,
                              const std::string& base, const std::string& overrides) {
        std::string line1 = id + name;
        line1.resize(54, ' ');
        std::string r = line1 + base + "\n" + overrides + "\n";
        for (int i = 2; i < 30; ++i) r += "description\n";
        return r;
    }
};

TEST_F(CustomGames, OverridesAndFirstRecordWins) {
    GameFile games = GameFile::Parse(WriteGameFile([] {
        GameDefinition g;
        g.id = 1;
        g.type = 5;
        g.name = "Base";
        g.params[param::kTableauCount] = 3;
        g.params.Set(param::kTableauEmptyFill, 3, 13);
        return std::vector<GameDefinition>{g};
    }()));
    auto file = Write("title\n" + Record("8000", "Easy base", "0001", "003-011") +
                      Record("8000", "Second", "0001", "001001") +
                      Record("8001", "No fill", "0001", "xx1-012"));
    auto p = LoadGameDefinition(games, 8000, file);
    ASSERT_TRUE(p);
    EXPECT_EQ((*p)[param::kStockDealCount], 3);
    EXPECT_EQ((*p)[param::kStockPasses], -1);
    EXPECT_EQ(p->At(param::kTableauEmptyFill, 2), 91);
    EXPECT_EQ(p->At(param::kTableauEmptyFill, 3), 13);
    EXPECT_EQ(GameName(games, 8000, file), "Easy base");

    auto q = LoadGameDefinition(games, 8001, file);
    ASSERT_TRUE(q);
    EXPECT_EQ((*q)[param::kStockDealCount], 0); // bad first field: both left as loaded
    EXPECT_EQ(q->At(param::kTableauEmptyFill, 0), -1);

    EXPECT_FALSE(LoadGameDefinition(games, 8002, file));
    EXPECT_EQ(GameName(games, 8002, file), "");
}

TEST_F(CustomGames, MissingOrDamagedFileMeansNone) {
    EXPECT_EQ(FindCustomGame(dir / "absent.dat", 8000).baseId, -1);
    EXPECT_EQ(FindCustomGame(Write("only a title\n"), 8000).baseId, -1);
    EXPECT_EQ(FindCustomGame(Write(std::string("t\n\x01\x02\0zz\n8000", 12)), 8000).baseId, -1);
    EXPECT_EQ(FindCustomGame(Write("t\n8000short\n"), 8000).baseId, -1);
}

} // namespace
} // namespace tablamor
