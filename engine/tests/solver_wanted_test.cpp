// The cards the solver's scoring takes as wanted by the foundations agree with the foundation
// rules on positions reached by random play in every shipped game where each foundation's verdict
// reads nothing but its top card, asked first and again from memory, the memory carried from
// position to position and from deal to deal.
#include "random_positions.h"

#include "engine/placement.h"
#include "engine/solver_wanted.h"

#include <memory>

namespace tablamor {
namespace {

TEST(WantedCards, AgreeWithTheFoundationRulesOnRandomPositionsOfEveryGame) {
    constexpr int kNumbersPerGame = 2;
    constexpr int kStepsPerNumber = 40;
    int checked = 0;
    std::unique_ptr<WantedCards> wanted; // one per deal, as one per search
    test::ForRandomPositionsOfEveryGame(
        kNumbersPerGame, kStepsPerNumber, 11, [&](const test::RandomPosition& p) {
            if (p.step == 0) wanted = std::make_unique<WantedCards>(p.start);
            const GameState& s = p.state;
            for (int n = 0; n < s.FoundationCount(); ++n)
                if (!VerdictReadsTopOnly(s, FoundationPile(n))) return;
            ++checked;
            for (int asked = 0; asked < 2; ++asked) {
                const WantedCards::CardSet& cards = wanted->Of(s);
                for (Card c = 1; c <= s.CardCount() && c <= kMaxCards; ++c) {
                    bool taken = false;
                    for (int n = 0; n < s.FoundationCount() && !taken; ++n)
                        taken = CanPlaceOnFoundation(s, n, MoveContext::Alone(c), NullEventSink());
                    EXPECT_EQ(cards[c], taken) << p.where << " card " << int{c} << " ask " << asked;
                }
            }
        });
    EXPECT_GT(checked, 0);
}

} // namespace
} // namespace tablamor
