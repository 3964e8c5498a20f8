#pragma once
// Records of the school's master data. Each struct is byte for byte the record image
// of its data file:
//   KUME.LOF     = TLessonGroupRec*   (22 bytes each)
//   DERSLER.LOF  = TLessonRec*        (48)
//   SINIFLAR.LOF = TClassRec*         (16)
//   DERSHANE.LOF = TRoomRec*          (15)
//   OGRETMEN.LOF = TTeacherRec*       (68)
//   DUDIZIR4.LOF = TDutyPlaceRec*     (35)
// Numbers are 1..255, 0 means none. Texts are cp1254, upper-cased on entry.

#include <array>
#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "core/pstr.h"

namespace kalvodrin {

// A lesson group ("DERS GRUBU").
struct TLessonGroupRec {
  uint8_t number;
  PStr<20> name;
};
static_assert(std::is_trivially_copyable_v<TLessonGroupRec>);
static_assert(sizeof(TLessonGroupRec) == 22);
static_assert(offsetof(TLessonGroupRec, name) == 1);

// A lesson of the lesson pool ("DERS HAVUZU").
struct TLessonRec {
  uint8_t number;
  PStr<30> name;
  PStr<4> shortName;
  uint8_t group;         // lesson group number, 0 = no group
  uint8_t weeklyHours;
  uint8_t divisible;     // flag: a block may be split
  uint8_t notAtHour;     // no block of 2 or more hours may start at this hour, 0 = none
  uint8_t blockCount;    // non-zero bytes of pattern
  uint8_t notAfterHour;  // the lesson should end within this many hours, 0 = none
  std::array<uint8_t, 5> pattern;  // block lengths, non-increasing, 0-padded
};
static_assert(std::is_trivially_copyable_v<TLessonRec>);
static_assert(sizeof(TLessonRec) == 48);
static_assert(offsetof(TLessonRec, name) == 1);
static_assert(offsetof(TLessonRec, shortName) == 32);
static_assert(offsetof(TLessonRec, group) == 37);
static_assert(offsetof(TLessonRec, weeklyHours) == 38);
static_assert(offsetof(TLessonRec, divisible) == 39);
static_assert(offsetof(TLessonRec, notAtHour) == 40);
static_assert(offsetof(TLessonRec, blockCount) == 41);
static_assert(offsetof(TLessonRec, notAfterHour) == 42);
static_assert(offsetof(TLessonRec, pattern) == 43);

// A class ("SINIF").
struct TClassRec {
  uint8_t order;  // display position; the collection is kept sorted by it
  uint8_t number;
  PStr<6> name;     // the entry form admits 4 characters
  PStr<6> section;  // "BÖLÜMÜ"; the entry form admits 3 characters
};
static_assert(std::is_trivially_copyable_v<TClassRec>);
static_assert(sizeof(TClassRec) == 16);
static_assert(offsetof(TClassRec, number) == 1);
static_assert(offsetof(TClassRec, name) == 2);
static_assert(offsetof(TClassRec, section) == 9);

// A classroom ("DERSLİK").
struct TRoomRec {
  uint8_t order;
  uint8_t number;
  PStr<12> name;
};
static_assert(std::is_trivially_copyable_v<TRoomRec>);
static_assert(sizeof(TRoomRec) == 15);
static_assert(offsetof(TRoomRec, number) == 1);
static_assert(offsetof(TRoomRec, name) == 2);

// A teacher.
struct TTeacherRec {
  uint8_t order;
  uint8_t number;
  PStr<30> name;            // "ADI SOYADI"
  PStr<12> branch;          // "BRANŞI"
  PStr<8> classTeacherOf;   // free text naming the class
  PStr<12> club;            // "EĞİTSEL KULÜP"
};
static_assert(std::is_trivially_copyable_v<TTeacherRec>);
static_assert(sizeof(TTeacherRec) == 68);
static_assert(offsetof(TTeacherRec, number) == 1);
static_assert(offsetof(TTeacherRec, name) == 2);
static_assert(offsetof(TTeacherRec, branch) == 33);
static_assert(offsetof(TTeacherRec, classTeacherOf) == 46);
static_assert(offsetof(TTeacherRec, club) == 55);

// A duty place ("NÖBET YERİ").
struct TDutyPlaceRec {
  uint8_t order;
  uint8_t number;
  PStr<25> name;
  std::array<uint8_t, 7> perDay;  // duties given here on day 1..7
};
static_assert(std::is_trivially_copyable_v<TDutyPlaceRec>);
static_assert(sizeof(TDutyPlaceRec) == 35);
static_assert(offsetof(TDutyPlaceRec, number) == 1);
static_assert(offsetof(TDutyPlaceRec, name) == 2);
static_assert(offsetof(TDutyPlaceRec, perDay) == 28);

}  // namespace kalvodrin
