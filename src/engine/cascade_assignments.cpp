// Cascades over the assignments: common groups, teachers of class lessons, class
// lessons themselves.
#include <algorithm>
#include <vector>

#include "core/cells.h"
#include "engine/cascade.h"
#include "engine/cell_writes.h"
#include "engine/class_lesson_lists.h"
#include "engine/hour_operations.h"

namespace kalvodrin {
namespace {

using cells::At;

const FileSet kGroupFiles{DataFile::kClassLessons, DataFile::kCommonGroups};
const FileSet kAssignmentFiles{DataFile::kClassLessons,   DataFile::kCommonGroups,
                               DataFile::kTeacherLessons, DataFile::kTeacherGrids,
                               DataFile::kClassGrids,     DataFile::kRoomGrids};

struct Member {
  int classNo;
  int lesson;
};

// The class lesson itself, or every member of its common group.
std::vector<Member> MembersOf(const School& school, int classNo, int lesson) {
  const TClassLessonRec* cl = school.ClassLessonAt(classNo, lesson);
  const TCommonGroupRec* group = cl != nullptr && cl->commonGroup != 0
                                     ? school.CommonGroupByNo(cl->commonGroup)
                                     : nullptr;
  if (group == nullptr) return {{classNo, lesson}};
  std::vector<Member> members;
  for (int k = 0; k < std::min<int>(group->count, kMaxListed); ++k)
    members.push_back({group->classes[static_cast<std::size_t>(k)],
                       group->lessons[static_cast<std::size_t>(k)]});
  return members;
}

// Removes every hour where the teacher teaches the class the lesson. Should the
// engine refuse an hour (damaged cells), the teacher's own cell is still emptied so
// that no timetable keeps the teacher after the assignment is gone. Class 0 names no
// class: a teacher cell holding 0 is a free one and stays as it is.
void RemoveTeacherHours(School& school, int teacher, int classNo, int lesson) {
  if (classNo == 0) return;
  for (int c = 1; c <= kCells; ++c) {
    TTeacherGridRec* tg = school.TeacherGridByNo(teacher);
    const TClassGridRec* cg = school.ClassGridByNo(classNo);
    if (tg == nullptr || tg->occupant[At(c)] != classNo) continue;
    if (cg != nullptr && cg->occupant[At(c)] != lesson) continue;
    if (!RemoveOneHour(school, c, classNo)) cells::ClearTeacher(*tg, c, nullptr);
  }
}

void EraseTeacherLessons(School& school, int teacher, int classNo, int lesson) {
  std::erase_if(school.TeacherLessons, [&](const TTeacherLessonRec& tl) {
    return (teacher == 0 || tl.teacher == teacher) && tl.classNo == classNo &&
           tl.lesson == lesson;
  });
}

// Hours of the lesson still in the class after its teachers went (a lesson placed
// without teachers). Lesson 0 marks a free class cell, so there is nothing to remove.
void RemoveLessonHours(School& school, int classNo, int lesson) {
  if (lesson == 0) return;
  for (int c = 1; c <= kCells; ++c) {
    TClassGridRec* cg = school.ClassGridByNo(classNo);
    if (cg == nullptr || cg->occupant[At(c)] != lesson) continue;
    if (!RemoveOneHour(school, c, classNo)) cells::ClearClass(*cg, c, nullptr);
  }
}

// Hours placed together with other classes stop being joint when the member leaves
// its group; left in place they would name participants the lesson no longer has.
void RemoveJointHours(School& school, int classNo, int lesson) {
  const TClassLessonRec* cl = school.ClassLessonAt(classNo, lesson);
  const TCommonGroupRec* g = cl != nullptr && cl->commonGroup != 0
                                 ? school.CommonGroupByNo(cl->commonGroup)
                                 : nullptr;
  if (g != nullptr && g->count >= 2) RemoveLessonHours(school, classNo, lesson);
}

}  // namespace

FileSet DeleteCommonGroup(School& school, int group) {
  if (const TCommonGroupRec* g = school.CommonGroupByNo(group);
      g != nullptr && g->count > 0)
    RemoveJointHours(school, g->classes[0], g->lessons[0]);
  for (TClassLessonRec& cl : school.ClassLessons)
    if (cl.commonGroup == group) cl.commonGroup = 0;
  std::erase_if(school.CommonGroups,
                [&](const TCommonGroupRec& g) { return g.number == group; });
  school.ReindexCommonGroups();
  return kGroupFiles;
}

FileSet TakeOutOfCommonGroup(School& school, int classNo, int lesson) {
  TClassLessonRec* cl = school.ClassLessonAt(classNo, lesson);
  if (cl == nullptr || cl->commonGroup == 0) return {};
  RemoveJointHours(school, classNo, lesson);
  if (TCommonGroupRec* g = school.CommonGroupByNo(cl->commonGroup))
    DetachMember(*g, classNo, lesson);
  cl->commonGroup = 0;
  return kGroupFiles;
}

FileSet PurgeCommonGroups(School& school) {
  std::vector<int> small;
  for (const TCommonGroupRec& g : school.CommonGroups)
    if (g.count < 2) small.push_back(g.number);
  for (int number : small) {
    const TCommonGroupRec* g = school.CommonGroupByNo(number);
    if (g != nullptr && g->count == 1)
      TakeOutOfCommonGroup(school, g->classes[0], g->lessons[0]);
    DeleteCommonGroup(school, number);
  }
  return small.empty() ? FileSet{} : kGroupFiles;
}

FileSet UnassignTeacher(School& school, int teacher, int classNo, int lesson) {
  for (const Member& m : MembersOf(school, classNo, lesson)) {
    RemoveTeacherHours(school, teacher, m.classNo, m.lesson);
    // Only this teacher's entries: teacher 0 (a damaged entry's) is no wildcard here.
    std::erase_if(school.TeacherLessons, [&](const TTeacherLessonRec& tl) {
      return tl.teacher == teacher && tl.classNo == m.classNo && tl.lesson == m.lesson;
    });
    if (TClassLessonRec* cl = school.ClassLessonAt(m.classNo, m.lesson))
      DetachTeacher(*cl, teacher);
  }
  return kAssignmentFiles;
}

FileSet DeleteClassLesson(School& school, int classNo, int lesson) {
  const auto named = [&](const TClassLessonRec& r) {
    return r.classNo == classNo && r.lesson == lesson;
  };
  // A record naming class or lesson 0 (damaged or imported data) has no lookup by
  // number and can hold no placed hour; it is erased by value all the same, so that
  // the callers deleting "until none is left" always make progress.
  if (std::none_of(school.ClassLessons.begin(), school.ClassLessons.end(), named)) return {};
  if (const TClassLessonRec* cl = school.ClassLessonAt(classNo, lesson)) {
    // The list shrinks as each teacher leaves it, so it is read once beforehand.
    const std::vector<uint8_t> teachers(
        cl->teachers.begin(), cl->teachers.begin() + std::min<int>(cl->teacherCount, kMaxListed));
    for (uint8_t t : teachers) UnassignTeacher(school, t, classNo, lesson);
    RemoveLessonHours(school, classNo, lesson);
    EraseTeacherLessons(school, 0, classNo, lesson);
    TakeOutOfCommonGroup(school, classNo, lesson);
    PurgeCommonGroups(school);
  } else {
    EraseTeacherLessons(school, 0, classNo, lesson);
  }
  std::erase_if(school.ClassLessons, named);
  school.ReindexClassLessons();
  school.ReindexCommonGroups();
  return kAssignmentFiles;
}

}  // namespace kalvodrin
