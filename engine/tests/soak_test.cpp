// Every shipped game played at random through GamePlay: generated commands mixed with undo and
// redo, with autoplay on for every other number. After every step each card lies in exactly one
// pile; every generated command does something and random commands the generator left out are
// refused without changing the table; every undo and redo gives back exactly the table and the
// counters seen when the history was at that depth; undoing to the start gives the dealt table,
// redoing to the end the final one.
#include "play_fixture.h"

#include "engine/game_play.h"
#include "engine/move_generator.h"
#include "engine/state_fault.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <random>

namespace tablamor {

// Names the game in test output.
void PrintTo(const GameDefinition& game, std::ostream* out) {
    *out << game.id << " " << game.name;
}

namespace {

// The suite plays a short form; scripts/soak-long.sh sets TABLAMOR_SOAK_NUMBERS for a long run.
constexpr int kNumbersInTheSuite = 30;
constexpr int kStepsPerGame = 300;
constexpr int kRefusalProbes = 2; // random commands tried per step

class SoakTest : public ::testing::TestWithParam<GameDefinition> {};

int NumbersToPlay() {
    const char* asked = std::getenv("TABLAMOR_SOAK_NUMBERS");
    const int n = asked ? std::atoi(asked) : 0;
    return n > 0 ? n : kNumbersInTheSuite;
}

Command RandomCommand(std::mt19937& rng, int cards) {
    Command c;
    c.kind = static_cast<CommandKind>(rng() % 5);
    c.card = static_cast<Card>(1 + rng() % static_cast<unsigned>(cards));
    c.pile = static_cast<PileIndex>(rng() % kPileCount);
    if (c.kind == CommandKind::Stock) c.card = kNoCard;
    if (c.kind != CommandKind::Drop) c.pile = -1;
    return c;
}

// What an undo or redo must give back: the table as the history keeps it and the counters.
struct Seen {
    Table table;
    int passesUsed = 0;
    int score = 0;
};

Seen SeenNow(const GameState& s) {
    return Seen{test::WithoutSelection(s), s.passesUsed, s.score};
}

// What was seen at each depth of the undo history; an operation that records several steps at
// once (a move and the autoplay after it) leaves the depths it passed unseen.
class SeenByDepth {
public:
    // After a move made at depth `before`: what lay deeper is gone (the redo stack was emptied,
    // and the depths the move's own steps passed are new). A press that only selects a card
    // records no step and keeps the redo stack.
    void Moved(std::size_t before, const GamePlay& play, const GameState& s) {
        const std::size_t depth = Depth(play);
        if (depth == before && !play.GetHistory().RedoStack().Empty()) return;
        seen_.resize(std::min(seen_.size(), before + 1));
        seen_.resize(depth + 1);
        seen_[depth] = SeenNow(s);
    }
    // After an undo or redo: the state must be the one seen at the new depth.
    void ExpectBack(const GamePlay& play, const GameState& s, const std::string& where) {
        const std::size_t depth = Depth(play);
        ASSERT_LT(depth, seen_.size()) << where;
        if (!seen_[depth]) {
            seen_[depth] = SeenNow(s);
            return;
        }
        const Seen now = SeenNow(s);
        EXPECT_EQ(now.table, seen_[depth]->table) << where << ": table at depth " << depth;
        EXPECT_EQ(now.passesUsed, seen_[depth]->passesUsed)
            << where << ": passes used at depth " << depth;
        EXPECT_EQ(now.score, seen_[depth]->score) << where << ": score at depth " << depth;
    }

    static std::size_t Depth(const GamePlay& play) { return play.GetHistory().UndoStack().Size(); }

private:
    std::vector<std::optional<Seen>> seen_;
};

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
    const int numbers = NumbersToPlay();
    for (int i = 0; i < numbers; ++i) {
        const std::string number = std::to_string(anyNumber(rng));
        GameState s = test::DealtGame(game.params, number);
        const Table dealt = s.table;
        GamePlay play(s, NullEventSink());
        play.SetAutoplay(i % 2 == 0);
        play.Begin();
        const std::string where = game.name + " " + number;
        SeenByDepth seen;
        seen.Moved(0, play, s);

        for (int step = 0; step < kStepsPerGame && s.active; ++step) {
            const unsigned roll = rng() % 10;
            if (roll <= 1) {
                if (roll == 0 ? play.Undo() : play.Redo())
                    seen.ExpectBack(play, s, where + " step " + std::to_string(step));
            } else {
                GenerateCommands(s, play.Geometry(), commands);
                for (int probe = 0; probe < kRefusalProbes; ++probe) {
                    Command c = RandomCommand(rng, s.CardCount());
                    if (std::find(commands.begin(), commands.end(), c) == commands.end())
                        ExpectRefused(s, play.Geometry(), c, where);
                }
                if (commands.empty()) {
                    if (!play.Undo()) break;
                    seen.ExpectBack(play, s, where + " step " + std::to_string(step));
                } else {
                    const Command c = commands[rng() % commands.size()];
                    const std::size_t before = SeenByDepth::Depth(play);
                    ASSERT_TRUE(play.Apply(c))
                        << where << ": listed but refused: " << CommandText(c);
                    seen.Moved(before, play, s);
                }
            }
            const std::string fault = StateFault(s);
            ASSERT_EQ(fault, "") << where << " after step " << step;
        }
        if (!s.active) continue; // won: no command acts once the game has ended

        const Table last = test::WithoutSelection(s);
        int undone = 0;
        for (; play.CanUndo(); ++undone) {
            ASSERT_TRUE(play.Undo());
            seen.ExpectBack(play, s, where + " undo to the start");
        }
        ASSERT_EQ(test::WithoutSelection(s), dealt) << where << ": undo to the start";
        EXPECT_EQ(s.passesUsed, 1) << where;
        for (int k = 0; k < undone; ++k) {
            ASSERT_TRUE(play.Redo());
            seen.ExpectBack(play, s, where + " redo to the end");
        }
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
