#pragma once
// The small school the timetables tests paint and edit: 9 A takes MATEMATİK (AYŞE, in
// the LAB), FİZİK (AYŞE and CAN), TARİH (CAN) and BEDEN together with 9 B (AYŞE);
// FİZİK has 3 hours, 2 placed; 9 B, in the annex and with hours 1..8, also takes KİMYA (AYŞE).
//   day 1 hours 1-2: MATEMATİK   day 2 hours 1-2: FİZİK   day 3 hours 1-2: BEDEN
//   day 4 hour 1 and 7: KİMYA in 9 B                      day 5 hours 1-2: TARİH

#include "core/cells.h"
#include "core/school.h"
#include "engine/counts.h"
#include "school_builder.h"
#include "timetables/cell_paint.h"

namespace kalvodrin {

struct TimetableSchool {
  TimetableSchool() {
    b.Room("LAB").Class("9", "A").Class("9", "B").Hours(1, 8).Annex();
    b.In("9 A").Lesson("MATEMATİK", 4, "2+2").Teacher("AYŞE").Teach().InRoom("LAB");
    b.Lesson("FİZİK", 3, "2+1").Teach().Teacher("CAN").Teach();
    b.Lesson("TARİH", 2, "2").Teach();
    b.Lesson("BEDEN", 2, "2").In("9 B").Lesson("BEDEN", 2, "2");
    b.Common({"9 A", "9 B"}, "BEDEN").Teach("AYŞE", "9 A", "BEDEN");
    b.In("9 B").Lesson("KİMYA", 2, "1+1").Teach("AYŞE", "9 B", "KİMYA");
    b.Place("9 A", "MATEMATİK", 2, 1, 1).Place("9 A", "FİZİK", 2, 2, 1);
    b.Place("9 A", "BEDEN", 2, 3, 1).Place("9 B", "KİMYA", 1, 4, 1);
    b.Place("9 B", "KİMYA", 1, 4, 7).Place("9 A", "TARİH", 2, 5, 1);
    school = b.Build();
    CountAllHours(school);
    a9 = b.ClassNo("9 A");
    b9 = b.ClassNo("9 B");
    ayse = b.TeacherNo("AYŞE");
    can = b.TeacherNo("CAN");
    lab = b.RoomNo("LAB");
    math = b.LessonNo("MATEMATİK");
    physics = b.LessonNo("FİZİK");
    history = b.LessonNo("TARİH");
    sport = b.LessonNo("BEDEN");
    chemistry = b.LessonNo("KİMYA");
    school.LessonByNo(math)->shortName = "MAT";
  }

  TimetableSelection Select(int teacher, int classNo, int lesson, int cell = 0) const {
    return TimetableSelection{teacher, classNo, lesson, lab, cell};
  }

  SchoolBuilder b;
  School school;
  int a9 = 0, b9 = 0, ayse = 0, can = 0, lab = 0;
  int math = 0, physics = 0, history = 0, sport = 0, chemistry = 0;
};

}  // namespace kalvodrin
