#pragma once
// The end of a game and what it needs from outside the engine: the clock a game is timed by, the
// result handed to the records (the game log line, the statistics and the hi-scores are written
// there, behind one call), and the decision whether to ask before a game in play is abandoned.
#include "engine/game_number.h"

#include <chrono>
#include <string_view>

namespace tablamor {

// Time of day for the game clock; tests inject their own.
class PlayClock {
public:
    using TimePoint = std::chrono::system_clock::time_point;
    virtual ~PlayClock() = default;
    virtual TimePoint Now() const = 0;
};

// The system clock.
const PlayClock& SystemPlayClock();

// A finished game as the records take it.
struct GameResult {
    bool won = false;
    int score = 0;
    int seconds = 0; // whole seconds from the deal to the end
    PlayClock::TimePoint end{};
    GameNumber number;
    bool hinted = false; // the player took a hint in this game
};

// The records' side of the end of a game. The program connects it to the records module; tests
// keep what they are given.
class GameRecorder {
public:
    virtual ~GameRecorder() = default;
    virtual void RecordFinishedGame(const GameResult& result) = 0;
};

// Whether abandoning the game in play needs the player's answer.
enum class AbandonAnswer {
    Refuse,  // not while the winning animation runs
    Abandon, // go on at once
    Ask,     // ask the question (OK and Cancel)
};

inline constexpr std::string_view kQuitThisGameText = "Quit this game?";

// `confirmQuitGame`: the preference ConfirmQuitGame is not "N". Only a game in play that is not
// won is asked about.
AbandonAnswer AskAbandonGame(bool winningAnimationRunning, bool confirmQuitGame, bool gameInPlay,
                             bool gameWon);

// The question: the given text, else "Quit this game?".
std::string_view AbandonQuestion(std::string_view text);

} // namespace tablamor
