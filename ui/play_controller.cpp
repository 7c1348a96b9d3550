#include "ui/play_controller.h"

#include "records/preference_keys.h"
#include "table/untidy_shifts.h"

namespace tablamor::ui {
namespace {

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
      images_(images), sounds_(sounds), dialogParent_(dialogParent), events_(*this),
      session_(settings, games, std::move(dataDir), events_, GameSession::SeedFromClock()),
      play_(session_.Play()), random_(GameSession::SeedFromClock()),
      motion_(settings, view, session_.State(), random_,
              MotionQueue::Hooks{[this] {
                                     play_.RestartClock();
                                     emit ScoreChanged(session_.State().score);
                                 },
                                 [this] { RefreshTable(); }, [this] { emit GameFinished(true); }}),
      pointer_(new PointerInput(*this)) {
    play_.SetRecorder(recorder);
    view_.installEventFilter(pointer_);
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
    if (!session_.SetUpGame()) {
        events_.DeliverHeld(); // why it could not be set up
        return false;
    }
    return Deal(number);
}

bool PlayController::Deal(std::optional<GameNumber> number) {
    motion_.Clear();
    bool dealt = number ? session_.StartDeal(*number) : session_.StartDeal();
    if (!dealt) {
        events_.DeliverHeld(); // why it could not be dealt
        return false;
    }
    AfterOperation(); // the deal was shown when it was ready, before autoplay ran
    return true;
}

std::string PlayController::Resume(const SavedGame& game) {
    motion_.Clear();
    if (std::string refusal = session_.Resume(game, play_); !refusal.empty()) {
        events_.DeliverHeld();
        return refusal;
    }
    InstallScene();
    emit GameDealt();
    if (CounterShown()) counter_->Refresh();
    AfterOperation();
    return {};
}

void PlayController::EndGame() {
    if (!InPlay()) return;
    play_.EndOfGame();
    OperationReturned();
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

void PlayController::SetLayoutFrame(const layout::LayoutInput& frame) {
    frame_ = frame;
    view_.SetLayoutFrame(frame_);
}

void PlayController::RefreshTable() {
    if (!geometry_) return;
    motion_.ShowTable(session_.State().table);
}

void PlayController::LoadCursors(const table::ImageSource& source) {
    cursors_.Load(source, view_.devicePixelRatioF());
    ApplyCursor();
}

void PlayController::ApplyCursor() {
    const int idle = settings_.Int(Settings::kCursor);
    view_.setCursor(cursors_.Cursor(pointer_->Dragging() ? idle + table::kDragCursorOffset : idle));
}

QString PlayController::ClockText() const {
    return FormatClock(play_.ElapsedSeconds());
}

std::optional<layout::Hit> PlayController::HitAt(QPoint at) const {
    if (!geometry_) return std::nullopt;
    return layout::HitTest(*geometry_, at.x(), at.y());
}

// ---- the pointer ---------------------------------------------------------------------------

void PlayController::PressLeft(QPoint at) {
    pointer_->PressLeft(at);
}

void PlayController::PressRight(QPoint at) {
    pointer_->PressRight(at);
}

void PlayController::Move(QPoint at) {
    pointer_->Move(at);
}

void PlayController::Release(QPoint at) {
    pointer_->Release(at);
}

void PlayController::DoubleClick(QPoint at) {
    pointer_->DoubleClick(at);
}

// ---- operations ------------------------------------------------------------------------------

void PlayController::Undo() {
    if (pointer_->Dragging()) return;
    play_.Undo();
    motion_.DropSlides();
    if (CounterShown()) counter_->Refresh();
    AfterOperation();
}

void PlayController::Redo() {
    if (pointer_->Dragging()) return;
    play_.Redo();
    motion_.DropSlides();
    if (CounterShown()) counter_->Refresh();
    AfterOperation();
}

bool PlayController::ApplyCommand(const Command& command) {
    if (pointer_->Dragging() || !InPlay()) return false;
    const bool done = play_.Apply(command);
    AfterOperation();
    return done;
}

bool PlayController::ToggleAutoplay() {
    bool on = play_.ToggleAutoplay();
    AfterOperation();
    return on;
}

// ---- after every operation: the score, the held notices, then the motion ------------------------

void PlayController::AfterOperation() {
    const std::uint64_t operation = ++operations_;
    OperationReturned();
    if (operation != operations_) return; // a notice's answer began another, which shows itself
    motion_.Start();
}

void PlayController::OperationReturned() {
    emit ScoreChanged(session_.State().score);
    events_.DeliverHeld();
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

void PlayController::SetCardCounter(table::CardCounterWindow* counter) {
    counter_ = counter;
    if (counter_)
        counter_->SetStateSource([this]() -> const GameState* {
            return session_.IsSetUp() ? &session_.State() : nullptr;
        });
}

} // namespace tablamor::ui
