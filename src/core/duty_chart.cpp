#include "core/duty_chart.h"

namespace kalvodrin {

int DutyChartPlace::DutiesOn(int day) const {
  return static_cast<int>(teachers[static_cast<std::size_t>(day - 1)].size());
}

int DutyChartPlace::Total() const {
  int total = 0;
  for (const std::vector<int>& day : teachers) total += static_cast<int>(day.size());
  return total;
}

std::vector<DutyChartPlace> DutyChartOf(const School& school) {
  std::vector<DutyChartPlace> chart;
  for (const TDutyPlaceRec& p : school.DutyPlaces) {
    DutyChartPlace place;
    place.number = p.number;
    for (const TDutyRec& d : school.Duties)
      if (d.place == p.number && d.day >= 1 && d.day <= 7 &&
          school.TeacherByNo(d.teacher) != nullptr)
        place.teachers[static_cast<std::size_t>(d.day - 1)].push_back(d.teacher);
    chart.push_back(std::move(place));
  }
  return chart;
}

}  // namespace kalvodrin
