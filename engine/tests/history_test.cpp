#include "engine/history.h"

#include <gtest/gtest.h>

#include <random>

namespace tablamor {
namespace {

Table Dealt(unsigned seed) {
    std::mt19937 rng(seed);
    Table t;
    for (Card c = 1; c <= kMaxCards; ++c)
        t.Append(static_cast<PileIndex>(rng() % kPileCount), c, rng() % 2);
    return t;
}

// One "move": the top card of the first non-empty pile goes to the next pile, face up.
void MoveSomething(Table& t) {
    for (PileIndex p = 0; p < kPileCount; ++p) {
        if (t.Empty(p)) continue;
        Card c = t.EraseAt(p, t.Size(p) - 1);
        t.Append((p + 1) % kPileCount, c, true);
        return;
    }
}

TEST(Snapshot, EncodeAndRestore) {
    Table t;
    t.Append(kStockPile, 40, true);
    t.Append(kStockPile, 2, false);
    t.Append(TableauPile(0), kNoCard);
    t.Append(FoundationPile(0), 13, true);
    auto lines = EncodeSnapshot(t, false);
    EXPECT_EQ(lines[kStockPile], "04010020");
    EXPECT_EQ(lines[TableauPile(0)], "0000");
    EXPECT_EQ(lines[FoundationPile(0)], "0131");
    EXPECT_EQ(EncodeSnapshot(t, true)[FoundationPile(0)], "");

    Table u;
    for (PileIndex p = 0; p < kPileCount; ++p)
        ASSERT_TRUE(RestorePile(u, p, lines[static_cast<std::size_t>(p)]));
    EXPECT_EQ(u.PileString(kStockPile), "040002");
    EXPECT_FALSE(u.FaceUp(2));
    EXPECT_FALSE(RestorePile(u, kWastePile, "0012"));
    EXPECT_FALSE(RestorePile(u, kWastePile, "123"));
    EXPECT_TRUE(u.Empty(kWastePile));
}

TEST(Snapshot, PackRoundTripsAndRejectsDamage) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
        Table t = Dealt(seed);
        std::vector<std::uint8_t> bytes;
        t.Pack(bytes);
        EXPECT_LT(bytes.size(), 200u);
        Table u;
        ASSERT_EQ(u.Unpack(bytes), bytes.size());
        EXPECT_EQ(u, t);
        std::vector<std::uint8_t> damaged = bytes;
        damaged[1] += 1; // pile sizes no longer add up
        Table v = Dealt(99);
        Table before = v;
        EXPECT_EQ(v.Unpack(damaged), 0u);
        EXPECT_EQ(v, before);
        EXPECT_EQ(v.Unpack(std::span<const std::uint8_t>(bytes).first(bytes.size() - 1)), 0u);
    }
}

TEST(History, UnlimitedUndoAndRedoWalkTheWholeGame) {
    Table live = Dealt(7);
    std::vector<Table> states{live};
    History h;
    for (int i = 0; i < 50; ++i) {
        h.RecordUndoStep(live, false);
        MoveSomething(live);
        h.ClearRedo();
        states.push_back(live);
    }
    for (int i = 49; i >= 0; --i) {
        ASSERT_TRUE(h.Undo(live, UndoPolicy::Unlimited, false));
        EXPECT_EQ(live, states[static_cast<std::size_t>(i)]);
    }
    EXPECT_FALSE(h.Undo(live, UndoPolicy::Unlimited, false));
    for (int i = 1; i <= 50; ++i) {
        ASSERT_TRUE(h.Redo(live, UndoPolicy::Unlimited, false));
        EXPECT_EQ(live, states[static_cast<std::size_t>(i)]);
    }
    EXPECT_FALSE(h.Redo(live, UndoPolicy::Unlimited, false));
}

TEST(History, Policies) {
    struct Row {
        const char* name;
        UndoPolicy policy;
        const char* commands; // m move, u undo, r redo
        const char* expected; // per command: + done, - refused
    } rows[] = {
        {"one level: second undo refused", UndoPolicy::OneLevel, "muu", "++-"},
        {"one level: undo redo undo", UndoPolicy::OneLevel, "muru", "++++"},
        {"one level: move resets", UndoPolicy::OneLevel, "mmumu", "+++++"},
        {"disabled", UndoPolicy::Disabled, "mur", "+--"},
        {"redo after a new move", UndoPolicy::Unlimited, "mmumr", "++++-"},
        {"nothing to undo after the deal", UndoPolicy::Unlimited, "u", "-"},
    };
    for (const Row& row : rows) {
        Table live = Dealt(3);
        History h;
        std::string got;
        for (const char* c = row.commands; *c; ++c) {
            bool done = true;
            if (*c == 'm') {
                h.RecordUndoStep(live, false);
                MoveSomething(live);
                h.ClearRedo();
            } else if (*c == 'u') {
                done = h.Undo(live, row.policy, false);
            } else {
                done = h.Redo(live, row.policy, false);
            }
            got += done ? '+' : '-';
        }
        EXPECT_EQ(got, row.expected) << row.name;
    }
}

TEST(History, MarksTravelAndMergeKeepsTheOlderTable) {
    Table live = Dealt(5);
    Table start = live;
    History h;
    h.RecordUndoStep(live, false);
    MoveSomething(live);
    h.ClearRedo();
    h.UndoStack().SetNewestMark("001");
    h.RecordUndoStep(live, false); // the fill after the move
    MoveSomething(live);
    h.UndoStack().SetNewestMark("");
    EXPECT_TRUE(h.UndoStack().AnyMark("001"));
    h.MergeNewestSteps(1);
    EXPECT_EQ(h.UndoStack().Size(), 1u);
    EXPECT_EQ(h.UndoStack().NewestMark(), "");
    Table afterFill = live;
    ASSERT_TRUE(h.Undo(live, UndoPolicy::Unlimited, false));
    EXPECT_EQ(live, start); // one undo takes back both
    EXPECT_EQ(h.RedoStack().NewestMark(), "");
    ASSERT_TRUE(h.Redo(live, UndoPolicy::Unlimited, false));
    EXPECT_EQ(live, afterFill);
}

TEST(History, SelectionIsLeftOut) {
    Table live = Dealt(11);
    live.Truncate(FoundationPile(0), 0);
    History h;
    h.RecordUndoStep(live, true);
    Table before = live;
    live.Append(FoundationPile(0), live.Top(TableauPile(0)) ? live.Top(TableauPile(0)) : 1);
    ASSERT_TRUE(h.Undo(live, UndoPolicy::Unlimited, true));
    EXPECT_EQ(live, before);
    EXPECT_TRUE(live.Empty(FoundationPile(0)));
}

} // namespace
} // namespace tablamor
