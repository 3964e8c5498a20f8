#pragma once
// Builds a small school for tests in a few lines:
//
//   School s = SchoolBuilder()
//                  .Class("9", "A").Lesson("MATEMATİK", 6, "2+2+2")
//                  .Teacher("AYŞE YILMAZ").Teach()
//                  .Build();
//
// Names are UTF-8 and stored upper-cased in cp1254, as the entry forms store them.
// Class, Lesson, Teacher and Room make their entity the current one; the other calls
// work on the current class, lesson and teacher. Every entity gets the lowest free
// number and its timetable record; Build reindexes. A call that names an unknown
// entity or breaks a limit throws std::invalid_argument, so a mistyped test fails
// loudly instead of building a different school.

#include <initializer_list>
#include <string>
#include <string_view>

#include "core/school.h"

namespace kalvodrin {

class SchoolBuilder {
 public:
  SchoolBuilder();

  // A lesson group of the pool.
  SchoolBuilder& Group(std::string_view name);
  // A class with its timetable (hours 1..6 every day); it becomes the current class.
  SchoolBuilder& Class(std::string_view name, std::string_view section = "");
  // Makes an existing class the current one again.
  SchoolBuilder& In(std::string_view classKey);
  // The lesson in the pool (created the first time, with the group named, if any) and,
  // when there is a current class, taken by that class. Becomes the current lesson.
  SchoolBuilder& Lesson(std::string_view name, int weeklyHours, std::string_view pattern,
                        std::string_view group = "", bool divisible = false);
  // A teacher with its timetable; it becomes the current teacher.
  SchoolBuilder& Teacher(std::string_view name, std::string_view branch = "");
  // A classroom with its timetable.
  SchoolBuilder& Room(std::string_view name);

  // The current teacher teaches the current class's current lesson (for a common
  // lesson: every member, as the distribution window does).
  SchoolBuilder& Teach();
  // The named teacher teaches the named class's lesson ("9 A" is class 9, section A).
  SchoolBuilder& Teach(std::string_view teacher, std::string_view classKey,
                       std::string_view lesson);
  // The current class lesson (every member of its common lesson) may use the room.
  SchoolBuilder& InRoom(std::string_view room);
  // The classes take the lesson together as one common lesson. Call before Teach.
  SchoolBuilder& Common(std::initializer_list<std::string_view> classKeys,
                        std::string_view lesson);

  // The current class's hour window: every day, or one day 1..5.
  SchoolBuilder& Hours(int firstHour, int lastHour);
  SchoolBuilder& Hours(int day, int firstHour, int lastHour);
  // The current class is taught in the annex building.
  SchoolBuilder& Annex();
  // The current teacher's own settings ("ÖZEL AYARLAR").
  SchoolBuilder& Special(const TeacherRules& rules);
  // Places a block of the class's lesson on the day from the hour, through the
  // engine (no rules); throws when the engine refuses it.
  SchoolBuilder& Place(std::string_view classKey, std::string_view lesson, int length,
                       int day, int hour);
  // Direct access to the settings record before building.
  TSettingsRec& Settings() { return school_.Settings; }

  // Numbers of what was built, by the names used above ("9 A" for a class).
  int ClassNo(std::string_view classKey) const;
  int LessonNo(std::string_view name) const;
  int TeacherNo(std::string_view name) const;
  int RoomNo(std::string_view name) const;

  // A copy of the school, reindexed; the builder stays usable for the lookups above.
  School Build();

 private:
  TClassGridRec& CurrentClassGrid();

  School school_;
  int class_ = 0;
  int lesson_ = 0;
  int teacher_ = 0;
};

// The small school the timetable windows and the saving commands are tested on: the
// LAB; 9 A takes MATEMATİK (4 hours, 2+2; AYŞE, in the LAB) and FİZİK (3 hours, 2+1;
// AYŞE and CAN); 9 B takes KİMYA (2 hours, 1+1; AYŞE). Nothing is placed yet.
SchoolBuilder SmallTimetableSchool();

// "9 A" for class 9 section A, "9" for a class without a section (UTF-8).
std::string ClassKey(const School& school, int classNo);

}  // namespace kalvodrin
