// The solver's own moves against the move generator, on positions reached by random play in
// every shipped game: the same commands in the same order, less only sends whose outcome a listed
// drop of the same card gives (and, where stock cards are reached directly, the stock press for
// the moves after presses); and every move played the solver's way leaves exactly the state
// PlayCommand leaves.
#include "play_fixture.h"

#include "engine/move_generator.h"
#include "engine/placed_piles.h"
#include "engine/solver_moves.h"

#include <algorithm>
#include <random>

namespace tablamor {
namespace {

constexpr int kNumbersPerGame = 3;
constexpr int kStepsPerNumber = 40;

// True when the command acted; `after` holds the position it left.
bool Played(GameState s, const Command& c, const PileGeometry& geometry, GameState& after) {
    const PlayEnv env{geometry, NullEventSink(), NoStepRecord()};
    const bool acted = PlayCommand(s, c, false, env);
    after = std::move(s);
    return acted;
}

GameState Played(const GameState& s, const Command& c, const PileGeometry& geometry) {
    GameState after;
    (void)Played(s, c, geometry, after);
    return after;
}

// Where the solver reaches stock cards directly, its moves after presses against the
// generator's on the position the presses leave: each is a command listed there and plays as
// it does there, and every drop of the waste's top card the generator lists after any number of
// presses (through the stock twice) is among the solver's moves.
void CompareReachedInStock(const GameState& s, const PileGeometry& geometry,
                           const std::vector<SolverMove>& moves, SolverMoves& fast,
                           const std::string& where) {
    const Command press{CommandKind::Stock, kNoCard, -1};
    std::vector<GameState> pressed{s}; // after 0, 1, 2... presses
    const int most = 2 * (s.table.Size(kStockPile) + s.table.Size(kWastePile)) + 2;
    for (int k = 1; k <= most; ++k) {
        GameState next = pressed.back();
        if (!Played(next, press, geometry, next)) break;
        pressed.push_back(next);
    }
    for (const SolverMove& m : moves) {
        if (m.presses == 0) continue;
        ASSERT_LT(m.presses, pressed.size()) << where << ": " << CommandText(m.command);
        const GameState& t = pressed[m.presses];
        const std::vector<Command> there = GenerateCommands(t, geometry);
        EXPECT_NE(std::ranges::find(there, m.command), there.end())
            << where << ": " << CommandText(m.command) << " not listed after the presses";
        GameState applied = s;
        EXPECT_TRUE(fast.Apply(applied, m)) << where << ": " << CommandText(m.command);
        EXPECT_TRUE(applied == Played(t, m.command, geometry))
            << where << ": " << CommandText(m.command) << " played differently";
    }
    for (const GameState& t : pressed) {
        if (t.table.Empty(kWastePile)) continue;
        for (const Command& c : GenerateCommands(t, geometry)) {
            if (c.kind != CommandKind::Drop || c.card != t.table.Top(kWastePile)) continue;
            EXPECT_TRUE(
                std::ranges::any_of(moves, [&](const SolverMove& m) { return m.command == c; }))
                << where << ": " << CommandText(c) << " never reached";
        }
    }
}

// Compares the two listings of one position and plays every move both ways.
void CompareAt(const GameState& s, const PileGeometry& geometry, SolverMoves& fast,
               const std::string& where) {
    const std::vector<Command> general = GenerateCommands(s, geometry);
    std::vector<SolverMove> moves;
    fast.Generate(s, moves);
    const bool reached = StockCardsReachedDirectly(s, geometry);
    std::size_t i = 0;
    for (const Command& c : general) {
        if (i < moves.size() && moves[i].presses == 0 && moves[i].command == c) {
            ++i;
            continue;
        }
        // The stock press gives way to the cards it reaches.
        if (reached && c.kind == CommandKind::Stock) continue;
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
    for (std::size_t k = i; k < moves.size(); ++k)
        ASSERT_GT(moves[k].presses, 0) << where << ": extra " << CommandText(moves[k].command);
    ASSERT_TRUE(reached || i == moves.size()) << where << ": moves after presses";
    for (std::size_t k = 0; k < i; ++k) {
        const SolverMove& m = moves[k];
        GameState applied = s;
        EXPECT_TRUE(fast.Apply(applied, m)) << where << ": " << CommandText(m.command);
        EXPECT_TRUE(applied == Played(s, m.command, geometry))
            << where << ": " << CommandText(m.command) << " played differently";
    }
    if (reached) CompareReachedInStock(s, geometry, moves, fast, where);
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

// Stock cards are reached with their presses only where the presses change nothing else and every
// card comes round again.
TEST(SolverMoves, StockCardsReachedDirectlyOnlyWhereNoLineIsLost) {
    struct Row {
        int id;
        const char* what;
        bool reached;
    };
    const Row rows[] = {
        {1, "klondike: one card a press, passes without end", true},
        {4, "klondike by threes: three cards a press, passes without end", true},
        {5, "thumb and pouch: one pass", false},
        {16, "canfield: emptied piles filled from the reserve", false},
        {82, "whitehorse: emptied piles filled from the waste", false},
    };
    const auto games = test::ShippedGameDefinitions();
    for (const Row& row : rows) {
        const auto game = std::ranges::find(games, row.id, &GameDefinition::id);
        ASSERT_NE(game, games.end()) << row.what;
        const GameState s = test::DealtGame(game->params, "1");
        EXPECT_EQ(StockCardsReachedDirectly(s, PlacedPiles::EveryPileOf(s)), row.reached)
            << row.what;
    }
}

} // namespace
} // namespace tablamor
