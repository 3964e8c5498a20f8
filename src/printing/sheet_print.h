#pragma once
// The overview sheets ("Çarşaf"): the week of every teacher, class or classroom on
// wide pages, one line per entity. The teacher and class sheets come in two forms,
// chosen by the settings: split into a morning and an afternoon line, or the whole
// day on one line printed in parts of a few days each.

#include "core/school.h"
#include "printing/canvas.h"
#include "printing/report_printer.h"

namespace kalvodrin {

void PrintTeacherSheet(Canvas& canvas, const School& school, const PrintOptions& options = {});
void PrintClassSheet(Canvas& canvas, const School& school, const PrintOptions& options = {});
void PrintRoomSheet(Canvas& canvas, const School& school, const PrintOptions& options = {});

}  // namespace kalvodrin
