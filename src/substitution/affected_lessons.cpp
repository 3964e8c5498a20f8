#include "substitution/affected_lessons.h"

#include <algorithm>

#include "core/cells.h"
#include "engine/participants.h"

namespace kalvodrin {
namespace {

bool Contains(const std::vector<int>& list, int value) {
  return std::find(list.begin(), list.end(), value) != list.end();
}

}  // namespace

bool IsAbsent(const std::vector<Absence>& absences, int teacher, int hour) {
  for (const Absence& a : absences)
    if (a.teacher == teacher && (a.hours.empty() || Contains(a.hours, hour))) return true;
  return false;
}

std::vector<AffectedLesson> AffectedLessons(const School& school, int day,
                                            const std::vector<Absence>& absences) {
  std::vector<AffectedLesson> found;
  std::array<int, 256> rank{};
  for (const TClassRec& c : school.Classes) rank[c.number] = c.order;
  for (int hour = 1; hour <= kHoursPerDay; ++hour) {
    const auto cell = static_cast<std::size_t>(CellIndex(day, hour) - 1);
    const std::size_t firstOfHour = found.size();
    // Teachers in list order, so that a lesson shared by two absent teachers is found
    // once, from the first of them.
    for (const TTeacherRec& t : school.Teachers) {
      if (!IsAbsent(absences, t.number, hour)) continue;
      const TTeacherGridRec* grid = school.TeacherGridByNo(t.number);
      if (grid == nullptr || grid->occupant[cell] == 0) continue;
      const int classNo = grid->occupant[cell];
      const TClassGridRec* classGrid = school.ClassGridByNo(classNo);
      const int lesson = classGrid != nullptr ? classGrid->occupant[cell] : 0;
      const bool seen = std::any_of(found.begin() + static_cast<std::ptrdiff_t>(firstOfHour),
                                    found.end(), [&](const AffectedLesson& a) {
                                      return Contains(a.classes, classNo) && a.lesson == lesson;
                                    });
      if (seen) continue;
      AffectedLesson a{hour, classNo, lesson, {classNo}, {}, {}};
      std::vector<int> teachers{t.number};
      if (const auto block = ParticipantsOf(school, classNo, lesson)) {
        a.classes.assign(block->classes.begin(), block->classes.begin() + block->classCount);
        for (int i = 0; i < block->teacherCount; ++i)
          if (!Contains(teachers, block->teachers[static_cast<std::size_t>(i)]))
            teachers.push_back(block->teachers[static_cast<std::size_t>(i)]);
      }
      for (int teacher : teachers) {
        // A co-teacher counts only when the lesson stands in their timetable too.
        const TTeacherGridRec* g = school.TeacherGridByNo(teacher);
        if (g == nullptr || !Contains(a.classes, g->occupant[cell])) continue;
        (IsAbsent(absences, teacher, hour) ? a.absentTeachers : a.coTeachers).push_back(teacher);
      }
      found.push_back(std::move(a));
    }
    std::stable_sort(found.begin() + static_cast<std::ptrdiff_t>(firstOfHour), found.end(),
                     [&](const AffectedLesson& x, const AffectedLesson& y) {
                       return rank[static_cast<std::size_t>(x.classNo)] <
                              rank[static_cast<std::size_t>(y.classNo)];
                     });
  }
  return found;
}

}  // namespace kalvodrin
