#include "session/session.h"

#include "engine/deal.h"
#include "records/atomic_file.h"
#include "records/custom_games.h"
#include "records/data_dir.h"
#include "records/finished_game.h"
#include "session/game_loader.h"

#include <algorithm>
#include <vector>

namespace tablamor {
namespace {

constexpr std::string_view kCleanMark = "0";

std::string RecentKey(int position) {
    std::string digits = std::to_string(position);
    return "Game0" + std::string(2 - std::min<std::size_t>(digits.size(), 2), '0') + digits;
}

} // namespace

std::string TitleText(std::string_view gameName, std::string_view gameNumber) {
    std::string title = std::string(kProductName) + " [" + std::string(gameName) + "]";
    if (!gameNumber.empty()) title += "  [" + std::string(gameNumber) + "]";
    return title;
}

bool RememberGameNumber(IniFile& config, std::string_view number) {
    const int failuresBefore = config.ReadFailures();
    std::vector<std::string> recent;
    for (int k = 1; k <= kRecentGameNumbers; ++k)
        recent.push_back(config.ReadString(kGameNumbersSection, RecentKey(k)));
    // every copy of the number leaves, an empty entry takes its place at the end
    auto kept = std::remove(recent.begin(), recent.end(), std::string(number));
    std::fill(kept, recent.end(), std::string());
    recent.insert(recent.begin(), std::string(number));
    if (config.ReadFailures() != failuresBefore) return false; // the list is not known
    // each write rewrites the whole file safely, so only the keys that change are written
    for (int k = 1; k <= kRecentGameNumbers; ++k) {
        const std::string& value = recent[static_cast<std::size_t>(k - 1)];
        if (config.ReadString(kGameNumbersSection, RecentKey(k)) == value) continue;
        if (!config.WriteString(kGameNumbersSection, RecentKey(k), value)) return false;
    }
    return true;
}

bool WriteSavedGame(const std::filesystem::path& file, const SavedGame& game, MessageSink& sink) {
    const WriteResult result = WriteFileAtomically(file, SavedGameText(game));
    ReportWriteFailure(file, result, sink);
    return static_cast<bool>(result);
}

std::variant<SavedGame, std::string> ReadSavedGame(const std::filesystem::path& file) {
    std::string text;
    const FileRead read = ReadWholeFile(file, text);
    if (!read) return file.string() + ": " + read.error;
    auto game = ParseSavedGame(text);
    if (auto* reason = std::get_if<std::string>(&game)) return file.string() + ": " + *reason;
    return game;
}

GameSession::GameSession(Settings& settings, const GameFile& games, std::filesystem::path dataDir,
                         EventSink& sink, std::uint32_t seed)
    : settings_(settings), games_(games), dataDir_(std::move(dataDir)), sink_(sink), rng_(seed) {}

std::uint32_t GameSession::SeedFromClock() {
    return static_cast<std::uint32_t>(Clock::now().time_since_epoch().count());
}

bool GameSession::SetUpGame() {
    const int id = settings_.GameId();
    std::optional<GameParams> params;
    if (id < 0 || (id < kFirstCustomGameId && !games_.Find(id))) {
        sink_.Message("Unknown game: " + std::to_string(id));
        return false;
    }
    try {
        params = LoadGameDefinition(games_, id, DataFilePath(dataDir_, kCustomGamesFileName));
    } catch (const DefinitionError& e) {
        sink_.Message(e.what());
        return false;
    }
    if (!params) {
        sink_.Message("Unknown game: " + std::to_string(id));
        return false;
    }
    state_ = NewGameState(*params);
    setUp_ = true;
    sink_.GameSetUp();
    return true;
}

bool GameSession::StartDeal() {
    if (!setUp_ && !SetUpGame()) return false;
    return Deal(NewGameNumber(rng_));
}

bool GameSession::StartDeal(const GameNumber& number) {
    if (!setUp_ && !SetUpGame()) return false;
    return Deal(number);
}

bool GameSession::Deal(const GameNumber& number) {
    GameState next = state_;
    next.scoring = settings_.ScoringType() == kDefaultScoringType;
    if (!DealForPlay(next, number, sink_)) return false;
    state_ = next;

    settings_.SetGameNumber(number.Text());
    settings_.Set(Settings::kUndoMark, kCleanMark);
    settings_.Set(Settings::kRedoMark, kCleanMark);
    settings_.SetScore(state_.score);
    RefreshTitle();
    IniFile config = Config();
    RememberGameNumber(
        config, number.Text()); // a configuration that cannot be written is no reason to stop
    sink_.DealReady();
    play_.Begin();
    return true;
}

std::string GameSession::Resume(const SavedGame& game, GamePlay& play) {
    if (game.gameId != settings_.GameId()) return "the kept game is of another game";
    if (!SetUpGame()) return "the game cannot be set up";
    if (std::string refusal = ResumeSavedGame(game, state_, play); !refusal.empty()) return refusal;
    settings_.SetGameNumber(game.number.Text());
    settings_.Set(Settings::kUndoMark, kCleanMark);
    settings_.Set(Settings::kRedoMark, kCleanMark);
    settings_.SetScore(state_.score);
    RefreshTitle();
    return {};
}

void GameSession::RefreshTitle() {
    std::string title = TitleText(settings_.GameName(), settings_.GameNumber());
    if (title == title_) return;
    title_ = title;
    sink_.TitleChanged(title_);
}

IniFile GameSession::Config() const {
    return IniFile(ConfigFilePath(dataDir_));
}

} // namespace tablamor
