#pragma once
// The engine's events for the game on the table: moves are recorded as slides in the motion
// queue, sounds play at once, the stock, selection, card counter, caption and undo controls
// follow as they come. Messages and the notice that a game was lost are held instead: anything
// they open could be modal, and nothing modal may open inside an engine callback. The controller
// calls DeliverHeld() once the engine operation has returned; they are delivered in the order
// the engine raised them.
#include "engine/events.h"

#include <string>
#include <vector>

namespace tablamor::ui {

class PlayController;

class EngineEvents : public EventSink {
public:
    explicit EngineEvents(PlayController& controller) : controller_(controller) {}

    // Shows the held messages and tells of a held lost game, in the order raised.
    void DeliverHeld();

    void CardsMoved(PileIndex from, PileIndex to, int count) override;
    void Sound(GameSound sound) override;
    void Redealt(int cards) override;
    void StockLookChanged(StockLook look) override;
    void Beep() override;
    void Message(std::string_view text) override;
    void SelectionChanged(Card card, bool selected) override;
    void SetUndoControlsEnabled(bool enabled) override;
    void GameEnded(bool won) override;
    void GameSetUp() override;
    void DealReady() override;
    void TitleChanged(std::string_view title) override;
    void CardLeft(Card card, PileKind from) override;
    void CardArrived(Card card, PileKind to) override;
    void StockRefilled() override;

private:
    // A message to show, or (empty `message`) the game lost.
    struct Notice {
        bool lost = false;
        std::string message;
    };

    PlayController& controller_;
    std::vector<Notice> held_;
};

} // namespace tablamor::ui
