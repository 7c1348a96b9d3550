#include "table/slide_animation.h"

#include "table/layout/layout_rounding.h"
#include "table/layout/pile_positions.h"

#include <cstdlib>

namespace tablamor::table {
namespace {

// Step size: D / (D * kStepGrowth + kStepBase) + 0.5, rounded.
constexpr double kStepGrowth = 0.0128;
constexpr double kStepBase = 4.0;
constexpr double kFastFactor = 0.3;
constexpr double kRoundUp = 0.5;
constexpr int kPercent = 100;
constexpr int kOffTableCards = 3; // an off-table target lies three card sizes up and left

int OffTable(int coordinate, int cardSize) {
    return layout::IsUnset(coordinate) ? -kOffTableCards * cardSize : coordinate;
}

} // namespace

int SlideStep(int distance, bool fast) {
    const double d = std::abs(distance);
    int step = layout::RoundHalfEven(d / (d * kStepGrowth + kStepBase) + kRoundUp);
    if (fast) step = layout::RoundHalfEven(step * kFastFactor);
    return std::max(step, 1); // a zero step would never arrive
}

std::vector<QPoint> SlidePath(QPoint from, QPoint to, bool fast) {
    std::vector<QPoint> path;
    const int dx = to.x() - from.x();
    const int dy = to.y() - from.y();
    const bool alongX = std::abs(dx) >= std::abs(dy);
    const int distance = std::abs(alongX ? dx : dy);
    if (distance == 0) return path;
    const int step = SlideStep(distance, fast);
    const int direction = (alongX ? dx : dy) > 0 ? 1 : -1;
    for (int progress = 0; progress < distance;) {
        progress = std::min(progress + step, distance);
        const int p =
            layout::RoundHalfEven(static_cast<double>(kPercent) * progress / distance + kRoundUp);
        const int major = (alongX ? from.x() : from.y()) + direction * progress;
        const int minor = alongX ? from.y() + dy * p / kPercent : from.x() + dx * p / kPercent;
        path.push_back(alongX ? QPoint(major, minor) : QPoint(minor, major));
    }
    return path;
}

SlideAnimation::SlideAnimation(TableCanvas& canvas, QPoint from, QPoint to,
                               const SlideOptions& options)
    : canvas_(canvas), from_(from), options_(options) {
    const auto card = canvas.Images().Card();
    target_ = QPoint(OffTable(to.x(), card.width), OffTable(to.y(), card.height));
    const int allowance = canvas.Preferences().ShadowAllowance();
    approach_ = options.shadowCorrection ? target_ - QPoint(allowance, allowance) : target_;
    path_ = SlidePath(from_, approach_, options.fast);
}

int SlideAnimation::Delay() const {
    return options_.fast ? 0 : canvas_.Preferences().moveDelayMs;
}

Frame SlideAnimation::Step() {
    if (StopRequested()) return Finish();
    if (!started_) {
        started_ = true;
        if (options_.prepare) canvas_.BuildDragCard(options_.card);
        canvas_.MoveDragImage(from_, false, false);
        return {Delay(), false, {}};
    }
    if (next_ < path_.size()) {
        canvas_.MoveDragImage(path_[next_++], false, false);
        if (next_ < path_.size() || options_.shadowCorrection || options_.place)
            return {next_ < path_.size() ? Delay() : (options_.shadowCorrection ? 2 * Delay() : 0),
                    false,
                    {}};
        return {0, true, {}};
    }
    return Finish();
}

// The picture onto the target: dropped by the shadow allowance and placed when asked.
Frame SlideAnimation::Finish() {
    if (!started_ && options_.prepare) canvas_.BuildDragCard(options_.card);
    started_ = true;
    if (!dropped_) {
        dropped_ = true;
        canvas_.MoveDragImage(target_, options_.place, false);
    }
    return {0, true, {}};
}

} // namespace tablamor::table
