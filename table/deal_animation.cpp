#include "table/deal_animation.h"

#include "table/layout/fan_steps.h"
#include "table/layout/layout_rounding.h"
#include "table/slide_animation.h"

namespace tablamor::table {
namespace {

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

QRect DealAnimation::CardAt(QPoint at) const {
    const auto card = canvas_.Images().Card();
    return QRect(at, QSize(card.width, card.height));
}

DealAnimation::Flight DealAnimation::Launch(std::size_t traveller) const {
    const auto [pile, k] = travellers_[traveller];
    const PilePainter painter = canvas_.Painter();
    const auto card = canvas_.Images().Card();
    const QPoint from = SourcePlace() + QPoint(layout::RoundRatio(card.width, kLiftFraction),
                                               layout::RoundRatio(card.height, kLiftFraction));
    Flight flight;
    flight.traveller = traveller;
    flight.code = painter.ShowsFace(pile, k) ? canvas_.Scene().table->At(pile, k) : -1;
    flight.path = SlidePath(from, painter.CardRect(pile, k).topLeft(), false);
    flight.at = from;
    return flight;
}

// The card onto the table picture at its place, as a full paint draws it.
void DealAnimation::Land(const Flight& flight) {
    const auto [pile, k] = travellers_[flight.traveller];
    const QRect place = canvas_.Painter().CardRect(pile, k);
    Surface target = canvas_.TableTarget();
    canvas_.Painter().DrawPileCard(target, pile, k, place);
    canvas_.CopyTableToWindow(place);
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
    phase_ = Phase::Fly;
    return {kDealSettleMs, false, {}};
}

// One frame of the flight: the cards in the air are taken off the window, move one step (those
// at their place land), the next few leave the dealing pile, and the cards in the air are drawn
// again, the latest on top.
Frame DealAnimation::Fly() {
    const bool first = launched_ == 0;
    for (const Flight& f : flights_) canvas_.CopyTableToWindow(CardAt(f.at));
    std::vector<Flight> flying;
    for (Flight& f : flights_) {
        if (f.next < f.path.size()) f.at = f.path[f.next++];
        if (f.next < f.path.size())
            flying.push_back(std::move(f));
        else
            Land(f);
    }
    flights_ = std::move(flying);
    const std::size_t perFrame =
        (travellers_.size() + kDealLaunchFrames - 1) / static_cast<std::size_t>(kDealLaunchFrames);
    for (std::size_t i = 0; i < perFrame && launched_ < travellers_.size(); ++i)
        flights_.push_back(Launch(launched_++));
    if (flights_.empty()) return Finish();
    for (const Flight& f : flights_) canvas_.DrawCardOnWindow(f.code, f.at);
    Frame frame{canvas_.Preferences().moveDelayMs, false, {}};
    if (first) frame.sound = std::string(kShuffleSound);
    return frame;
}

Frame DealAnimation::Step() {
    if (StopRequested()) return Finish();
    switch (phase_) {
    case Phase::Intro:
        return Intro();
    case Phase::Fly:
        return Fly();
    case Phase::Final:
    case Phase::Done:
        break;
    }
    return Finish();
}

// The dealt table as a full paint would leave it (this also shows the dealing pile as it is).
Frame DealAnimation::Finish() {
    if (phase_ != Phase::Done) {
        flights_.clear();
        canvas_.HideDragImage();
        const QImage& table = canvas_.TablePicture();
        canvas_.RepaintArea(QRect(0, -canvas_.Scroll(), table.width(), table.height()));
        phase_ = Phase::Done;
    }
    return {0, true, {}};
}

} // namespace tablamor::table
