#include "timetables/step_names.h"

#include <array>
#include <string_view>

#include "core/cells.h"
#include "core/turkish_text.h"

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

std::string CommandStepName(const std::string& what, int cell) {
  const std::string where = CellStepName(cell);
  return where.empty() ? what : what + ", " + where;
}

}  // namespace kalvodrin
