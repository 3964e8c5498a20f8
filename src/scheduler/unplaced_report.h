#pragma once
// The unplaced-lessons report ("YERLEŞMEYEN DERSLER"): every teacher lesson that still
// has hours outside the timetable, and the total.

#include <string>
#include <vector>

#include "core/school.h"

namespace kalvodrin {

struct UnplacedRow {
  int teacher = 0;
  int classNo = 0;
  int lesson = 0;
  std::string teacherName;  // "ADI SOYADI", cp1254
  std::string classText;    // "SINIFI": name, a blank and the section, at most 13
  std::string lessonName;   // "DERSİN ADI"
  int remaining = 0;        // "KALAN"
};

struct UnplacedReport {
  std::vector<UnplacedRow> rows;
  int total = 0;  // shown as "TOPLAM = " + total + " sınıf ders saati"
};

// Teachers in list order, each teacher's lessons in list order. A lesson given to two
// teachers is listed once for each; rows with nothing remaining are left out but
// still counted (a lesson over-placed by hand counts negative).
UnplacedReport BuildUnplacedReport(const School& school);

}  // namespace kalvodrin
