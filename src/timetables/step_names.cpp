#include "timetables/step_names.h"

#include <array>
#include <string_view>

#include "core/cells.h"
#include "core/turkish_text.h"
#include "timetables/painter_support.h"

namespace kalvodrin {
namespace {

// In running text, as a person writes the day.
constexpr std::array<std::string_view, 5> kDayWords = {"Pazartesi", "Salı", "Çarşamba", "Perşembe",
                                                   "Cuma"};

}  // namespace

std::string CellStepName(int cell) {
  if (!IsCell(cell)) return {};
  return std::string(kDayWords[static_cast<std::size_t>(DayOfCell(cell) - 1)]) + " " +
         std::to_string(HourOfCell(cell)) + ". saat";
}

std::string LessonStepName(const School& school, int classNo, int lesson, int cell) {
  const TClassRec* c = school.ClassByNo(classNo);
  const TLessonRec* l = school.LessonByNo(lesson);
  const std::string cls =
      c != nullptr ? Cp1254ToUtf8(c->name.str()) + "-" + Cp1254ToUtf8(c->section.str()) : "?";
  const std::string name = l != nullptr ? Cp1254ToUtf8(l->name.str()) : "?";
  return CommandStepName(cls + " " + name, cell);
}

std::string CellCommandStepName(const School& school, GridKind kind, const TimetableSelection& sel,
                                int cell) {
  int held = 0;  // the class whose hour the owner holds at the cell
  if (IsCell(cell)) {
    switch (kind) {
      case GridKind::kTeacher: held = OccupantAt(school.TeacherGridByNo(sel.teacher), cell); break;
      case GridKind::kClass:
        held = LessonAt(school.ClassGridByNo(sel.classNo), cell) != 0 ? sel.classNo : 0;
        break;
      case GridKind::kRoom: held = OccupantAt(school.RoomGridByNo(sel.room), cell); break;
    }
  }
  if (held == 0) return LessonStepName(school, sel.classNo, sel.lesson, cell);
  return LessonStepName(school, held, LessonAt(school.ClassGridByNo(held), cell), cell);
}

std::string CommandStepName(const std::string& what, int cell) {
  const std::string where = CellStepName(cell);
  return where.empty() ? what : what + ", " + where;
}

}  // namespace kalvodrin
