#pragma once
// The substitution sheet handed to the staff room: the date, then a row per lesson hour
// (hour, class, lesson, absent teacher, substitute) with a column for the substitute's
// signature, and the deputy head's and principal's signature lines. One print job, a
// new page where the rows run out. The list of teachers free at an hour prints in the
// same layout: its date and hour, then each teacher in ranking order with what ranks
// them there.

#include "core/school.h"
#include "core/substitution_sheet.h"
#include "printing/canvas.h"
#include "printing/report_printer.h"

namespace kalvodrin {

void PrintSubstitutionSheet(Canvas& canvas, const School& school, const SubstitutionSheet& sheet,
                            const PrintOptions& options = {});

void PrintFreeTeachers(Canvas& canvas, const School& school, const FreeTeachersSheet& sheet,
                       const PrintOptions& options = {});

}  // namespace kalvodrin
