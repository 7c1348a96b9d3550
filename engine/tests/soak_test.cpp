// Every shipped game played at random through GamePlay: generated commands mixed with undo and
// redo, with autoplay on for every other number. After every step each card lies in exactly one
// pile; every generated command does something and random commands the generator left out are
// refused without changing the table; undoing to the start gives the dealt table, redoing to the
// end the final one.
#include "play_fixture.h"

#include "engine/game_play.h"
#include "engine/move_generator.h"
#include "engine/state_fault.h"

#include <algorithm>
#include <random>

namespace tablamor {

// Names the game in test output.
void PrintTo(const GameDefinition& game, std::ostream* out) {
    *out << game.id << " " << game.name;
}

namespace {

constexpr int kNumbers = 100;
constexpr int kStepsPerGame = 300;
constexpr int kRefusalProbes = 2; // random commands tried per step

class SoakTest : public ::testing::TestWithParam<GameDefinition> {};

Command RandomCommand(std::mt19937& rng, int cards) {
    Command c;
    c.kind = static_cast<CommandKind>(rng() % 5);
    c.card = static_cast<Card>(1 + rng() % static_cast<unsigned>(cards));
    c.pile = static_cast<PileIndex>(rng() % kPileCount);
    if (c.kind == CommandKind::Stock) c.card = kNoCard;
    if (c.kind != CommandKind::Drop) c.pile = -1;
    return c;
}

// A command the generator did not list leaves the table as it was.
void ExpectRefused(const GameState& s, const PileGeometry& geometry, const Command& c,
                   const std::string& where) {
    GameState copy = s;
    const PlayEnv env{geometry, NullEventSink(), NoStepRecord()};
    EXPECT_FALSE(ApplyCommand(copy, c, env))
        << where << ": not listed but done: " << CommandText(c);
    EXPECT_EQ(copy.table, s.table) << where << ": refused yet changed: " << CommandText(c);
}

TEST_P(SoakTest, RandomPlayKeepsEveryCardAndUndoesExactly) {
    const GameDefinition& game = GetParam();
    std::mt19937 rng(static_cast<unsigned>(game.id));
    std::uniform_int_distribution<std::uint64_t> anyNumber(0, 9'999'999'999'999ULL);
    std::vector<Command> commands;
    for (int i = 0; i < kNumbers; ++i) {
        const std::string number = std::to_string(anyNumber(rng));
        GameState s = test::DealtGame(game.params, number);
        const Table dealt = s.table;
        GamePlay play(s, NullEventSink());
        play.SetAutoplay(i % 2 == 0);
        play.Begin();
        const std::string where = game.name + " " + number;

        for (int step = 0; step < kStepsPerGame && s.active; ++step) {
            const unsigned roll = rng() % 10;
            if (roll == 0) {
                play.Undo();
            } else if (roll == 1) {
                play.Redo();
            } else {
                GenerateCommands(s, play.Geometry(), commands);
                for (int probe = 0; probe < kRefusalProbes; ++probe) {
                    Command c = RandomCommand(rng, s.CardCount());
                    if (std::find(commands.begin(), commands.end(), c) == commands.end())
                        ExpectRefused(s, play.Geometry(), c, where);
                }
                if (commands.empty()) {
                    if (!play.Undo()) break;
                } else {
                    const Command c = commands[rng() % commands.size()];
                    ASSERT_TRUE(play.Apply(c))
                        << where << ": listed but refused: " << CommandText(c);
                }
            }
            const std::string fault = StateFault(s);
            ASSERT_EQ(fault, "") << where << " after step " << step;
        }
        if (!s.active) continue; // won: no command acts once the game has ended

        const Table last = test::WithoutSelection(s);
        int undone = 0;
        for (; play.CanUndo(); ++undone) ASSERT_TRUE(play.Undo());
        ASSERT_EQ(test::WithoutSelection(s), dealt) << where << ": undo to the start";
        EXPECT_EQ(s.passesUsed, 1) << where;
        for (int k = 0; k < undone; ++k) ASSERT_TRUE(play.Redo());
        ASSERT_EQ(test::WithoutSelection(s), last) << where << ": redo to the end";
    }
}

std::string GameName(const ::testing::TestParamInfo<GameDefinition>& info) {
    std::string name = std::to_string(info.param.id) + "_" + info.param.name;
    std::replace_if(
        name.begin(), name.end(),
        [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
    return name;
}

INSTANTIATE_TEST_SUITE_P(ShippedGames, SoakTest,
                         ::testing::ValuesIn(test::ShippedGameDefinitions()), GameName);

} // namespace
} // namespace tablamor
