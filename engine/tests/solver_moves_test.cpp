// The solver's own moves against the move generator, on positions reached by random play in
// every shipped game: the same commands in the same order, less only sends whose outcome a listed
// drop of the same card gives; and every move played the solver's way leaves exactly the state
// PlayCommand leaves.
#include "play_fixture.h"

#include "engine/move_generator.h"
#include "engine/placed_piles.h"
#include "engine/solver_moves.h"

#include <random>

namespace tablamor {
namespace {

constexpr int kNumbersPerGame = 3;
constexpr int kStepsPerNumber = 40;

GameState Played(GameState s, const Command& c, const PileGeometry& geometry) {
    const PlayEnv env{geometry, NullEventSink(), NoStepRecord()};
    (void)PlayCommand(s, c, false, env);
    return s;
}

// Compares the two listings of one position and plays every move both ways.
void CompareAt(const GameState& s, const PileGeometry& geometry, SolverMoves& fast,
               const std::string& where) {
    const std::vector<Command> general = GenerateCommands(s, geometry);
    std::vector<SolverMove> moves;
    fast.Generate(s, moves);
    std::size_t i = 0;
    for (const Command& c : general) {
        if (i < moves.size() && moves[i].command == c) {
            ++i;
            continue;
        }
        // Only a send may be left out, and only when a listed drop of its card does the same.
        ASSERT_EQ(c.kind, CommandKind::Send) << where << ": missing " << CommandText(c);
        const GameState sent = Played(s, c, geometry);
        bool repeated = false;
        for (const SolverMove& m : moves)
            repeated =
                repeated || (m.command.kind == CommandKind::Drop && m.command.card == c.card &&
                             Played(s, m.command, geometry) == sent);
        EXPECT_TRUE(repeated) << where << ": " << CommandText(c) << " left out";
    }
    ASSERT_EQ(i, moves.size()) << where << ": extra " << CommandText(moves[i].command);
    for (const SolverMove& m : moves) {
        GameState applied = s;
        EXPECT_TRUE(fast.Apply(applied, m)) << where << ": " << CommandText(m.command);
        EXPECT_TRUE(applied == Played(s, m.command, geometry))
            << where << ": " << CommandText(m.command) << " played differently";
    }
}

TEST(SolverMoves, ListAndPlayAsTheMoveGeneratorOnRandomPositionsOfEveryGame) {
    std::mt19937 rng(20261208);
    for (const GameDefinition& game : test::ShippedGameDefinitions()) {
        for (int number = 1; number <= kNumbersPerGame; ++number) {
            GameState s = test::DealtGame(game.params, std::to_string(number));
            const PlacedPiles geometry = PlacedPiles::EveryPileOf(s);
            SolverMoves fast(s, geometry);
            for (int step = 0; step < kStepsPerNumber && s.active && !s.won; ++step) {
                const std::string where =
                    game.name + " " + std::to_string(number) + " step " + std::to_string(step);
                CompareAt(s, geometry, fast, where);
                if (HasFatalFailure()) return;
                const std::vector<Command> commands = GenerateCommands(s, geometry);
                if (commands.empty()) break;
                // autoplay now and then, to reach positions play reaches
                const PlayEnv env{geometry, NullEventSink(), NoStepRecord()};
                (void)PlayCommand(s, commands[rng() % commands.size()], rng() % 2 == 0, env);
            }
        }
    }
}

} // namespace
} // namespace tablamor
