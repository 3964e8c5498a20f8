#pragma once
// The bundled sample school and generated schools of any size, built record by record
// the way the program's own windows build them, for trying the program out, for tests
// and for benchmarks. Nothing is placed yet; the hour totals of classes, classrooms and
// teachers are counted.

#include <cstdint>

#include "core/school.h"

namespace kalvodrin {

// Generated schools have at most this many classes: beyond it the school would need
// more than 255 teachers.
inline constexpr int kMaxGeneratedClasses = 120;

// Replaces the school's collections, annex flags and settings with the sample school:
// an Anadolu high school of 24 classes (grades 9 to 12, sections A to F; grade 9 in
// the afternoon shift), about 45 teachers, common lessons, lessons given to two
// teachers, special rooms and a fixed guidance hour. The working folder is kept.
void BuildSampleSchool(School& school);

// The same kind of school with `classes` classes (clamped to 1..kMaxGeneratedClasses)
// and as many teachers as their lessons need. The same seed gives the same school.
void BuildGeneratedSchool(School& school, int classes, uint32_t seed);

// A generated school of two six-hour shifts (morning hours 1..6, afternoon 7..12), at
// most 30 hours a class, with the settings at their defaults.
void BuildShiftSchool(School& school, int classes, uint32_t seed);

}  // namespace kalvodrin
