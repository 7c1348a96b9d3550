#include "ui/play_controller.h"

#include "records/preference_keys.h"
#include "records/record_names.h"
#include "table/deal_animation.h"
#include "table/qt_text.h"
#include "table/slide_animation.h"
#include "table/untidy_shifts.h"
#include "table/winning_animation.h"
#include "ui/narrow_screen.h"

#include <QApplication>
#include <QMessageBox>
#include <QMouseEvent>

namespace tablamor::ui {
namespace {

constexpr int kWinningKinds = 2;

QString FormatClock(int seconds) {
    return QString("%1:%2:%3")
        .arg(seconds / 3600)
        .arg(seconds / 60 % 60, 2, 10, QChar('0'))
        .arg(seconds % 60, 2, 10, QChar('0'));
}

} // namespace

PlayController::PlayController(Settings& settings, const GameFile& games,
                               std::filesystem::path programDir, std::filesystem::path dataDir,
                               table::TableView& view, table::ImageSet& images, SoundPlayer& sounds,
                               GameRecorder* recorder, QWidget* dialogParent)
    : QObject(&view), settings_(settings), programDir_(std::move(programDir)), view_(view),
      images_(images), sounds_(sounds), dialogParent_(dialogParent),
      session_(settings, games, std::move(dataDir), *this, GameSession::SeedFromClock()),
      play_(session_.Play()), random_(GameSession::SeedFromClock()) {
    play_.SetRecorder(recorder);
    view_.installEventFilter(this);
    view_.setMouseTracking(true);
    view_.SetCardSizer([this](layout::CardSize card) {
        images_.Render(table::ImageSource(programDir_), card, CardChoice());
    });
    view_.SetLaidOut([this] { TakeGeometry(); });
}

PlayController::~PlayController() {
    play_.SetGeometry(nullptr);
}

bool PlayController::StartGame(std::optional<GameNumber> number) {
    if (!session_.SetUpGame()) return false;
    return Deal(number);
}

bool PlayController::Deal(std::optional<GameNumber> number) {
    slides_.clear();
    pendingWin_ = false;
    dealAnimation_ = false;
    bool dealt = number ? session_.StartDeal(*number) : session_.StartDeal();
    if (!dealt) return false; // the deal is shown when it is ready, before autoplay runs
    AfterOperation();
    return true;
}

std::string PlayController::Resume(const SavedGame& game) {
    slides_.clear();
    pendingWin_ = false;
    dealAnimation_ = false;
    if (std::string refusal = session_.Resume(game, play_); !refusal.empty()) return refusal;
    InstallScene();
    emit GameDealt();
    if (CounterShown()) counter_->Refresh();
    AfterOperation();
    return {};
}

void PlayController::EndGame() {
    if (!InPlay()) return;
    play_.EndOfGame();
    EmitStatus();
}

void PlayController::InstallScene() {
    table::TableScene scene;
    scene.table = &session_.State().table;
    scene.params = &session_.State().params;
    scene.passesUsed = session_.State().passesUsed;
    scene.card = images_.Card();
    scene.steps = layout::ChooseFanSteps(images_.Size(), session_.State().params);
    scene.untidyShifts = table::DrawUntidyShifts(random_);
    view_.SetScene(scene);
    view_.Relayout(); // which takes the geometry
}

// The geometry the pointer's play reads follows every layout of the table (a fitted table's
// cards change size with the window).
void PlayController::TakeGeometry() {
    const table::TableScene& installed = view_.Canvas().Scene();
    geometry_ = std::make_unique<layout::TableGeometry>(installed.positions, session_.State().table,
                                                        session_.State().params, installed.steps,
                                                        installed.card);
    play_.SetGeometry(geometry_.get());
}

void PlayController::ShowTable(const Table& table) {
    table::TableScene& scene = view_.Canvas().Scene();
    scene.table = &table;
    scene.passesUsed = session_.State().passesUsed;
    scene.stockPressed = session_.State().stockPressed;
    view_.Canvas().PaintTable();
}

void PlayController::SetLayoutFrame(const layout::LayoutInput& frame) {
    frame_ = frame;
    view_.SetLayoutFrame(frame_);
}

void PlayController::RefreshTable() {
    if (!geometry_) return;
    ShowTable(session_.State().table);
}

void PlayController::LoadCursors(const table::ImageSource& source) {
    cursors_.Load(source, view_.devicePixelRatioF());
    ApplyCursor();
}

void PlayController::ApplyCursor() {
    const int idle = settings_.Int(Settings::kCursor);
    view_.setCursor(cursors_.Cursor(dragging_ ? idle + table::kDragCursorOffset : idle));
}

QString PlayController::ClockText() const {
    return FormatClock(play_.ElapsedSeconds());
}

std::optional<layout::Hit> PlayController::HitAt(QPoint at) const {
    if (!geometry_) return std::nullopt;
    return layout::HitTest(*geometry_, at.x(), at.y());
}

QPoint PlayController::CardTopLeft(const Table& table, PileIndex pile, int k) const {
    const table::TableScene& scene = view_.Canvas().Scene();
    layout::TableGeometry g(scene.positions, table, session_.State().params, scene.steps,
                            scene.card);
    Rect r = g.CardRect(pile, k);
    return {r.x, r.y};
}

// ---- the pointer ---------------------------------------------------------------------------

void PlayController::PressLeft(QPoint at) {
    if (!InPlay() || dragging_) return;
    auto hit = HitAt(at);
    if (!hit) return;
    play_.PressOnTable(MouseButton::Left, hit->pile, hit->card);
    if (play_.Dragged().Lifted())
        BeginDrag(at);
    else
        AfterOperation();
}

void PlayController::BeginDrag(QPoint at) {
    const Drag& drag = play_.Dragged();
    const Table& table = session_.State().table;
    const int k = table.Size(drag.from) - drag.cards;
    const QPoint topLeft = CardTopLeft(table, drag.from, k);
    const Rect topCard = geometry_->TopCardRect(drag.from);
    grab_ = at - topLeft;
    dragAt_ = topLeft;
    dragHeight_ = drag.cards == 1 ? geometry_->CardHeight() : topCard.Bottom() - topLeft.y();
    if (drag.cards == 1)
        view_.BuildDragCard(drag.card);
    else
        view_.BuildDragRun(drag.from, k);
    display_ = table;
    display_.Truncate(drag.from, k);
    view_.Canvas().Scene().table = &display_;
    view_.Canvas().RedrawAfterLeave(drag.from, table.Pile(drag.from));
    view_.MoveDragImage(dragAt_.x(), dragAt_.y(), false, true);
    dragging_ = true;
    moved_ = false;
    ApplyCursor();
}

void PlayController::Move(QPoint at) {
    if (dragging_) {
        moved_ = true;
        dragAt_ = at - grab_;
        view_.MoveDragImage(dragAt_.x(), dragAt_.y(), false, true);
        return;
    }
    if (session_.State().stockPressed && geometry_) {
        Rect stock = geometry_->TopCardRect(kStockPile);
        if (!stock.Contains(at.x(), at.y())) play_.LeaveStock();
    }
}

void PlayController::EndDrag() {
    dragging_ = false;
    ApplyCursor();
    view_.HideDragImage();
    view_.Canvas().Scene().table = &session_.State().table;
}

void PlayController::Release(QPoint) {
    if (peeking_) {
        peeking_ = false;
        view_.Canvas().CopyTableToWindow();
        return;
    }
    if (!dragging_) {
        if (InPlay()) (void)play_.ReleaseOnTable(std::nullopt); // nothing was lifted
        AfterOperation();
        return;
    }
    const Drag drag = play_.Dragged();
    const int k = session_.State().table.Size(drag.from) - drag.cards;
    std::optional<Rect> drop;
    if (moved_) drop = Rect{dragAt_.x(), dragAt_.y(), geometry_->CardWidth(), dragHeight_};
    dropStart_ = dragAt_;
    const bool movedCards = play_.ReleaseOnTable(drop);
    dropStart_.reset();
    if (!movedCards && moved_ && settings_.Flag(Settings::kCardsAnimate)) {
        // An illegal drop flies back to where it was lifted.
        const QPoint home = CardTopLeft(session_.State().table, drag.from, k);
        dragging_ = false;
        view_.Play(std::make_unique<table::SlideAnimation>(view_.Canvas(), dragAt_, home,
                                                           table::SlideOptions{}),
                   false, [this] {
                       EndDrag();
                       AfterOperation();
                   });
        return;
    }
    EndDrag();
    AfterOperation();
}

void PlayController::PressRight(QPoint at) {
    if (!InPlay()) return;
    auto hit = HitAt(at);
    if (play_.PressOnTable(MouseButton::Right, hit ? hit->pile : -1, hit ? hit->card : kNoCard) &&
        hit) {
        view_.Canvas().DrawCardOnWindow(hit->card, QPoint(hit->rect.x, hit->rect.y));
        peeking_ = true;
    }
}

void PlayController::DoubleClick(QPoint at) {
    if (!InPlay() || dragging_) return;
    auto hit = HitAt(at);
    if (!hit) return;
    play_.DoubleClickSend(hit->pile, hit->card);
    AfterOperation();
}

bool PlayController::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &view_) return QObject::eventFilter(watched, event);
    auto* mouse = dynamic_cast<QMouseEvent*>(event);
    if (!mouse) return QObject::eventFilter(watched, event);
    if (Paused()) return true;
    if (view_.Animating()) {
        // The release of a press the game already took (a quick click on the stock while its
        // card slides) still reaches the game, so that the fill and autoplay follow it; the
        // motion in play shows what it moves once the current slide ends.
        if (event->type() == QEvent::MouseButtonRelease && mouse->button() == Qt::LeftButton &&
            !dragging_ && InPlay()) {
            (void)play_.ReleaseOnTable(std::nullopt); // nothing was lifted
            EmitStatus();
        }
        return QObject::eventFilter(watched, event);
    }
    const QPoint at = view_.CanvasPoint(mouse->position());
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (mouse->button() == Qt::LeftButton)
            PressLeft(at);
        else if (mouse->button() == Qt::RightButton)
            PressRight(at);
        else if (InPlay())
            play_.PressOnTable(MouseButton::Middle, -1, kNoCard);
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

void PlayController::Undo() {
    if (dragging_) return;
    play_.Undo();
    slides_.clear();
    if (CounterShown()) counter_->Refresh();
    AfterOperation();
}

void PlayController::Redo() {
    if (dragging_) return;
    play_.Redo();
    slides_.clear();
    if (CounterShown()) counter_->Refresh();
    AfterOperation();
}

bool PlayController::ApplyCommand(const Command& command) {
    if (dragging_ || !InPlay()) return false;
    const bool done = play_.Apply(command);
    AfterOperation();
    return done;
}

bool PlayController::ToggleAutoplay() {
    bool on = play_.ToggleAutoplay();
    AfterOperation();
    return on;
}

// ---- after every operation: motion, then the table, then the end of a won game -----------------

void PlayController::AfterOperation() {
    EmitStatus();
    if (dealAnimation_) {
        dealAnimation_ = false;
        // A key or a click shows the dealt table at once; the clock starts once it is shown.
        view_.Play(std::make_unique<table::DealAnimation>(view_.Canvas()), true, [this] {
            play_.RestartClock();
            EmitStatus();
            PlayNextSlide();
        });
        return;
    }
    PlayNextSlide();
}

void PlayController::PlayNextSlide() {
    const bool animate = settings_.Flag(Settings::kCardsAnimate);
    if (!animate) slides_.clear();
    if (slides_.empty()) {
        RefreshTable();
        if (pendingWin_) FinishWin();
        return;
    }
    PendingSlide slide = std::move(slides_.front());
    slides_.pop_front();
    const int toSize = slide.after.Size(slide.to);
    const int first = std::max(0, toSize - slide.count);
    const QPoint from = slide.start
                            ? *slide.start
                            : CardTopLeft(slide.after, slide.from, slide.after.Size(slide.from));
    const QPoint to = CardTopLeft(slide.after, slide.to, first);
    // The picture of the moving cards, then the table without them.
    table::TableScene& scene = view_.Canvas().Scene();
    scene.table = &slide.after;
    if (slide.count == 1) {
        Card card = slide.after.At(slide.to, first);
        view_.BuildDragCard(slide.after.FaceUp(card) ? card : -1);
    } else {
        view_.BuildDragRun(slide.to, first);
    }
    display_ = slide.after;
    display_.Truncate(slide.to, first);
    ShowTable(display_);
    view_.MoveDragImage(from.x(), from.y(), false, false);
    view_.Play(
        std::make_unique<table::SlideAnimation>(view_.Canvas(), from, to, table::SlideOptions{}),
        false, [this] {
            view_.HideDragImage();
            PlayNextSlide();
        });
}

void PlayController::FinishWin() {
    pendingWin_ = false;
    if (settings_.Flag(Settings::kWinningAnimation)) {
        std::uniform_int_distribution<int> kind(1, kWinningKinds);
        view_.Play(std::make_unique<table::WinningAnimation>(view_.Canvas(), kind(random_), random_,
                                                             layout::kNoToolbarTableTop,
                                                             view_.CanvasSize()),
                   true, [this] {
                       RefreshTable();
                       emit GameFinished(true);
                   });
        return;
    }
    emit GameFinished(true);
}

void PlayController::EmitStatus() {
    emit ScoreChanged(session_.State().score);
}

// ---- the engine's events -----------------------------------------------------------------

void PlayController::CardsMoved(PileIndex from, PileIndex to, int count) {
    PendingSlide slide{from, to, count, session_.State().table, std::nullopt};
    if (dropStart_ && slides_.empty()) slide.start = dropStart_;
    slides_.push_back(std::move(slide));
}

void PlayController::Sound(GameSound sound) {
    const SoundEntry entry = DescribeSound(sound);
    sounds_.Play(entry.name, entry.switchKey);
}

void PlayController::Redealt(int) {
    if (settings_.Flag(Settings::kRedealAnimation)) Sound(GameSound::Redeal);
}

void PlayController::StockLookChanged(StockLook look) {
    view_.Canvas().Scene().stockPressed = look == StockLook::Pressed;
    view_.Canvas().SetStockPressed(look == StockLook::Pressed);
}

void PlayController::Beep() {
    QApplication::beep();
}

void PlayController::Message(std::string_view text) {
    QMessageBox::information(dialogParent_, Q(kProductName), Q(text));
}

void PlayController::SelectionChanged(Card card, bool) {
    if (!geometry_) return;
    const Table& table = session_.State().table;
    for (PileIndex pile = 0; pile < kPileCount; ++pile) {
        if (pile == FoundationPile(0)) continue; // the selection itself
        int k = table.Find(pile, card);
        if (k < 0) continue;
        Rect r = geometry_->CardRect(pile, k);
        view_.Canvas().ToggleHighlight(QRect(r.x, r.y, r.width, r.height));
        return;
    }
}

void PlayController::SetUndoControlsEnabled(bool enabled) {
    emit UndoControlsChanged(enabled);
}

void PlayController::GameEnded(bool won) {
    if (won)
        pendingWin_ = true;
    else
        emit GameFinished(false);
}

void PlayController::GameSetUp() {
    const bool wantsMedium = session_.State().params[param::kNarrowScreenMedium] == 1;
    const NarrowScreenOutcome outcome =
        CheckNarrowScreen(settings_, frame_.screenWidth, wantsMedium);
    if (outcome.cardSizeChanged) ReloadCards();
    emit NarrowScreenChecked(outcome.narrow, outcome.switchedNow);
}

table::ImageSet::Choice PlayController::CardChoice() const {
    table::ImageSet::Choice choice;
    choice.size =
        layout::ParseCardSizeLetter(settings_.CardSize()).value_or(layout::CardSizeLetter::Big);
    choice.cardSet = settings_.Int(Settings::kCardFace);
    choice.back = settings_.Int(Settings::kBackCard);
    return choice;
}

void PlayController::ApplyCardSize() {
    ReloadCards();
    if (!geometry_) return; // no table yet
    table::TableScene& scene = view_.Canvas().Scene();
    scene.card = images_.Card();
    scene.steps = layout::ChooseFanSteps(images_.Size(), session_.State().params);
    view_.Relayout();
}

void PlayController::ReloadCards() {
    frame_.fitToWindow = settings_.CardSize() == pref::kFitToWindowCardSize;
    // A fitted table's pictures are drawn at its first layout.
    if (!frame_.fitToWindow) images_.Load(table::ImageSource(programDir_), CardChoice());
    frame_.cardSize = images_.Size();
    view_.SetLayoutFrame(frame_);
}

void PlayController::DealReady() {
    if (CounterShown()) counter_->Refresh();
    dealAnimation_ = settings_.Flag(Settings::kDealAnimation);
    InstallScene();
    emit GameDealt();
}

void PlayController::TitleChanged(std::string_view title) {
    emit CaptionChanged(Q(title));
}

void PlayController::SetCardCounter(table::CardCounterWindow* counter) {
    counter_ = counter;
    if (counter_)
        counter_->SetStateSource([this]() -> const GameState* {
            return session_.IsSetUp() ? &session_.State() : nullptr;
        });
}

void PlayController::CardLeft(Card card, PileKind from) {
    if (CounterShown()) counter_->CardLeft(card, from);
}

void PlayController::CardArrived(Card card, PileKind to) {
    if (!CounterShown()) return;
    counter_->CardArrived(card, to, session_.State().table.FaceUp(card));
    if (to == PileKind::Waste) counter_->WasteNotice();
}

void PlayController::StockRefilled() {
    if (CounterShown()) counter_->StockRefilled();
}

} // namespace tablamor::ui
