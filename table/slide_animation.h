#pragma once
// A card (or the drag picture) sliding from one place to another.
//
// The path: along the axis of the larger distance D the picture advances by
// round(D / (0.0128 D + 4) + 0.5) px a step (0.3 of that with the fast flag; never past the
// target), and the other coordinate follows in proportion: start + (target - start) * p / 100
// with p = round(100 * progress / D + 0.5). So long moves take larger steps and every move ends
// exactly on its target. Frames are `Speed_Move_Card` ms apart (no wait with the fast flag).
// The sliding picture has no shadow.
#include "table/animation.h"
#include "table/table_canvas.h"

#include <QPoint>

#include <vector>

namespace tablamor::table {

// The major-axis step of a move over `distance` px (at least 1 px).
int SlideStep(int distance, bool fast);

// The places after each step, the target last; empty when `from` is the target.
std::vector<QPoint> SlidePath(QPoint from, QPoint to, bool fast);

struct SlideOptions {
    int card = 0;                  // with `prepare`: the card code to show, -1 for a back
    bool prepare = false;          // build the drag picture from `card` and show it at the start
    bool shadowCorrection = false; // stop short by the shadow allowance, then drop into place
    bool fast = false;             // larger steps and no waits
    bool place = false;            // leave the picture in the table picture at the end
};

class SlideAnimation : public Animation {
public:
    // A target coordinate below -9999 means off the table: -3 card widths (heights).
    SlideAnimation(TableCanvas& canvas, QPoint from, QPoint to, const SlideOptions& options);

    Frame Step() override;
    // Where the picture ends.
    QPoint Target() const { return target_; }

private:
    TableCanvas& canvas_;
    QPoint from_;
    QPoint target_;   // the final place
    QPoint approach_; // the end of the path (short of the target with the shadow correction)
    SlideOptions options_;
    std::vector<QPoint> path_;
    std::size_t next_ = 0;
    bool started_ = false;
    bool dropped_ = false;

    int Delay() const;
    Frame Finish();
};

} // namespace tablamor::table
