#pragma once
// The deal shown card by card. The game is already dealt; this plays it from the dealing pile.
//
// First the bare table with the marks of the tableau columns and reserves (not for side-by-side
// tableaus), the stock group and the foundations as dealt, and a card back on the dealing pile
// (the first placed of stock, waste, reserve 1 while it holds at most one card, third pile,
// foundation 1); then, 100 ms later and with the "Shuffle" sound, every reserve card from the
// bottom and every tableau card (row by row, or column by column in games that deal pile by
// pile) flies from 1/7 of a card right and down of the dealing pile to its place, face or back
// as it will lie, and stays there. The cards fly overlapped: a few leave the dealing pile at
// each frame (all of them within kDealLaunchFrames frames), every card in the air moves one
// step of its slide a frame, and frames are `Speed_Move_Card` ms apart; so a deal takes about
// (kDealLaunchFrames + the steps of one slide) frames whatever the number of cards. Last the
// dealing pile is shown as it is now.
//
// A deal with nothing to travel, or with no dealing pile, paints the table at once. Stopping it
// paints the dealt table at once. The table picture at the end equals a full paint.
#include "table/animation.h"
#include "table/table_canvas.h"

#include <memory>
#include <optional>
#include <vector>

namespace tablamor::table {

inline constexpr int kDealSettleMs = 100;    // the dealing pile shows its back this long first
inline constexpr int kDealLaunchFrames = 20; // every card has left the dealing pile by then
inline constexpr std::string_view kShuffleSound = "Shuffle";

class DealAnimation : public Animation {
public:
    explicit DealAnimation(TableCanvas& canvas);

    Frame Step() override;

    // The pile the cards travel from; nullopt when no pile is placed to deal from.
    std::optional<PileIndex> Source() const { return source_; }
    // The cards that travel, in order (pile and position).
    const std::vector<std::pair<PileIndex, int>>& Travellers() const { return travellers_; }

    // Cards in the air after the last frame.
    std::size_t InFlight() const { return flights_.size(); }

private:
    enum class Phase { Intro, Fly, Final, Done };

    // A card on its way: the traveller, its path (the place after each step, its place last)
    // and where it is now.
    struct Flight {
        std::size_t traveller = 0;
        int code = -1; // the card's code, -1 when it travels as a back
        std::vector<QPoint> path;
        std::size_t next = 0;
        QPoint at;
    };

    TableCanvas& canvas_;
    std::optional<PileIndex> source_;
    std::vector<std::pair<PileIndex, int>> travellers_;
    std::size_t launched_ = 0;
    std::vector<Flight> flights_;
    Phase phase_ = Phase::Intro;

    QPoint SourcePlace() const;
    QRect CardAt(QPoint at) const;
    Flight Launch(std::size_t traveller) const;
    void Land(const Flight& flight);
    Frame Intro();
    Frame Fly();
    Frame Finish();
};

} // namespace tablamor::table
