#pragma once
// The teacher list ("ÖĞRETMEN LİSTESİ") and the duty chart ("ÖĞRETMEN NÖBET
// ÇİZELGESİ"): one print job each, with page breaks where the rows run out.

#include "core/school.h"
#include "printing/canvas.h"
#include "printing/report_printer.h"

namespace kalvodrin {

void PrintTeacherList(Canvas& canvas, const School& school, const PrintOptions& options = {});
void PrintDutyChart(Canvas& canvas, const School& school, const PrintOptions& options = {});

}  // namespace kalvodrin
