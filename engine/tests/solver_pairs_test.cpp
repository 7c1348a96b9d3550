// The remembered verdicts of card pairs agree with the rules on every tableau pile of every game,
// asked first and again from memory, piles with other building rules among them.
#include "play_fixture.h"

#include "engine/placement.h"
#include "engine/solver_pairs.h"

#include <random>

namespace tablamor {
namespace {

TEST(BuiltPairs, AgreeWithTheRulesOnEveryTableauPileOfEveryGame) {
    constexpr int kPairsPerPile = 40;
    std::mt19937 rng(7);
    for (const GameDefinition& game : test::ShippedGameDefinitions()) {
        const GameState s = test::DealtGame(game.params, "1");
        const int cards = std::min(s.CardCount(), kMaxCards);
        if (cards < 2) continue;
        std::uniform_int_distribution<int> card(1, cards);
        BuiltPairs pairs(s);
        for (int n = 0; n < s.TableauCount(); ++n) {
            for (int i = 0; i < kPairsPerPile; ++i) {
                BuildQuery q = RunQuery(s, n);
                q.top = card(rng);
                q.card = card(rng);
                const bool built = CheckBuild(s, q, NullEventSink());
                for (int asked = 0; asked < 2; ++asked)
                    EXPECT_EQ(
                        pairs.Built(s, n, static_cast<Card>(q.top), static_cast<Card>(q.card)),
                        built)
                        << game.name << " pile " << n << " " << q.top << " " << q.card;
            }
        }
    }
}

} // namespace
} // namespace tablamor
