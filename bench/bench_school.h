#pragma once
// A school of the size the engine is built for: 30 classes of 8 hours a day, 60
// teachers, 13 lessons per class (38 hours), labs and a sports hall, joint physical
// education for pairs of classes, about two thirds of the timetable placed.

#include "core/school.h"

namespace kalvodrin {

School BenchSchool();

}  // namespace kalvodrin
