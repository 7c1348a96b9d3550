#include "ui/pointer_input.h"

#include "table/slide_animation.h"
#include "ui/play_controller.h"

#include <QMouseEvent>

namespace tablamor::ui {

PointerInput::PointerInput(PlayController& controller)
    : QObject(&controller), controller_(controller) {}

void PointerInput::PressLeft(QPoint at) {
    if (!controller_.InPlay() || dragging_) return;
    auto hit = controller_.HitAt(at);
    if (!hit) return;
    controller_.play_.PressOnTable(MouseButton::Left, hit->pile, hit->card);
    if (controller_.play_.Dragged().Lifted())
        BeginDrag(at);
    else
        controller_.AfterOperation();
}

void PointerInput::BeginDrag(QPoint at) {
    table::TableView& view = controller_.view_;
    const layout::TableGeometry& geometry = *controller_.geometry_;
    const Drag& drag = controller_.play_.Dragged();
    const Table& table = controller_.State().table;
    const int k = table.Size(drag.from) - drag.cards;
    const QPoint topLeft = controller_.motion_.CardTopLeft(table, drag.from, k);
    const Rect topCard = geometry.TopCardRect(drag.from);
    grab_ = at - topLeft;
    dragAt_ = topLeft;
    dragHeight_ = drag.cards == 1 ? geometry.CardHeight() : topCard.Bottom() - topLeft.y();
    if (drag.cards == 1)
        view.BuildDragCard(drag.card);
    else
        view.BuildDragRun(drag.from, k);
    display_ = table;
    display_.Truncate(drag.from, k);
    view.Canvas().Scene().table = &display_;
    view.Canvas().RedrawAfterLeave(drag.from, table.Pile(drag.from));
    view.MoveDragImage(dragAt_.x(), dragAt_.y(), false, true);
    dragging_ = true;
    moved_ = false;
    controller_.ApplyCursor();
}

void PointerInput::Move(QPoint at) {
    if (dragging_) {
        moved_ = true;
        dragAt_ = at - grab_;
        controller_.view_.MoveDragImage(dragAt_.x(), dragAt_.y(), false, true);
        return;
    }
    if (controller_.State().stockPressed && controller_.geometry_) {
        Rect stock = controller_.geometry_->TopCardRect(kStockPile);
        if (!stock.Contains(at.x(), at.y())) {
            controller_.play_.LeaveStock();
            controller_.events_.DeliverHeld();
        }
    }
}

void PointerInput::EndDrag() {
    dragging_ = false;
    controller_.ApplyCursor();
    controller_.view_.HideDragImage();
    controller_.view_.Canvas().Scene().table = &controller_.State().table;
}

void PointerInput::Release(QPoint) {
    table::TableView& view = controller_.view_;
    GamePlay& play = controller_.play_;
    if (peeking_) {
        peeking_ = false;
        view.Canvas().CopyTableToWindow();
        return;
    }
    if (!dragging_) {
        if (controller_.InPlay()) (void)play.ReleaseOnTable(std::nullopt); // nothing was lifted
        controller_.AfterOperation();
        return;
    }
    const Drag drag = play.Dragged();
    const int k = controller_.State().table.Size(drag.from) - drag.cards;
    std::optional<Rect> drop;
    if (moved_)
        drop = Rect{dragAt_.x(), dragAt_.y(), controller_.geometry_->CardWidth(), dragHeight_};
    dropStart_ = dragAt_;
    const bool movedCards = play.ReleaseOnTable(drop);
    dropStart_.reset();
    if (!movedCards && moved_ && controller_.settings_.Flag(Settings::kCardsAnimate)) {
        // An illegal drop flies back to where it was lifted.
        const QPoint home =
            controller_.motion_.CardTopLeft(controller_.State().table, drag.from, k);
        dragging_ = false;
        view.Play(std::make_unique<table::SlideAnimation>(view.Canvas(), dragAt_, home,
                                                          table::SlideOptions{}),
                  false, [this] {
                      EndDrag();
                      controller_.AfterOperation();
                  });
        return;
    }
    EndDrag();
    controller_.AfterOperation();
}

void PointerInput::PressRight(QPoint at) {
    if (!controller_.InPlay()) return;
    auto hit = controller_.HitAt(at);
    const bool peek = controller_.play_.PressOnTable(MouseButton::Right, hit ? hit->pile : -1,
                                                     hit ? hit->card : kNoCard);
    controller_.events_.DeliverHeld();
    if (peek && hit) {
        controller_.view_.Canvas().DrawCardOnWindow(hit->card, QPoint(hit->rect.x, hit->rect.y));
        peeking_ = true;
    }
}

void PointerInput::DoubleClick(QPoint at) {
    if (!controller_.InPlay() || dragging_) return;
    auto hit = controller_.HitAt(at);
    if (!hit) return;
    controller_.play_.DoubleClickSend(hit->pile, hit->card);
    controller_.AfterOperation();
}

bool PointerInput::eventFilter(QObject* watched, QEvent* event) {
    table::TableView& view = controller_.view_;
    if (watched != &view) return QObject::eventFilter(watched, event);
    auto* mouse = dynamic_cast<QMouseEvent*>(event);
    if (!mouse) return QObject::eventFilter(watched, event);
    if (controller_.Paused()) return true;
    if (view.Animating()) {
        // The release of a press the game already took (a quick click on the stock while its
        // card slides) still reaches the game, so that the fill and autoplay follow it; the
        // motion in play shows what it moves once the current slide ends.
        if (event->type() == QEvent::MouseButtonRelease && mouse->button() == Qt::LeftButton &&
            !dragging_ && controller_.InPlay()) {
            (void)controller_.play_.ReleaseOnTable(std::nullopt); // nothing was lifted
            controller_.OperationReturned();
        }
        return QObject::eventFilter(watched, event);
    }
    const QPoint at = view.CanvasPoint(mouse->position());
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (mouse->button() == Qt::LeftButton)
            PressLeft(at);
        else if (mouse->button() == Qt::RightButton)
            PressRight(at);
        else if (controller_.InPlay()) {
            controller_.play_.PressOnTable(MouseButton::Middle, -1, kNoCard);
            controller_.events_.DeliverHeld();
        }
        return true;
    case QEvent::MouseMove:
        Move(at);
        return true;
    case QEvent::MouseButtonRelease:
        Release(at);
        return true;
    case QEvent::MouseButtonDblClick:
        if (mouse->button() == Qt::LeftButton) {
            DoubleClick(at);
            PressLeft(at); // the press that comes with a double-click, which the game ignores
        }
        return true;
    default:
        return QObject::eventFilter(watched, event);
    }
}

} // namespace tablamor::ui
