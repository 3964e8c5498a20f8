#pragma once
// The teacher list ("ÖĞRETMEN LİSTESİ") and the duty chart ("ÖĞRETMEN NÖBET
// ÇİZELGESİ"): one print job each, with page breaks where the rows run out.

#include <array>
#include <vector>

#include "core/school.h"
#include "printing/canvas.h"
#include "printing/report_printer.h"

namespace kalvodrin {

void PrintTeacherList(Canvas& canvas, const School& school, const PrintOptions& options = {});
void PrintDutyChart(Canvas& canvas, const School& school, const PrintOptions& options = {});

// The duties of each place on each day 1..7 whose teacher still exists, in
// collection order: what the chart prints.
struct DutyColumn {
  std::vector<int> teachers;
};
struct DutyPlaceRow {
  int place = 0;
  std::array<DutyColumn, 7> days;
  int busiest = 0;  // most duties on one of the chart's days
};
std::vector<DutyPlaceRow> DutyChartRows(const School& school, int nDays);

}  // namespace kalvodrin
