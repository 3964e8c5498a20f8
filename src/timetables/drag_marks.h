#pragma once
// The marks a drag shows on every start cell while a placed block is carried: it fits
// (green), it fits but a rule of the school's settings would not have it there, such
// as a gap or the lesson twice on a day (yellow), or it does not fit (red), each with
// its reasons. The answers come from the tests the why-not explanation asks, on a
// prepared copy of the school with the carried block taken out, so the marks cannot
// tell a different story from the engine.

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "core/school.h"
#include "scheduler/why_not.h"
#include "timetables/block_moves.h"
#include "timetables/cell_paint.h"

namespace kalvodrin {

enum class DropMark : uint8_t {
  kFits,
  kBreaksRule,  // free and open for all, but a rule of the settings says no
  kNoFit,       // busy, closed, or outside the class's day
};

struct DropTarget {
  DropMark mark = DropMark::kNoFit;
  std::vector<Reason> reasons;  // empty when it fits
};

// A reason stops the block outright (a busy or closed hour, the class's day) rather
// than a rule of the settings.
bool StopsOutright(const Reason& reason);

class DragMarks {
 public:
  // Requires: the block is placed. Copies and prepares the school once.
  DragMarks(const School& school, const PlacedBlock& block);

  const PlacedBlock& block() const { return block_; }
  // The mark of a start at `startCell` (1..80; anything else does not fit).
  DropTarget At(int startCell) const;
  // The marks of all 80 start cells, cell 1 first.
  std::array<DropTarget, 80> All() const;

  // The reasons in words, one per line (UTF-8); empty when it fits.
  std::string Explain(const DropTarget& target) const;

 private:
  PlacedBlock block_;
  std::unique_ptr<School> prepared_;  // mutable for the tests' take-outs, put back each time
};

// A cell of a timetable grid while a block is carried: the cell's own text on the
// mark's colour (green, yellow, red); the cell under the pointer or the cursor
// (`target`) gets the focus rectangle.
CellPaint PaintDropMark(const CellPaint& under, DropMark mark, bool target);

}  // namespace kalvodrin
