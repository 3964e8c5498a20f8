#pragma once
// The placed lesson hours of a school as plain rows, the common ground of every
// export: one row per hour a class has in its timetable, with the names a reader
// wants (UTF-8) and the numbers the pages are built by.

#include <string>
#include <vector>

#include "core/pick_rows.h"  // ClassTitle
#include "core/school.h"

namespace kalvodrin {

struct PlacedHour {
  int day = 0;            // 1..5
  int hour = 0;           // 1..16
  std::string startTime;  // "08:30", "" when the settings have none
  int classNo = 0;
  std::string className;  // "9 A"
  int lesson = 0;
  std::string lessonName;
  std::vector<int> teachers;
  std::vector<std::string> teacherNames;
  std::vector<int> rooms;  // the classrooms the class is in at that hour
  std::vector<std::string> roomNames;
};

// Class by class in collection order, each class's hours by day and hour.
std::vector<PlacedHour> PlacedHours(const School& school);

// Names joined with ", ".
std::string JoinNames(const std::vector<std::string>& names);

// The entity's name for titles and file contents (UTF-8).
std::string TeacherTitle(const School& school, int teacher);
std::string RoomTitle(const School& school, int room);

}  // namespace kalvodrin
