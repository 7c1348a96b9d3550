// The play command: deals a game, then plays it from commands on standard input, one a line, as
// the window would. Drops are judged on the game's layout on a 1024 x 768 window with big cards.
// A finished game goes into the player's records only with --record: replaying a line of
// commands is no game the player played.
#include "cli.h"
#include "window_layout.h"

#include "engine/deal.h"
#include "engine/game_play.h"
#include "engine/hint.h"
#include "engine/move_generator.h"
#include "engine/saved_game.h"
#include "records/data_dir.h"
#include "records/finished_game.h"
#include "records/ini_file.h"
#include "records/paths.h"
#include "records/preferences.h"
#include "records/record_names.h"
#include "session/game_loader.h"
#include "session/game_recording.h"
#include "session/session.h"

#include <istream>
#include <ostream>
#include <string>
#include <variant>
#include <vector>

namespace tablamor::cli {
namespace {

// Keeps the messages the engine and the records raise until they are printed.
class MessageList : public EventSink, public MessageSink {
public:
    void Message(std::string_view text) override { messages.emplace_back(text); }
    void Show(MessageKind, std::string_view text) override { messages.emplace_back(text); }
    std::vector<std::string> messages;
};

// The settings a finished game is recorded with: the game, its number, and the player of the
// data directory's preferences ("Player 1" on a first run, as the program does).
Settings RecordSettings(const Context& ctx, int id, const GameNumber& number, MessageSink& sink) {
    Settings settings;
    IniFile config(ConfigFilePath(ctx.dataDir), sink);
    LoadPreferences(config, settings, false);
    auto games = GameFile::Open(ProgramPath(ctx.root, kGamesFileName));
    settings.SetGameId(id);
    if (games) settings.SetGameName(GameName(*games, id, CustomGamesFile(ctx)));
    settings.SetGameNumber(number.Text());
    settings.Set(Settings::kScoringType, kDefaultScoringType);
    settings.Set(Settings::kStatCounter1, "0000");
    settings.Set(Settings::kStatCounter2, "0000");
    return settings;
}

bool TakeSwitch(Options& options, const std::string& name) {
    auto text = options.Take(name);
    if (!text || *text == "off") return false;
    if (*text == "on") return true;
    throw CliError{"option --" + name + " takes on or off, not '" + *text + "'"};
}

UndoPolicy TakeUndoPolicy(Options& options) {
    auto value = options.TakeInt("undo-policy");
    if (!value) return UndoPolicy::Unlimited;
    switch (*value) {
    case 0:
        return UndoPolicy::Unlimited;
    case 1:
        return UndoPolicy::OneLevel;
    case 2:
        return UndoPolicy::Disabled;
    default:
        throw CliError{"option --undo-policy takes 0, 1 or 2, not " + std::to_string(*value)};
    }
}

std::string Trimmed(const std::string& line) {
    const char* blanks = " \t\r";
    std::size_t first = line.find_first_not_of(blanks);
    if (first == std::string::npos) return {};
    return line.substr(first, line.find_last_not_of(blanks) - first + 1);
}

constexpr std::string_view kSaveCommand = "save ";

class Player {
public:
    Player(Context& ctx, int gameId, GameState& state, const PlacedPiles& placed, MessageList& sink)
        : ctx_(ctx), gameId_(gameId), state_(state), placed_(placed), sink_(sink),
          play_(state, sink) {
        play_.SetGeometry(&placed_);
    }

    GamePlay& Play() { return play_; }

    // Carries out one input line; false at "quit".
    bool Line(const std::string& line) {
        if (line == "quit") {
            play_.QuitGame();
            return false;
        }
        bool ok = true;
        if (line == "undo")
            ok = play_.Undo();
        else if (line == "redo")
            ok = play_.Redo();
        else if (line == "autoplay")
            ok = play_.RunAutoplay();
        else if (line == "show")
            Show();
        else if (line == "moves")
            Moves();
        else if (line == "hint")
            ShowHint();
        else if (line.starts_with(kSaveCommand))
            ok = WriteSavedGame(line.substr(kSaveCommand.size()), CaptureGame(gameId_, play_),
                                sink_);
        else if (auto command = ParseCommand(line))
            ok = play_.Apply(*command);
        else
            ok = Unknown(line);
        Flush();
        ctx_.out << (ok ? "ok" : "refused") << '\n';
        return true;
    }

    void Flush() {
        for (const std::string& m : sink_.messages) ctx_.out << "message: " << m << '\n';
        sink_.messages.clear();
    }

    void Finish() {
        Flush();
        PrintTable(ctx_.out, state_.table);
        ctx_.out << "won " << (play_.LastGameWon() || state_.won ? 1 : 0) << '\n';
        ctx_.out << "score " << state_.score << '\n';
    }

private:
    Context& ctx_;
    int gameId_;
    GameState& state_;
    const PlacedPiles& placed_;
    MessageList& sink_;
    GamePlay play_;
    HintFinder hints_;

    void Show() {
        PrintTable(ctx_.out, state_.table);
        ctx_.out << "score " << state_.score << '\n';
    }

    void Moves() {
        for (const tablamor::Command& c : GenerateCommands(state_, placed_))
            ctx_.out << CommandText(c) << '\n';
    }

    // The move the window's hint would show, or "none".
    void ShowHint() {
        const Hint hint = hints_.Find(state_, placed_, HintBudget());
        ctx_.out << (hint.kind == HintKind::None ? "none" : CommandText(hint.command)) << '\n';
    }

    bool Unknown(const std::string& line) {
        ctx_.err << "tablamor-cli: not a play command: '" << line << "'\n";
        return false;
    }
};

} // namespace

// The game kept in the file, or a refusal that names the reason.
SavedGame ReadResumedGame(const std::string& file) {
    auto game = ReadSavedGame(file);
    if (auto* reason = std::get_if<std::string>(&game)) throw CliError{*reason};
    return std::get<SavedGame>(game);
}

int RunPlay(Context& ctx) {
    const std::optional<std::string> resumeFile = ctx.options.Take("resume");
    const std::optional<SavedGame> resumed =
        resumeFile ? std::optional(ReadResumedGame(*resumeFile)) : std::nullopt;
    const long long id = resumed ? resumed->gameId : ctx.options.RequireInt("game");
    const GameNumber number = resumed ? resumed->number : RequireGameNumber(ctx.options);
    const bool autoplay = TakeSwitch(ctx.options, "autoplay");
    const UndoPolicy policy = TakeUndoPolicy(ctx.options);
    bool record = ctx.options.TakeFlag("record");
    ctx.options.CheckAllTaken();

    GameState state = NewGameState(LoadGameParams(ctx, id));
    MessageList sink;
    if (!resumed) {
        if (!DealGame(state, number, sink))
            throw CliError{sink.messages.empty() ? "the game cannot be dealt"
                                                 : sink.messages.front()};
        state.active = true;
    }
    const PlacedPiles placed = PlacedOnPlayWindow(state.params);
    if (record) {
        if (std::string problem = PrepareDataDir(ctx.dataDir); !problem.empty()) {
            ctx.err << "tablamor-cli: " << problem << '\n';
            record = false;
        }
    }
    Settings settings;
    if (record) settings = RecordSettings(ctx, static_cast<int>(id), number, sink);
    SettingsGameRecorder recorder(settings, ctx.dataDir, sink);
    recorder.SetState(&state);
    Player player(ctx, static_cast<int>(id), state, placed, sink);
    if (record) player.Play().SetRecorder(&recorder);
    player.Play().SetUndoPolicy(policy);
    player.Play().SetAutoplay(autoplay);
    if (!resumed)
        player.Play().Begin();
    else if (std::string refusal = ResumeSavedGame(*resumed, state, player.Play());
             !refusal.empty())
        throw CliError{*resumeFile + ": " + refusal};
    player.Flush();

    std::string line;
    while (std::getline(ctx.in, line)) {
        std::string words = Trimmed(line);
        if (words.empty()) continue;
        if (!player.Line(words)) break;
    }
    player.Finish();
    if (recorder.UnsavedGames() > 0) throw CliError{"the records of the game could not be saved"};
    return 0;
}

} // namespace tablamor::cli
