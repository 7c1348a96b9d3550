#include "engine/game_end.h"

namespace tablamor {
namespace {

class SystemClock : public PlayClock {
public:
    TimePoint Now() const override { return std::chrono::system_clock::now(); }
};

} // namespace

const PlayClock& SystemPlayClock() {
    static const SystemClock clock;
    return clock;
}

AbandonAnswer AskAbandonGame(bool winningAnimationRunning, bool confirmQuitGame, bool gameInPlay,
                             bool gameWon) {
    if (winningAnimationRunning) return AbandonAnswer::Refuse;
    if (!confirmQuitGame || !gameInPlay || gameWon) return AbandonAnswer::Abandon;
    return AbandonAnswer::Ask;
}

std::string_view AbandonQuestion(std::string_view text) {
    return text.empty() ? kQuitThisGameText : text;
}

} // namespace tablamor
