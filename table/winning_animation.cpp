#include "table/winning_animation.h"

#include "engine/cards.h"
#include "table/layout/layout_rounding.h"

namespace tablamor::table {
namespace {

constexpr int kScatterBatch = 15;
constexpr int kRowBatch = 20;
constexpr int kRowStartX = -20;
constexpr double kRowCardSpacing = 5.8; // cards per card width along a row
constexpr int kOddRowIndent = 3;        // the next row starts a third of a card left ...
constexpr int kEvenRowIndent = 4;       // ... or a quarter, by the rows laid so far

struct SizeTimings {
    layout::CardSizeLetter size;
    WinningTiming scatter;
    WinningTiming rows;
};

constexpr SizeTimings kTimings[] = {
    {layout::CardSizeLetter::Big, {2001, 5}, {1500, 18}},
    {layout::CardSizeLetter::Medium, {3001, 7}, {2500, 22}},
    {layout::CardSizeLetter::Small, {4001, 9}, {3500, 25}},
};

} // namespace

WinningTiming WinningTimingFor(int kind, layout::CardSizeLetter size) {
    for (const SizeTimings& t : kTimings)
        if (t.size == size) return kind == 1 ? t.scatter : t.rows;
    return {};
}

WinningAnimation::WinningAnimation(TableCanvas& canvas, int kind, std::mt19937& random,
                                   int tableTop, QSize window)
    : canvas_(canvas), kind_(kind), random_(random), tableTop_(tableTop), window_(window),
      timing_(WinningTimingFor(kind, canvas.Images().Size())), next_(kRowStartX, tableTop) {}

int WinningAnimation::Random(int below) {
    if (below <= 1) return 0;
    return std::uniform_int_distribution<int>(0, below - 1)(random_);
}

// Any card of one deck (the shower shows first-deck faces only).
int WinningAnimation::RandomCard() {
    return Random(kDeckSize) + 1;
}

Frame WinningAnimation::Step() {
    if (StopRequested() || drawn_ >= timing_.cards || (kind_ != 1 && kind_ != 2))
        return {0, true, {}};
    return kind_ == 1 ? Scatter() : LayRows();
}

Frame WinningAnimation::Scatter() {
    const auto card = canvas_.Images().Card();
    for (int i = 0; i < kScatterBatch && drawn_ < timing_.cards; ++i, ++drawn_) {
        const int x = Random(window_.width() + card.width / 2) - card.width / 2;
        const int y = Random(window_.height() + card.height / 2) - card.height / 2;
        canvas_.DrawCardOnTable(RandomCard(), QPoint(x, y));
    }
    return {timing_.waitMs, drawn_ >= timing_.cards, {}};
}

Frame WinningAnimation::LayRows() {
    const auto card = canvas_.Images().Card();
    const int spacing = std::max(1, layout::RoundHalfEven(card.width / kRowCardSpacing));
    for (int i = 0; i < kRowBatch && drawn_ < timing_.cards; ++i, ++drawn_) {
        canvas_.DrawCardOnTable(RandomCard(), next_);
        next_.rx() += spacing;
        if (next_.x() <= window_.width()) continue;
        // Past the right edge: the next row, after a pause.
        ++rows_;
        const int indent = rows_ % 2 == 1 ? kOddRowIndent : kEvenRowIndent;
        next_ = QPoint(-layout::RoundRatio(card.width, indent), next_.y() + kRowStep);
        if (next_.y() + card.height > window_.height()) {
            ++passes_;
            next_.ry() = tableTop_ + passes_ * kRowStep;
            if (next_.y() + card.height > window_.height()) {
                passes_ = 0;
                next_.ry() = tableTop_;
            }
        }
        ++drawn_;
        return {kRowPauseMs, drawn_ >= timing_.cards, {}};
    }
    return {timing_.waitMs, drawn_ >= timing_.cards, {}};
}

} // namespace tablamor::table
