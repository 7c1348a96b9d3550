#include "ui/keyboard_play.h"

#include "table/layout/hit_test.h"
#include "table/table_view.h"
#include "ui/play_controller.h"
#include "ui/spoken_names.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>

#include <algorithm>
#include <limits>

namespace tablamor::ui {
namespace {

// Across the piles, a pile straight in the direction asked beats a nearer one off to the side.
constexpr int kSidewaysWeight = 2;

// The pile groups Tab walks through, in order.
enum class Group { Stock, Foundations, Tableau, Reserves };
constexpr Group kGroups[] = {Group::Stock, Group::Foundations, Group::Tableau, Group::Reserves};

Group GroupOf(PileIndex pile) {
    switch (KindOfPile(pile)) {
    case PileKind::Foundation:
        return Group::Foundations;
    case PileKind::Tableau:
        return Group::Tableau;
    case PileKind::Reserve:
        return Group::Reserves;
    default:
        return Group::Stock;
    }
}

QRect ToQRect(const Rect& r) {
    return QRect(r.x, r.y, r.width, r.height);
}

} // namespace

KeyboardPlay::KeyboardPlay(PlayController& play, table::TableView& view, QObject* parent)
    : QObject(parent), play_(play), view_(view) {
    view_.installEventFilter(this);
    connect(&play_, &PlayController::ScoreChanged, this, &KeyboardPlay::KeepFocusValid);
    connect(&play_, &PlayController::GameFinished, this, &KeyboardPlay::ShowFocus);
    connect(&play_, &PlayController::GameDealt, this, [this] {
        pile_ = -1;
        heldFrom_ = -1;
        ShowFocus();
    });
}

bool KeyboardPlay::Ready() const {
    return play_.SetUp() && play_.InPlay() && !play_.Paused() && !play_.Animating();
}

bool KeyboardPlay::Holding() const {
    return heldFrom_ >= 0 && play_.Play().Dragged().Lifted();
}

std::vector<PileIndex> KeyboardPlay::Piles() const {
    std::vector<PileIndex> piles;
    for (PileIndex pile = 0; pile < kPileCount; ++pile)
        if (play_.Geometry().Placed(pile)) piles.push_back(pile);
    return piles;
}

QRect KeyboardPlay::CardPlace(PileIndex pile, int k) const {
    const layout::TableGeometry& g = play_.Geometry();
    return ToQRect(k < 0 ? g.TopCardRect(pile) : g.CardRect(pile, k));
}

// The cards of a pile that can be seen: the top card, and the face-up cards of a fan that show
// a band of their own. An empty pile offers its place (-1).
std::vector<int> KeyboardPlay::FocusableCards(PileIndex pile) const {
    const Table& table = play_.State().table;
    const int size = table.Size(pile);
    if (size == 0) return {-1};
    std::vector<int> cards;
    for (int k = 0; k + 1 < size; ++k)
        if (table.FaceUp(table.At(pile, k)) &&
            CardPlace(pile, k).topLeft() != CardPlace(pile, k + 1).topLeft())
            cards.push_back(k);
    cards.push_back(size - 1);
    return cards;
}

// The focused card and every card on it: what a press there would take.
QRect KeyboardPlay::FocusRect() const {
    QRect r = CardPlace(pile_, card_);
    if (card_ >= 0)
        for (int k = card_ + 1; k < play_.State().table.Size(pile_); ++k) r |= CardPlace(pile_, k);
    return r;
}

QString KeyboardPlay::FocusText() const {
    if (pile_ < 0) return tr("Table");
    const Table& table = play_.State().table;
    const QString pile = SpokenPile(pile_);
    if (card_ < 0) return tr("%1, empty").arg(pile);
    const Card card = table.At(pile_, card_);
    if (!table.FaceUp(card)) return tr("%1, a face-down card").arg(pile);
    int faceDown = 0;
    for (int k = 0; k < card_; ++k)
        if (!table.FaceUp(table.At(pile_, k))) ++faceDown;
    QString text = tr("%1, %2").arg(pile, SpokenCard(card, play_.State().P(param::kDeckSuits)));
    if (faceDown == 1) text += tr(", 1 card below face down");
    if (faceDown > 1) text += tr(", %1 cards below face down").arg(faceDown);
    if (Holding()) text += tr(", cards lifted from %1").arg(SpokenPile(heldFrom_));
    return text;
}

void KeyboardPlay::ShowFocus() {
    std::vector<table::TableMark> marks;
    if (shown_ && pile_ >= 0 && play_.SetUp() && play_.InPlay()) {
        if (Holding()) {
            const Drag& drag = play_.Play().Dragged();
            const int first = play_.State().table.Size(heldFrom_) - drag.cards;
            QRect held = CardPlace(heldFrom_, first);
            for (int k = first + 1; k < play_.State().table.Size(heldFrom_); ++k)
                held |= CardPlace(heldFrom_, k);
            marks.push_back({table::MarkKind::Held, held});
        }
        marks.push_back({table::MarkKind::Focus, FocusRect()});
    }
    view_.SetMarks(table::MarkLayer::Keyboard, std::move(marks));
    const QString text = shown_ && pile_ >= 0 ? FocusText() : tr("Table");
    if (view_.accessibleName() == text) return;
    view_.setAccessibleName(text);
    QAccessibleEvent changed(&view_, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

void KeyboardPlay::Focus(PileIndex pile, int card) {
    pile_ = pile;
    card_ = card;
    shown_ = true;
    ShowFocus();
}

void KeyboardPlay::FocusTop(PileIndex pile) {
    Focus(pile, FocusableCards(pile).back());
}

// After every operation the focus stays on its pile, on a card that can still be seen.
void KeyboardPlay::KeepFocusValid() {
    if (!play_.SetUp() || pile_ < 0) return;
    if (!play_.Geometry().Placed(pile_)) {
        pile_ = -1;
        ShowFocus();
        return;
    }
    const std::vector<int> cards = FocusableCards(pile_);
    if (std::find(cards.begin(), cards.end(), card_) == cards.end()) card_ = cards.back();
    if (heldFrom_ >= 0 && !play_.Play().Dragged().Lifted()) heldFrom_ = -1;
    ShowFocus();
}

void KeyboardPlay::MoveAlong(Direction direction) {
    const std::vector<int> cards = FocusableCards(pile_);
    const auto at = std::find(cards.begin(), cards.end(), card_) - cards.begin();
    if (direction == Direction::Up && at > 0)
        Focus(pile_, cards[static_cast<std::size_t>(at - 1)]);
    else if (direction == Direction::Down && at + 1 < static_cast<long>(cards.size()))
        Focus(pile_, cards[static_cast<std::size_t>(at + 1)]);
    else
        MoveAcross(direction);
}

// To the nearest pile in the direction: piles are compared by their first card's place (the
// head of a column), Up and Down by the whole pile.
void KeyboardPlay::MoveAcross(Direction direction) {
    const Table& table = play_.State().table;
    auto head = [&](PileIndex p) { return CardPlace(p, table.Size(p) > 0 ? 0 : -1); };
    auto extent = [&](PileIndex p) {
        QRect r = head(p);
        for (int k = 1; k < table.Size(p); ++k) r |= CardPlace(p, k);
        return r;
    };
    const QRect from = head(pile_);
    const QRect fromExtent = extent(pile_);
    PileIndex best = -1;
    long bestCost = std::numeric_limits<long>::max();
    for (PileIndex p : Piles()) {
        if (p == pile_) continue;
        const QRect to = head(p);
        long along = 0;
        long sideways = 0;
        switch (direction) {
        case Direction::Left:
            along = from.center().x() - to.center().x();
            sideways = std::abs(to.top() - from.top());
            break;
        case Direction::Right:
            along = to.center().x() - from.center().x();
            sideways = std::abs(to.top() - from.top());
            break;
        case Direction::Up:
            along = from.top() - extent(p).bottom();
            sideways = std::abs(to.center().x() - from.center().x());
            break;
        case Direction::Down:
            along = to.top() - fromExtent.bottom();
            sideways = std::abs(to.center().x() - from.center().x());
            break;
        }
        if (along <= 0) continue;
        const long cost = along + kSidewaysWeight * sideways;
        if (cost < bestCost) {
            bestCost = cost;
            best = p;
        }
    }
    if (best >= 0) FocusTop(best);
}

void KeyboardPlay::MoveGroup(bool forward) {
    const std::vector<PileIndex> piles = Piles();
    const int groups = static_cast<int>(std::size(kGroups));
    const int current = static_cast<int>(GroupOf(pile_));
    for (int step = 1; step <= groups; ++step) {
        const int g = ((forward ? current + step : current - step) % groups + groups) % groups;
        for (PileIndex p : piles)
            if (GroupOf(p) == kGroups[g]) {
                FocusTop(p);
                return;
            }
    }
}

// A point on the focused card that the hit test gives back as that card.
std::optional<QPoint> KeyboardPlay::PressPoint() const {
    const QRect r = CardPlace(pile_, card_);
    const Table& table = play_.State().table;
    const Card wanted = card_ < 0 ? kNoCard : table.At(pile_, card_);
    constexpr int kInset = 2;
    for (const QPoint at : {r.topLeft() + QPoint(kInset, kInset), r.center()}) {
        auto hit = layout::HitTest(play_.Geometry(), at.x(), at.y());
        if (hit && hit->pile == pile_ && hit->card == wanted) return at;
    }
    return std::nullopt;
}

void KeyboardPlay::Activate(bool enter) {
    if (Holding()) {
        if (pile_ != heldFrom_)
            Drop();
        else if (enter)
            Send(); // Enter twice: to a foundation
        else
            PutBack();
        return;
    }
    const auto at = PressPoint();
    if (!at) {
        QApplication::beep();
        return;
    }
    play_.PressLeft(*at);
    if (play_.Play().Dragged().Lifted()) {
        const Drag& drag = play_.Play().Dragged();
        const int first = play_.State().table.Size(drag.from) - drag.cards;
        heldFrom_ = drag.from;
        grip_ = *at - CardPlace(drag.from, first).topLeft();
        ShowFocus();
        return;
    }
    play_.Release(*at); // a press that acted by itself (the stock, a turn, a selection)
    KeepFocusValid();
}

// The lifted cards are laid on the focused pile's top card and let go there: the drop is
// judged as the pointer's would be.
void KeyboardPlay::Drop() {
    const QPoint at = CardPlace(pile_, -1).topLeft() + grip_;
    heldFrom_ = -1;
    play_.Move(at);
    play_.Release(at);
    KeepFocusValid();
}

// Let go without having moved: the cards go back with nothing played.
void KeyboardPlay::PutBack() {
    const QPoint at = CardPlace(heldFrom_, -1).topLeft() + grip_;
    heldFrom_ = -1;
    play_.Release(at);
    KeepFocusValid();
}

// As a double-click on the focused card; the press that comes with a double-click follows.
void KeyboardPlay::Send() {
    if (Holding()) PutBack();
    const auto at = PressPoint();
    if (!at) {
        QApplication::beep();
        return;
    }
    play_.DoubleClick(*at);
    play_.PressLeft(*at);
    play_.Release(*at);
    KeepFocusValid();
}

bool KeyboardPlay::HandleKey(int key, Qt::KeyboardModifiers modifiers) {
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    const bool first = pile_ < 0 || !shown_;
    if (pile_ < 0) {
        const std::vector<PileIndex> piles = Piles();
        if (piles.empty()) return false;
        const auto tableau = std::find_if(piles.begin(), piles.end(), [](PileIndex p) {
            return KindOfPile(p) == PileKind::Tableau;
        });
        pile_ = tableau != piles.end() ? *tableau : piles.front();
        card_ = FocusableCards(pile_).back();
    }
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (first) {
            Focus(pile_, card_); // the first key shows where the focus is
            return true;
        }
        if (key == Qt::Key_Left) MoveAcross(Direction::Left);
        if (key == Qt::Key_Right) MoveAcross(Direction::Right);
        if (key == Qt::Key_Up) MoveAlong(Direction::Up);
        if (key == Qt::Key_Down) MoveAlong(Direction::Down);
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        MoveGroup(key == Qt::Key_Tab && !(modifiers & Qt::ShiftModifier));
        return true;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        shown_ = true;
        Activate(key != Qt::Key_Space);
        return true;
    case Qt::Key_F:
        shown_ = true;
        Send();
        return true;
    case Qt::Key_Escape:
        if (!Holding()) return false;
        PutBack();
        return true;
    default:
        return false;
    }
}

bool KeyboardPlay::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &view_) return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::MouseButtonPress && shown_) {
        shown_ = false; // the pointer has taken over
        ShowFocus();
    }
    if (event->type() != QEvent::KeyPress || !Ready()) return QObject::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    return HandleKey(key->key(), key->modifiers()) || QObject::eventFilter(watched, event);
}

} // namespace tablamor::ui
