#pragma once
// Moving a placed block by hand, as a drag in the timetable windows does: the whole
// block goes, for all its teachers, the classes of its common lesson and its
// classrooms, to a start where every hour is inside the class's day and free and open
// for all of them; or two blocks of one class change places. Like the double click,
// a move asks the slot tests only; the rules are what the drag marks tell.

#include <optional>

#include "core/school.h"
#include "engine/locks.h"

namespace kalvodrin {

// A placed block, found again from any of its cells.
struct PlacedBlock {
  int classNo = 0;  // the class the block's teachers and classrooms hold it for
  int lesson = 0;
  int startCell = 0;
  int length = 0;

  bool operator==(const PlacedBlock&) const = default;
};

// The block the teacher's, class's or classroom's timetable (`kind`, `owner`) holds
// at the cell; empty when the cell is free, not 1..80, or its block cannot be read.
std::optional<PlacedBlock> BlockAt(const School& school, GridKind kind, int owner, int cell);

// True when some hour of the block is closed for one of its participants: such a block
// was locked where it is.
bool BlockLocked(const School& school, const PlacedBlock& block);

enum class MoveOutcome {
  kMoved,       // the three timetables changed (the caller saves them when it saves)
  kUnchanged,   // already there, or a block and itself
  kLocked,      // some hour of a block is closed: it was locked where it is
  kDoesNotFit,  // busy or closed for a participant, or outside the class's day
};

// Moves the block to start at `startCell`, joining a block of the same lesson it comes
// to touch. Anything but kMoved changes nothing.
MoveOutcome MoveBlock(School& school, const PlacedBlock& block, int startCell);

// Puts `a` at b's start and `b` at a's start. With `apply` false only says whether
// that would work (kMoved) and changes nothing.
MoveOutcome SwapBlocks(School& school, const PlacedBlock& a, const PlacedBlock& b,
                       bool apply = true);

}  // namespace kalvodrin
