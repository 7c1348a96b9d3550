// Saved games: a game played part-way comes back with the same table, score, counters, clock and
// undo and redo history; a damaged file, a file of another kind or a changed game definition is
// refused and leaves the game in play as it was.
#include "play_fixture.h"

#include "engine/game_play.h"
#include "engine/move_generator.h"
#include "engine/saved_game.h"

#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <variant>

namespace tablamor {
namespace {

using namespace test;

class FixedClock : public PlayClock {
public:
    TimePoint Now() const override { return now; }
    TimePoint now{};
};

GameParams ShippedParams(int id) {
    for (const GameDefinition& game : ShippedGameDefinitions())
        if (game.id == id) return game.params;
    ADD_FAILURE() << "no game " << id;
    return {};
}

// A game of the given id and number played for `moves` random legal moves, some taken back.
struct PlayedGame {
    explicit PlayedGame(int id, const std::string& number, int moves, unsigned seed)
        : state(DealtGame(ShippedParams(id), number)), play(state, NullEventSink(), clock) {
        play.Begin();
        std::mt19937 rng(seed);
        const PlacedPiles placed = PlacedPiles::EveryPileOf(state);
        for (int k = 0; k < moves && state.active; ++k) {
            const std::vector<Command> commands = GenerateCommands(state, placed);
            if (commands.empty()) break;
            (void)play.Apply(commands[rng() % commands.size()]);
        }
        play.Undo();
        play.Undo();
        clock.now += std::chrono::seconds(kPlayedSeconds);
    }
    static constexpr int kPlayedSeconds = 95;
    FixedClock clock;
    GameState state;
    GamePlay play;
};

// The tables met by undoing to the start, then redoing to the end.
std::vector<Table> WalkHistory(GamePlay& play, const GameState& state) {
    std::vector<Table> tables{state.table};
    while (play.Undo()) tables.push_back(state.table);
    while (play.Redo()) tables.push_back(state.table);
    return tables;
}

// Enough random moves for every game below to hold undo steps (a pyramid's presses often only
// select a card).
constexpr int kRandomMoves = 150;

struct ResumeCase {
    const char* name;
    int id;
    const char* number;
};

class SavedGameRoundTrip : public ::testing::TestWithParam<ResumeCase> {};

TEST_P(SavedGameRoundTrip, ComesBackWhole) {
    const ResumeCase& c = GetParam();
    PlayedGame original(c.id, c.number, kRandomMoves, 7);
    ASSERT_TRUE(original.state.active) << "the game ended before it could be saved";
    ASSERT_FALSE(original.play.GetHistory().UndoStack().Empty());
    ASSERT_FALSE(original.play.GetHistory().RedoStack().Empty());

    const std::string text = SavedGameText(CaptureGame(c.id, original.play));
    auto parsed = ParseSavedGame(text);
    ASSERT_TRUE(std::holds_alternative<SavedGame>(parsed)) << std::get<std::string>(parsed);
    const SavedGame& saved = std::get<SavedGame>(parsed);
    EXPECT_EQ(saved.gameId, c.id);
    EXPECT_EQ(SavedGameText(saved), text);

    FixedClock clock;
    clock.now += std::chrono::hours(1);
    GameState state = NewGameState(ShippedParams(c.id));
    GamePlay play(state, NullEventSink(), clock);
    ASSERT_EQ(ResumeSavedGame(saved, state, play), "");
    EXPECT_EQ(state, original.state);
    EXPECT_EQ(play.ElapsedSeconds(), PlayedGame::kPlayedSeconds);
    EXPECT_EQ(play.GetHistory().UndoStack().Size(), original.play.GetHistory().UndoStack().Size());
    EXPECT_EQ(WalkHistory(play, state), WalkHistory(original.play, original.state));
}

INSTANTIATE_TEST_SUITE_P(Games, SavedGameRoundTrip,
                         ::testing::Values(ResumeCase{"Klondike", 1, "1063937284984"},
                                           ResumeCase{"FreeCell", 2, "11982"},
                                           ResumeCase{"Spider", 13, "4242"},
                                           ResumeCase{"Pyramid", 34, "77"},
                                           ResumeCase{"Golf", 43, "123456"}),
                         [](const auto& info) { return std::string(info.param.name); });

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

// The text of the saved Klondike game, changed by a case.
struct DamageCase {
    const char* name;
    std::string (*damage)(const std::string& text);
};

const DamageCase kDamage[] = {
    {"empty file", [](const std::string&) { return std::string(); }},
    {"another kind of file", [](const std::string&) { return std::string("[Settings]\n"); }},
    {"a later version",
     [](const std::string& t) { return Replaced(t, "saved game 1", "saved game 2"); }},
    {"cut short", [](const std::string& t) { return t.substr(0, t.size() / 2); }},
    {"no end line", [](const std::string& t) { return Replaced(t, "end\n", ""); }},
    {"a letter in the score",
     [](const std::string& t) { return Replaced(t, "score ", "score x"); }},
    {"a negative clock", [](const std::string& t) { return Replaced(t, "seconds ", "seconds -"); }},
    {"a pile too few",
     [](const std::string& t) {
         const std::size_t line = t.find("\ntable ");
         return t.substr(0, line + 7) + t.substr(t.find('/', line) + 1);
     }},
    {"a card twice", // the first card of the table written over the second
     [](const std::string& t) {
         std::string text = t;
         const std::size_t pile = text.find_first_of("0123456789", text.find("\ntable ") + 7);
         text.replace(pile + 4, 3, text.substr(pile, 3));
         return text;
     }},
    {"a step too many in the undo count",
     [](const std::string& t) {
         const std::size_t at = t.find("\nundo ") + 6;
         const std::size_t end = t.find('\n', at);
         return t.substr(0, at) + std::to_string(std::stoi(t.substr(at, end - at)) + 1) +
                t.substr(end);
     }},
    {"a hinted flag that is not 0 or 1",
     [](const std::string& t) {
         return Replaced(t, "\nredo-done 0\n", "\nredo-done 0\nhinted 2\n");
     }},
    {"a damaged step",
     [](const std::string& t) { return Replaced(t, "\nstep 1 - ", "\nstep 1 - 999"); }},
};

TEST(SavedGame, DamagedTextIsRefusedAndNothingChanges) {
    PlayedGame original(1, "1063937284984", 30, 3);
    const std::string text = SavedGameText(CaptureGame(1, original.play));
    PlayedGame inPlay(1, "5", 10, 4);
    const GameState before = inPlay.state;
    const std::size_t undoBefore = inPlay.play.GetHistory().UndoStack().Size();
    for (const DamageCase& c : kDamage) {
        SCOPED_TRACE(c.name);
        auto parsed = ParseSavedGame(c.damage(text));
        std::string reason;
        if (auto* game = std::get_if<SavedGame>(&parsed))
            reason = ResumeSavedGame(*game, inPlay.state, inPlay.play);
        else
            reason = std::get<std::string>(parsed);
        EXPECT_NE(reason, "");
        EXPECT_EQ(inPlay.state, before);
        EXPECT_EQ(inPlay.play.GetHistory().UndoStack().Size(), undoBefore);
    }
}

// A game in which a hint was taken stays hinted when it is kept and taken up again, so its end
// counts as hinted; a game without one is written as files were before the flag existed.
TEST(SavedGame, TheHintTakenIsKept) {
    for (const bool hinted : {false, true}) {
        SCOPED_TRACE(hinted ? "hinted" : "not hinted");
        PlayedGame original(1, "1063937284984", 20, 6);
        if (hinted) original.play.NoteHint();
        const std::string text = SavedGameText(CaptureGame(1, original.play));
        EXPECT_EQ(text.find("\nhinted "),
                  hinted ? text.find("\nredo-done ") + 12 : std::string::npos);
        auto parsed = ParseSavedGame(text);
        ASSERT_TRUE(std::holds_alternative<SavedGame>(parsed)) << std::get<std::string>(parsed);
        GameState state = NewGameState(ShippedParams(1));
        GamePlay play(state, NullEventSink());
        ASSERT_EQ(ResumeSavedGame(std::get<SavedGame>(parsed), state, play), "");
        EXPECT_EQ(play.Hinted(), hinted);
    }
}

TEST(SavedGame, AChangedDefinitionIsRefused) {
    PlayedGame original(1, "1063937284984", 20, 5);
    auto parsed = ParseSavedGame(SavedGameText(CaptureGame(1, original.play)));
    ASSERT_TRUE(std::holds_alternative<SavedGame>(parsed));
    GameParams changed = ShippedParams(1);
    changed[param::kStockDealCount] =
        static_cast<std::int16_t>(changed[param::kStockDealCount] + 2);
    GameState state = NewGameState(changed);
    const GameState before = state;
    GamePlay play(state, NullEventSink());
    EXPECT_EQ(ResumeSavedGame(std::get<SavedGame>(parsed), state, play),
              "the game has changed since this game was saved");
    EXPECT_EQ(state, before);
}

} // namespace
} // namespace tablamor
