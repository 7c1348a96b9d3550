#pragma once
// The undo and redo history. Every change of the piles is preceded by a whole-table snapshot, so
// undo and redo swap whole snapshots between two stacks and the live table; there is no move log.
// A snapshot holds every pile and every card's face flag; in the pairing and pyramid games the
// first foundation (the player's current selection) is left out and restored empty.
//
// Each step carries a mark ("" or a 3-digit number) that travels with it between the stacks, and
// the per-deal counters an undo must put back with the table (the passes through the stock).
// Snapshots are stored packed (used slots, pile sizes and face flags: under 200 bytes for two
// decks) in one byte arena per stack.
#include "engine/table.h"

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace tablamor {

// How many undo levels the player allows.
enum class UndoPolicy : int {
    Unlimited = 0,
    OneLevel = 1,
    Disabled = 2,
};

// The 53 strings of a snapshot: per pile, per card its 3-digit code and its face flag
// ("0401" the king of spades face up, "0000" a gap), bottom card first.
std::array<std::string, kPileCount> EncodeSnapshot(const Table& table, bool omitSelection);

// Empties the pile, then appends every 4-character item and sets the card's face flag (a gap sets
// none). Returns false, leaving the pile empty, for an item that is not a card.
[[nodiscard]] bool RestorePile(Table& table, PileIndex pile, std::string_view encoded);

// The counters a step holds besides the table.
struct StepCounters {
    int passesUsed = 1;
    bool operator==(const StepCounters&) const = default;
};

// A stack of packed table snapshots with their counters and marks.
class SnapshotStack {
public:
    void Push(const Table& table, bool omitSelection, StepCounters counters = {},
              std::string mark = {});
    // Restores the newest snapshot into `table` (piles and face flags) and, when given, its
    // counters, and removes it. `table`'s face flags of cards the snapshot does not place are
    // kept. Returns the step's mark.
    std::string Pop(Table& table, StepCounters* counters = nullptr);
    // The newest snapshot unpacked, without removing it.
    Table Peek(const Table& base) const;
    void DropNewest();
    void Clear();

    bool Empty() const { return offsets_.empty(); }
    std::size_t Size() const { return offsets_.size(); }
    std::size_t Bytes() const { return bytes_.size(); }
    // Memory the stack holds for its steps (snapshots, offsets, counters and marks).
    std::size_t MemoryBytes() const;

    // Step k (0 the oldest) unpacked over `base`, with its counters and its mark: how a saved
    // game writes the history out.
    Table StepTable(std::size_t step, const Table& base) const;
    StepCounters Counters(std::size_t step) const { return counters_[step]; }
    const std::string& Mark(std::size_t step) const { return marks_[step]; }

    // Marks: the newest entry.
    const std::string& NewestMark() const;
    void SetNewestMark(std::string mark);
    bool AnyMark(std::string_view mark) const;

private:
    std::vector<std::uint8_t> bytes_;
    std::vector<std::size_t> offsets_;
    std::vector<std::string> marks_;
    std::vector<StepCounters> counters_;
    void Unpack(std::size_t step, Table& table) const;
};

// The two stacks with the policy flags. The caller records a step before every change of the
// piles and clears the redo stack after every successful move.
class History {
public:
    History() = default;
    // A history read back from a saved game: the two stacks and the one-level flags.
    History(SnapshotStack undo, SnapshotStack redo, bool undoDone, bool redoDone)
        : undo_(std::move(undo)), redo_(std::move(redo)), undoDone_(undoDone), redoDone_(redoDone) {
    }

    // Saves a table (the live one, or the one just before a change) as a new undo step (empty
    // mark) with its counters, and clears UndoDone.
    void RecordUndoStep(const Table& table, bool omitSelection, StepCounters counters = {});
    // A new move was made: the redo stack and its marks are emptied; clears RedoDone.
    void ClearRedo();
    // Empties the redo stack and, with alsoUndo, the undo stack as well.
    void Clear(bool alsoUndo);

    // Whether an undo (or redo) would be carried out under this policy.
    bool CanUndo(UndoPolicy policy) const;
    bool CanRedo(UndoPolicy policy) const;
    // Takes one step back or forward: the live table goes on the other stack, the newest step of
    // this stack becomes the live table, and its mark moves along. The live counters, when
    // given, travel the same way. False (nothing changed) when refused by the policy or an empty
    // stack.
    [[nodiscard]] bool Undo(Table& live, UndoPolicy policy, bool omitSelection,
                            StepCounters* counters = nullptr);
    [[nodiscard]] bool Redo(Table& live, UndoPolicy policy, bool omitSelection,
                            StepCounters* counters = nullptr);

    // Merges the newest undo step into the one before, n times: the older snapshot stays (one undo
    // then takes back both changes, and every pile is as it was before the first), the newer mark
    // is kept.
    void MergeNewestSteps(int n);

    SnapshotStack& UndoStack() { return undo_; }
    const SnapshotStack& UndoStack() const { return undo_; }
    const SnapshotStack& RedoStack() const { return redo_; }
    bool UndoDone() const { return undoDone_; }
    bool RedoDone() const { return redoDone_; }

private:
    SnapshotStack undo_;
    SnapshotStack redo_;
    bool undoDone_ = false;
    bool redoDone_ = false;
    static bool Allowed(UndoPolicy policy, bool stackEmpty, bool done);
};

} // namespace tablamor
