#pragma once
// The small school the export tests write out, with the names each test wants
// escaped: class 9 A takes a 2-hour lesson on Monday hours 1-2, given by two teachers
// together in a classroom, and a 1-hour lesson of the first teacher at `secondDay`,
// `secondHour`; hours 1 and 2 start at 08:30 and 09:20.

#include <string>

#include "school_builder.h"

namespace kalvodrin {

struct ExportNames {
  std::string room;
  std::string firstLesson;
  std::string firstTeacher;
  std::string secondTeacher;
  std::string secondLesson;
  int secondDay = 1;
  int secondHour = 3;
};

struct TwoLessonSchool {
  SchoolBuilder b;
  School s;
  explicit TwoLessonSchool(const ExportNames& n) {
    b.Room(n.room);
    b.Class("9", "A").Lesson(n.firstLesson, 2, "2").InRoom(n.room);
    b.Teacher(n.firstTeacher).Teach().Teacher(n.secondTeacher).Teach();
    b.Lesson(n.secondLesson, 1, "1").Teach(n.firstTeacher, "9 A", n.secondLesson);
    b.Place("9 A", n.firstLesson, 2, 1, 1)
        .Place("9 A", n.secondLesson, 1, n.secondDay, n.secondHour);
    s = b.Build();
    s.Settings.startTimes[0].assign("08:30");
    s.Settings.startTimes[1].assign("09:20");
  }
};

}  // namespace kalvodrin
