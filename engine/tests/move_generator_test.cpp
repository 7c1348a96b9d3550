// The move generator: pinned counts of the command sequences it yields to depth 3 from dealt
// tables (applying each command to a copy of the state, with no autoplay), and the command words.
#include "play_fixture.h"

#include "engine/move_generator.h"
#include "engine/placed_piles.h"

namespace tablamor {
namespace {

constexpr int kDepth = 3;

std::uint64_t Perft(const GameState& s, const PileGeometry& geometry, int depth) {
    if (depth == 0) return 1;
    const PlayEnv env{geometry, NullEventSink(), NoStepRecord()};
    std::uint64_t count = 0;
    for (const Command& c : GenerateCommands(s, geometry)) {
        GameState next = s;
        EXPECT_TRUE(ApplyCommand(next, c, env)) << CommandText(c);
        count += Perft(next, geometry, depth - 1);
    }
    return count;
}

TEST(MoveGenerator, PerftCountsToDepthThree) {
    struct Row {
        int id;
        const char* number;
        std::uint64_t depth1;
        std::uint64_t depth3;
    };
    const Row rows[] = {
        {1, "1", 7, 268},
        {1, "4858654084036", 2, 42},
        {2, "1", 44, 67475},
        {2, "7790818838650", 48, 87128},
        {3, "1", 11, 124},
        {3, "5506451834520", 11, 87},
    };
    auto games = test::ShippedGameDefinitions();
    for (const Row& row : rows) {
        auto game = std::find_if(games.begin(), games.end(), [&](const GameDefinition& g) { return g.id == row.id; });
        ASSERT_NE(game, games.end());
        GameState s = test::DealtGame(game->params, row.number);
        const PlacedPiles geometry = PlacedPiles::EveryPileOf(s);
        EXPECT_EQ(Perft(s, geometry, 1), row.depth1) << game->name << " " << row.number;
        EXPECT_EQ(Perft(s, geometry, kDepth), row.depth3) << game->name << " " << row.number;
    }
}

TEST(Commands, WordsRoundTripAndBadWordsAreRefused) {
    const char* good[] = {"drop 013 Fila3", "send 001", "stock", "flip 104", "press 040",
                          "drop 052 Mazzo_Vis", "drop 001 Appogg8", "drop 007 Dest16"};
    for (const char* text : good) {
        auto c = ParseCommand(text);
        ASSERT_TRUE(c.has_value()) << text;
        EXPECT_EQ(CommandText(*c), text);
    }
    const char* bad[] = {"", "drop", "drop 013", "drop 013 Fila27", "drop 000 Fila1", "send 105",
                         "send 1", "flip abc", "stock 001", "press 001 Fila1", "Drop 013 Fila3",
                         "drop 013 fila3", "send -01"};
    for (const char* text : bad) EXPECT_FALSE(ParseCommand(text).has_value()) << text;
}

TEST(Commands, NothingIsDoneOnceTheGameIsNotInPlay) {
    auto games = test::ShippedGameDefinitions();
    GameState s = test::DealtGame(games.front().params, "1");
    s.active = false;
    const PlacedPiles geometry = PlacedPiles::EveryPileOf(s);
    EXPECT_TRUE(GenerateCommands(s, geometry).empty());
    const PlayEnv env{geometry, NullEventSink(), NoStepRecord()};
    EXPECT_FALSE(ApplyCommand(s, Command{CommandKind::Stock, kNoCard, -1}, env));
}

} // namespace
} // namespace tablamor
