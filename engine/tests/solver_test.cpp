// The solver on real deals of small games: a winning line replays through GamePlay to a won game,
// a verdict of lost survives a larger budget, a search cut short says unknown and never searches
// past its budget, and the key tells positions apart by the counters the rules read.
#include "play_fixture.h"

#include "engine/game_play.h"
#include "engine/placed_piles.h"
#include "engine/solver.h"
#include "engine/solver_key.h"
#include "engine/solver_seen.h"

#include <set>
#include <string>

namespace tablamor {
namespace {

constexpr int kNumbersPerGame = 6;
constexpr long long kSmallBudget = 3'000;
constexpr long long kLargerBudget = 4 * kSmallBudget;
constexpr long long kTinyBudget = 1;

const GameDefinition* FindGame(const std::vector<GameDefinition>& games, int id) {
    for (const GameDefinition& g : games)
        if (g.id == id) return &g;
    return nullptr;
}

// Plays the line as tablamor-cli play does (no autoplay); true when every command acts and the
// game ends won.
bool ReplaysToWin(GameState s, const PileGeometry& geometry, const std::vector<Command>& line,
                  std::string& why) {
    GamePlay play(s, NullEventSink());
    play.SetGeometry(&geometry);
    play.Begin();
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (!play.Apply(line[i])) {
            why = "refused at " + std::to_string(i) + ": " + CommandText(line[i]);
            return false;
        }
        if (!s.active && i + 1 < line.size()) {
            why = "ended before the line did, at " + std::to_string(i);
            return false;
        }
    }
    if (!play.LastGameWon()) why = "the line ends without a win";
    return play.LastGameWon();
}

TEST(Solver, VerdictsOnSmallGames) {
    struct Row {
        int id;
        const char* what;
    };
    const Row rows[] = {
        {43, "golf: one stock pass, few choices"},
        {45, "aces up: discards and a stock dealt to every column"},
        {36, "simple pairs: selections in a pairing game"},
        {34, "pyramid: pairs and the stock card press"},
        {2, "freecell: wide branching"},
        {30, "beleaguered castle: open cards, no stock"},
        {1, "klondike: stock cards reached with their presses"},
    };
    const auto games = test::ShippedGameDefinitions();
    int provenLost = 0; // by the searches together running out of positions
    for (const Row& row : rows) {
        const GameDefinition* game = FindGame(games, row.id);
        ASSERT_NE(game, nullptr) << row.what;
        int won = 0;
        for (int n = 1; n <= kNumbersPerGame; ++n) {
            const std::string where = std::string(row.what) + ", number " + std::to_string(n);
            const GameState dealt = test::DealtGame(game->params, std::to_string(n));
            const PlacedPiles geometry = PlacedPiles::EveryPileOf(dealt);
            const SolveResult result = Solve(dealt, geometry, kSmallBudget);
            EXPECT_LE(result.nodes, kSmallBudget) << where;
            if (result.outcome == SolveOutcome::Won) {
                ++won;
                std::string why;
                EXPECT_TRUE(ReplaysToWin(dealt, geometry, result.line, why))
                    << where << ": " << why;
            }
            if (result.outcome == SolveOutcome::Lost) {
                provenLost += result.nodes > 0 ? 1 : 0;
                EXPECT_EQ(Solve(dealt, geometry, kLargerBudget).outcome, SolveOutcome::Lost)
                    << where;
            }
            if (result.nodes > kTinyBudget) {
                EXPECT_EQ(Solve(dealt, geometry, kTinyBudget).outcome, SolveOutcome::Unknown)
                    << where;
            }
        }
        std::printf("%s: %d of %d won within %lld positions\n", row.what, won, kNumbersPerGame,
                    kSmallBudget);
    }
    EXPECT_GT(provenLost, 0);
}

TEST(Solver, AGameNotInPlayIsLost) {
    const auto games = test::ShippedGameDefinitions();
    GameState s = test::DealtGame(games.front().params, "1");
    s.active = false;
    const SolveResult result = Solve(s, PlacedPiles::EveryPileOf(s), kSmallBudget);
    EXPECT_EQ(result.outcome, SolveOutcome::Lost);
    EXPECT_TRUE(result.line.empty());
}

TEST(Solver, KeySeesTheCounters) {
    const auto games = test::ShippedGameDefinitions();
    GameState s = test::DealtGame(games.front().params, "1");
    s.params[param::kStockPasses] = 3; // the count of passes matters only when it is limited
    struct Row {
        const char* what;
        void (*change)(GameState&);
    };
    const Row rows[] = {
        {"passes used", [](GameState& g) { ++g.passesUsed; }},
        {"actions done", [](GameState& g) { ++g.actionsDone; }},
        {"stock pressed", [](GameState& g) { g.stockPressed = !g.stockPressed; }},
        {"a card turned",
         [](GameState& g) {
             const Card c = g.table.Top(kStockPile);
             g.table.SetFaceUp(c, !g.table.FaceUp(c));
         }},
    };
    for (const Row& row : rows) {
        GameState changed = s;
        row.change(changed);
        EXPECT_NE(PositionKey(changed), PositionKey(s)) << row.what;
    }
    EXPECT_EQ(PositionKey(GameState(s)), PositionKey(s));
}

// Where the game holds a selection, positions that took the same pairs in another order are one
// position (the third pile is read by nothing but its size); in golf, the third pile's top card
// is read, and the key tells it.
TEST(Solver, KeyLeavesOutTheDiscardOrderOnlyWhereTheGameHoldsASelection) {
    const auto games = test::ShippedGameDefinitions();
    for (const auto& [id, implied] : {std::pair{35, true}, std::pair{43, false}}) {
        const GameDefinition* game = FindGame(games, id);
        ASSERT_NE(game, nullptr) << id;
        GameState s = test::DealtGame(game->params, "1");
        const PileIndex from = TableauPile(0);
        const Card a = s.table.Top(from);
        const Card b = s.table.At(from, s.table.Size(from) - 2);
        GameState ab = s, ba = s;
        ASSERT_TRUE(ab.table.FindInPile(from, a, FindMode::Delete));
        ASSERT_TRUE(ab.table.FindInPile(from, b, FindMode::Delete));
        ba.table = ab.table;
        ab.table.Append(kThirdPile, a, true);
        ab.table.Append(kThirdPile, b, true);
        ba.table.Append(kThirdPile, b, true);
        ba.table.Append(kThirdPile, a, true);
        EXPECT_EQ(PositionKey(ab) == PositionKey(ba), implied) << game->name;
    }
}

// Positions one or two face flags apart all key differently, for every card and pair of cards
// of a deal: the key's mixing lets no difference in one place cancel one in another.
TEST(Solver, KeysOfPositionsAFewFlagsApartDiffer) {
    const auto games = test::ShippedGameDefinitions();
    const GameState s = test::DealtGame(games.front().params, "13");
    std::vector<Card> cards;
    for (PileIndex p = 0; p < kPileCount; ++p)
        for (const Card c : s.table.Pile(p))
            if (c != kNoCard) cards.push_back(c);
    const auto flipped = [&s](Card a, Card b) {
        GameState g = s;
        for (const Card c : {a, b}) g.table.SetFaceUp(c, !g.table.FaceUp(c));
        return PositionKey(g);
    };
    std::set<std::uint64_t> keys{PositionKey(s)};
    std::size_t positions = 1;
    for (std::size_t i = 0; i < cards.size(); ++i) {
        for (std::size_t j = i; j < cards.size(); ++j) {
            keys.insert(flipped(cards[i], j == i ? kNoCard : cards[j]));
            ++positions;
        }
    }
    EXPECT_EQ(keys.size(), positions);
}

// A Klondike position from a search, where once the key took a tableau card face up and face
// down for the same: piles as "pile:cards", each card three digits and its face flag.
TEST(Solver, KeyTellsALoneCardsFaceInAPositionOfASearch) {
    const auto games = test::ShippedGameDefinitions();
    GameState s = test::DealtGame(games.front().params, "13");
    s.actionsDone = 2;
    s.table.ClearPiles();
    const std::string piles[] = {
        "0:0400001004200030023003000520028001300310034004600450048003700510050003600060",
        "1:02410091",
        "3:0141",
        "19:0261",
        "20:0201",
        "21:004102910021",
        "22:044002700051043101610411",
        "23:049001900080039002210471",
        "24:010002100110025003800171",
        "25:0330015000700180032001200351"};
    constexpr std::size_t kCardText = 4; // three digits and the face flag
    for (const std::string& text : piles) {
        const std::size_t colon = text.find(':');
        const PileIndex pile = std::stoi(text.substr(0, colon));
        for (std::size_t i = colon + 1; i + kCardText <= text.size(); i += kCardText) {
            const auto card = static_cast<Card>(std::stoi(text.substr(i, 3)));
            ASSERT_TRUE(s.table.Append(pile, card, text[i + 3] == '1'));
        }
    }
    GameState turned = s;
    const Card lone = s.table.Top(TableauPile(1));
    turned.table.SetFaceUp(lone, false);
    PileSymmetry symmetry = SymmetryOf(s);
    for (const bool stockCycle : {false, true}) {
        symmetry.stockCycle = stockCycle;
        EXPECT_NE(PositionKey(s, symmetry), PositionKey(turned, symmetry)) << stockCycle;
    }
}

// Every key is held once, with the marks added to it, through several doublings of the table.
TEST(Solver, SeenPositionsHoldEveryKeyOnceWithItsMarks) {
    SeenPositions seen;
    constexpr std::uint64_t kKeys = 20'000;
    constexpr std::uint64_t kSpread = 0x9e3779b97f4a7c15ULL; // keys far apart, 0 among them
    const auto marksOf = [](std::uint64_t k) { return std::uint64_t{1} << (k % 3); };
    for (std::uint64_t k = 0; k < kKeys; ++k) EXPECT_TRUE(seen.Insert(k * kSpread)) << k;
    for (std::uint64_t k = 0; k < kKeys; ++k) EXPECT_EQ(seen.Mark(k * kSpread, marksOf(k)), 0U);
    for (std::uint64_t k = 0; k < kKeys; ++k) {
        EXPECT_EQ(seen.Mark(k * kSpread, std::uint64_t{1} << 3), marksOf(k)) << k;
        EXPECT_FALSE(seen.Insert(k * kSpread)) << k;
    }
    EXPECT_EQ(seen.Size(), kKeys);
}

// The shared table counts each position reached until some search searches it, however many
// searches queue it and whichever searches it again later; each search queues a position once,
// and one that keeps off others' ground queues none another searched.
TEST(Solver, ReachedPositionsCountThoseNoSearchSearched) {
    ReachedPositions reached;
    constexpr std::uint64_t kStart = 0x1000;
    constexpr std::uint64_t kChildren[] = {0x2000, 0x3000, 0x4000};
    EXPECT_TRUE(reached.Search(kStart, 0));
    EXPECT_FALSE(reached.Search(kStart, 1)) << "the deal was searched by the first search";
    EXPECT_EQ(reached.Waiting(), 0);
    for (const std::uint64_t key : kChildren) {
        EXPECT_TRUE(reached.Queue(key, 0, true));
        EXPECT_FALSE(reached.Queue(key, 0, true)) << "queued twice by one search";
        EXPECT_TRUE(reached.Queue(key, 1, true)) << "another search queues it too";
    }
    EXPECT_EQ(reached.Waiting(), 3);
    EXPECT_TRUE(reached.Search(kChildren[0], 1));
    EXPECT_FALSE(reached.Search(kChildren[0], 0)) << "searched again on the first search's line";
    EXPECT_EQ(reached.Waiting(), 2);
    EXPECT_TRUE(reached.Queue(kChildren[0], 2, true)) << "a searched position may be queued";
    EXPECT_EQ(reached.Waiting(), 2);
    EXPECT_TRUE(reached.Search(kChildren[1], 1));
    EXPECT_FALSE(reached.Queue(kChildren[1], 2, false)) << "kept off others' ground";
    EXPECT_TRUE(reached.Queue(kChildren[2], 2, false)) << "not searched yet";
    EXPECT_EQ(reached.Waiting(), 1);
    EXPECT_TRUE(reached.Search(kChildren[2], 0));
    EXPECT_EQ(reached.Waiting(), 0);
    EXPECT_EQ(reached.Size(), 4U);
}

// A search stopped by its time or its memory says unknown, never lost; within the node budget
// the styles together search no more than it allows.
TEST(Solver, BudgetsOfTimeAndMemoryStopTheSearch) {
    const auto games = test::ShippedGameDefinitions();
    const GameDefinition* freeCell = FindGame(games, 2);
    ASSERT_NE(freeCell, nullptr);
    const GameState dealt = test::DealtGame(freeCell->params, "1");
    const PlacedPiles geometry = PlacedPiles::EveryPileOf(dealt);
    struct Row {
        const char* what;
        SolveBudget budget;
    };
    constexpr long long kManyNodes = 10'000'000;
    const Row rows[] = {
        {"a millisecond", {kManyNodes, 1, kDefaultSolverMemory}},
        {"four kilobytes", {kManyNodes, 0, std::size_t{4} << 10}},
        {"few positions", {kTinyBudget + 1, 0, kDefaultSolverMemory}},
    };
    for (const Row& row : rows) {
        const SolveResult result = Solve(dealt, geometry, row.budget);
        EXPECT_EQ(result.outcome, SolveOutcome::Unknown) << row.what;
        EXPECT_LE(result.nodes, row.budget.nodes) << row.what;
    }
}

} // namespace
} // namespace tablamor
