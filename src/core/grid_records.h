#pragma once
// Timetable records, one per teacher, class and classroom. Byte for byte the images of
//   DUDIZIRZ.LOF = TTeacherGridRec*  (464 bytes each)
//   DUDIZIRX.LOF = TClassGridRec*    (344)
//   DUDIZIRY.LOF = TRoomGridRec*     (328)
// Each ends in a 4-byte link slot that belonged to an in-memory list: meaningless on
// disk, ignored when read and written as zero.
// A plane holds one byte per cell; cell (day-1)*16 + hour is plane byte cell-1.

#include <array>
#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "core/pstr.h"

namespace kalvodrin {

// The eight per-teacher scheduling rules, in the order of the settings record's first
// eight bytes. A teacher carries them twice: the own settings ("ÖZEL AYARLAR") and the
// settings in force during a run.
struct TeacherRules {
  uint8_t gapsAllowed;
  uint8_t maxGapsPerWeek;
  uint8_t maxGapBetweenLessons;
  uint8_t sameClassDifferentDays;
  uint8_t dayBetweenDays;
  uint8_t differentHours;
  uint8_t groupDifferentDays;
  uint8_t maxHoursPerDay;
};
static_assert(sizeof(TeacherRules) == 8);
inline constexpr TeacherRules kDefaultTeacherRules{0, 0, 0, 1, 1, 1, 1, 6};

struct TTeacherGridRec {
  uint8_t teacher;
  uint8_t windowCells;     // cells inside the hour window of a class the teacher teaches
  uint8_t morningHours;    // weekly hours in morning-shift classes
  uint8_t afternoonHours;  // weekly hours in afternoon-shift classes
  uint8_t weeklyHours;     // morning + afternoon; 0 hides the teacher from timetables
  uint8_t searchMark;      // working byte of the placement engine, kept at 0
  DayBytes firstUsable;    // first usable hour of day 1..5, 0 = none
  DayBytes lastUsable;
  DayBytes usablePerDay;
  TeacherRules effective;  // in force during a run
  std::array<uint8_t, 2> unused29;
  TeacherRules special;    // the teacher's own settings
  uint8_t runSpare39;
  uint8_t runSpare40;
  uint8_t sameDayAllowance;  // extra hours of one lesson allowed on one day
  uint8_t slack;             // usable cells minus weekly hours
  uint8_t evenSpread;        // regular distribution on/off
  uint8_t evenTarget;        // target hours per day
  uint8_t evenCeiling;
  uint8_t evenExcessThreshold;
  uint8_t evenExtraCeiling;
  uint8_t runSpare48;
  uint8_t bothBuildings;   // teaches classes of the main and the annex building
  uint8_t placedHours;
  uint8_t bothShifts;      // has hours in morning and afternoon classes
  DayBytes placedPerDay;
  Plane open;        // 1 = the teacher may be given a lesson in the cell
  Plane occupant;    // class number taught in the cell, 0 = free
  Plane blockLen;
  Plane blockStart;
  Plane sparePlane;  // part of the layout, never read
  std::array<uint8_t, 3> unused457;
  std::array<uint8_t, 4> link;
};
static_assert(std::is_trivially_copyable_v<TTeacherGridRec>);
static_assert(sizeof(TTeacherGridRec) == 464);
static_assert(offsetof(TTeacherGridRec, windowCells) == 1);
static_assert(offsetof(TTeacherGridRec, morningHours) == 2);
static_assert(offsetof(TTeacherGridRec, afternoonHours) == 3);
static_assert(offsetof(TTeacherGridRec, weeklyHours) == 4);
static_assert(offsetof(TTeacherGridRec, searchMark) == 5);
static_assert(offsetof(TTeacherGridRec, firstUsable) == 6);
static_assert(offsetof(TTeacherGridRec, lastUsable) == 11);
static_assert(offsetof(TTeacherGridRec, usablePerDay) == 16);
static_assert(offsetof(TTeacherGridRec, effective) == 21);
static_assert(offsetof(TTeacherGridRec, special) == 31);
static_assert(offsetof(TTeacherGridRec, sameDayAllowance) == 41);
static_assert(offsetof(TTeacherGridRec, slack) == 42);
static_assert(offsetof(TTeacherGridRec, evenSpread) == 43);
static_assert(offsetof(TTeacherGridRec, evenTarget) == 44);
static_assert(offsetof(TTeacherGridRec, evenCeiling) == 45);
static_assert(offsetof(TTeacherGridRec, evenExcessThreshold) == 46);
static_assert(offsetof(TTeacherGridRec, evenExtraCeiling) == 47);
static_assert(offsetof(TTeacherGridRec, bothBuildings) == 49);
static_assert(offsetof(TTeacherGridRec, placedHours) == 50);
static_assert(offsetof(TTeacherGridRec, bothShifts) == 51);
static_assert(offsetof(TTeacherGridRec, placedPerDay) == 52);
static_assert(offsetof(TTeacherGridRec, open) == 57);
static_assert(offsetof(TTeacherGridRec, occupant) == 137);
static_assert(offsetof(TTeacherGridRec, blockLen) == 217);
static_assert(offsetof(TTeacherGridRec, blockStart) == 297);
static_assert(offsetof(TTeacherGridRec, sparePlane) == 377);
static_assert(offsetof(TTeacherGridRec, link) == 460);

struct TClassGridRec {
  uint8_t classNo;
  uint8_t weeklyHours;  // hours of the class given to teachers
  uint8_t unused2;
  DayBytes freeHours;   // window length minus placed hours, day 1..5
  DayBytes firstHour;   // first lesson hour of day 1..5
  DayBytes lastHour;
  Plane open;
  Plane occupant;       // lesson number in the cell, 0 = free
  Plane blockLen;
  Plane blockStart;
  std::array<uint8_t, 2> unused338;
  std::array<uint8_t, 4> link;
};
static_assert(std::is_trivially_copyable_v<TClassGridRec>);
static_assert(sizeof(TClassGridRec) == 344);
static_assert(offsetof(TClassGridRec, weeklyHours) == 1);
static_assert(offsetof(TClassGridRec, freeHours) == 3);
static_assert(offsetof(TClassGridRec, firstHour) == 8);
static_assert(offsetof(TClassGridRec, lastHour) == 13);
static_assert(offsetof(TClassGridRec, open) == 18);
static_assert(offsetof(TClassGridRec, occupant) == 98);
static_assert(offsetof(TClassGridRec, blockLen) == 178);
static_assert(offsetof(TClassGridRec, blockStart) == 258);
static_assert(offsetof(TClassGridRec, link) == 340);

struct TRoomGridRec {
  uint8_t room;
  uint8_t weeklyHours;  // hours of the class lessons that list this room
  Plane open;
  Plane occupant;       // class number using the room in the cell, 0 = free
  Plane blockLen;
  Plane blockStart;
  std::array<uint8_t, 2> unused322;
  std::array<uint8_t, 4> link;
};
static_assert(std::is_trivially_copyable_v<TRoomGridRec>);
static_assert(sizeof(TRoomGridRec) == 328);
static_assert(offsetof(TRoomGridRec, open) == 2);
static_assert(offsetof(TRoomGridRec, occupant) == 82);
static_assert(offsetof(TRoomGridRec, blockLen) == 162);
static_assert(offsetof(TRoomGridRec, blockStart) == 242);
static_assert(offsetof(TRoomGridRec, link) == 324);

// A class whose first hour on Monday is above 3 is taught in the afternoon shift.
inline bool IsAfternoonClass(const TClassGridRec& g) { return g.firstHour[0] > 3; }

}  // namespace kalvodrin
