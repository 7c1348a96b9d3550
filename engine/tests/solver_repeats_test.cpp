// A drop the solver passes over as repeating an earlier drop of the same lift onto an empty pile
// reaches a position that keys as the earlier one's does, on positions reached by random play in
// every shipped game; where the key tells the piles of a group apart, no drop is passed over.
#include "random_positions.h"

#include "engine/solver_repeats.h"

#include <map>
#include <memory>
#include <tuple>

namespace tablamor {
namespace {

TEST(RepeatedEmptyDrops, ReachOnlyPositionsKeyedAsTheFirstDropOntoAnEmptyPile) {
    constexpr int kNumbersPerGame = 3;
    constexpr int kStepsPerNumber = 40;
    int repeats = 0;
    std::unique_ptr<SolverMoves> fast; // one per deal, as one per search
    std::vector<SolverMove> moves;
    test::ForRandomPositionsOfEveryGame(
        kNumbersPerGame, kStepsPerNumber, 5, [&](const test::RandomPosition& p) {
            const GameState& s = p.state;
            if (p.step == 0) fast = std::make_unique<SolverMoves>(p.start, p.geometry);
            const PileSymmetry symmetry = SymmetryOf(p.start);
            RepeatedEmptyDrops asSet(symmetry);
            RepeatedEmptyDrops apart(PileSymmetry{});
            fast->Generate(s, moves);
            // The key reached by the first drop of each lift onto an empty pile of each kind.
            std::map<std::tuple<Card, int, bool, PileKind>, std::uint64_t> first;
            for (const SolverMove& m : moves) {
                EXPECT_FALSE(apart.Repeats(s, m)) << p.where << ": " << CommandText(m.command);
                // Asked before the move is played, as the search asks.
                const bool repeated = asSet.Repeats(s, m);
                GameState child = s;
                ASSERT_TRUE(fast->Apply(child, m)) << p.where << ": " << CommandText(m.command);
                const std::uint64_t key = PositionKey(child, symmetry);
                const bool ontoEmpty =
                    m.command.kind == CommandKind::Drop && s.table.Empty(m.command.pile);
                const auto lift = std::make_tuple(m.command.card, int{m.presses}, m.move.singleCard,
                                                  KindOfPile(m.command.pile));
                if (!repeated) {
                    if (ontoEmpty) first.try_emplace(lift, key);
                    continue;
                }
                ++repeats;
                ASSERT_TRUE(ontoEmpty) << p.where << ": " << CommandText(m.command);
                ASSERT_TRUE(first.contains(lift)) << p.where << ": " << CommandText(m.command);
                EXPECT_EQ(key, first.at(lift)) << p.where << ": " << CommandText(m.command);
            }
        });
    EXPECT_GT(repeats, 0) << "no game dropped a lift onto two empty piles of one group";
}

} // namespace
} // namespace tablamor
