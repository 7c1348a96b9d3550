#include "ui/engine_events.h"

#include "records/record_names.h"
#include "table/qt_text.h"
#include "ui/narrow_screen.h"
#include "ui/play_controller.h"

#include <QApplication>
#include <QMessageBox>

namespace tablamor::ui {

void EngineEvents::DeliverHeld() {
    // What a delivery opens may start another operation, whose notices wait for their own turn.
    std::vector<Notice> due;
    due.swap(held_);
    for (const Notice& notice : due) {
        if (notice.lost)
            emit controller_.GameFinished(false);
        else
            QMessageBox::information(controller_.dialogParent_, Q(kProductName), Q(notice.message));
    }
}

void EngineEvents::CardsMoved(PileIndex from, PileIndex to, int count) {
    controller_.motion_.AddSlide(from, to, count, controller_.pointer_->DropStart());
}

void EngineEvents::Sound(GameSound sound) {
    const SoundEntry entry = DescribeSound(sound);
    controller_.sounds_.Play(entry.name, entry.switchKey);
}

void EngineEvents::Redealt(int) {
    if (controller_.settings_.Flag(Settings::kRedealAnimation)) Sound(GameSound::Redeal);
}

void EngineEvents::StockLookChanged(StockLook look) {
    table::TableCanvas& canvas = controller_.view_.Canvas();
    canvas.Scene().stockPressed = look == StockLook::Pressed;
    canvas.SetStockPressed(look == StockLook::Pressed);
}

void EngineEvents::Beep() {
    QApplication::beep();
}

void EngineEvents::Message(std::string_view text) {
    held_.push_back(Notice{false, std::string(text)});
}

void EngineEvents::SelectionChanged(Card card, bool) {
    if (!controller_.geometry_) return;
    const Table& table = controller_.State().table;
    for (PileIndex pile = 0; pile < kPileCount; ++pile) {
        if (pile == FoundationPile(0)) continue; // the selection itself
        int k = table.Find(pile, card);
        if (k < 0) continue;
        Rect r = controller_.geometry_->CardRect(pile, k);
        controller_.view_.Canvas().ToggleHighlight(QRect(r.x, r.y, r.width, r.height));
        return;
    }
}

void EngineEvents::SetUndoControlsEnabled(bool enabled) {
    emit controller_.UndoControlsChanged(enabled);
}

void EngineEvents::GameEnded(bool won) {
    if (won)
        controller_.motion_.AnimateWin();
    else
        held_.push_back(Notice{true, {}});
}

void EngineEvents::GameSetUp() {
    const bool wantsMedium = controller_.State().params[param::kNarrowScreenMedium] == 1;
    const NarrowScreenOutcome outcome =
        CheckNarrowScreen(controller_.settings_, controller_.frame_.screenWidth, wantsMedium);
    if (outcome.cardSizeChanged) controller_.ReloadCards();
    emit controller_.NarrowScreenChecked(outcome.narrow, outcome.switchedNow);
}

void EngineEvents::DealReady() {
    if (controller_.CounterShown()) controller_.counter_->Refresh();
    controller_.motion_.AnimateDeal(controller_.settings_.Flag(Settings::kDealAnimation));
    controller_.InstallScene();
    emit controller_.GameDealt();
}

void EngineEvents::TitleChanged(std::string_view title) {
    emit controller_.CaptionChanged(Q(title));
}

void EngineEvents::CardLeft(Card card, PileKind from) {
    if (controller_.CounterShown()) controller_.counter_->CardLeft(card, from);
}

void EngineEvents::CardArrived(Card card, PileKind to) {
    if (!controller_.CounterShown()) return;
    controller_.counter_->CardArrived(card, to, controller_.State().table.FaceUp(card));
    if (to == PileKind::Waste) controller_.counter_->WasteNotice();
}

void EngineEvents::StockRefilled() {
    if (controller_.CounterShown()) controller_.counter_->StockRefilled();
}

} // namespace tablamor::ui
