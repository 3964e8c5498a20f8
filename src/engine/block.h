#pragma once
// The block a placement is about: one lesson of one class (with the other classes of
// its common lesson), every teacher and classroom that takes part, and the place
// being tried. Slot tests, rule tests and the block operations all take one.

#include <array>
#include <cstdint>
#include <optional>

#include "core/assignment_records.h"
#include "core/school.h"

namespace kalvodrin {

struct Block {
  int lesson = 0;
  int teacherCount = 0;
  int classCount = 0;
  int roomCount = 0;
  // classes[0] is the class the block was asked for; the other members of its common
  // lesson follow in member order.
  std::array<uint8_t, kMaxListed> teachers{};
  std::array<uint8_t, kMaxListed> classes{};
  std::array<uint8_t, kMaxListed> rooms{};
  int length = 0;      // hours, 1..16
  int day = 0;         // 1..5
  int startHour = 0;   // 1..16
  int startCell = 0;   // CellIndex(day, startHour)
  bool annex = false;  // classes[0] is taught in the annex building

  // Copied from the lesson and the class lesson for the rule tests.
  int weeklyHours = 0;    // the lesson's weekly hours
  int lessonGroup = 0;    // the lesson's group, 0 = none
  int lessonBlocks = 0;   // blocks of the lesson's own pattern
  int patternBlocks = 0;  // blocks of the class lesson's pattern
  int commonGroup = 0;    // the class lesson's common group, 0 = none
  int divisible = 0;      // the class lesson may be split
};

// The block of `length` hours of lesson `lesson` of class `classNo`, its participants
// taken from the class lesson and its common group. Empty when the class lesson or the
// lesson does not exist or the length is outside 1..16. The place is left unset
// (day, start hour and start cell 0) unless `startCell` is a cell.
std::optional<Block> MakeBlock(const School& school, int classNo, int lesson, int length,
                               int startCell = 0);

// Moves the block to start at `startCell` (1..80): sets day, start hour, start cell.
void SetBlockStart(Block& block, int startCell);

// True when the block's place lies inside one day: a cell 1..80 and
// startHour + length - 1 <= 16. Every test and operation refuses other places.
bool BlockFitsDay(const Block& block);

// True when the block a timetable cell claims (its start and length planes) lies on
// the cell's day and covers the cell. Planes come from files, so every reader that
// turns them into cells or days asks this first.
bool BlockCoversCell(int startCell, int length, int cell);

}  // namespace kalvodrin
