#include "engine/counts.h"

#include <algorithm>
#include <bitset>

#include "core/cells.h"
#include "engine/cell_writes.h"

namespace kalvodrin {
namespace {

using cells::At;
using cells::Byte;

uint8_t ClampByte(int v) { return static_cast<uint8_t>(std::clamp(v, 0, 255)); }

int WeeklyHoursOf(const School& school, int lesson) {
  const TLessonRec* l = school.LessonByNo(lesson);
  return l != nullptr ? l->weeklyHours : 0;
}

// Marks the cells of the class's day windows; days with a 0 or reversed window, and
// hours past 16, mark nothing.
void MarkWindow(const TClassGridRec& g, std::bitset<kCells>& marks) {
  for (int d = 1; d <= kDays; ++d) {
    const int first = g.firstHour[static_cast<std::size_t>(d - 1)];
    const int last =
        std::min<int>(g.lastHour[static_cast<std::size_t>(d - 1)], kHoursPerDay);
    if (first == 0) continue;
    for (int h = first; h <= last; ++h) marks.set(At(CellIndex(d, h)));
  }
}

struct ShiftHours {
  int morning = 0;
  int afternoon = 0;
  void Add(const TClassGridRec* g, int hours) {
    (g != nullptr && IsAfternoonClass(*g) ? afternoon : morning) += hours;
  }
};

// A joint lesson is taught once, so its other members' hours are taken off.
void SubtractCommonGroup(const School& school, const TCommonGroupRec& group,
                         ShiftHours& hours) {
  if (group.count < 2) return;
  const int members = std::min<int>(group.count, kMaxListed);
  hours.Add(school.ClassGridByNo(group.classes[0]),
            -(members - 1) * WeeklyHoursOf(school, group.lessons[0]));
}

}  // namespace

int RecountClassWeeklyHours(const School& school, int classNo) {
  int sum = 0;
  for (const TTeacherLessonRec& tl : school.TeacherLessons)
    if (tl.classNo == classNo) sum += WeeklyHoursOf(school, tl.lesson);
  return sum;
}

void CountClassHours(School& school, int classNo) {
  TClassGridRec* g = school.ClassGridByNo(classNo);
  if (g == nullptr) return;
  g->weeklyHours = ClampByte(RecountClassWeeklyHours(school, classNo));
}

int RecountRoomWeeklyHours(const School& school, int room) {
  int sum = 0;
  for (const TClassLessonRec& cl : school.ClassLessons) {
    const int n = std::min<int>(cl.roomCount, kMaxListed);
    if (std::find(cl.rooms.begin(), cl.rooms.begin() + n, room) != cl.rooms.begin() + n)
      sum += WeeklyHoursOf(school, cl.lesson);
  }
  return sum;
}

bool CountRoomHours(School& school) {
  bool any = false;
  for (TRoomGridRec& g : school.RoomGrids) {
    const int sum = RecountRoomWeeklyHours(school, g.room);
    g.weeklyHours = ClampByte(sum);
    any = any || sum > 0;
  }
  return any;
}

TeacherHourCounts RecountTeacherHours(const School& school, int teacher) {
  std::bitset<kCells> marks;
  std::bitset<256> groupsMet;
  ShiftHours hours;
  TeacherHourCounts counts;
  for (const TTeacherLessonRec& tl : school.TeacherLessons) {
    if (tl.teacher != teacher) continue;
    const TClassGridRec* cg = school.ClassGridByNo(tl.classNo);
    if (cg != nullptr) MarkWindow(*cg, marks);
    hours.Add(cg, WeeklyHoursOf(school, tl.lesson));
    const TClassLessonRec* cl = school.ClassLessonAt(tl.classNo, tl.lesson);
    if (cl == nullptr) continue;
    counts.shared = counts.shared || cl->commonGroup != 0 || cl->teacherCount > 0;
    if (cl->commonGroup == 0 || groupsMet.test(cl->commonGroup)) continue;
    groupsMet.set(cl->commonGroup);
    if (const TCommonGroupRec* group = school.CommonGroupByNo(cl->commonGroup))
      SubtractCommonGroup(school, *group, hours);
  }
  counts.windowCells = ClampByte(static_cast<int>(marks.count()));
  counts.morningHours = ClampByte(hours.morning);
  counts.afternoonHours = ClampByte(hours.afternoon);
  counts.weeklyHours = ClampByte(counts.morningHours + counts.afternoonHours);
  return counts;
}

bool CountTeacherHours(School& school, int teacher) {
  TTeacherGridRec* tg = school.TeacherGridByNo(teacher);
  if (tg == nullptr) return false;
  const TeacherHourCounts counts = RecountTeacherHours(school, teacher);
  tg->windowCells = counts.windowCells;
  tg->morningHours = counts.morningHours;
  tg->afternoonHours = counts.afternoonHours;
  tg->weeklyHours = counts.weeklyHours;
  return counts.shared;
}

bool CountAllHours(School& school) {
  for (const TClassGridRec& g : school.ClassGrids) CountClassHours(school, g.classNo);
  CountRoomHours(school);
  bool shared = false;
  for (const TTeacherGridRec& g : school.TeacherGrids)
    shared = CountTeacherHours(school, g.teacher) || shared;
  return shared;
}

FileSet RecountTotalsOfLesson(School& school, int lesson) {
  FileSet files;
  std::bitset<256> classes;
  std::bitset<256> teachers;
  for (const TTeacherLessonRec& tl : school.TeacherLessons) {
    if (tl.lesson != lesson) continue;
    classes.set(tl.classNo);
    teachers.set(tl.teacher);
  }
  bool roomed = false;
  for (const TClassLessonRec& cl : school.ClassLessons)
    roomed = roomed || (cl.lesson == lesson && cl.roomCount > 0);
  for (std::size_t n = 1; n < 256; ++n) {
    if (classes.test(n)) CountClassHours(school, static_cast<int>(n));
    if (teachers.test(n)) CountTeacherHours(school, static_cast<int>(n));
  }
  if (classes.any()) files.add(DataFile::kClassGrids);
  if (teachers.any()) files.add(DataFile::kTeacherGrids);
  if (roomed) {
    CountRoomHours(school);
    files.add(DataFile::kRoomGrids);
  }
  return files;
}

int PlacedHours(const School& school, int classNo, int lesson) {
  const TClassGridRec* g = school.ClassGridByNo(classNo);
  if (g == nullptr || lesson == 0) return 0;
  return static_cast<int>(std::count(g->occupant.begin(), g->occupant.end(), lesson));
}

ClassLessonTotals CountClassLessonTotals(const School& school, int classNo) {
  ClassLessonTotals totals;
  for (const TClassLessonRec& cl : school.ClassLessons) {
    if (cl.classNo != classNo) continue;
    const int weekly = WeeklyHoursOf(school, cl.lesson);
    totals.weekly += weekly;
    totals.unplaced += std::max(0, weekly - PlacedHours(school, classNo, cl.lesson));
  }
  return totals;
}

int UsableCells(const School& school, int classNo) {
  const TClassGridRec* g = school.ClassGridByNo(classNo);
  if (g == nullptr) return 0;
  std::bitset<kCells> marks;
  MarkWindow(*g, marks);
  int usable = 0;
  for (int c = 1; c <= kCells; ++c)
    if (marks.test(At(c)) && (g->open[At(c)] != 0 || g->occupant[At(c)] != 0)) ++usable;
  return usable;
}

PlacementTotals CountTotals(const School& school) {
  PlacementTotals totals;
  for (const TTeacherRec& t : school.Teachers) {
    if (const TTeacherGridRec* g = school.TeacherGridByNo(t.number)) {
      totals.toPlace += g->weeklyHours;
      totals.placed += g->placedHours;
    }
  }
  return totals;
}

void RecountClassFreeHours(School& school, int classNo) {
  TClassGridRec* g = school.ClassGridByNo(classNo);
  if (g == nullptr) return;
  for (std::size_t d = 0; d < kDays; ++d) {
    int placed = 0;
    for (std::size_t h = 0; h < kHoursPerDay; ++h)
      if (g->occupant[d * kHoursPerDay + h] != 0) ++placed;
    g->freeHours[d] = Byte(DayWindowLength(*g, d) - placed);
  }
}

int DayWindowLength(const TClassGridRec& g, std::size_t dayIndex) {
  const int first = g.firstHour[dayIndex];
  const int last = g.lastHour[dayIndex];
  if (first == 0 || last == 0) return 0;
  return last - first + 1;
}

void RecountTeacherPlaced(School& school, int teacher) {
  TTeacherGridRec* g = school.TeacherGridByNo(teacher);
  if (g == nullptr) return;
  g->placedHours = 0;
  g->placedPerDay.fill(0);
  for (int c = 1; c <= kCells; ++c) {
    if (g->occupant[At(c)] == 0) continue;
    ++g->placedHours;
    ++g->placedPerDay[cells::DayAt(c)];
  }
}

}  // namespace kalvodrin
