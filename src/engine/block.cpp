#include "engine/block.h"

#include <algorithm>

#include "core/cells.h"

namespace kalvodrin {
namespace {

// A damaged record may claim more than 15 entries; never read past the list.
int Listed(int count) { return std::clamp(count, 0, kMaxListed); }

void FillClasses(const School& school, const TClassLessonRec& cl, Block& b) {
  b.classes[0] = cl.classNo;
  b.classCount = 1;
  const TCommonGroupRec* group =
      cl.commonGroup != 0 ? school.CommonGroupByNo(cl.commonGroup) : nullptr;
  if (group == nullptr) return;
  for (int k = 0; k < Listed(group->count); ++k) {
    const uint8_t member = group->classes[static_cast<std::size_t>(k)];
    if (member == 0 || member == cl.classNo) continue;
    if (b.classCount >= kMaxListed) break;
    b.classes[static_cast<std::size_t>(b.classCount++)] = member;
  }
}

}  // namespace

std::optional<Block> MakeBlock(const School& school, int classNo, int lesson,
                               int length, int startCell) {
  const TClassLessonRec* cl = school.ClassLessonAt(classNo, lesson);
  const TLessonRec* l = school.LessonByNo(lesson);
  if (cl == nullptr || l == nullptr || length < 1 || length > kHoursPerDay)
    return std::nullopt;
  Block b;
  b.lesson = lesson;
  b.length = length;
  b.teacherCount = Listed(cl->teacherCount);
  std::copy_n(cl->teachers.begin(), b.teacherCount, b.teachers.begin());
  b.roomCount = Listed(cl->roomCount);
  std::copy_n(cl->rooms.begin(), b.roomCount, b.rooms.begin());
  FillClasses(school, *cl, b);
  b.annex = school.Annex.inAnnex(classNo);
  b.weeklyHours = l->weeklyHours;
  b.lessonGroup = l->group;
  b.lessonBlocks = l->blockCount;
  b.patternBlocks = cl->blockCount;
  b.commonGroup = cl->commonGroup;
  b.divisible = cl->divisible;
  if (IsCell(startCell)) SetBlockStart(b, startCell);
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

}  // namespace kalvodrin
