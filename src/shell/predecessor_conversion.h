#pragma once
// Turning the predecessor program's records into ours. Pure: bytes in, a school and a
// report out; nothing here touches a file.
//
// What the school could not take is left out and reported, one line per record, so
// the imported school holds only records that name what exists: a record numbered 0
// or numbered like an earlier one, a class lesson of an unknown class or lesson or
// taken twice, a teacher lesson of an unknown teacher or of a lesson the class does
// not take. Texts are cut to their fields and at the first control byte; a day window
// outside the day's hours is not taken. A placement pattern that cannot be ours (more
// than five digits, a 0 digit, growing blocks, or not adding up to the weekly hours)
// comes over as even blocks, reported, to be typed in again where they do not suit.

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/file_io.h"
#include "core/pattern.h"
#include "core/school.h"

namespace kalvodrin {

// The blocks of a predecessor pattern integer: its decimal digits, first digit first,
// one block per digit. 0 has no blocks. Empty when it does not fit: negative, more
// than five digits, or a 0 digit (201 would be a block of no hours).
std::optional<PatternBytes> PatternFromInteger(int32_t value);

// The predecessor's files as read; a missing file is an empty optional.
struct VelFiles {
  std::optional<Bytes> lessons, classes, teachers, classLessons, teacherLessons;
  std::optional<Bytes> classGrids, teacherGrids;
};

struct VelConversion {
  // Lessons, classes, teachers, class lessons with their teachers attached, teacher
  // lessons, and a timetable for every teacher and class carrying the predecessor's
  // day windows and availability, with the hour counts made. Heap: a School is large.
  std::unique_ptr<School> school;
  // The converted files the predecessor's names stand for in the working folder, in
  // our record layouts, in kVelConverted order (class lessons as converted, before
  // teachers are attached).
  std::array<Bytes, 5> copies;
  // UTF-8, one line per record left out or changed.
  std::vector<std::string> report;
};

VelConversion ConvertVel(const VelFiles& files);

}  // namespace kalvodrin
