#include "timetables/drag_marks.h"

#include <algorithm>

#include "core/cells.h"
#include "engine/block_operations.h"
#include "engine/teacher_preparation.h"

namespace kalvodrin {

bool StopsOutright(const Reason& reason) {
  switch (reason.kind) {
    case Blocker::kTeacherBusy:
    case Blocker::kClassBusy:
    case Blocker::kRoomBusy:
    case Blocker::kCellClosed:
    case Blocker::kOutsideWindow: return true;
    default: return false;
  }
}

DragMarks::DragMarks(const School& school, const PlacedBlock& block)
    : block_(block), prepared_(std::make_unique<School>(school)) {
  PrepareAllTeachers(*prepared_);
  // Carried away, the block is in nobody's way, and its old hours are free for it.
  RemoveBlock(*prepared_, block.length, block.startCell, block.classNo, nullptr);
}

DropTarget DragMarks::At(int startCell) const {
  DropTarget t;
  if (!IsCell(startCell)) {
    t.reasons.push_back({Blocker::kOutsideWindow});
    return t;
  }
  t.reasons = ReasonsAt(*prepared_, block_.classNo, block_.lesson, block_.length, startCell);
  if (t.reasons.empty())
    t.mark = DropMark::kFits;
  else if (std::none_of(t.reasons.begin(), t.reasons.end(), StopsOutright))
    t.mark = DropMark::kBreaksRule;
  return t;
}

std::array<DropTarget, 80> DragMarks::All() const {
  std::array<DropTarget, 80> marks;
  for (int cell = 1; cell <= kCells; ++cell) marks[static_cast<std::size_t>(cell - 1)] = At(cell);
  return marks;
}

std::string DragMarks::Explain(const DropTarget& target) const {
  std::string text;
  for (const Reason& r : target.reasons) {
    if (!text.empty()) text += "\n";
    text += ReasonText(*prepared_, r);
  }
  return text;
}

CellPaint PaintDropMark(const CellPaint& under, DropMark mark, bool target) {
  CellPaint p = under;
  switch (mark) {
    case DropMark::kFits:
      p.cell = CellColor::kGreen;
      p.font = CellColor::kWhite;
      break;
    case DropMark::kBreaksRule:
      p.cell = CellColor::kYellow;
      p.font = CellColor::kBlack;
      break;
    case DropMark::kNoFit:
      p.cell = CellColor::kRed;
      p.font = CellColor::kWhite;
      break;
  }
  p.focusRect = target;
  return p;
}

}  // namespace kalvodrin
