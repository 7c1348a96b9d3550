#include "table/deal_animation.h"

#include "table/layout/fan_steps.h"
#include "table/layout/layout_rounding.h"

namespace tablamor::table {
namespace {

constexpr int kShowFaceMs = 2;
constexpr int kShowBackMs = 2;
constexpr int kLiftMs = 1;
constexpr int kLiftFraction = 7; // the travelling card starts 1/7 of a card right and down

// Reserve 1 deals only while it holds at most this many cards.
constexpr int kReserveSourceMostCards = 1;

std::vector<std::pair<PileIndex, int>> TravelOrder(const TableScene& scene) {
    std::vector<std::pair<PileIndex, int>> order;
    const Table& table = *scene.table;
    for (int r = 0; r < kMaxReserves; ++r) {
        const PileIndex pile = ReservePile(r);
        if (!scene.positions.Placed(pile)) continue;
        for (int k = 0; k < table.Size(pile); ++k) order.emplace_back(pile, k);
    }
    std::vector<PileIndex> columns;
    for (int i = 0; i < kMaxTableaus; ++i)
        if (scene.positions.Placed(TableauPile(i))) columns.push_back(TableauPile(i));
    if ((*scene.params)[param::kAfterDealByPile] != 0) {
        for (PileIndex pile : columns)
            for (int k = 0; k < table.Size(pile); ++k) order.emplace_back(pile, k);
        return order;
    }
    int longest = 0;
    for (PileIndex pile : columns) longest = std::max(longest, table.Size(pile));
    for (int k = 0; k < longest; ++k)
        for (PileIndex pile : columns)
            if (k < table.Size(pile)) order.emplace_back(pile, k);
    return order;
}

std::optional<PileIndex> DealSource(const TableScene& scene) {
    const PileIndex reserve = ReservePile(0);
    for (PileIndex pile : {kStockPile, kWastePile, reserve, kThirdPile, FoundationPile(0)}) {
        if (!scene.positions.Placed(pile)) continue;
        if (pile == reserve && scene.table->Size(pile) > kReserveSourceMostCards) continue;
        return pile;
    }
    return std::nullopt;
}

} // namespace

DealAnimation::DealAnimation(TableCanvas& canvas) : canvas_(canvas) {
    if (!canvas.Scene().Ready()) {
        phase_ = Phase::Final;
        return;
    }
    travellers_ = TravelOrder(canvas.Scene());
    source_ = DealSource(canvas.Scene());
}

QPoint DealAnimation::SourcePlace() const {
    return canvas_.Painter().CardRect(*source_, 0).topLeft();
}

int DealAnimation::TravellerCode() const {
    const auto [pile, k] = travellers_[current_];
    const PilePainter painter = canvas_.Painter();
    return painter.ShowsFace(pile, k) ? canvas_.Scene().table->At(pile, k) : -1;
}

Frame DealAnimation::Intro() {
    canvas_.Scene().positions.SetScrollOffset(0);
    canvas_.PaintBackground(true);
    if (travellers_.empty() || !source_) return Finish();
    const QRect all = canvas_.TablePicture().rect();
    // Drawn straight onto the table picture; the whole of it is shown at the end of the intro.
    Surface target = canvas_.TableTarget();
    const PilePainter painter = canvas_.Painter();
    if (FanStyleOf(*canvas_.Scene().params, PileKind::Tableau) != FanStyle::SideBySide) {
        for (int i = 0; i < kMaxTableaus; ++i) painter.DrawEmptyMark(target, TableauPile(i), all);
        for (int r = 0; r < kMaxReserves; ++r) painter.DrawEmptyMark(target, ReservePile(r), all);
    }
    painter.PaintStockGroupAndFoundations(target, all);
    painter.DrawCardBack(target, SourcePlace(), canvas_.Images().Card().height,
                         BottomCorners::Background, all);
    canvas_.CopyTableToWindow();
    phase_ = Phase::ShowFace;
    return {kDealSettleMs, false, {}};
}

Frame DealAnimation::Step() {
    if (StopRequested()) return Finish();
    switch (phase_) {
    case Phase::Intro:
        return Intro();
    case Phase::ShowFace: {
        canvas_.DrawCardOnWindow(TravellerCode(), SourcePlace());
        phase_ = Phase::ShowBack;
        Frame frame{kShowFaceMs, false, {}};
        if (firstCard_) frame.sound = std::string(kShuffleSound);
        firstCard_ = false;
        return frame;
    }
    case Phase::ShowBack: {
        canvas_.DrawCardOnWindow(-1, SourcePlace());
        const auto card = canvas_.Images().Card();
        const QPoint lift(layout::RoundRatio(card.width, kLiftFraction),
                          layout::RoundRatio(card.height, kLiftFraction));
        const auto [pile, k] = travellers_[current_];
        SlideOptions options;
        options.card = TravellerCode();
        options.prepare = true;
        options.place = true;
        slide_ = std::make_unique<SlideAnimation>(
            canvas_, SourcePlace() + lift, canvas_.Painter().CardRect(pile, k).topLeft(), options);
        phase_ = Phase::Slide;
        liftShown_ = true;
        return {kShowBackMs, false, {}};
    }
    case Phase::Slide: {
        Frame frame = slide_->Step();
        if (liftShown_) {
            liftShown_ = false; // the lifted picture just appeared at the start
            frame.waitMs = kLiftMs;
        }
        if (!frame.done) return frame;
        slide_.reset();
        if (++current_ < travellers_.size()) {
            phase_ = Phase::ShowFace;
            return {0, false, {}};
        }
        return Finish();
    }
    case Phase::Final:
    case Phase::Done:
        return Finish();
    }
    return Finish();
}

// The dealt table as a full paint would leave it (this also shows the dealing pile as it is).
Frame DealAnimation::Finish() {
    if (phase_ != Phase::Done) {
        if (slide_) slide_.reset();
        canvas_.HideDragImage();
        const QImage& table = canvas_.TablePicture();
        canvas_.RepaintArea(QRect(0, -canvas_.Scroll(), table.width(), table.height()));
        phase_ = Phase::Done;
    }
    return {0, true, {}};
}

} // namespace tablamor::table
