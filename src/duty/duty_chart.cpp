#include "duty/duty_chart.h"

#include "core/turkish_text.h"

namespace kalvodrin {

std::vector<DutyChartPlace> DutyChartOf(const School& school) {
  std::vector<DutyChartPlace> chart;
  for (const TDutyPlaceRec& p : school.DutyPlaces) {
    DutyChartPlace row;
    row.number = p.number;
    row.name = Cp1254ToUtf8(p.name.view());
    for (const TDutyRec& d : school.Duties) {
      const TTeacherRec* t = school.TeacherByNo(d.teacher);
      if (d.place != p.number || d.day < 1 || d.day > 7 || t == nullptr) continue;
      const auto day = static_cast<std::size_t>(d.day - 1);
      ++row.perDay[day];
      row.teachers[day].push_back(Cp1254ToUtf8(t->name.view()));
    }
    for (int n : row.perDay) row.total += n;
    chart.push_back(std::move(row));
  }
  return chart;
}

}  // namespace kalvodrin
