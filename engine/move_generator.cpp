#include "engine/move_generator.h"

#include "engine/drop.h"
#include "engine/press_rules.h"

#include <array>

namespace tablamor {
namespace {

class Generator {
public:
    Generator(const GameState& state, const PileGeometry& geometry, std::vector<Command>& out)
        : s_(state), geometry_(geometry), out_(out) {
        for (PileIndex p = 0; p < kPileCount; ++p)
            if (IsDropCandidate(s_, p, geometry_))
                targets_[static_cast<std::size_t>(targetCount_++)] = p;
    }

    void Run() {
        Pile(kWastePile);
        for (int n = 0; n < s_.TableauCount(); ++n) Pile(TableauPile(n));
        for (int n = 0; n < s_.FoundationCount(); ++n) Pile(FoundationPile(n));
        for (int k = 0; k < s_.ReserveCount(); ++k) Pile(ReservePile(k));
        AppendStockCommands(s_, geometry_, out_);
    }

private:
    const GameState& s_;
    const PileGeometry& geometry_;
    std::vector<Command>& out_;
    std::array<PileIndex, kPileCount> targets_{};
    int targetCount_ = 0;
    EventSink& quiet_ = NullEventSink();

    void Emit(CommandKind kind, Card card, PileIndex pile = -1) {
        out_.push_back({kind, card, pile});
    }

    void Pile(PileIndex pile) {
        if (!geometry_.Placed(pile)) return; // the pointer cannot reach it
        const int size = s_.table.Size(pile);
        for (int k = 0; k < size; ++k) {
            if (!PressReaches(s_, pile, k)) continue;
            Card card = s_.table.At(pile, k);
            const PressDecision d = DecideLeftPress(s_, pile, card, quiet_);
            switch (d.kind) {
            case PressKind::Lift:
                Drops(d, pile);
                break;
            case PressKind::TurnFaceUp:
                Emit(CommandKind::Flip, card);
                break;
            case PressKind::Discard:
            case PressKind::ToggleSum:
            case PressKind::TogglePair:
                Emit(CommandKind::Press, card);
                break;
            default:
                break;
            }
        }
        if (size == 0) return;
        const Card top = s_.table.Top(pile);
        if (PressReaches(s_, pile, size - 1) && QualifiesForSend(s_, pile, top) &&
            FindSendTarget(s_, top, false, true, geometry_, quiet_))
            Emit(CommandKind::Send, top);
    }

    void Drops(const PressDecision& d, PileIndex from) {
        const MoveContext move{d.card, d.runTop, d.liftCount == 1};
        for (int i = 0; i < targetCount_; ++i) {
            PileIndex target = targets_[static_cast<std::size_t>(i)];
            if (DropAllowed(s_, move, from, target, quiet_))
                Emit(CommandKind::Drop, d.card, target);
        }
    }
};

} // namespace

void AppendStockCommands(const GameState& s, const PileGeometry& geometry,
                         std::vector<Command>& out) {
    if (!geometry.Placed(kStockPile)) return;
    const Card top = s.table.Empty(kStockPile) ? kNoCard : s.table.Top(kStockPile);
    const PressDecision d = DecideLeftPress(s, kStockPile, top, NullEventSink());
    if (d.kind == PressKind::ToggleSum) {
        // the pyramid's stock card: pressing the card and pressing the stock are the same
        out.push_back({CommandKind::Press, d.card, -1});
        out.push_back({CommandKind::Stock, kNoCard, -1});
        return;
    }
    if (d.kind != PressKind::StockAction) return;
    // the stock's passes and its armed redeal are simplest judged by pressing on a copy
    GameState trial = s;
    const PlayEnv env{geometry, NullEventSink(), NoStepRecord()};
    if (ApplyCommand(trial, Command{CommandKind::Stock, kNoCard, -1}, env))
        out.push_back({CommandKind::Stock, kNoCard, -1});
}

void GenerateCommands(const GameState& state, const PileGeometry& geometry,
                      std::vector<Command>& out) {
    out.clear();
    if (!state.active) return;
    Generator(state, geometry, out).Run();
}

std::vector<Command> GenerateCommands(const GameState& state, const PileGeometry& geometry) {
    std::vector<Command> out;
    GenerateCommands(state, geometry, out);
    return out;
}

} // namespace tablamor
