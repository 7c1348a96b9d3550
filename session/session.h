#pragma once
// The game lifecycle: the chosen game set up from the definition file, then its deals one after
// another. Each deal starts from the parameters as loaded, gets a new random number (or a given
// one, to restart a deal or play a chosen number), is dealt, recorded among the recent numbers
// and starts the clock. The settings record mirrors the game number and the score for the rest of
// the program; the window's share of each step is reported through the EventSink.
//
// One random generator, seeded once per run, draws the game numbers. The deal in play is played
// through Play(): it starts the clock at each deal and runs autoplay after it when switched on.
#include "engine/events.h"
#include "engine/game_file.h"
#include "engine/game_number.h"
#include "engine/game_play.h"
#include "engine/game_state.h"
#include "engine/saved_game.h"
#include "records/ini_file.h"
#include "records/record_names.h"
#include "records/settings.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <random>
#include <string>
#include <string_view>
#include <variant>

namespace tablamor {

inline constexpr std::string_view kGameNumbersSection = "Game_Numbers";
inline constexpr int kRecentGameNumbers = 20;

// "Tablamor [Klondike]", followed by "  [0000000000001]" when a number is set.
std::string TitleText(std::string_view gameName, std::string_view gameNumber);

// Puts the number first among the recent game numbers (keys "Game001".."Game020", newest first)
// without repeating it. False when the configuration file could not be written; the list then
// stays as it was.
bool RememberGameNumber(IniFile& config, std::string_view number);

// Keeps a game in progress in `file`, crash-safely as every record. False, after a message to the
// sink, when it could not be written; an earlier kept game then stays as it was.
bool WriteSavedGame(const std::filesystem::path& file, const SavedGame& game, MessageSink& sink);

// The game kept in `file`, or the reason it cannot be taken back (missing, unreadable, damaged,
// another kind of file).
std::variant<SavedGame, std::string> ReadSavedGame(const std::filesystem::path& file);

class GameSession {
public:
    using Clock = std::chrono::system_clock;

    // `dataDir` holds the configuration file (recent game numbers) and the custom games.
    GameSession(Settings& settings, const GameFile& games, std::filesystem::path dataDir,
                EventSink& sink, std::uint32_t seed);
    // A seed for a real run, taken from the clock.
    static std::uint32_t SeedFromClock();

    // Loads the game whose id is in the settings. False, after a message, when its definition
    // cannot be loaded; the game in play stays as it was.
    bool SetUpGame();
    // A new deal of the current game with a new random number ("New game"); sets the game up
    // first when that has not been done. False, after a message, when the game cannot be dealt.
    bool StartDeal();
    // A new deal with the given number ("Restart game", "Select a game number...").
    bool StartDeal(const GameNumber& number);

    // Sets up the game whose id is in the settings and takes up the kept game in it, played
    // through `play`: the settings and the caption follow its number and score. Empty on
    // success; otherwise the reason, and the game stays set up with no deal in play.
    std::string Resume(const SavedGame& game, GamePlay& play);

    // Writes the caption when it changed.
    void RefreshTitle();

    bool IsSetUp() const { return setUp_; }
    const GameState& State() const { return state_; }
    GameState& State() { return state_; }
    bool ClockStarted() const { return play_.ClockRunning(); }
    Clock::time_point DealStartTime() const { return play_.StartTime(); }
    GamePlay& Play() { return play_; }
    const GamePlay& Play() const { return play_; }

private:
    Settings& settings_;
    const GameFile& games_;
    std::filesystem::path dataDir_;
    EventSink& sink_;
    std::mt19937 rng_;
    GameState state_;
    GamePlay play_{state_, sink_};
    bool setUp_ = false;
    std::string title_;

    bool Deal(const GameNumber& number);
    IniFile Config() const;
};

} // namespace tablamor
