#pragma once
// The pointer on the table widget: it hit-tests presses, lifts what GamePlay lifts as the drag
// picture, moves it with the pointer, drops it (an illegal drop flies back), shows the card under
// a right press until the release, and hands every operation to the controller's GamePlay. Its
// event filter on the table widget turns mouse events into these calls and swallows them while
// the game is paused or motion plays.
#include "engine/game_play.h"

#include <QObject>
#include <QPoint>

#include <optional>

namespace tablamor::ui {

class PlayController;

class PointerInput : public QObject {
    Q_OBJECT
public:
    explicit PointerInput(PlayController& controller);

    // Pointer events in table coordinates, as the widget delivers them.
    void PressLeft(QPoint at);
    void PressRight(QPoint at);
    void Move(QPoint at);
    void Release(QPoint at);
    void DoubleClick(QPoint at);

    // Cards are lifted.
    bool Dragging() const { return dragging_; }
    // Where the dropped cards lie, while their drop is handed to the game.
    std::optional<QPoint> DropStart() const { return dropStart_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    PlayController& controller_;
    bool dragging_ = false;
    bool moved_ = false;
    QPoint grab_;   // pointer minus the lifted card's top-left corner
    QPoint dragAt_; // the lifted picture's top-left corner
    int dragHeight_ = 0;
    bool peeking_ = false;
    std::optional<QPoint> dropStart_;
    Table display_; // the table without the lifted cards

    void BeginDrag(QPoint at);
    void EndDrag();
};

} // namespace tablamor::ui
