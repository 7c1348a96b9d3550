#pragma once
// Hands a finished game to the records: the game's identity from the settings record (game id,
// name, player, the run counters), its card count from the game state, the result from the end
// of the game. The log line, the statistics and the hi-scores are written in the data directory,
// and the run counters go back into the settings.
#include "engine/game_end.h"
#include "engine/game_state.h"
#include "records/messages.h"
#include "records/settings.h"

#include <filesystem>

namespace tablamor {

class SettingsGameRecorder final : public GameRecorder {
public:
    SettingsGameRecorder(Settings& settings, std::filesystem::path dataDir, MessageSink& messages)
        : settings_(settings), dataDir_(std::move(dataDir)), messages_(messages) {}

    // The state whose game is recorded (its card count); must outlive its use.
    void SetState(const GameState* state) { state_ = state; }

    void RecordFinishedGame(const GameResult& result) override;

    // Games whose records could not all be saved (the messages said which and why).
    int UnsavedGames() const { return unsavedGames_; }

private:
    Settings& settings_;
    std::filesystem::path dataDir_;
    MessageSink& messages_;
    const GameState* state_ = nullptr;
    int unsavedGames_ = 0;
};

} // namespace tablamor
