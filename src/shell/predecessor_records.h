#pragma once
// Records of the predecessor program's data files, which it kept in one fixed folder.
// Fixed-size records, no header, the same byte and String[n] conventions as ours:
//   LESSON.PRG  = VelLessonRec*       (44 bytes each)
//   CLASS.PRG   = VelClassRec*        (10)
//   TEACHER.PRG = VelTeacherRec*      (86)
//   CLLE.PRG    = VelClassLessonRec*  (8)   a lesson taken by a class
//   TELE.PRG    = TTeacherLessonRec*  (3)   the same record as ours
//   CPS.PRG     = VelClassGridRec*    (496) class timetables
//   TPS.PRG     = VelTeacherGridRec*  (524) teacher timetables
// Only the fields the import reads are named; the rest are kept as opaque bytes.
// A placement pattern is an integer whose decimal digits, left to right, are the
// block lengths: 221 means 2+2+1.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <type_traits>

#include "core/assignment_records.h"
#include "core/pstr.h"

namespace kalvodrin {

struct VelLessonRec {
  uint8_t number;
  PStr<30> name;
  PStr<4> shortName;
  uint8_t weeklyHours;
  uint8_t divisible;
  uint8_t unused39;
  LeI32 pattern;
};
static_assert(std::is_trivially_copyable_v<VelLessonRec>);
static_assert(sizeof(VelLessonRec) == 44);
static_assert(offsetof(VelLessonRec, name) == 1);
static_assert(offsetof(VelLessonRec, shortName) == 32);
static_assert(offsetof(VelLessonRec, weeklyHours) == 37);
static_assert(offsetof(VelLessonRec, divisible) == 38);
static_assert(offsetof(VelLessonRec, pattern) == 40);

struct VelClassRec {
  uint8_t number;
  PStr<4> name;
  PStr<3> section;
};
static_assert(std::is_trivially_copyable_v<VelClassRec>);
static_assert(sizeof(VelClassRec) == 10);
static_assert(offsetof(VelClassRec, name) == 1);
static_assert(offsetof(VelClassRec, section) == 6);

struct VelTeacherRec {
  uint8_t number;
  PStr<30> name;
  PStr<12> branch;
  PStr<8> classTeacherOf;
  PStr<12> club;
  std::array<uint8_t, 19> unused67;
};
static_assert(std::is_trivially_copyable_v<VelTeacherRec>);
static_assert(sizeof(VelTeacherRec) == 86);
static_assert(offsetof(VelTeacherRec, name) == 1);
static_assert(offsetof(VelTeacherRec, branch) == 32);
static_assert(offsetof(VelTeacherRec, classTeacherOf) == 45);
static_assert(offsetof(VelTeacherRec, club) == 54);
static_assert(offsetof(VelTeacherRec, unused67) == 67);

struct VelClassLessonRec {
  uint8_t classNo;
  uint8_t lesson;
  uint8_t divisible;
  uint8_t unused3;
  LeI32 pattern;
};
static_assert(std::is_trivially_copyable_v<VelClassLessonRec>);
static_assert(sizeof(VelClassLessonRec) == 8);
static_assert(offsetof(VelClassLessonRec, divisible) == 2);
static_assert(offsetof(VelClassLessonRec, pattern) == 4);

struct VelClassGridRec {
  uint8_t classNo;
  uint8_t unused1;
  DayBytes firstHour;  // first lesson hour of day 1..5
  DayBytes lastHour;
  std::array<uint8_t, 484> rest;
};
static_assert(std::is_trivially_copyable_v<VelClassGridRec>);
static_assert(sizeof(VelClassGridRec) == 496);
static_assert(offsetof(VelClassGridRec, firstHour) == 2);
static_assert(offsetof(VelClassGridRec, lastHour) == 7);

struct VelTeacherGridRec {
  uint8_t teacher;
  std::array<uint8_t, 38> unused1;
  Plane available;  // 1 = the teacher could be given a lesson in the cell
  Plane occupied;   // 0 = no lesson in the cell
  std::array<uint8_t, 325> rest;
};
static_assert(std::is_trivially_copyable_v<VelTeacherGridRec>);
static_assert(sizeof(VelTeacherGridRec) == 524);
static_assert(offsetof(VelTeacherGridRec, available) == 39);
static_assert(offsetof(VelTeacherGridRec, occupied) == 119);

// The predecessor's file names, in the order they are converted.
inline constexpr std::string_view kVelLessons = "LESSON.PRG";
inline constexpr std::string_view kVelClasses = "CLASS.PRG";
inline constexpr std::string_view kVelTeachers = "TEACHER.PRG";
inline constexpr std::string_view kVelClassLessons = "CLLE.PRG";
inline constexpr std::string_view kVelTeacherLessons = "TELE.PRG";
inline constexpr std::array<std::string_view, 5> kVelConverted = {
    kVelLessons, kVelClasses, kVelTeachers, kVelClassLessons, kVelTeacherLessons};
inline constexpr std::string_view kVelClassGrids = "CPS.PRG";
inline constexpr std::string_view kVelTeacherGrids = "TPS.PRG";

// The predecessor's fixed folder, as a stored path.
inline constexpr std::string_view kVelFolder = "C:\\VEL\\";

}  // namespace kalvodrin
