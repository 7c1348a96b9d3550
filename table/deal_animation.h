#pragma once
// The deal shown card by card. The game is already dealt; this plays it from the dealing pile.
//
// First the bare table with the marks of the tableau columns and reserves (not for side-by-side
// tableaus), the stock group and the foundations as dealt, and a card back on the dealing pile
// (the first placed of stock, waste, reserve 1 while it holds at most one card, third pile,
// foundation 1); then, 100 ms later and with the "Shuffle" sound, every reserve card from the
// bottom and every tableau card (row by row, or column by column in games that deal pile by
// pile) travels: its face (or back) shows on the dealing pile, a back covers it, the picture
// appears 1/7 of a card further right and down and slides to its place, where it stays. Waits of
// 2, 2 and 1 ms separate those steps. Last the dealing pile is shown as it is now.
//
// A deal with nothing to travel, or with no dealing pile, paints the table at once. Stopping it
// paints the dealt table at once. The table picture at the end equals a full paint.
#include "table/animation.h"
#include "table/slide_animation.h"
#include "table/table_canvas.h"

#include <memory>
#include <optional>
#include <vector>

namespace tablamor::table {

inline constexpr int kDealSettleMs = 100; // the dealing pile shows its back this long first
inline constexpr std::string_view kShuffleSound = "Shuffle";

class DealAnimation : public Animation {
public:
    explicit DealAnimation(TableCanvas& canvas);

    Frame Step() override;

    // The pile the cards travel from; nullopt when no pile is placed to deal from.
    std::optional<PileIndex> Source() const { return source_; }
    // The cards that travel, in order (pile and position).
    const std::vector<std::pair<PileIndex, int>>& Travellers() const { return travellers_; }

private:
    enum class Phase { Intro, ShowFace, ShowBack, Slide, Final, Done };

    TableCanvas& canvas_;
    std::optional<PileIndex> source_;
    std::vector<std::pair<PileIndex, int>> travellers_;
    std::size_t current_ = 0;
    Phase phase_ = Phase::Intro;
    bool firstCard_ = true;
    bool liftShown_ = false;
    std::unique_ptr<SlideAnimation> slide_;

    QPoint SourcePlace() const;
    int TravellerCode() const; // the card's code, -1 when it travels as a back
    Frame Intro();
    Frame Finish();
};

} // namespace tablamor::table
