#pragma once
// Predecessor data files made by hand, byte by byte from their layouts, so the tests
// do not read them back through the structs they test.

#include <cstdint>
#include <filesystem>
#include <string_view>

#include "core/file_io.h"
#include "school_files.h"

namespace kalvodrin::testing {

// Appends String[n]: the length byte, the text, then filler up to n bytes (the filler
// is 0xEE so that a reader taking bytes past the length shows).
inline void PutText(Bytes& out, std::string_view text, std::size_t n) {
  out.push_back(static_cast<uint8_t>(text.size()));
  for (std::size_t i = 0; i < n; ++i)
    out.push_back(i < text.size() ? static_cast<uint8_t>(text[i]) : 0xEE);
}

inline void PutI32(Bytes& out, int32_t value) {
  const auto u = static_cast<uint32_t>(value);
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(u >> (8 * i)));
}

inline void PutFill(Bytes& out, std::size_t n, uint8_t value = 0xEE) {
  out.insert(out.end(), n, value);
}

// LESSON.PRG: number, name String[30], short name String[4], weekly hours, divisible,
// one unused byte, pattern as a 4-byte little-endian integer. 44 bytes.
inline void VelLesson(Bytes& out, int number, std::string_view name,
                      std::string_view shortName, int hours, int divisible,
                      int32_t pattern) {
  out.push_back(static_cast<uint8_t>(number));
  PutText(out, name, 30);
  PutText(out, shortName, 4);
  out.push_back(static_cast<uint8_t>(hours));
  out.push_back(static_cast<uint8_t>(divisible));
  PutFill(out, 1);
  PutI32(out, pattern);
}

// CLASS.PRG: number, name String[4], section String[3]. 10 bytes.
inline void VelClass(Bytes& out, int number, std::string_view name,
                     std::string_view section) {
  out.push_back(static_cast<uint8_t>(number));
  PutText(out, name, 4);
  PutText(out, section, 3);
}

// TEACHER.PRG: number, name String[30], branch String[12], class-teacher text
// String[8], club String[12], 19 unused bytes. 86 bytes.
inline void VelTeacher(Bytes& out, int number, std::string_view name,
                       std::string_view branch, std::string_view classTeacher,
                       std::string_view club) {
  out.push_back(static_cast<uint8_t>(number));
  PutText(out, name, 30);
  PutText(out, branch, 12);
  PutText(out, classTeacher, 8);
  PutText(out, club, 12);
  PutFill(out, 19);
}

// CLLE.PRG: class, lesson, divisible, one unused byte, pattern integer. 8 bytes.
inline void VelClassLesson(Bytes& out, int classNo, int lesson, int divisible,
                           int32_t pattern) {
  out.push_back(static_cast<uint8_t>(classNo));
  out.push_back(static_cast<uint8_t>(lesson));
  out.push_back(static_cast<uint8_t>(divisible));
  PutFill(out, 1);
  PutI32(out, pattern);
}

// TELE.PRG: teacher, class, lesson. 3 bytes.
inline void VelTeacherLesson(Bytes& out, int teacher, int classNo, int lesson) {
  out.push_back(static_cast<uint8_t>(teacher));
  out.push_back(static_cast<uint8_t>(classNo));
  out.push_back(static_cast<uint8_t>(lesson));
}

// CPS.PRG: class at 0, first hours of days 1..5 at 2..6, last hours at 7..11; 496 bytes.
inline void VelClassGrid(Bytes& out, int classNo, const uint8_t (&first)[5],
                         const uint8_t (&last)[5]) {
  out.push_back(static_cast<uint8_t>(classNo));
  PutFill(out, 1);
  out.insert(out.end(), first, first + 5);
  out.insert(out.end(), last, last + 5);
  PutFill(out, 496 - 12);
}

// TPS.PRG: teacher at 0, availability of cells 1..80 at 39..118, occupation at
// 119..198; 524 bytes. `available` and `occupied` give the byte of every cell.
template <typename Available, typename Occupied>
void VelTeacherGrid(Bytes& out, int teacher, Available available, Occupied occupied) {
  out.push_back(static_cast<uint8_t>(teacher));
  PutFill(out, 38);
  for (int cell = 1; cell <= 80; ++cell) out.push_back(available(cell));
  for (int cell = 1; cell <= 80; ++cell) out.push_back(occupied(cell));
  PutFill(out, 524 - 199);
}

// The predecessor's five files of one class, 9 A (number 7), taking FIZIK (lesson 1,
// 3 hours as 2+1) from ALI VELI (teacher 4), written into `folder`; with
// `strayClassLesson` the class lessons also name class 8, which is not there.
inline void WriteOneClassVelFolder(const std::filesystem::path& folder,
                                   bool strayClassLesson = false) {
  Bytes lessons, classes, teachers, classLessons, teacherLessons;
  VelLesson(lessons, 1, "FIZIK", "FIZ", 3, 0, 21);
  VelClass(classes, 7, "9", "A");
  VelTeacher(teachers, 4, "ALI VELI", "FIZIK", "", "");
  VelClassLesson(classLessons, 7, 1, 0, 21);
  if (strayClassLesson) VelClassLesson(classLessons, 8, 1, 0, 21);
  VelTeacherLesson(teacherLessons, 4, 7, 1);
  WriteBytes(folder / "LESSON.PRG", lessons);
  WriteBytes(folder / "CLASS.PRG", classes);
  WriteBytes(folder / "TEACHER.PRG", teachers);
  WriteBytes(folder / "CLLE.PRG", classLessons);
  WriteBytes(folder / "TELE.PRG", teacherLessons);
}

}  // namespace kalvodrin::testing
