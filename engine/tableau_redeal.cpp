// The redeal of the tableau (special codes 28 and 29): a press on the empty stock gathers every
// tableau pile and deals the cards again in packets, one pass through the stock each time.
#include "engine/action_steps.h"
#include "engine/rule_codes.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <random>

namespace tablamor::act {
namespace {

constexpr int kDecimalBase = 10;
constexpr int kWordBits = 32;

// The gathered cards, the first pile's bottom card first.
struct Gathered {
    std::array<Card, kMaxCards> cards{};
    int count = 0;
};

Gathered Gather(const GameState& s) {
    Gathered g;
    for (int n = 0; n < s.TableauCount(); ++n)
        for (const Card c : s.table.Pile(TableauPile(n)))
            if (c != kNoCard && g.count < kMaxCards)
                g.cards[static_cast<std::size_t>(g.count++)] = c;
    return g;
}

// The same shuffle for the same game number and pass everywhere: the generator and the seed
// sequence are fixed by the language, and the draw is taken by remainder rather than through a
// distribution, whose results the library may choose.
void Shuffle(Gathered& g, const GameNumber& number, int pass) {
    std::uint64_t value = 0;
    for (int k = 1; k <= GameNumber::kDigits; ++k)
        value = value * kDecimalBase + static_cast<std::uint64_t>(number.Digit(k));
    std::seed_seq seed{static_cast<std::uint32_t>(value),
                       static_cast<std::uint32_t>(value >> kWordBits),
                       static_cast<std::uint32_t>(pass)};
    std::mt19937 rng(seed);
    for (int i = g.count - 1; i > 0; --i) {
        const auto j = static_cast<int>(rng() % static_cast<std::uint32_t>(i + 1));
        std::swap(g.cards[static_cast<std::size_t>(i)], g.cards[static_cast<std::size_t>(j)]);
    }
}

} // namespace

bool RedealTableaus(GameState& s, EventSink& sink) {
    const int special = s.P(param::kSpecialCode);
    if (!code::RedealsTableau(special) || !PassesLeft(s) || s.TableauCount() == 0) return false;
    Gathered g = Gather(s);
    if (g.count == 0) return false;
    if (special == code::kSpecialTableauRedealShuffled) Shuffle(g, s.number, s.passesUsed);
    Table dealt = s.table;
    const int piles = s.TableauCount();
    for (int n = 0; n < piles; ++n) dealt.Truncate(TableauPile(n), 0);
    // packets of the game's count from the first pile on; what is left over goes to the last
    const int packet = std::max(1, s.P(param::kStockDealCount));
    for (int k = 0; k < g.count; ++k)
        dealt.Append(TableauPile(std::min(k / packet, piles - 1)),
                     g.cards[static_cast<std::size_t>(k)], true);
    // a redeal that would lay the cards out as they lie is no move
    if (dealt == s.table) return false;
    s.table = dealt;
    ++s.passesUsed;
    sink.Redealt(g.count);
    sink.Sound(GameSound::Shuffle);
    sink.Repaint();
    return true;
}

} // namespace tablamor::act
