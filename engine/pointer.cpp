#include "engine/pointer.h"

#include "engine/actions.h"
#include "engine/drop.h"
#include "engine/press_rules.h"
#include "engine/rule_codes.h"
#include "engine/selection.h"

namespace tablamor {
namespace {

bool CarryOutStockAction(GameState& s, const PressDecision& d, const PlayEnv& env) {
    const bool wasPressed = s.stockPressed;
    bool moved = false;
    for (int i = 0; i < d.repeat; ++i)
        moved = AsStep(s, env.steps,
                       [&] {
                           return PerformAction(s, s.table.Top(kStockPile), Action::Of(d.action),
                                                env.sink);
                       }) ||
                moved;
    return moved || (s.stockPressed && !wasPressed);
}

} // namespace

bool PressLeft(GameState& s, Drag& drag, PileIndex pile, Card card, const PlayEnv& env) {
    const PressDecision d = DecideLeftPress(s, pile, card, env.sink);
    switch (d.kind) {
    case PressKind::Nothing:
        return false;
    case PressKind::Beep:
        env.sink.Beep();
        return false;
    case PressKind::Message:
        env.sink.Message(d.message);
        return false;
    case PressKind::TurnFaceUp:
        return AsStep(s, env.steps,
                      [&] { return TurnCardFaceUp(s, d.card, NumberInGroup(pile), env.sink); });
    case PressKind::Lift:
        drag = Drag{d.card, d.runTop, d.liftCount, pile};
        return true;
    case PressKind::Discard:
        return AsStep(s, env.steps,
                      [&] { return PerformAction(s, d.card, Action::Move(kThirdPile), env.sink); });
    case PressKind::ToggleSum:
        return ToggleSumSelection(s, d.card, env);
    case PressKind::TogglePair:
        return TogglePairingSelection(s, d.card, env);
    case PressKind::StockAction:
        return CarryOutStockAction(s, d, env);
    }
    return false;
}

Rect DropRectOver(const Drag& drag, PileIndex target, const PileGeometry& geometry) {
    Rect r = geometry.TopCardRect(target);
    r.height = geometry.CardHeight() + (drag.cards > 1 ? drag.cards - 1 : 0);
    return r;
}

bool ReleaseLeft(GameState& s, Drag& drag, const std::optional<Rect>& drop,
                 std::optional<PileIndex> target, const PlayEnv& env) {
    bool moved = false;
    if (s.stockPressed) {
        env.sink.StockLookChanged(StockLook::Normal);
        moved = AsStep(s, env.steps, [&] {
            return PerformAction(s, s.table.Top(kStockPile), Action::Of(ActionKind::DealToWaste),
                                 env.sink);
        });
        s.stockPressed = false;
    }
    if (drag.Lifted() && drop) {
        const Card card = drag.card;
        const bool dropped = AsStep(s, env.steps, [&] {
            return TryDrop(s, card, drag.runTop, *drop, target, env.geometry, env.sink);
        });
        if (dropped && s.P(param::kSpecialCode) == code::kSpecialMarkTableauMoves &&
            KindOfPile(CardPile(s, card)) == PileKind::Tableau)
            env.steps.MarkNewest(kTableauMoveMark);
        moved = moved || dropped;
    }
    drag = Drag{};
    return moved;
}

void LeaveStock(GameState& s, EventSink& sink) {
    if (!s.stockPressed) return;
    s.stockPressed = false;
    sink.StockLookChanged(StockLook::Normal);
}

bool DoubleClickSend(GameState& s, PileIndex pile, Card card, const PlayEnv& env) {
    if (!s.active || !QualifiesForSend(s, pile, card)) return false;
    return AsStep(s, env.steps,
                  [&] { return SendToFoundation(s, card, false, true, env.geometry, env.sink); });
}

} // namespace tablamor
