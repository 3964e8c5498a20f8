#include "plan_writer.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>
#include <string_view>

#include "core/cells.h"
#include "core/ordering.h"
#include "core/pattern.h"
#include "core/record_creation.h"
#include "core/turkish_text.h"
#include "curriculum/class_lessons.h"
#include "curriculum/common_lessons.h"
#include "engine/counts.h"
#include "staffing/classrooms.h"
#include "staffing/teacher_lessons.h"

namespace kalvodrin::samples {
namespace {

// Typed text as the entry forms store it: cp1254, Turkish capitals.
std::string Cp(std::string_view utf8) { return UserTextToCp1254(utf8); }

// The groups first, as the lesson pool opens the groups window; every new lesson is
// sorted into the pool at once, as the lesson pool window does.
void WriteLessons(School& school) {
  for (std::size_t g = 0; g < kLessonGroupNames.size(); ++g)
    AddLessonGroup(school, static_cast<int>(g) + 1, Cp(kLessonGroupNames[g]));
  school.ReindexLessonGroups();
  for (int i = 0; i < kLessonCount; ++i) {
    const LessonDef& d = LessonOf(static_cast<LessonId>(i));
    const ParsedPattern pattern = ParsePattern(d.weeklyHours, d.pattern);
    AddLesson(school, i + 1, Cp(d.name), Cp(d.shortName), d.group, d.weeklyHours,
              pattern.blocks, 0);
    SortLessons(school);
  }
}

// What a school writes for its class: "9-A" as the name, the only text the teacher
// timetable shows of a class, so that 9-A and 9-B differ there; the section holds
// the track of the upper grades ("SAY" science, "EA" equal weight), as in the
// school's own lists.
std::string ClassName(const ClassPlan& c) { return std::to_string(c.grade) + "-" + c.section; }

std::string TrackSection(const ClassPlan& c) {
  switch (c.track) {
    case Track::kScience: return "SAY";
    case Track::kEqualWeight: return "EA";
    case Track::kGeneral: break;
  }
  return "";
}

// Each class with its timetable and its daily hour window.
void WriteClasses(const SchoolPlan& plan, School& school) {
  for (std::size_t i = 0; i < plan.classes.size(); ++i) {
    const ClassPlan& c = plan.classes[i];
    const int number = static_cast<int>(i) + 1;
    AddClass(school, number, Cp(ClassName(c)), Cp(TrackSection(c)));
    TClassGridRec& grid = NewClassGrid(school, number);
    int first = c.afternoon ? kAfternoonFirstHour : kMorningFirstHour;
    int last = c.afternoon ? kAfternoonLastHour : kMorningLastHour;
    if (plan.sixHourShifts) {
      first = c.afternoon ? kSixHourDay + 1 : 1;
      last = first + kSixHourDay - 1;
    }
    grid.firstHour.fill(static_cast<uint8_t>(first));
    grid.lastHour.fill(static_cast<uint8_t>(last));
    grid.freeHours.fill(static_cast<uint8_t>(last - first + 1));
  }
  SortClasses(school);
  school.ReindexClassGrids();
}

void WriteRooms(const SchoolPlan& plan, School& school) {
  for (std::size_t i = 0; i < plan.rooms.size(); ++i) {
    const int number = static_cast<int>(i) + 1;
    AddRoom(school, number, Cp(plan.rooms[i].name));
    NewRoomGrid(school, number);
  }
  SortRooms(school);
  school.ReindexRoomGrids();
}

// A teacher who cannot come on a day has every cell of that day closed, as locking
// the cells in the teacher's timetable does.
void WriteTeachers(const SchoolPlan& plan, School& school) {
  for (std::size_t i = 0; i < plan.teachers.size(); ++i) {
    const TeacherPlan& t = plan.teachers[i];
    const int number = static_cast<int>(i) + 1;
    AddTeacher(school, number, Cp(t.name), Cp(BranchName(t.branch)), Cp(t.classTeacherOf),
               Cp(t.club));
    TTeacherGridRec& grid = NewTeacherGrid(school, number);
    if (t.closedDay == 0) continue;
    for (int hour = 1; hour <= kHoursPerDay; ++hour)
      grid.open[static_cast<std::size_t>(CellIndex(t.closedDay, hour) - 1)] = 0;
  }
  SortTeachers(school);
  school.ReindexTeacherGrids();
}

// Every refusal is a fault of the plan: the sample must be a school the windows
// accept, so the generator stops instead of writing a different school.
void Require(const Change& change, const char* what) {
  if (change.outcome != Outcome::kDone)
    throw std::logic_error(std::string("the plan breaks a rule of the windows: ") + what);
}

// Lesson by lesson, as the class lessons window gives them, with its capacity check.
void WriteClassLessons(const SchoolPlan& plan, School& school) {
  school.ReindexAll();
  for (std::size_t i = 0; i < plan.classes.size(); ++i) {
    const int classNo = static_cast<int>(i) + 1;
    for (LessonId lesson : plan.classes[i].lessons)
      Require(GiveLessonToClass(school, classNo, LessonNumber(lesson)), "class lesson");
  }
}

// Common lessons are formed before any teacher or room is given, as the common
// lessons window requires.
void WriteCommonGroups(const SchoolPlan& plan, School& school) {
  for (const UnitPlan& unit : plan.units) {
    if (unit.classes.size() < 2) continue;
    const Change group = NewCommonGroup(school);
    Require(group, "common group");
    for (int c : unit.classes)
      Require(AddToCommonGroup(school, group.number, c + 1, LessonNumber(unit.lesson)),
              "common lesson member");
  }
}

// Teacher by teacher, as a school fills the teacher distribution window; a common
// lesson is given for every member class at once, and a second teacher is confirmed.
void WriteTeacherLessons(const SchoolPlan& plan, School& school) {
  for (int t = 0; t < static_cast<int>(plan.teachers.size()); ++t) {
    for (const UnitPlan& unit : plan.units) {
      if (std::find(unit.teachers.begin(), unit.teachers.end(), t) == unit.teachers.end())
        continue;
      Require(GiveLessonToTeacher(school, t + 1, unit.classes.front() + 1,
                                  LessonNumber(unit.lesson), true),
              "teacher lesson");
    }
  }
}

// A room given to a common lesson is listed by every member's class lesson.
void WriteRoomAssignments(const SchoolPlan& plan, School& school) {
  for (const UnitPlan& unit : plan.units) {
    if (unit.room < 0) continue;
    Require(AttachRoomToClassLesson(school, unit.classes.front() + 1, LessonNumber(unit.lesson),
                                    unit.room + 1),
            "classroom");
  }
}

// The duty places first, then each teacher's duty, as the duty window gives them.
void WriteDuties(const SchoolPlan& plan, School& school) {
  for (std::size_t p = 0; p < plan.dutyPlaces.size(); ++p)
    AddDutyPlace(school, static_cast<int>(p) + 1, Cp(plan.dutyPlaces[p]));
  SortDutyPlaces(school);
  for (std::size_t t = 0; t < plan.teachers.size(); ++t) {
    const TeacherPlan& tp = plan.teachers[t];
    AddDuty(school, tp.dutyPlace + 1, tp.dutyDay, static_cast<int>(t) + 1);
  }
}

// Lesson hours of 40 minutes with 5-minute breaks, two shifts from 07:30.
constexpr std::array<std::string_view, kHoursPerDay> kStartTimes = {
    "07:30", "08:15", "09:00", "09:45", "10:30", "11:15", "12:00", "12:45",
    "13:30", "14:15", "15:00", "15:45", "16:30", "17:15", "18:00", "18:45"};

void WriteSettings(const SchoolPlan& plan, School& school) {
  TSettingsRec& s = school.Settings;
  s = DefaultSettings();
  // A lycée's day runs to nine hours; the settings window itself suggests 7 or 8 for
  // such schools, and with 6 a teacher closed on one day cannot fit a full load.
  s.maxHoursPerDay = 8;
  s.schoolName.assign(Cp(plan.schoolName));
  s.principalName.assign(Cp(plan.principalName));
  s.deputyName.assign(Cp(plan.deputyName));
  for (std::size_t k = 0; k < kStartTimes.size(); ++k) s.startTimes[k].assign(kStartTimes[k]);
  s.guidanceLesson = static_cast<uint8_t>(LessonNumber(LessonId::kGuidance));
  s.guidanceDayMorning = kGuidanceDay;
  s.guidanceHourMorning = kGuidanceHourMorning;
  s.guidanceDayAfternoon = kGuidanceDay;
  s.guidanceHourAfternoon = kGuidanceHourAfternoon;
  // Six-hour days keep every setting at its default; the guidance hour is each
  // shift's last.
  if (plan.sixHourShifts) {
    s.maxHoursPerDay = DefaultSettings().maxHoursPerDay;
    s.guidanceHourMorning = kSixHourDay;
    s.guidanceHourAfternoon = 2 * kSixHourDay;
  }
}

}  // namespace

void WritePlan(const SchoolPlan& plan, School& school) {
  school.Clear();
  school.Annex = AnnexFlags{};
  WriteLessons(school);
  WriteClasses(plan, school);
  WriteRooms(plan, school);
  WriteTeachers(plan, school);
  WriteClassLessons(plan, school);
  WriteCommonGroups(plan, school);
  WriteTeacherLessons(plan, school);
  WriteRoomAssignments(plan, school);
  WriteDuties(plan, school);
  WriteSettings(plan, school);
  school.ReindexAll();
  // The totals the teacher distribution and timetable windows show; a teacher whose
  // total is 0 would not even be listed.
  CountAllHours(school);
}

}  // namespace kalvodrin::samples
