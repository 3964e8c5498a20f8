#pragma once
// The change journal: every cell the engine writes, clears or rewrites while a journal
// is passed in, so that a failed attempt can be undone exactly. Rolling back to a
// mark restores every byte of every timetable and counter as it was at the mark.

#include <array>
#include <cstdint>

#include "core/school.h"

namespace kalvodrin {

enum class JournalOp : uint8_t {
  kCleared = 0,      // occupant, length and start were cleared (the entry keeps them)
  kWritten = 1,      // a free cell got occupant, length and start (the entry has them)
  kRelinked = 2,     // an occupied cell got a new length and start (the entry keeps
                     // the old ones)
  kOpenChanged = 3,  // the availability byte changed (the entry keeps the old one)
};

// Which timetable an entry belongs to follows from its numbers: a teacher entry
// carries teacher and class, a class entry class and lesson, a room entry room and
// class; members that do not apply are 0.
struct JournalEntry {
  JournalOp op = JournalOp::kCleared;
  uint8_t cell = 0;
  uint8_t teacher = 0;
  uint8_t classNo = 0;
  uint8_t room = 0;
  uint8_t lesson = 0;
  uint8_t blockStart = 0;
  uint8_t blockLength = 0;
  uint8_t open = 0;  // kOpenChanged: the old availability
};

class ChangeJournal {
 public:
  static constexpr int kCapacity = 4000;

  int count() const { return count_; }
  // The count to roll back to later.
  int Mark() const { return count_; }
  bool full() const { return count_ >= kCapacity; }
  int room() const { return kCapacity - count_; }
  const JournalEntry& entry(int i) const { return entries_[static_cast<std::size_t>(i)]; }

  // Appends an entry; false when the journal is full (nothing recorded). Inline: every
  // cell write of the search comes here.
  bool Record(const JournalEntry& entry) {
    if (full()) return false;
    entries_[static_cast<std::size_t>(count_++)] = entry;
    return true;
  }
  // Forgets every entry without undoing it (count := 0), as a new search chain does.
  void Clear() { count_ = 0; }
  // Drops entries above `mark` without undoing them.
  void Truncate(int mark);

 private:
  std::array<JournalEntry, kCapacity> entries_{};
  int count_ = 0;
};

// Undoes the newest entries until the journal holds `mark` entries: a written cell is
// cleared, a cleared cell written back, a relinked cell gets its old length and start,
// an availability its old value; teacher and class counters follow each cell.
// Nothing happens when mark >= count. Entries naming a timetable that no longer
// exists are dropped.
void RollBack(School& school, ChangeJournal& journal, int mark);

}  // namespace kalvodrin
