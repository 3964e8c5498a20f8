#include "staffing/classrooms.h"

#include <algorithm>
#include <vector>

#include "engine/cascade.h"
#include "engine/class_lesson_lists.h"
#include "engine/counts.h"
#include "staffing/members.h"

namespace kalvodrin {
namespace {

bool Lists(const TClassLessonRec& cl, int room) {
  const int n = std::min<int>(cl.roomCount, kMaxListed);
  return std::find(cl.rooms.begin(), cl.rooms.begin() + n, room) != cl.rooms.begin() + n;
}

}  // namespace

Change AttachRoomToClassLesson(School& school, int classNo, int lesson, int room) {
  const TClassLessonRec* cl = school.ClassLessonAt(classNo, lesson);
  if (cl == nullptr || school.RoomByNo(room) == nullptr) return Refused(Outcome::kNotFound);
  if (Lists(*cl, room)) return Refused(Outcome::kUnchanged);
  if (PlacedHours(school, classNo, lesson) > 0) return Refused(Outcome::kPlaced);
  const std::vector<ClassLessonKey> members = MembersOf(school, classNo, lesson);
  // All members or none: a common lesson's classrooms must stay the same for each.
  for (const ClassLessonKey& m : members) {
    const TClassLessonRec* member = school.ClassLessonAt(m.classNo, m.lesson);
    if (member == nullptr) return Refused(Outcome::kNotFound);
    if (!Lists(*member, room) && member->roomCount >= kMaxListed)
      return Refused(Outcome::kListFull);
  }
  for (const ClassLessonKey& m : members) AttachRoom(school, room, m.classNo, m.lesson);
  // The classroom's weekly total is recounted and saved with the lists, as on detaching:
  // a stale total would read as damage to the check until the next run.
  CountRoomHours(school);
  return {Outcome::kDone, {DataFile::kClassLessons, DataFile::kRoomGrids}, room};
}

Change DetachRoomFromClassLesson(School& school, int classNo, int lesson, int room) {
  const TClassLessonRec* cl = school.ClassLessonAt(classNo, lesson);
  if (cl == nullptr || !Lists(*cl, room)) return Refused(Outcome::kNotFound);
  FileSet files = TakeRoomOutOfClassLesson(school, classNo, lesson, room);
  CountRoomHours(school);
  files.add(FileSet{DataFile::kClassLessons, DataFile::kRoomGrids});
  return {Outcome::kDone, files, room};
}

RoomLoads CountRoomLoads(const School& school) {
  RoomLoads loads{};
  for (const TClassLessonRec& cl : school.ClassLessons) {
    const TLessonRec* l = school.LessonByNo(cl.lesson);
    const int hours = l == nullptr ? 0 : l->weeklyHours;
    for (int k = 0; k < std::min<int>(cl.roomCount, kMaxListed); ++k)
      loads[cl.rooms[static_cast<std::size_t>(k)]] += hours;
  }
  return loads;
}

}  // namespace kalvodrin
