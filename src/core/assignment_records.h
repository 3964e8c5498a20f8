#pragma once
// Records that tie the master data together. Byte for byte the file images:
//   DUDIZIR1.LOF = AnnexFlags           (exactly one record of 250 bytes)
//   DUDIZIR2.LOF = TClassLessonRec*     (42 bytes each)
//   DUDIZIR3.LOF = TCommonGroupRec*     (32)
//   DUDIZIR5.LOF = TDutyRec*            (3)
//   DUDIZIR6.LOF = TTeacherLessonRec*   (3)

#include <array>
#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace kalvodrin {

inline constexpr int kMaxListed = 15;  // teachers, rooms or group members per list

// A lesson taken by a class; at most one per (class, lesson).
struct TClassLessonRec {
  uint8_t classNo;
  uint8_t lesson;
  uint8_t divisible;     // copy of the lesson's flag
  uint8_t blockCount;    // copy of the lesson's block count
  uint8_t teacherCount;  // valid entries of teachers, 0..15
  uint8_t commonGroup;   // 0 = not a common lesson
  uint8_t roomCount;     // valid entries of rooms, 0..15
  std::array<uint8_t, kMaxListed> teachers;
  std::array<uint8_t, kMaxListed> rooms;
  std::array<uint8_t, 5> pattern;  // copy of the lesson's pattern
};
static_assert(std::is_trivially_copyable_v<TClassLessonRec>);
static_assert(sizeof(TClassLessonRec) == 42);
static_assert(offsetof(TClassLessonRec, lesson) == 1);
static_assert(offsetof(TClassLessonRec, divisible) == 2);
static_assert(offsetof(TClassLessonRec, blockCount) == 3);
static_assert(offsetof(TClassLessonRec, teacherCount) == 4);
static_assert(offsetof(TClassLessonRec, commonGroup) == 5);
static_assert(offsetof(TClassLessonRec, roomCount) == 6);
static_assert(offsetof(TClassLessonRec, teachers) == 7);
static_assert(offsetof(TClassLessonRec, rooms) == 22);
static_assert(offsetof(TClassLessonRec, pattern) == 37);

// A common lesson: several classes taking one lesson together.
struct TCommonGroupRec {
  uint8_t number;
  uint8_t count;  // members 0..15
  std::array<uint8_t, kMaxListed> classes;
  std::array<uint8_t, kMaxListed> lessons;
};
static_assert(std::is_trivially_copyable_v<TCommonGroupRec>);
static_assert(sizeof(TCommonGroupRec) == 32);
static_assert(offsetof(TCommonGroupRec, count) == 1);
static_assert(offsetof(TCommonGroupRec, classes) == 2);
static_assert(offsetof(TCommonGroupRec, lessons) == 17);

// One duty: a teacher at a place on a day (1..7).
struct TDutyRec {
  uint8_t place;
  uint8_t day;
  uint8_t teacher;
};
static_assert(std::is_trivially_copyable_v<TDutyRec>);
static_assert(sizeof(TDutyRec) == 3);

// A teacher gives a lesson in a class.
struct TTeacherLessonRec {
  uint8_t teacher;
  uint8_t classNo;
  uint8_t lesson;
};
static_assert(std::is_trivially_copyable_v<TTeacherLessonRec>);
static_assert(sizeof(TTeacherLessonRec) == 3);

// Byte n-1 is 1 when class n is taught in the annex building ("EKBİNA").
inline constexpr int kAnnexClasses = 250;
struct AnnexFlags {
  std::array<uint8_t, kAnnexClasses> bytes;

  // Class numbers above 250 have no flag and count as main building.
  bool inAnnex(int classNo) const {
    return classNo >= 1 && classNo <= kAnnexClasses && bytes[classNo - 1] != 0;
  }
  bool any() const {
    for (uint8_t b : bytes)
      if (b != 0) return true;
    return false;
  }
};
static_assert(std::is_trivially_copyable_v<AnnexFlags>);
static_assert(sizeof(AnnexFlags) == 250);

}  // namespace kalvodrin
