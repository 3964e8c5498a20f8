#pragma once
// The lists and counters of the three timetable windows, in the orders the windows
// show them. Texts are UTF-8.

#include <string>
#include <vector>

#include "core/school.h"

namespace kalvodrin {

// A row of TeacherGrid, ClassGrid or RoomGrid.
struct OwnerRow {
  int number = 0;
  std::string name;     // teacher's name, class name, classroom name
  std::string section;  // the class's section; empty otherwise
};

// A lesson row of TeleGrid, ClTeleGrid or RoomTeleGrid.
struct LessonRow {
  int teacher = 0;
  int classNo = 0;
  int lesson = 0;
  int room = 0;
  std::string className;  // class name
  std::string section;
  std::string lessonName;
  int weeklyHours = 0;  // "HDS"
  std::string teacherName;
};

// Teachers whose weekly hours are above 0, in Teachers order.
std::vector<OwnerRow> TimetableTeachers(const School& school);
// Classes whose assigned hours are above 0, in Classes order.
std::vector<OwnerRow> TimetableClasses(const School& school);
// Classrooms whose assigned hours are above 0, in Rooms order.
std::vector<OwnerRow> TimetableRooms(const School& school);

// The teacher's lessons in TeacherLessons order.
std::vector<LessonRow> TimetableTeacherLessons(const School& school, int teacher);
// The class's lessons that have a teacher, one row per teacher, in ClassLessons order.
std::vector<LessonRow> TimetableClassLessons(const School& school, int classNo);
// The teacher lessons whose class lesson lists the classroom, in TeacherLessons order.
std::vector<LessonRow> TimetableRoomLessons(const School& school, int room);

// Index of the first row holding (teacher, class, lesson); -1 when none.
int FindLessonRow(const std::vector<LessonRow>& rows, int teacher, int classNo, int lesson);

struct TeacherCounters {
  int morning = 0;          // "SABAH"
  int afternoon = 0;        // "ÖĞLE"
  int total = 0;            // "TOPLAM"
  int remaining = 0;        // "KALAN": total minus placed
  int lessonRemaining = 0;  // the yellow "KALAN": the selected lesson's hours to place
};
TeacherCounters CountTeacherWindow(const School& school, int teacher, int classNo, int lesson);

struct ClassCounters {
  int total = 0;            // "TOPLAM": every lesson of the class
  int remaining = 0;        // "KALAN"
  int lessonRemaining = 0;  // the selected lesson's hours to place
};
ClassCounters CountClassWindow(const School& school, int classNo, int lesson);

}  // namespace kalvodrin
