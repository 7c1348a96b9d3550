// The solver's own moves against the move generator, on positions reached by random play in
// every shipped game: the same commands in the same order, less only sends whose outcome a listed
// drop of the same card gives (and, where stock cards are reached directly, the stock press for
// the moves after presses); and every move played the solver's way leaves exactly the state
// PlayCommand leaves. Where the game holds a selection, the takes against the generator's play
// command by command, and against every outcome of the generator's presses.
#include "play_fixture.h"

#include "engine/move_generator.h"
#include "engine/placed_piles.h"
#include "engine/solver_moves.h"

#include <algorithm>
#include <random>
#include <set>

namespace tablamor {
namespace {

constexpr int kNumbersPerGame = 3;
constexpr int kStepsPerNumber = 40;
// The takes are checked at every so many steps (following every press is slow).
constexpr int kStepsPerTakesCheck = 2;

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
    fast.List(s, moves);
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

// Commands of the generator followed through positions with cards selected, at most.
constexpr int kCommandsFollowed = 4;
// The search's moves followed to reach what they reach: a move that takes no card (a stock
// press, a flip) and a take that leaves cards selected lead on.
constexpr int kSearchMovesFollowed = 3;

// A position as the rules read it: the selection and the discards in any order.
std::string Outcome(const GameState& s) {
    std::string text;
    for (PileIndex p = 0; p < kPileCount; ++p) {
        std::vector<Card> cards(s.table.Pile(p).begin(), s.table.Pile(p).end());
        if (p == kSelectionPile || p == kThirdPile) std::ranges::sort(cards);
        for (const Card c : cards) {
            text += static_cast<char>(c);
            text += s.table.FaceUp(c) ? '+' : '-';
        }
        text += '|';
    }
    for (const int counter :
         {s.passesUsed, s.actionsDone, s.score, s.stockPressed ? 1 : 0, s.won ? 1 : 0})
        text += std::to_string(counter) + ' ';
    return text;
}

bool Selects(const GameState& s) {
    return !s.table.Empty(kSelectionPile);
}

// The positions with nothing selected (or won) the generator's commands reach from `s` through
// positions with cards selected.
std::set<std::string> ReachedByPresses(const GameState& s, const PileGeometry& geometry) {
    std::set<std::string> ends;
    std::set<std::string> seen{Outcome(s)};
    std::vector<GameState> frontier{s};
    for (int depth = 0; depth < kCommandsFollowed && !frontier.empty(); ++depth) {
        std::vector<GameState> next;
        for (const GameState& t : frontier) {
            for (const Command& c : GenerateCommands(t, geometry)) {
                GameState u;
                if (!Played(t, c, geometry, u)) continue;
                if (!Selects(u) || u.won)
                    ends.insert(Outcome(u));
                else if (seen.insert(Outcome(u)).second)
                    next.push_back(std::move(u));
            }
        }
        frontier = std::move(next);
    }
    return ends;
}

// What the search's moves reach from `s` (see kSearchMovesFollowed).
void ReachedBySearch(const GameState& s, SolverMoves& fast, int depth,
                     std::set<std::string>& reached) {
    std::vector<SolverMove> moves;
    fast.Generate(s, moves);
    for (const SolverMove& m : moves) {
        GameState u = s;
        if (!fast.Apply(u, m)) continue;
        if (!Selects(u) || u.won) reached.insert(Outcome(u));
        const bool leadsOn = Selects(u) || m.command.kind != CommandKind::Press;
        if (leadsOn && !u.won && depth + 1 < kSearchMovesFollowed)
            ReachedBySearch(u, fast, depth + 1, reached);
    }
}

// Where the game holds a selection: each of the search's moves plays, command by command, as
// commands the generator lists at each step, to exactly the state Apply leaves; the moves of
// one command are the listed ones, in order, less presses that leave cards selected; and every
// outcome of the generator's presses is reached by the search's moves.
void CompareTakesAt(const GameState& s, const PileGeometry& geometry, SolverMoves& fast,
                    const std::string& where) {
    std::vector<SolverMove> listed;
    std::vector<SolverMove> moves;
    fast.List(s, listed);
    fast.Generate(s, moves);
    for (const SolverMove& m : moves) {
        std::vector<Command> line;
        AppendCommands(m, line);
        GameState played = s;
        for (const Command& c : line) {
            const std::vector<Command> there = GenerateCommands(played, geometry);
            ASSERT_NE(std::ranges::find(there, c), there.end())
                << where << ": " << CommandText(c) << " of a take not listed";
            ASSERT_TRUE(Played(played, c, geometry, played)) << where << ": " << CommandText(c);
        }
        GameState applied = s;
        EXPECT_TRUE(fast.Apply(applied, m)) << where << ": " << CommandText(m.command);
        EXPECT_TRUE(applied == played)
            << where << ": " << CommandText(m.command) << " played differently";
        EXPECT_TRUE(m.later[0] != kNoCard ||
                    std::ranges::any_of(
                        listed, [&](const SolverMove& l) { return l.command == m.command; }))
            << where << ": " << CommandText(m.command) << " not listed";
    }
    auto kept = moves.begin();
    for (const SolverMove& l : listed) {
        const GameState after = Played(s, l.command, geometry);
        if (Selects(after) && !after.won) continue;
        kept = std::ranges::find_if(kept, moves.end(), [&](const SolverMove& m) {
            return m.later[0] == kNoCard && m.command == l.command;
        });
        ASSERT_NE(kept, moves.end()) << where << ": " << CommandText(l.command) << " left out";
    }
    std::set<std::string> reached{Outcome(s)}; // a line back to the position reaches nothing
    ReachedBySearch(s, fast, 0, reached);
    for (const std::string& end : ReachedByPresses(s, geometry))
        EXPECT_TRUE(reached.contains(end)) << where << ": an outcome of presses never reached";
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
                if (s.HoldsSelection() && step % kStepsPerTakesCheck == 0)
                    CompareTakesAt(s, geometry, fast, where);
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
