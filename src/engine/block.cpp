#include "engine/block.h"

#include <algorithm>

#include "core/cells.h"
#include "engine/participants.h"

namespace kalvodrin {
namespace {

// A damaged record may claim more than 15 entries; never read past the list.
int Listed(int count) { return std::clamp(count, 0, kMaxListed); }

// Appends a number unless it is 0 or already listed.
void AddUnique(std::array<uint8_t, kMaxListed>& list, int& count, int number) {
  if (number == 0 || count >= kMaxListed) return;
  for (int i = 0; i < count; ++i)
    if (list[static_cast<std::size_t>(i)] == number) return;
  list[static_cast<std::size_t>(count++)] = static_cast<uint8_t>(number);
}

}  // namespace

std::optional<Block> ParticipantsOf(const School& school, int classNo, int lesson) {
  const TClassLessonRec* cl = school.ClassLessonAt(classNo, lesson);
  // Built in place and returned by name, as the search asks for one per block it
  // takes out.
  std::optional<Block> result;
  if (cl == nullptr) return result;
  Block& b = result.emplace();
  b.lesson = lesson;
  for (int k = 0; k < Listed(cl->teacherCount); ++k)
    AddUnique(b.teachers, b.teacherCount, cl->teachers[static_cast<std::size_t>(k)]);
  for (int k = 0; k < Listed(cl->roomCount); ++k)
    AddUnique(b.rooms, b.roomCount, cl->rooms[static_cast<std::size_t>(k)]);
  AddUnique(b.classes, b.classCount, classNo);
  if (const TCommonGroupRec* group =
          cl->commonGroup != 0 ? school.CommonGroupByNo(cl->commonGroup) : nullptr) {
    for (int k = 0; k < Listed(group->count); ++k)
      AddUnique(b.classes, b.classCount, group->classes[static_cast<std::size_t>(k)]);
  }
  b.annex = school.Annex.inAnnex(classNo);
  b.patternBlocks = cl->blockCount;
  b.commonGroup = cl->commonGroup;
  b.divisible = cl->divisible;
  return result;
}

std::optional<Block> MakeBlock(const School& school, int classNo, int lesson, int length,
                               int startCell) {
  const TLessonRec* l = school.LessonByNo(lesson);
  if (l == nullptr || length < 1 || length > kHoursPerDay) return std::nullopt;
  std::optional<Block> b = ParticipantsOf(school, classNo, lesson);
  if (!b) return std::nullopt;
  b->length = length;
  b->weeklyHours = l->weeklyHours;
  b->lessonGroup = l->group;
  b->lessonBlocks = l->blockCount;
  if (IsCell(startCell)) SetBlockStart(*b, startCell);
  return b;
}

void SetBlockStart(Block& block, int startCell) {
  block.startCell = startCell;
  block.day = DayOfCell(startCell);
  block.startHour = HourOfCell(startCell);
}

bool BlockFitsDay(const Block& block) {
  return IsCell(block.startCell) && block.length >= 1 &&
         block.startHour + block.length - 1 <= kHoursPerDay &&
         block.startCell == CellIndex(block.day, block.startHour);
}

bool BlockCoversCell(int startCell, int length, int cell) {
  const int last = startCell + length - 1;
  return length >= 1 && IsCell(startCell) && startCell <= cell && cell <= last &&
         DayOfCell(startCell) == DayOfCell(cell) && DayOfCell(last) == DayOfCell(cell);
}

}  // namespace kalvodrin
