#include "ui/motion_queue.h"

#include "table/deal_animation.h"
#include "table/layout/table_geometry.h"
#include "table/slide_animation.h"
#include "table/winning_animation.h"

namespace tablamor::ui {
namespace {

constexpr int kWinningKinds = 2;

} // namespace

MotionQueue::MotionQueue(const Settings& settings, table::TableView& view, const GameState& state,
                         std::mt19937& random, Hooks hooks)
    : settings_(settings), view_(view), state_(state), random_(random), hooks_(std::move(hooks)) {}

void MotionQueue::AddSlide(PileIndex from, PileIndex to, int count, std::optional<QPoint> start) {
    if (!slides_.empty()) start.reset();
    slides_.push_back(PendingSlide{from, to, count, state_.table, start});
}

void MotionQueue::Clear() {
    slides_.clear();
    pendingWin_ = false;
    dealAnimation_ = false;
}

void MotionQueue::Start() {
    if (dealAnimation_) {
        dealAnimation_ = false;
        // A key or a click shows the dealt table at once; the clock starts once it is shown.
        view_.Play(std::make_unique<table::DealAnimation>(view_.Canvas()), true, [this] {
            hooks_.dealShown();
            PlayNextSlide();
        });
        return;
    }
    PlayNextSlide();
}

void MotionQueue::ShowTable(const Table& table) {
    table::TableScene& scene = view_.Canvas().Scene();
    scene.table = &table;
    scene.passesUsed = state_.passesUsed;
    scene.stockPressed = state_.stockPressed;
    view_.Canvas().PaintTable();
}

QPoint MotionQueue::CardTopLeft(const Table& table, PileIndex pile, int k) const {
    const table::TableScene& scene = view_.Canvas().Scene();
    layout::TableGeometry g(scene.positions, table, state_.params, scene.steps, scene.card);
    Rect r = g.CardRect(pile, k);
    return {r.x, r.y};
}

void MotionQueue::PlayNextSlide() {
    if (!settings_.Flag(Settings::kCardsAnimate)) slides_.clear();
    if (slides_.empty()) {
        hooks_.refresh();
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

void MotionQueue::FinishWin() {
    pendingWin_ = false;
    if (settings_.Flag(Settings::kWinningAnimation)) {
        std::uniform_int_distribution<int> kind(1, kWinningKinds);
        view_.Play(std::make_unique<table::WinningAnimation>(view_.Canvas(), kind(random_), random_,
                                                             layout::kNoToolbarTableTop,
                                                             view_.CanvasSize()),
                   true, [this] {
                       hooks_.refresh();
                       hooks_.won();
                   });
        return;
    }
    hooks_.won();
}

} // namespace tablamor::ui
