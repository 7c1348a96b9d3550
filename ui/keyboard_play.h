#pragma once
// Play from the keyboard. The arrow keys move a focus across the piles and, with Up and Down,
// along the cards of a fanned pile (only cards that can be seen, never one hidden under
// another); Tab and Shift+Tab move between the pile groups (stock, foundations, tableau,
// reserves). Space or Enter presses on the focused card exactly as the pointer would: it lifts
// the card and what lies on it, turns a face-down card, deals from the stock or selects in a
// pairing game. While cards are lifted they follow the focus, and Space or Enter drops them on
// the focused pile (a refused drop flies back as with the pointer); Enter on the pile they came
// from, like F anywhere, sends the card to a foundation as a double-click does; Esc puts them
// back. The focus is drawn once a key has been used and hidden by the pointer; the table's
// accessible name tells the focused pile and card.
#include "engine/piles.h"

#include <QObject>
#include <QPoint>
#include <QString>

#include <optional>
#include <vector>

namespace tablamor::table {
class TableView;
}

namespace tablamor::ui {

class PlayController;

class KeyboardPlay : public QObject {
    Q_OBJECT
public:
    KeyboardPlay(PlayController& play, table::TableView& view, QObject* parent = nullptr);

    // The focused pile and card (-1: the place of an empty pile).
    PileIndex FocusPile() const { return pile_; }
    int FocusCard() const { return card_; }
    bool Holding() const;
    // "Tableau 3, seven of hearts, 4 cards below face down".
    QString FocusText() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Direction { Left, Right, Up, Down };

    PlayController& play_;
    table::TableView& view_;
    PileIndex pile_ = -1;
    int card_ = -1;
    bool shown_ = false; // the focus is drawn
    // Where the held cards were lifted, and the pointer's grip on them.
    PileIndex heldFrom_ = -1;
    QPoint grip_;

    bool HandleKey(int key, Qt::KeyboardModifiers modifiers);
    bool Ready() const;
    std::vector<PileIndex> Piles() const;
    std::vector<int> FocusableCards(PileIndex pile) const;
    QRect CardPlace(PileIndex pile, int k) const;
    QRect FocusRect() const;
    void Focus(PileIndex pile, int card);
    void FocusTop(PileIndex pile);
    void KeepFocusValid();
    void MoveAlong(Direction direction);
    void MoveAcross(Direction direction);
    void MoveGroup(bool forward);
    std::optional<QPoint> PressPoint() const;
    void Activate(bool enter);
    void Drop();
    void PutBack();
    void Send();
    void FollowFocus();
    void ShowFocus();
};

} // namespace tablamor::ui
