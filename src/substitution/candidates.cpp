#include "substitution/candidates.h"

#include <algorithm>
#include <tuple>

#include "core/cells.h"

namespace kalvodrin {
namespace {

bool OnDuty(const School& school, int teacher, int day) {
  return std::any_of(school.Duties.begin(), school.Duties.end(),
                     [&](const TDutyRec& d) { return d.teacher == teacher && d.day == day; });
}

SameLesson SameLessonOf(const School& school, int teacher, int lesson) {
  if (lesson == 0) return SameLesson::kNo;
  const TLessonRec* wanted = school.LessonByNo(lesson);
  SameLesson best = SameLesson::kNo;
  for (const TTeacherLessonRec& tl : school.TeacherLessons) {
    if (tl.teacher != teacher) continue;
    if (tl.lesson == lesson) return SameLesson::kLesson;
    const TLessonRec* given = school.LessonByNo(tl.lesson);
    if (wanted != nullptr && given != nullptr && wanted->group != 0 &&
        given->group == wanted->group)
      best = SameLesson::kGroup;
  }
  return best;
}

Presence PresenceOf(const TTeacherGridRec& grid, int day, int hour) {
  bool before = false, after = false;
  for (int h = 1; h <= kHoursPerDay; ++h) {
    if (grid.occupant[static_cast<std::size_t>(CellIndex(day, h) - 1)] == 0) continue;
    before = before || h < hour;
    after = after || h > hour;
  }
  if (before && after) return Presence::kBetween;
  return before || after ? Presence::kOneSide : Presence::kAway;
}

enum class Fit { kFree, kTeaching, kClosed, kAtMaximum };

Fit FitAt(const School& school, const DayContext& context, const TTeacherGridRec& grid, int hour) {
  const auto cell = static_cast<std::size_t>(CellIndex(context.day, hour) - 1);
  if (grid.occupant[cell] != 0) return Fit::kTeaching;
  if (grid.open[cell] == 0) return Fit::kClosed;
  const int today = LessonsOn(school, grid.teacher, context.day) +
                    context.takenToday[static_cast<std::size_t>(grid.teacher)];
  if (today + 1 > DailyMaximum(school, grid.teacher)) return Fit::kAtMaximum;
  return Fit::kFree;
}

int WeightOf(const DayContext& context, int teacher) {
  return std::clamp(context.weights[static_cast<std::size_t>(teacher)], 0, kMaxSubstituteWeight);
}

}  // namespace

DayContext MakeDayContext(int day, std::vector<Absence> absences) {
  DayContext context;
  context.day = day;
  context.absences = std::move(absences);
  context.weights.fill(1);
  return context;
}

bool RanksBefore(const School& school, const Candidate& a, const Candidate& b) {
  if (a.onDuty != b.onDuty) return a.onDuty;
  if (a.sameLesson != b.sameLesson) return a.sameLesson > b.sameLesson;
  if (a.presence != b.presence) return a.presence > b.presence;
  // termCount / weight compared without dividing.
  const int64_t left = static_cast<int64_t>(a.termCount) * b.weight;
  const int64_t right = static_cast<int64_t>(b.termCount) * a.weight;
  if (left != right) return left < right;
  const TTeacherRec* ta = school.TeacherByNo(a.teacher);
  const TTeacherRec* tb = school.TeacherByNo(b.teacher);
  return std::tuple(ta != nullptr ? ta->order : 0, a.teacher) <
         std::tuple(tb != nullptr ? tb->order : 0, b.teacher);
}

int DailyMaximum(const School& school, int teacher) {
  int most = school.Settings.maxHoursPerDay;
  if (const TTeacherGridRec* g = school.TeacherGridByNo(teacher))
    most = std::max(most, static_cast<int>(g->special.maxHoursPerDay));
  return most == 0 ? kHoursPerDay : most;
}

int LessonsOn(const School& school, int teacher, int day) {
  const TTeacherGridRec* g = school.TeacherGridByNo(teacher);
  if (g == nullptr) return 0;
  int n = 0;
  for (int h = 1; h <= kHoursPerDay; ++h)
    n += g->occupant[static_cast<std::size_t>(CellIndex(day, h) - 1)] != 0 ? 1 : 0;
  return n;
}

std::vector<Candidate> RankedCandidates(const School& school, const DayContext& context, int hour,
                                        int lesson) {
  std::vector<Candidate> found;
  for (const TTeacherRec& t : school.Teachers) {
    const int weight = WeightOf(context, t.number);
    const TTeacherGridRec* grid = school.TeacherGridByNo(t.number);
    if (weight == 0 || grid == nullptr || IsAbsent(context.absences, t.number, hour)) continue;
    if (FitAt(school, context, *grid, hour) != Fit::kFree) continue;
    found.push_back({t.number, OnDuty(school, t.number, context.day),
                     SameLessonOf(school, t.number, lesson), PresenceOf(*grid, context.day, hour),
                     context.termCounts[static_cast<std::size_t>(t.number)], weight,
                     LessonsOn(school, t.number, context.day) +
                         context.takenToday[static_cast<std::size_t>(t.number)],
                     DailyMaximum(school, t.number)});
  }
  std::stable_sort(found.begin(), found.end(), [&](const Candidate& a, const Candidate& b) {
    return RanksBefore(school, a, b);
  });
  return found;
}

NoneFree WhyNoneFree(const School& school, const DayContext& context, int hour) {
  NoneFree why = NoneFree::kEveryoneBusy;
  for (const TTeacherRec& t : school.Teachers) {
    const TTeacherGridRec* grid = school.TeacherGridByNo(t.number);
    if (WeightOf(context, t.number) == 0 || grid == nullptr ||
        IsAbsent(context.absences, t.number, hour))
      continue;
    switch (FitAt(school, context, *grid, hour)) {
      case Fit::kFree: return NoneFree::kSomeone;
      case Fit::kAtMaximum: why = NoneFree::kDailyMax; break;
      case Fit::kClosed:
        if (why == NoneFree::kEveryoneBusy) why = NoneFree::kClosed;
        break;
      case Fit::kTeaching: break;
    }
  }
  return why;
}

}  // namespace kalvodrin
