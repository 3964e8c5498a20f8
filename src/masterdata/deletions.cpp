#include "masterdata/deletions.h"

#include "engine/cascade.h"
#include "engine/counts.h"

namespace kalvodrin {
namespace {

const FileSet kTimetables{DataFile::kTeacherGrids, DataFile::kClassGrids,
                          DataFile::kRoomGrids};

// Assignments and placements went, so the hours each timetable shows must follow.
Change Deleted(School& school, int number, FileSet files) {
  CountAllHours(school);
  files.add(kTimetables);
  return {Outcome::kDone, files, number};
}

}  // namespace

Change DeleteLessonGroupFromList(School& school, int group) {
  if (school.LessonGroupByNo(group) == nullptr) return Refused(Outcome::kNotFound);
  FileSet files = DeleteLessonGroup(school, group);
  files.add(FileSet{DataFile::kLessonGroups, DataFile::kLessons});
  return {Outcome::kDone, files, group};
}

Change DeleteLessonFromPool(School& school, int lesson) {
  if (school.LessonByNo(lesson) == nullptr) return Refused(Outcome::kNotFound);
  FileSet files = DeleteLesson(school, lesson);
  files.add(FileSet{DataFile::kLessons, DataFile::kClassLessons, DataFile::kCommonGroups,
                    DataFile::kTeacherLessons});
  if (school.Settings.guidanceLesson == lesson) {
    school.Settings.guidanceLesson = 0;
    files.add(DataFile::kSettings);
  }
  return Deleted(school, lesson, files);
}

Change DeleteClassFromList(School& school, int classNo) {
  if (school.ClassByNo(classNo) == nullptr) return Refused(Outcome::kNotFound);
  FileSet files = DeleteClass(school, classNo);
  files.add(FileSet{DataFile::kClasses, DataFile::kClassLessons, DataFile::kCommonGroups,
                    DataFile::kTeacherLessons});
  return Deleted(school, classNo, files);
}

Change DeleteRoomFromList(School& school, int room) {
  if (school.RoomByNo(room) == nullptr) return Refused(Outcome::kNotFound);
  FileSet files = DeleteRoom(school, room);
  files.add(FileSet{DataFile::kRooms, DataFile::kClassLessons, DataFile::kRoomGrids});
  CountRoomHours(school);
  return {Outcome::kDone, files, room};
}

Change DeleteTeacherFromList(School& school, int teacher) {
  if (school.TeacherByNo(teacher) == nullptr) return Refused(Outcome::kNotFound);
  FileSet files = DeleteTeacher(school, teacher);
  files.add(FileSet{DataFile::kTeachers, DataFile::kClassLessons, DataFile::kTeacherLessons});
  return Deleted(school, teacher, files);
}

}  // namespace kalvodrin
