#include "cli.h"

#include "engine/deal.h"
#include "records/data_dir.h"
#include "records/paths.h"
#include "records/record_names.h"
#include "records/required_files.h"
#include "session/game_loader.h"

#include <charconv>
#include <ostream>

namespace tablamor::cli {
namespace {

constexpr long long kLargestGameId = 9999; // ids are four digits; 8000 and above are custom
constexpr std::string_view kEveryGame = "all";

// Keeps the first message the engine sends, to report it as the command's failure.
class FirstMessage : public EventSink {
public:
    void Message(std::string_view text) override {
        if (message.empty()) message = text;
    }
    std::string message;
};
const char* const kFlags[] = {"--record"};

bool IsFlag(const std::string& word) {
    for (const char* s : kFlags)
        if (word == s) return true;
    return false;
}

} // namespace

Options::Options(const std::vector<std::string>& words) {
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word.size() < 3 || word.compare(0, 2, "--") != 0)
            throw CliError{"unexpected argument '" + word + "'"};
        if (IsFlag(word)) {
            values_[word.substr(2)] = "";
            continue;
        }
        if (i + 1 >= words.size()) throw CliError{"option " + word + " needs a value"};
        values_[word.substr(2)] = words[++i];
    }
}

std::optional<std::string> Options::Take(const std::string& name) {
    auto it = values_.find(name);
    if (it == values_.end()) return std::nullopt;
    std::string value = it->second;
    values_.erase(it);
    return value;
}

std::string Options::Require(const std::string& name) {
    auto value = Take(name);
    if (!value) throw CliError{"missing option --" + name};
    return *value;
}

bool Options::TakeFlag(const std::string& name) {
    return values_.erase(name) > 0;
}

std::optional<long long> Options::TakeInt(const std::string& name) {
    auto text = Take(name);
    if (!text) return std::nullopt;
    long long value = 0;
    auto [end, ec] = std::from_chars(text->data(), text->data() + text->size(), value);
    if (text->empty() || ec != std::errc() || end != text->data() + text->size())
        throw CliError{"option --" + name + " takes a whole number, not '" + *text + "'"};
    return value;
}

long long Options::RequireInt(const std::string& name) {
    auto value = TakeInt(name);
    if (!value) throw CliError{"missing option --" + name};
    return *value;
}

void Options::CheckAllTaken() const {
    if (!values_.empty()) throw CliError{"unknown option --" + values_.begin()->first};
}

GameFile OpenGameFile(const std::filesystem::path& root) {
    std::filesystem::path path = ProgramPath(root, kGamesFileName);
    auto file = GameFile::Open(path);
    if (!file) throw CliError{MissingFileText(path)};
    return std::move(*file);
}

std::filesystem::path CustomGamesFile(const Context& ctx) {
    return DataFilePath(ctx.dataDir, kCustomGamesFileName);
}

GameParams LoadGameParams(const Context& ctx, long long id) {
    GameFile games = OpenGameFile(ctx.root);
    auto customGames = CustomGamesFile(ctx);
    std::optional<GameParams> params;
    if (id >= 0 && id <= kLargestGameId &&
        !GameName(games, static_cast<int>(id), customGames).empty())
        params = LoadGameDefinition(games, static_cast<int>(id), customGames);
    if (!params) throw CliError{"unknown game id " + std::to_string(id)};
    return *params;
}

std::vector<GameListEntry> NamedGames(const Context& ctx, const std::string& which) {
    const GameFile games = OpenGameFile(ctx.root);
    if (which == kEveryGame) return games.List();
    long long id = 0;
    const auto [end, error] = std::from_chars(which.data(), which.data() + which.size(), id);
    if (error != std::errc{} || end != which.data() + which.size())
        throw CliError{"option --game takes a game id or 'all'"};
    const std::string name = id >= 0 && id <= kLargestGameId
                                 ? GameName(games, static_cast<int>(id), CustomGamesFile(ctx))
                                 : std::string();
    if (name.empty()) throw CliError{"unknown game id " + which};
    return {GameListEntry{0, static_cast<int>(id), name}};
}

GameState DealtGame(const GameParams& params, const GameNumber& number) {
    GameState state = NewGameState(params);
    FirstMessage sink;
    if (!DealForPlay(state, number, sink))
        throw CliError{sink.message.empty() ? "the game cannot be dealt" : sink.message};
    return state;
}

GameNumber RequireGameNumber(Options& options) {
    std::string text = options.Require("number");
    auto number = GameNumber::Parse(text);
    if (!number)
        throw CliError{"game number '" + text +
                       "' must be decimal digits (at most the last 13 are used)"};
    return *number;
}

void PrintTable(std::ostream& out, const Table& table) {
    for (PileIndex p = 0; p < kPileCount; ++p) {
        std::string content = table.SnapshotText(p);
        out << PileName(p) << ' ' << (content.empty() ? "-" : content) << '\n';
    }
}

} // namespace tablamor::cli
