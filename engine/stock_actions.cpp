// The stock: a press with its passes and the redeal it arms, and the actions that
// deal one card from the stock to each of a group of piles.
#include "engine/action_steps.h"
#include "engine/fan_style.h"
#include "engine/pairing_rules.h"
#include "engine/rule_codes.h"

#include <algorithm>

namespace tablamor::act {
namespace {

constexpr int kFirstAddFlag = 1; // flags 1..3 take a card
constexpr int kLastAddFlag = 3;

void PressStock(GameState& s, EventSink& sink) {
    s.stockPressed = true;
    sink.StockLookChanged(StockLook::Pressed);
}

// In the pyramid game that also pairs stock cards, the waste's top card may be selected; after a
// redeal it lies at the bottom of the stock and leaves the selection.
void DropRedealtCardFromSelection(GameState& s, EventSink& sink) {
    if (s.table.Empty(kSelectionPile) || s.table.Empty(kStockPile)) return;
    const Card bottom = s.table.At(kStockPile, 0);
    for (int k = 0; k < std::min(2, s.table.Size(kSelectionPile)); ++k) {
        if (s.table.At(kSelectionPile, k) != bottom) continue;
        s.table.EraseAt(kSelectionPile, k);
        sink.SelectionChanged(bottom, false);
        return;
    }
}

// The waste goes back to the stock in stock order: its top card first, so its bottom card ends
// on top and the next pass deals the cards in the same order as the last.
void Redeal(GameState& s, EventSink& sink) {
    ++s.passesUsed;
    const bool faceUp = s.P(param::kStockFaceDown) == 0;
    const int cards = s.table.Size(kWastePile);
    s.table.TurnOver(kWastePile, kStockPile, faceUp);
    sink.Redealt(cards);
    if (s.P(param::kSpecialCode) == pairing::kPyramidThirteen)
        DropRedealtCardFromSelection(s, sink);
    sink.StockRefilled();
}

bool Receives(const GameState& s, ActionKind kind, int k) {
    auto flagged = [](int flag) { return flag >= kFirstAddFlag && flag <= kLastAddFlag; };
    switch (kind) {
    case ActionKind::AddTableaus:
        return flagged(s.P(param::kTableauTakesAdd, k));
    case ActionKind::AddReserves:
        return flagged(s.P(param::kReserveTakesAdd, k));
    case ActionKind::FillTableaus:
        return s.table.Empty(TableauPile(k));
    default:
        return true; // AddTableausLast
    }
}

} // namespace

bool PassesLeft(const GameState& s) {
    const int passes = s.P(param::kStockPasses);
    return passes == code::kUnlimitedPasses || s.passesUsed < passes;
}

bool StockPress(GameState& s, ActionKind kind, EventSink& sink) {
    const bool toWaste = kind == ActionKind::DealToWaste;
    const bool passesLeft = PassesLeft(s);
    bool changed = false;
    if (s.P(param::kReleaseCountsPass) != code::kEveryReleaseAPass || !passesLeft) {
        // an empty stock with a waste of two or more cards and a pass left: the first press arms
        // the redeal, the release carries it out
        if (toWaste && s.table.Empty(kStockPile) && s.table.Size(kWastePile) >= 2 && passesLeft) {
            if (s.stockPressed) {
                Redeal(s, sink);
                changed = true;
            } else {
                PressStock(s, sink);
            }
        }
    } else if (s.stockPressed) {
        ++s.passesUsed;
        changed = true;
    } else {
        PressStock(s, sink);
    }

    const PileIndex to = toWaste ? kWastePile : kThirdPile;
    for (int i = 0; i < s.P(param::kStockDealCount) && !s.table.Empty(kStockPile); ++i) {
        if (!MoveCard(s, s.table.Top(kStockPile), to, sink)) break;
        sink.Sound(GameSound::Stock);
        changed = true;
    }
    return changed;
}

bool DealFromStock(GameState& s, ActionKind kind, EventSink& sink) {
    if (s.table.Empty(kStockPile)) return false;
    const bool toReserves = kind == ActionKind::AddReserves;
    const int piles = toReserves ? s.ReserveCount() : s.TableauCount();
    bool moved = false;
    for (int k = 0; k < piles; ++k) {
        if (!Receives(s, kind, k)) continue;
        if (s.table.Empty(kStockPile)) break;
        // the one-row tableau keeps a gap below every card it is dealt
        if (FanStyleOf(s.params, PileKind::Tableau) == FanStyle::OneSpot)
            s.table.Append(TableauPile(0), kNoCard);
        if (!MoveCard(s, s.table.Top(kStockPile), toReserves ? ReservePile(k) : TableauPile(k),
                      sink))
            break;
        sink.Sound(GameSound::Shuffle);
        moved = true;
    }
    return moved;
}

} // namespace tablamor::act
