#pragma once
// The pointer's effects on the state, once the window has turned pixels into a pile and a card:
// the left press (carrying out DecideLeftPress), the release with its drop, the double-click
// send, and the drag state between press and release. Every change the player can take back is
// recorded through the PlayEnv's StepRecord.
#include "engine/geometry.h"
#include "engine/step_record.h"

#include <optional>

namespace tablamor {

// What is lifted between a left press and its release.
struct Drag {
    Card card = kNoCard;   // the lifted card; for a run, its lowest card
    Card runTop = kNoCard; // the top card of what is lifted
    int cards = 0;         // how many cards are lifted
    PileIndex from = -1;

    bool Lifted() const { return card != kNoCard; }
};

// A left press on `card` of `pile` (kNoCard: an empty place). Turning a card, discarding it,
// completing a selection and stock actions are carried out at once; a lift fills `drag`. True
// when something happened (a lift, a toggled selection and an armed redeal count; a beep or a
// message does not).
[[nodiscard]] bool PressLeft(GameState& state, Drag& drag, PileIndex pile, Card card,
                             const PlayEnv& env);

// The drop rectangle of what is lifted when it lies over `target`'s top card: one card high for a
// single card, taller for a run.
Rect DropRectOver(const Drag& drag, PileIndex target, const PileGeometry& geometry);

// The release of the left button: a redeal armed on the stock is carried out; then what is lifted
// is dropped where `drop` lies (onto `target` alone when given, else onto the best pile the
// rectangle meets) or, without a drop rectangle (the pointer did not move) or when no pile takes
// it, goes back where ReturnDraggedCard says. `drag` is cleared. True when something moved.
[[nodiscard]] bool ReleaseLeft(GameState& state, Drag& drag, const std::optional<Rect>& drop,
                               std::optional<PileIndex> target, const PlayEnv& env);

// The pointer left the pressed stock: the armed redeal is called off.
void LeaveStock(GameState& state, EventSink& sink);

// The double-click: a card that qualifies (QualifiesForSend) goes to the first foundation that
// takes it, else to the first reserve. True when it went.
[[nodiscard]] bool DoubleClickSend(GameState& state, PileIndex pile, Card card, const PlayEnv& env);

} // namespace tablamor
