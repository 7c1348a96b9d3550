#include "engine/solver_wanted.h"

#include "engine/placement.h"
#include "engine/rule_codes.h"
#include "engine/solver_cache.h"
#include "engine/solver_key.h"

namespace tablamor {
namespace {

// The remembered sets are dropped when they grow past this many.
constexpr std::size_t kSetsLimit = 1 << 16;

} // namespace

WantedCards::WantedCards(const GameState& start) : kept_(KeptForGame<Kept>(start.params)) {
    if (kept_.byTop.empty()) {
        kept_.byTop.resize(static_cast<std::size_t>(kMaxFoundations) * kCardCodes);
        kept_.byTopKnown.resize(kept_.byTop.size());
    }
    for (int n = 0; n < start.FoundationCount(); ++n)
        readsTableau_ =
            readsTableau_ || start.P(param::kFoundationRule, n) == code::kAceOrBelowTableauTop;
}

const WantedCards::CardSet& WantedCards::Of(const GameState& s) {
    std::uint64_t key = 0;
    for (int n = 0; n < s.FoundationCount(); ++n) {
        const PileIndex f = FoundationPile(n);
        key = MixKey(key, (static_cast<std::uint64_t>(s.table.Size(f)) << 8) | s.table.Top(f));
    }
    if (readsTableau_)
        kept_.byFoundations.clear();
    else if (lastKept_ && key == lastKey_)
        return last_;
    if (kept_.byFoundations.size() > kSetsLimit) kept_.byFoundations.clear();
    auto [it, fresh] = kept_.byFoundations.try_emplace(key);
    if (fresh)
        for (int n = 0; n < s.FoundationCount(); ++n) it->second |= TakenBy(s, n);
    lastKey_ = key;
    lastKept_ = !readsTableau_;
    last_ = it->second;
    return last_;
}

// The cards foundation n takes now.
WantedCards::CardSet WantedCards::TakenBy(const GameState& s, int n) {
    const PileIndex f = FoundationPile(n);
    const bool byTop = VerdictReadsTopOnly(s, f);
    const std::size_t at = static_cast<std::size_t>(n) * kCardCodes + s.table.Top(f);
    if (byTop && kept_.byTopKnown[at]) return kept_.byTop[at];
    CardSet taken;
    for (Card card = 1; card <= s.CardCount() && card <= kMaxCards; ++card)
        if (CanPlaceOnFoundation(s, n, MoveContext::Alone(card), NullEventSink())) taken.set(card);
    if (byTop) {
        kept_.byTop[at] = taken;
        kept_.byTopKnown[at] = true;
    }
    return taken;
}

} // namespace tablamor
