#pragma once
// A school planned before any record is written: its classes and their lessons, who
// teaches what, which lessons are taught to two sections together and which rooms
// they need. The writer turns a plan into records the way the program's windows do.
// Indexes into the plan's vectors are 0-based; record numbers are index + 1.

#include <string>
#include <vector>

#include "curriculum.h"

namespace kalvodrin::samples {

struct ClassPlan {
  int grade = 9;          // 9..12, the class name ("SINIF")
  std::string section;    // "BÖLÜM": A, B, C ...
  bool afternoon = false; // afternoon shift: hours 8..16, otherwise 1..9
  Track track = Track::kGeneral;
  std::vector<LessonId> lessons;
};

// One class lesson, or a common lesson several classes take together.
struct UnitPlan {
  LessonId lesson = LessonId::kLiterature;
  std::vector<int> classes;   // more than one: a common lesson
  std::vector<int> teachers;  // more than one: a lesson given to several teachers
  int room = -1;
};

struct TeacherPlan {
  std::string name;
  Branch branch = Branch::kLiterature;
  std::string classTeacherOf;  // "9-A", empty when none
  std::string club;
  int closedDay = 0;  // a weekday on which the teacher cannot teach, 0 = none
  int load = 0;       // weekly hours, a common lesson counted once
  int dutyDay = 0;    // the weekday of the teacher's supervision duty ("NÖBET")
  int dutyPlace = 0;  // index into SchoolPlan::dutyPlaces
};

struct RoomPlan {
  std::string name;
  RoomKind kind = RoomKind::kNone;
  int load = 0;
};

struct SchoolPlan {
  bool sixHourShifts = false;  // days of hours 1..6 (morning) and 7..12 (afternoon)
  std::vector<ClassPlan> classes;
  std::vector<UnitPlan> units;
  std::vector<TeacherPlan> teachers;
  std::vector<RoomPlan> rooms;
  std::vector<std::string> dutyPlaces;  // at most 15 characters each
  std::string schoolName;
  std::string principalName;
  std::string deputyName;
};

// How the sample school and a generated school differ: the sample makes its choices
// by fixed rules, a generated school draws them from its seed.
struct PlanOptions {
  int classes = 24;
  uint64_t seed = 1;
  bool sample = false;
  // The most common shape of a Turkish school: six-hour days, the morning shift at
  // hours 1..6 and the afternoon shift at 7..12, so a class takes at most 30 hours.
  bool sixHourShifts = false;
};

SchoolPlan PlanSchool(const PlanOptions& options);

}  // namespace kalvodrin::samples
