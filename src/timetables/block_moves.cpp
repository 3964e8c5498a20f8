#include "timetables/block_moves.h"

#include <memory>

#include "core/cells.h"
#include "engine/block.h"
#include "engine/block_operations.h"
#include "engine/change_journal.h"
#include "engine/hour_operations.h"
#include "engine/slot_tests.h"
#include "timetables/painter_support.h"

namespace kalvodrin {
namespace {

std::optional<Block> ToBlock(const School& school, const PlacedBlock& p) {
  return MakeBlock(school, p.classNo, p.lesson, p.length, p.startCell);
}

// Inside the day of every class of the block. The run's window test also asks the
// first teacher's usable hours, which only a run prepares; a move by hand, like an
// hour placed by hand, goes by the classes' days and by who is free and open.
bool InClassDays(const School& school, const Block& b) {
  const auto day = static_cast<std::size_t>(b.day - 1);
  for (int k = 0; k < b.classCount; ++k) {
    const TClassGridRec* c = school.ClassGridByNo(b.classes[static_cast<std::size_t>(k)]);
    if (c == nullptr || c->firstHour[day] == 0 || c->lastHour[day] == 0 ||
        b.startHour < c->firstHour[day] || b.startHour + b.length - 1 > c->lastHour[day])
      return false;
  }
  return true;
}

bool Fits(const School& school, const Block& b) {
  return BlockFitsDay(b) && InClassDays(school, b) && AvailabilityTest(school, b) &&
         FreedomTest(school, b);
}

// Takes the blocks out and puts each at its new start, through the journal; false at
// the first that does not fit (the caller rolls back).
bool Replace(School& school, ChangeJournal& journal, const PlacedBlock* blocks, const int* starts,
             int count) {
  for (int k = 0; k < count; ++k)
    if (RemoveBlock(school, blocks[k].length, blocks[k].startCell, blocks[k].classNo, &journal) !=
        RemoveOutcome::kRemoved)
      return false;
  for (int k = 0; k < count; ++k) {
    std::optional<Block> b = ToBlock(school, blocks[k]);
    if (!b) return false;
    SetBlockStart(*b, starts[k]);
    if (!Fits(school, *b) || !PlaceBlock(school, *b, &journal)) return false;
  }
  // A block that comes to touch another of its lesson becomes one with it, as an hour
  // placed by hand does.
  for (int k = 0; k < count; ++k) NormalizeBlock(school, starts[k], blocks[k].classNo, &journal);
  return true;
}

}  // namespace

std::optional<PlacedBlock> BlockAt(const School& school, GridKind kind, int owner, int cell) {
  if (!IsCell(cell)) return std::nullopt;
  int classNo = 0;
  switch (kind) {
    case GridKind::kTeacher: classNo = OccupantAt(school.TeacherGridByNo(owner), cell); break;
    case GridKind::kClass:
      classNo = LessonAt(school.ClassGridByNo(owner), cell) != 0 ? owner : 0;
      break;
    case GridKind::kRoom: classNo = OccupantAt(school.RoomGridByNo(owner), cell); break;
  }
  const TClassGridRec* c = school.ClassGridByNo(classNo);
  if (c == nullptr) return std::nullopt;
  const auto at = static_cast<std::size_t>(cell - 1);
  const int lesson = c->occupant[at];
  const int start = c->blockStart[at];
  const int length = c->blockLen[at];
  if (lesson == 0 || !BlockCoversCell(start, length, cell)) return std::nullopt;
  // Teachers and classrooms hold a common lesson for the class it was placed from;
  // the block keeps that class, so that a move leaves their cells naming it.
  if (const TClassLessonRec* cl = school.ClassLessonAt(classNo, lesson);
      cl != nullptr && cl->teacherCount > 0) {
    const int held = OccupantAt(school.TeacherGridByNo(cl->teachers[0]), start);
    if (held != 0 && school.ClassLessonAt(held, lesson) != nullptr) classNo = held;
  }
  return PlacedBlock{classNo, lesson, start, length};
}

bool BlockLocked(const School& school, const PlacedBlock& block) {
  const std::optional<Block> b = ToBlock(school, block);
  return b && !AvailabilityTest(school, *b);
}

MoveOutcome MoveBlock(School& school, const PlacedBlock& block, int startCell) {
  if (startCell == block.startCell) return MoveOutcome::kUnchanged;
  if (BlockLocked(school, block)) return MoveOutcome::kLocked;
  auto journal = std::make_unique<ChangeJournal>();
  if (!Replace(school, *journal, &block, &startCell, 1)) {
    RollBack(school, *journal, 0);
    return MoveOutcome::kDoesNotFit;
  }
  return MoveOutcome::kMoved;
}

MoveOutcome SwapBlocks(School& school, const PlacedBlock& a, const PlacedBlock& b, bool apply) {
  if (a == b) return MoveOutcome::kUnchanged;
  if (BlockLocked(school, a) || BlockLocked(school, b)) return MoveOutcome::kLocked;
  auto journal = std::make_unique<ChangeJournal>();
  const PlacedBlock blocks[] = {a, b};
  const int starts[] = {b.startCell, a.startCell};
  const bool fits = Replace(school, *journal, blocks, starts, 2);
  if (!fits || !apply) RollBack(school, *journal, 0);
  return fits ? MoveOutcome::kMoved : MoveOutcome::kDoesNotFit;
}

}  // namespace kalvodrin
