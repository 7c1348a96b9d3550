#include "engine/saved_game.h"

#include "engine/deal.h"
#include "engine/state_fault.h"

#include <charconv>
#include <cstddef>
#include <optional>
#include <type_traits>
#include <utility>

namespace tablamor {
namespace {

constexpr char kPileSeparator = '/';
constexpr std::string_view kNoMark = "-";
constexpr std::string_view kEndLine = "end";
constexpr std::uint64_t kFnvOffset = 14695981039346656037ULL;
constexpr std::uint64_t kFnvPrime = 1099511628211ULL;

std::string JoinPiles(const std::array<std::string, kPileCount>& piles) {
    std::string text;
    for (std::size_t p = 0; p < piles.size(); ++p) {
        if (p > 0) text += kPileSeparator;
        text += piles[p];
    }
    return text;
}

std::optional<std::array<std::string, kPileCount>> SplitPiles(std::string_view text) {
    std::array<std::string, kPileCount> piles;
    for (std::size_t p = 0; p < piles.size(); ++p) {
        const std::size_t end = text.find(kPileSeparator);
        const bool last = p + 1 == piles.size();
        if (last != (end == std::string_view::npos)) return std::nullopt;
        piles[p] = std::string(text.substr(0, end));
        if (!last) text.remove_prefix(end + 1);
    }
    return piles;
}

std::string StepLine(const SavedStep& step) {
    return "step " + std::to_string(step.passesUsed) + ' ' +
           (step.mark.empty() ? std::string(kNoMark) : step.mark) + ' ' + JoinPiles(step.piles);
}

std::vector<SavedStep> CaptureStack(const SnapshotStack& stack, const Table& live,
                                    bool omitSelection) {
    std::vector<SavedStep> steps;
    for (std::size_t k = 0; k < stack.Size(); ++k)
        steps.push_back(SavedStep{EncodeSnapshot(stack.StepTable(k, live), omitSelection),
                                  stack.Counters(k).passesUsed, stack.Mark(k)});
    return steps;
}

// Reads the lines of a saved game one after another; every failure names the line.
class LineReader {
public:
    explicit LineReader(std::string_view text) : text_(text) {}

    std::optional<std::string_view> Next() {
        if (text_.empty()) return std::nullopt;
        const std::size_t end = text_.find('\n');
        std::string_view line = text_.substr(0, end);
        text_.remove_prefix(end == std::string_view::npos ? text_.size() : end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        ++number_;
        return line;
    }

    // The rest of a line that starts with `key` and a blank.
    std::optional<std::string_view> Value(std::string_view key) {
        auto line = Next();
        if (!line || line->size() <= key.size() || !line->starts_with(key) ||
            (*line)[key.size()] != ' ')
            return std::nullopt;
        return line->substr(key.size() + 1);
    }

    // True when the next line starts with `key` and a blank; nothing is read.
    bool NextIs(std::string_view key) const {
        return text_.size() > key.size() && text_.starts_with(key) && text_[key.size()] == ' ';
    }

    std::string Fault(std::string_view what) const {
        return "line " + std::to_string(number_) + ": " + std::string(what);
    }

private:
    std::string_view text_;
    int number_ = 0;
};

template <typename Number> bool ParseNumber(std::optional<std::string_view> text, Number& into) {
    if (!text) return false;
    const char* end = text->data() + text->size();
    auto [ptr, error] = std::from_chars(text->data(), end, into);
    return error == std::errc{} && ptr == end;
}

bool ParseFlag(std::optional<std::string_view> text, bool& into) {
    if (text != "0" && text != "1") return false;
    into = text == "1";
    return true;
}

// Reads the line "<key> <value>" into a number or a 0/1 flag.
template <typename Value> bool Read(LineReader& lines, std::string_view key, Value& into) {
    if constexpr (std::is_same_v<Value, bool>)
        return ParseFlag(lines.Value(key), into);
    else
        return ParseNumber(lines.Value(key), into);
}

// Reads the line "<key> <value>" when the next line is one; otherwise leaves `into` as it is.
template <typename Value> bool ReadOptional(LineReader& lines, std::string_view key, Value& into) {
    return !lines.NextIs(key) || Read(lines, key, into);
}

bool ReadGameNumber(std::optional<std::string_view> text, GameNumber& into) {
    auto number = text ? GameNumber::Parse(*text) : std::nullopt;
    if (number) into = *number;
    return number.has_value();
}

bool ReadPiles(std::optional<std::string_view> text, std::array<std::string, kPileCount>& into) {
    auto piles = text ? SplitPiles(*text) : std::nullopt;
    if (piles) into = std::move(*piles);
    return piles.has_value();
}

std::optional<SavedStep> ParseStep(std::optional<std::string_view> text) {
    if (!text) return std::nullopt;
    const std::size_t passesEnd = text->find(' ');
    if (passesEnd == std::string_view::npos) return std::nullopt;
    const std::size_t markEnd = text->find(' ', passesEnd + 1);
    if (markEnd == std::string_view::npos) return std::nullopt;
    SavedStep step;
    if (!ParseNumber(text->substr(0, passesEnd), step.passesUsed) ||
        !ReadPiles(text->substr(markEnd + 1), step.piles))
        return std::nullopt;
    step.mark = text->substr(passesEnd + 1, markEnd - passesEnd - 1);
    if (step.mark == kNoMark) step.mark.clear();
    return step;
}

// Reads "<key> <count>" and that many step lines.
bool ReadSteps(LineReader& lines, std::string_view key, std::vector<SavedStep>& into) {
    std::size_t count = 0;
    if (!Read(lines, key, count)) return false;
    for (std::size_t k = 0; k < count; ++k) {
        auto step = ParseStep(lines.Value("step"));
        if (!step) return false;
        into.push_back(std::move(*step));
    }
    return true;
}

// The table with the given piles over `base`; nullopt when a pile is not a list of cards.
std::optional<Table> TableOf(const std::array<std::string, kPileCount>& piles, const Table& base) {
    Table table = base;
    for (PileIndex p = 0; p < kPileCount; ++p)
        if (!RestorePile(table, p, piles[static_cast<std::size_t>(p)])) return std::nullopt;
    return table;
}

// The steps as a snapshot stack; each step's table must be sound for the game.
std::optional<SnapshotStack> StackOf(const std::vector<SavedStep>& steps, const GameState& game) {
    SnapshotStack stack;
    GameState probe = game;
    const bool omitSelection = game.HoldsSelection();
    for (const SavedStep& step : steps) {
        auto table = TableOf(step.piles, game.table);
        if (!table) return std::nullopt;
        probe.table = *table;
        if (!StateFault(probe).empty()) return std::nullopt;
        stack.Push(*table, omitSelection, StepCounters{step.passesUsed}, step.mark);
    }
    return stack;
}

} // namespace

std::uint64_t DefinitionFingerprint(const GameState& state) {
    GameState loaded = state;
    RestoreDealParams(loaded);
    std::uint64_t hash = kFnvOffset;
    for (std::int16_t value : loaded.params.value) {
        for (int byte = 0; byte < 2; ++byte) {
            hash ^= static_cast<std::uint8_t>(static_cast<std::uint16_t>(value) >> (8 * byte));
            hash *= kFnvPrime;
        }
    }
    return hash;
}

SavedGame CaptureGame(int gameId, const GamePlay& play) {
    const GameState& state = play.State();
    const History& history = play.GetHistory();
    const bool omitSelection = state.HoldsSelection();
    SavedGame game;
    game.gameId = gameId;
    game.definition = DefinitionFingerprint(state);
    game.number = state.number;
    game.score = state.score;
    game.scoring = state.scoring;
    game.seconds = play.ElapsedSeconds();
    game.passesUsed = state.passesUsed;
    game.actionsDone = state.actionsDone;
    game.stockPressed = state.stockPressed;
    game.undoDone = history.UndoDone();
    game.redoDone = history.RedoDone();
    game.hinted = play.Hinted();
    game.table = EncodeSnapshot(state.table, false);
    game.undo = CaptureStack(history.UndoStack(), state.table, omitSelection);
    game.redo = CaptureStack(history.RedoStack(), state.table, omitSelection);
    return game;
}

std::string SavedGameText(const SavedGame& game) {
    auto line = [](std::string_view key, const std::string& value) {
        return std::string(key) + ' ' + value + '\n';
    };
    auto flag = [](bool on) { return std::string(on ? "1" : "0"); };
    std::string text = std::string(kSavedGameHeader) + '\n';
    text += line("game", std::to_string(game.gameId));
    text += line("definition", std::to_string(game.definition));
    text += line("number", game.number.Text());
    text += line("score", std::to_string(game.score));
    text += line("scoring", flag(game.scoring));
    text += line("seconds", std::to_string(game.seconds));
    text += line("passes", std::to_string(game.passesUsed));
    text += line("actions", std::to_string(game.actionsDone));
    text += line("stock-pressed", flag(game.stockPressed));
    text += line("undo-done", flag(game.undoDone));
    text += line("redo-done", flag(game.redoDone));
    if (game.hinted) text += line("hinted", flag(true));
    text += line("table", JoinPiles(game.table));
    text += line("undo", std::to_string(game.undo.size()));
    for (const SavedStep& step : game.undo) text += StepLine(step) + '\n';
    text += line("redo", std::to_string(game.redo.size()));
    for (const SavedStep& step : game.redo) text += StepLine(step) + '\n';
    text += std::string(kEndLine) + '\n';
    return text;
}

std::variant<SavedGame, std::string> ParseSavedGame(std::string_view text) {
    LineReader lines(text);
    if (lines.Next() != kSavedGameHeader) return "this is not a saved game of this version";
    SavedGame game;
    // Each line is read and checked in turn, so that a refusal names the first damaged line.
    const bool read =
        Read(lines, "game", game.gameId) && Read(lines, "definition", game.definition) &&
        ReadGameNumber(lines.Value("number"), game.number) && Read(lines, "score", game.score) &&
        Read(lines, "scoring", game.scoring) && Read(lines, "seconds", game.seconds) &&
        game.seconds >= 0 && Read(lines, "passes", game.passesUsed) &&
        Read(lines, "actions", game.actionsDone) &&
        Read(lines, "stock-pressed", game.stockPressed) &&
        Read(lines, "undo-done", game.undoDone) && Read(lines, "redo-done", game.redoDone) &&
        ReadOptional(lines, "hinted", game.hinted) && ReadPiles(lines.Value("table"), game.table) &&
        ReadSteps(lines, "undo", game.undo) && ReadSteps(lines, "redo", game.redo) &&
        lines.Next() == kEndLine;
    if (!read) return lines.Fault("the saved game is damaged");
    return game;
}

std::string ResumeSavedGame(const SavedGame& game, GameState& state, GamePlay& play) {
    if (DefinitionFingerprint(state) != game.definition)
        return "the game has changed since this game was saved";
    // The deal puts the parameters a deal rewrites as they were when the game began.
    GameState resumed = state;
    ResetForDeal(resumed);
    resumed.scoring = game.scoring;
    if (!DealGame(resumed, game.number, NullEventSink()))
        return "the saved game's number cannot be dealt";
    const std::string damaged = "the saved game is damaged";
    auto table = TableOf(game.table, resumed.table);
    if (!table) return damaged;
    resumed.table = *table;
    resumed.score = game.score;
    resumed.passesUsed = game.passesUsed;
    resumed.actionsDone = game.actionsDone;
    resumed.stockPressed = game.stockPressed;
    resumed.active = true;
    resumed.won = false;
    if (!StateFault(resumed).empty()) return damaged;
    auto undo = StackOf(game.undo, resumed);
    auto redo = StackOf(game.redo, resumed);
    if (!undo || !redo) return damaged;
    state = resumed;
    play.Resume(History(std::move(*undo), std::move(*redo), game.undoDone, game.redoDone),
                game.seconds, game.hinted);
    return {};
}

} // namespace tablamor
