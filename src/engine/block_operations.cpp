#include "engine/block_operations.h"

#include "core/cells.h"
#include "engine/cell_writes.h"
#include "engine/participants.h"

namespace kalvodrin {
namespace {

using cells::At;

// A hand-made block could name one participant twice; writing it twice would count
// its hours twice.
bool Distinct(const std::array<uint8_t, kMaxListed>& list, int count) {
  for (int i = 0; i < count; ++i)
    for (int j = i + 1; j < count; ++j)
      if (list[static_cast<std::size_t>(i)] == list[static_cast<std::size_t>(j)])
        return false;
  return true;
}

}  // namespace

bool PlaceBlock(School& school, const Block& block, ChangeJournal* journal) {
  if (!BlockFitsDay(block) || block.lesson < 1 || block.lesson > 255 ||
      block.classCount < 1)
    return false;
  const std::optional<Grids> grids = GridsOf(school, block);
  if (!grids || !Distinct(block.teachers, block.teacherCount) ||
      !Distinct(block.classes, block.classCount) ||
      !Distinct(block.rooms, block.roomCount))
    return false;
  const int first = block.startCell;
  const int last = first + block.length - 1;
  if (!JournalHasRoom(journal, block.length * grids->total()) ||
      !AllFree(*grids, first, last))
    return false;
  const int occupant = block.classes[0];
  for (int c = first; c <= last; ++c) {
    for (int k = 0; k < grids->teacherCount; ++k)
      cells::WriteTeacher(*grids->teachers[static_cast<std::size_t>(k)], c, occupant,
                          block.length, first, journal);
    for (int k = 0; k < grids->classCount; ++k)
      cells::WriteClass(*grids->classes[static_cast<std::size_t>(k)], c, block.lesson,
                        block.length, first, journal);
    for (int k = 0; k < grids->roomCount; ++k)
      cells::WriteRoom(*grids->rooms[static_cast<std::size_t>(k)], c, occupant,
                       block.length, first, journal);
  }
  return true;
}

RemoveOutcome RemoveBlock(School& school, int length, int startCell, int classNo,
                          ChangeJournal* journal) {
  const TClassGridRec* cg = school.ClassGridByNo(classNo);
  if (cg == nullptr || !IsCell(startCell) || length < 1 ||
      HourOfCell(startCell) + length - 1 > kHoursPerDay)
    return RemoveOutcome::kRefused;
  const int lesson = cg->occupant[At(startCell)];
  if (lesson == 0) return RemoveOutcome::kFreeCell;
  std::optional<Block> block = ParticipantsOf(school, classNo, lesson);
  if (!block) return RemoveOutcome::kRefused;
  const std::optional<Grids> grids = GridsOf(school, *block);
  const int last = startCell + length - 1;
  if (!grids || !JournalHasRoom(journal, length * grids->total()) ||
      !AllHold(*grids, *block, startCell, last))
    return RemoveOutcome::kRefused;
  for (int c = startCell; c <= last; ++c) {
    for (int k = 0; k < grids->teacherCount; ++k)
      cells::ClearTeacher(*grids->teachers[static_cast<std::size_t>(k)], c, journal);
    for (int k = 0; k < grids->classCount; ++k)
      cells::ClearClass(*grids->classes[static_cast<std::size_t>(k)], c, journal);
    for (int k = 0; k < grids->roomCount; ++k)
      cells::ClearRoom(*grids->rooms[static_cast<std::size_t>(k)], c, journal);
  }
  return RemoveOutcome::kRemoved;
}

}  // namespace kalvodrin
