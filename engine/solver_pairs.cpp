#include "engine/solver_pairs.h"

#include "engine/events.h"
#include "engine/placement.h"
#include "engine/solver_cache.h"

namespace tablamor {
namespace {

bool SameBuildingRules(const GameState& s, int a, int b) {
    for (const ParamRange range : {param::kTableauEmptyFill, param::kTableauDirection,
                                   param::kTableauRule, param::kTableauPastBase})
        if (s.P(range, a) != s.P(range, b)) return false;
    return true;
}

} // namespace

BuiltPairs::BuiltPairs(const GameState& s) : verdicts_(KeptForGame<Kept>(s.params).verdicts) {
    for (int n = 0; n < s.TableauCount(); ++n) {
        std::size_t group = 0;
        while (group < distinct_.size() && !SameBuildingRules(s, distinct_[group], n)) ++group;
        if (group == distinct_.size()) distinct_.push_back(n);
        const BuildQuery q = RunQuery(s, n);
        piles_.push_back({q, group, RuleReadsQueryOnly(q.rule)});
    }
    if (verdicts_.empty()) verdicts_.assign(distinct_.size() * kCodes * kCodes, Verdict::Unknown);
}

bool BuiltPairs::Ask(const GameState& state, BuildQuery query, Card below, Card card) {
    query.top = below;
    query.card = card;
    return CheckBuild(state, query, NullEventSink());
}

} // namespace tablamor
