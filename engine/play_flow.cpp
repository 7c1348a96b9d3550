#include "engine/play_flow.h"

#include "engine/actions.h"
#include "engine/drop.h"
#include "engine/rule_codes.h"

namespace tablamor {
namespace {

using namespace code;

bool SendUp(GameState& s, PileIndex pile, const PlayEnv& env) {
    if (s.table.Empty(pile)) return false;
    const Card top = s.table.Top(pile);
    if (top == kNoCard || !s.table.FaceUp(top)) return false;
    return AsStep(s, env.steps,
                  [&] { return SendToFoundation(s, top, true, false, env.geometry, env.sink); });
}

// One autoplay pass.
bool AutoPlayPass(GameState& s, const PlayEnv& env) {
    bool sent = false;
    for (int n = 0; n < s.TableauCount() && s.active; ++n)
        sent = SendUp(s, TableauPile(n), env) || sent;
    if (s.active) sent = SendUp(s, kWastePile, env) || sent;
    for (int k = 0; k < s.ReserveCount() && s.active; ++k)
        sent = SendUp(s, ReservePile(k), env) || sent;
    return sent;
}

Card TopOrNone(const Table& t, PileIndex pile) {
    return t.Empty(pile) ? kNoCard : t.Top(pile);
}

// The card an empty tableau pile is filled with, kNoCard when the source is out.
Card FillCard(const GameState& s, int source) {
    const Card waste = TopOrNone(s.table, kWastePile), stock = TopOrNone(s.table, kStockPile);
    switch (source) {
    case kFillFromReserve:
        return TopOrNone(s.table, ReservePile(0));
    case kFillFromWasteThenStock:
    case kFillFromWasteUntilMarked:
        return waste != kNoCard ? waste : stock;
    case kFillFromStockThenWaste:
        return stock != kNoCard ? stock : waste;
    default:
        return kNoCard;
    }
}

} // namespace

StepRecord& NoStepRecord() {
    static StepRecord record;
    return record;
}

bool AutoPlayStep(GameState& s, const PlayEnv& env) {
    bool any = false;
    while (s.active && !s.won && AutoPlayPass(s, env)) any = true;
    return any;
}

bool AutoFillEmptyTableaus(GameState& s, const PlayEnv& env, bool mergeIntoPrevious) {
    const int source = s.P(param::kTableauFillSource);
    if (source == 0) return false;
    if (s.P(param::kOpeningRestriction) == kOpeningRestrictionOn && s.actionsDone == 0)
        return false;
    if (source == kFillFromWasteUntilMarked && env.steps.AnyMark(kTableauMoveMark)) return false;
    const bool stockGroupEmpty = s.table.Empty(kStockPile) && s.table.Empty(kWastePile);
    if (source == kFillFromReserve ? s.table.Empty(ReservePile(0)) : stockGroupEmpty) return false;
    bool found = false;
    for (int n = 0; n < s.TableauCount(); ++n) {
        const PileIndex pile = TableauPile(n);
        if (!s.table.Empty(pile)) continue;
        found = true;
        const Card card = FillCard(s, source);
        if (card == kNoCard) continue;
        const bool filled = AsStep(
            s, env.steps, [&] { return PerformAction(s, card, Action::Move(pile), env.sink); });
        if (!filled) continue;
        if (mergeIntoPrevious) env.steps.MergeNewestSteps(1);
        mergeIntoPrevious = true;
    }
    return found;
}

void AfterRelease(GameState& s, bool autoplay, bool stepInRelease, const PlayEnv& env) {
    if (!s.active || s.won) return;
    AutoFillEmptyTableaus(s, env, stepInRelease);
    if (!autoplay) return;
    while (!s.won && AutoPlayStep(s, env)) AutoFillEmptyTableaus(s, env, true);
}

} // namespace tablamor
