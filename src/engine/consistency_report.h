#pragma once
// Building the lines of the consistency check. Internal to the engine.

#include <string>
#include <string_view>
#include <vector>

#include "core/cells.h"
#include "core/field_text.h"
#include "core/school.h"

namespace kalvodrin {

class Report {
 public:
  void Add(std::string line) { lines_.push_back(std::move(line)); }
  std::vector<std::string> Take() { return std::move(lines_); }

 private:
  std::vector<std::string> lines_;
};

inline std::string Num(int n) { return std::to_string(n); }

// "öğretmen 3" etc.
inline std::string Owner(std::string_view kind, int number) {
  return std::string(kind) + " " + Num(number);
}

// "PAZARTESİ 3. saat (hücre 3)"
inline std::string CellText(int cell) {
  return std::string(DayName(DayOfCell(cell))) + " " + Num(HourOfCell(cell)) +
         ". saat (hücre " + Num(cell) + ")";
}

// Checks of the assignment lists: class lessons, common groups, teacher lessons,
// duties and lessons.
void CheckAssignments(const School& school, Report& report);

// The counted weekly-hour totals of classes, classrooms and teachers against their
// recount from the lessons given: a stale total misleads the timetable windows and
// the class check.
void CheckHourTotals(const School& school, Report& report);

}  // namespace kalvodrin
