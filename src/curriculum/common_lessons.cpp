#include "curriculum/common_lessons.h"

#include <algorithm>

#include "core/numbered_list.h"
#include "core/record_creation.h"
#include "engine/cascade.h"
#include "engine/counts.h"

namespace kalvodrin {
namespace {

const FileSet kGroupFiles{DataFile::kClassLessons, DataFile::kCommonGroups};
const FileSet kTimetables{DataFile::kTeacherGrids, DataFile::kClassGrids,
                          DataFile::kRoomGrids};

int Members(const TCommonGroupRec& g) { return std::min<int>(g.count, kMaxListed); }

template <typename Test>
bool AnyMember(const TCommonGroupRec& g, Test test) {
  for (int k = 0; k < Members(g); ++k) {
    const auto i = static_cast<std::size_t>(k);
    if (test(g.classes[i], g.lessons[i])) return true;
  }
  return false;
}

int WeeklyHours(const School& school, int lesson) {
  const TLessonRec* l = school.LessonByNo(lesson);
  return l == nullptr ? 0 : l->weeklyHours;
}

// The first failing check of joining, in the order the user learns about them; kDone
// when the class lesson may join.
Outcome JoinRefusal(const School& school, const TCommonGroupRec& g, const TClassLessonRec& cl) {
  if (cl.commonGroup != 0) return Outcome::kInGroup;
  if (cl.teacherCount > 0) return Outcome::kHasTeachers;
  if (AnyMember(g, [&](int c, int l) {
        const TClassLessonRec* m = school.ClassLessonAt(c, l);
        return m != nullptr && m->teacherCount > 0;
      }))
    return Outcome::kGroupHasTeachers;
  if (AnyMember(g, [&](int c, int) { return c == cl.classNo; })) return Outcome::kSameClass;
  const int hours = WeeklyHours(school, cl.lesson);
  if (AnyMember(g, [&](int, int l) { return WeeklyHours(school, l) != hours; }))
    return Outcome::kOtherHours;
  if (cl.roomCount > 0) return Outcome::kHasRooms;
  if (AnyMember(g, [&](int, int l) { return l != cl.lesson; })) return Outcome::kOtherLesson;
  // The record has 15 member slots; a 16th member would be written past them.
  if (Members(g) >= kMaxListed) return Outcome::kListFull;
  // The members of a group hold the same hours: a class lesson joining with hours of
  // its own placed, or joining members that have some, would hold other hours than
  // the rest, and the timetables would no longer agree.
  if (PlacedHours(school, cl.classNo, cl.lesson) > 0 ||
      AnyMember(g, [&](int c, int l) { return PlacedHours(school, c, l) > 0; }))
    return Outcome::kPlaced;
  return Outcome::kDone;
}

}  // namespace

Change NewCommonGroup(School& school) {
  for (const TCommonGroupRec& g : school.CommonGroups)
    if (g.count < 2) return {Outcome::kOpenGroup, {}, g.number};
  const int number = NextFreeNumber(school.CommonGroups);
  if (number == 0) return Refused(Outcome::kFull);
  AddCommonGroup(school, number);
  school.ReindexCommonGroups();
  return {Outcome::kDone, {DataFile::kCommonGroups}, number};
}

Change AddToCommonGroup(School& school, int group, int classNo, int lesson) {
  const TCommonGroupRec* g = school.CommonGroupByNo(group);
  const TClassLessonRec* cl = school.ClassLessonAt(classNo, lesson);
  if (g == nullptr || cl == nullptr) return Refused(Outcome::kNotFound);
  const Outcome refusal = JoinRefusal(school, *g, *cl);
  if (refusal == Outcome::kInGroup) return {refusal, {}, cl->commonGroup};
  if (refusal != Outcome::kDone) return {refusal, {}, group};
  AddCommonMember(school, group, classNo, lesson);
  return {Outcome::kDone, kGroupFiles, group};
}

Change RemoveFromCommonGroup(School& school, int classNo, int lesson) {
  const TClassLessonRec* cl = school.ClassLessonAt(classNo, lesson);
  if (cl == nullptr || cl->commonGroup == 0) return Refused(Outcome::kNotFound);
  const int group = cl->commonGroup;
  // A taught lesson counts once for its teachers while joint; on its own it counts
  // again, so their weekly hours change even when no hour was placed.
  const bool recount = PlacedHours(school, classNo, lesson) > 0 || cl->teacherCount > 0;
  FileSet files = TakeOutOfCommonGroup(school, classNo, lesson);
  files.add(kGroupFiles);
  if (recount) {
    CountAllHours(school);
    files.add(kTimetables);
  }
  return {Outcome::kDone, files, group};
}

Change DissolveSmallGroups(School& school) {
  const bool small = std::any_of(school.CommonGroups.begin(), school.CommonGroups.end(),
                                 [](const TCommonGroupRec& g) { return g.count < 2; });
  if (!small) return Refused(Outcome::kUnchanged);
  PurgeCommonGroups(school);
  return {Outcome::kDone, kGroupFiles, 0};
}

}  // namespace kalvodrin
