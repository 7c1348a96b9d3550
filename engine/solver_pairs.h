#pragma once
// Whether a card lies built on the card under it on a tableau pile, as a run is judged there
// (RunQuery), for the solver's listing and scoring. Under a rule that reads the query alone, each
// pair's verdict is asked once per set of piles with the same building rules, and kept from one
// search of the game to the next (engine/solver_cache.h).
#include "engine/build_rules.h"
#include "engine/game_state.h"

#include <cstdint>
#include <vector>

namespace tablamor {

class BuiltPairs {
public:
    explicit BuiltPairs(const GameState& start);

    // `card` lies built on `below` on tableau pile n.
    bool Built(const GameState& state, int n, Card below, Card card) {
        const Pile& pile = piles_[static_cast<std::size_t>(n)];
        // A gap reads as an empty pile under the card, which some bases judge by the table.
        if (!pile.remembered || below == kNoCard || card == kNoCard)
            return Ask(state, pile.query, below, card);
        Verdict& v = verdicts_[(pile.group * kCodes + below) * kCodes + card];
        if (v == Verdict::Unknown)
            v = Ask(state, pile.query, below, card) ? Verdict::Built : Verdict::Broken;
        return v == Verdict::Built;
    }

    // Whether the verdicts of tableau pile n read its two cards alone (and are remembered).
    bool ReadsCardsOnly(int n) const { return piles_[static_cast<std::size_t>(n)].remembered; }

    // The piles' sets of building rules: one tableau pile of each.
    const std::vector<int>& DistinctTableaus() const { return distinct_; }

private:
    static constexpr std::size_t kCodes = kMaxCards + 1;
    enum class Verdict : std::uint8_t { Unknown, Built, Broken };
    struct Kept {
        std::vector<Verdict> verdicts;
    };
    // Per tableau pile: the question of its pairs, its set of rules, and whether the verdicts
    // are remembered.
    struct Pile {
        BuildQuery query;
        std::size_t group = 0;
        bool remembered = false;
    };

    std::vector<Pile> piles_;
    std::vector<int> distinct_;
    std::vector<Verdict>& verdicts_;

    static bool Ask(const GameState& state, BuildQuery query, Card below, Card card);
};

} // namespace tablamor
