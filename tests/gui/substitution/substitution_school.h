#pragma once
// A small school for the substitution window: on Monday ALİ KAYA teaches 9 A at hours
// 1 and 2, BERK ŞAHİN 9 B at 2 and 3; ÇAĞLA ÖZ teaches TARİH in 10 A at 4 and is on
// duty on Monday; DERYA İNAN and EMEL UÇAR have no lesson that day.

#include "core/school.h"
#include "school_builder.h"

namespace kalvodrin::testing {

inline School SubstitutionSchool(SchoolBuilder& b) {
  b.Class("9", "A").Lesson("TARİH", 2, "1+1").Teacher("ALİ KAYA").Teach();
  b.Place("9 A", "TARİH", 1, 1, 1).Place("9 A", "TARİH", 1, 1, 2);
  b.Class("9", "B").Lesson("COĞRAFYA", 2, "1+1").Teacher("BERK ŞAHİN").Teach();
  b.Place("9 B", "COĞRAFYA", 1, 1, 2).Place("9 B", "COĞRAFYA", 1, 1, 3);
  b.Class("10", "A").Lesson("TARİH", 2, "1+1").Teacher("ÇAĞLA ÖZ").Teach();
  b.Place("10 A", "TARİH", 1, 1, 4);
  b.Teacher("DERYA İNAN").Teacher("EMEL UÇAR");
  School school = b.Build();
  school.Duties.push_back({1, 1, static_cast<uint8_t>(b.TeacherNo("ÇAĞLA ÖZ"))});
  return school;
}

}  // namespace kalvodrin::testing
