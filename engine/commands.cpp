#include "engine/commands.h"

#include "engine/play_flow.h"
#include "engine/pointer.h"
#include "engine/press_rules.h"

#include <array>

namespace tablamor {
namespace {

struct KindWord {
    CommandKind kind;
    std::string_view word;
};
constexpr std::array<KindWord, 5> kWords = {{
    {CommandKind::Drop, "drop"},
    {CommandKind::Send, "send"},
    {CommandKind::Stock, "stock"},
    {CommandKind::Flip, "flip"},
    {CommandKind::Press, "press"},
}};

// Splits off the next word (separated by blanks).
std::string_view NextWord(std::string_view& text) {
    std::size_t start = text.find_first_not_of(" \t\r");
    if (start == std::string_view::npos) {
        text = {};
        return {};
    }
    text.remove_prefix(start);
    std::size_t end = text.find_first_of(" \t\r");
    std::string_view word = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end);
    return word;
}

bool PressDecisionFits(CommandKind kind, PressKind press) {
    switch (kind) {
    case CommandKind::Flip:
        return press == PressKind::TurnFaceUp;
    case CommandKind::Press:
        return press == PressKind::Discard || press == PressKind::ToggleSum ||
               press == PressKind::TogglePair || press == PressKind::Beep;
    default:
        return false;
    }
}

// Passes every call on and counts the steps recorded.
class CountingRecord : public StepRecord {
public:
    explicit CountingRecord(StepRecord& inner) : inner_(inner) {}
    void RecordStep(const Table& before, StepCounters counters) override {
        ++recorded;
        inner_.RecordStep(before, counters);
    }
    void MarkNewest(std::string_view mark) override { inner_.MarkNewest(mark); }
    bool AnyMark(std::string_view mark) const override { return inner_.AnyMark(mark); }
    void MergeNewestSteps(int n) override { inner_.MergeNewestSteps(n); }
    int recorded = 0;

private:
    StepRecord& inner_;
};

} // namespace

std::string CommandText(const Command& c) {
    std::string text;
    for (const KindWord& w : kWords)
        if (w.kind == c.kind) text = w.word;
    if (c.kind == CommandKind::Stock) return text;
    text += ' ' + CardCodeText(c.card);
    if (c.kind == CommandKind::Drop) text += ' ' + PileName(c.pile);
    return text;
}

std::optional<Command> ParseCommand(std::string_view text) {
    std::string_view word = NextWord(text);
    Command c;
    const KindWord* found = nullptr;
    for (const KindWord& w : kWords)
        if (w.word == word) found = &w;
    if (!found) return std::nullopt;
    c.kind = found->kind;
    if (c.kind != CommandKind::Stock) {
        const std::optional<Card> card = ValidCard(ParseCardCode(NextWord(text)));
        if (!card) return std::nullopt;
        c.card = *card;
    }
    if (c.kind == CommandKind::Drop) {
        auto pile = ParsePileName(NextWord(text));
        if (!pile) return std::nullopt;
        c.pile = *pile;
    }
    if (!NextWord(text).empty()) return std::nullopt;
    return c;
}

bool ApplyCommand(GameState& s, const Command& c, const PlayEnv& env) {
    if (!s.active) return false;
    Drag drag;
    if (c.kind == CommandKind::Stock) {
        if (!env.geometry.Placed(kStockPile)) return false;
        const bool pressed = PressLeft(s, drag, kStockPile, s.table.Top(kStockPile), env);
        const bool released = ReleaseLeft(s, drag, std::nullopt, std::nullopt, env);
        return pressed || released;
    }
    const PileIndex from = CardPile(s, c.card);
    if (from < 0 || !env.geometry.Placed(from) ||
        !PressReaches(s, from, s.table.Find(from, c.card)))
        return false;
    if (c.kind == CommandKind::Send) return DoubleClickSend(s, from, c.card, env);

    const PressDecision d = DecideLeftPress(s, from, c.card, NullEventSink());
    if (d.card != c.card) return false;
    if (c.kind == CommandKind::Drop) {
        if (d.kind != PressKind::Lift || c.pile < 0 || c.pile >= kPileCount) return false;
        if (!PressLeft(s, drag, from, c.card, env)) return false;
        return ReleaseLeft(s, drag, DropRectOver(drag, c.pile, env.geometry), c.pile, env);
    }
    if (!PressDecisionFits(c.kind, d.kind)) return false;
    const bool pressed = PressLeft(s, drag, from, c.card, env);
    const bool released = ReleaseLeft(s, drag, std::nullopt, std::nullopt, env);
    return pressed || released;
}

bool PlayCommand(GameState& s, const Command& c, bool autoplay, const PlayEnv& env) {
    CountingRecord counting(env.steps);
    const PlayEnv counted{env.geometry, env.sink, counting};
    const bool done = ApplyCommand(s, c, counted);
    AfterRelease(s, autoplay, counting.recorded > 0, counted);
    return done;
}

} // namespace tablamor
