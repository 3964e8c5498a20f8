#pragma once
// One attempt to put one block of one lesson of one class into the timetables: the
// block (lesson, participants, length and the place being tried), how it is searched
// and what the repair found in its way.

#include <array>

#include "engine/block.h"

namespace kalvodrin {

// A block that stands in the way of a repair.
struct Conflict {
  int startCell = 0;
  int length = 0;
  int classNo = 0;
  int lesson = 0;
  bool movable = false;  // put back by a teacher-day move rather than a new request
};

// What a new request asks for: `length` hours of `lesson` in `classNo`, anywhere or
// only at `fixedCell`.
struct BlockRequest {
  int classNo = 0;
  int lesson = 0;
  int length = 0;
  int fixedCell = 0;  // 0 = any cell
};

inline constexpr int kConflictSlots = 10;
// A repair that has to take out this many blocks gives up.
inline constexpr int kConflictLimit = 5;

struct PlacementRequest {
  bool placed = false;
  bool ok = true;      // false when a repair step had to give up
  int pass = 0;        // 0 = direct placement only, 1 = repair allowed
  int fixedCell = 0;   // 0 = any cell, else the only start cell allowed
  int conflictCount = 0;
  std::array<Conflict, kConflictSlots> conflicts{};
  // Lesson, teachers, classes (classes[0] is the class asked for), rooms, length,
  // day, start hour, start cell, annex flag and the lesson data the rules read.
  Block block;
};

}  // namespace kalvodrin
