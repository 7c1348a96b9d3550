#include "engine/history.h"

namespace tablamor {
namespace {

const PileIndex kSelectionPile = FoundationPile(0);

PileIndex SkippedPile(bool omitSelection) {
    return omitSelection ? kSelectionPile : -1;
}

} // namespace

std::array<std::string, kPileCount> EncodeSnapshot(const Table& table, bool omitSelection) {
    std::array<std::string, kPileCount> lines;
    for (PileIndex p = 0; p < kPileCount; ++p) {
        if (p == SkippedPile(omitSelection)) continue;
        for (Card c : table.Pile(p)) {
            lines[static_cast<std::size_t>(p)] += CardCodeText(c);
            lines[static_cast<std::size_t>(p)] +=
                c == kNoCard ? '0' : (table.FaceUp(c) ? '1' : '0');
        }
    }
    return lines;
}

bool RestorePile(Table& table, PileIndex pile, std::string_view encoded) {
    table.Truncate(pile, 0);
    if (encoded.size() % 4 != 0) return false;
    for (std::size_t i = 0; i < encoded.size(); i += 4) {
        int code = ParseCardCode(encoded.substr(i, 3));
        char flag = encoded[i + 3];
        if (code < 0 || (flag != '0' && flag != '1')) {
            table.Truncate(pile, 0);
            return false;
        }
        if (!table.Append(pile, static_cast<Card>(code))) return false;
        if (code != kNoCard) table.SetFaceUp(code, flag == '1');
    }
    return true;
}

void SnapshotStack::Push(const Table& table, bool omitSelection, StepCounters counters,
                         std::string mark) {
    offsets_.push_back(bytes_.size());
    table.Pack(bytes_, SkippedPile(omitSelection));
    marks_.push_back(std::move(mark));
    counters_.push_back(counters);
}

std::size_t SnapshotStack::MemoryBytes() const {
    std::size_t markText = 0;
    for (const std::string& m : marks_)
        if (m.capacity() > std::string().capacity()) markText += m.capacity();
    return bytes_.capacity() + offsets_.capacity() * sizeof(std::size_t) +
           marks_.capacity() * sizeof(std::string) + markText +
           counters_.capacity() * sizeof(StepCounters);
}

void SnapshotStack::Unpack(std::size_t step, Table& table) const {
    std::size_t begin = offsets_[step];
    table.Unpack(std::span<const std::uint8_t>(bytes_).subspan(begin));
}

std::string SnapshotStack::Pop(Table& table, StepCounters* counters) {
    if (Empty()) return {};
    Unpack(offsets_.size() - 1, table);
    if (counters) *counters = counters_.back();
    std::string mark = std::move(marks_.back());
    DropNewest();
    return mark;
}

Table SnapshotStack::StepTable(std::size_t step, const Table& base) const {
    Table table = base;
    Unpack(step, table);
    return table;
}

Table SnapshotStack::Peek(const Table& base) const {
    Table table = base;
    if (!Empty()) Unpack(offsets_.size() - 1, table);
    return table;
}

void SnapshotStack::DropNewest() {
    if (Empty()) return;
    bytes_.resize(offsets_.back());
    offsets_.pop_back();
    marks_.pop_back();
    counters_.pop_back();
}

void SnapshotStack::Clear() {
    bytes_.clear();
    offsets_.clear();
    marks_.clear();
    counters_.clear();
}

const std::string& SnapshotStack::NewestMark() const {
    static const std::string kNone;
    return marks_.empty() ? kNone : marks_.back();
}

void SnapshotStack::SetNewestMark(std::string mark) {
    if (!marks_.empty()) marks_.back() = std::move(mark);
}

bool SnapshotStack::AnyMark(std::string_view mark) const {
    for (const std::string& m : marks_)
        if (m == mark) return true;
    return false;
}

void History::RecordUndoStep(const Table& table, bool omitSelection, StepCounters counters) {
    undo_.Push(table, omitSelection, counters);
    undoDone_ = false;
}

void History::ClearRedo() {
    redo_.Clear();
    redoDone_ = false;
}

void History::Clear(bool alsoUndo) {
    redo_.Clear();
    if (alsoUndo) undo_.Clear();
    undoDone_ = redoDone_ = false;
}

bool History::Allowed(UndoPolicy policy, bool stackEmpty, bool done) {
    if (stackEmpty || policy == UndoPolicy::Disabled) return false;
    return !(policy == UndoPolicy::OneLevel && done);
}

bool History::CanUndo(UndoPolicy policy) const {
    return Allowed(policy, undo_.Empty(), undoDone_);
}
bool History::CanRedo(UndoPolicy policy) const {
    return Allowed(policy, redo_.Empty(), redoDone_);
}

bool History::Undo(Table& live, UndoPolicy policy, bool omitSelection, StepCounters* counters) {
    if (!CanUndo(policy)) return false;
    undoDone_ = true;
    redo_.Push(live, omitSelection, counters ? *counters : StepCounters{});
    redoDone_ = false;
    redo_.SetNewestMark(undo_.Pop(live, counters));
    return true;
}

bool History::Redo(Table& live, UndoPolicy policy, bool omitSelection, StepCounters* counters) {
    if (!CanRedo(policy)) return false;
    redoDone_ = true;
    undo_.Push(live, omitSelection, counters ? *counters : StepCounters{});
    undoDone_ = false;
    undo_.SetNewestMark(redo_.Pop(live, counters));
    return true;
}

void History::MergeNewestSteps(int n) {
    for (int i = 0; i < n && undo_.Size() >= 2; ++i) {
        std::string newerMark = undo_.NewestMark();
        undo_.DropNewest();
        undo_.SetNewestMark(std::move(newerMark));
    }
}

} // namespace tablamor
