#pragma once
// The weekly timetable of one teacher, class or classroom: title, header, the
// day-by-hour grid, the total, the lesson list and the signature block. Each is one
// print job; the "Tümü" forms print the given entity and every one after it in
// collection order, each as a job of its own.

#include "core/school.h"
#include "printing/canvas.h"
#include "printing/report_printer.h"

namespace kalvodrin {

// With "two copies on a page" set, the copies stand one above the other when
// TwoCopiesFitOnePage, else each on a page of its own.
void PrintTeacherTimetable(Canvas& canvas, const School& school, int teacher,
                           const PrintOptions& options = {});
// Whether a copy of the teacher's timetable ends within the upper half of the page the
// canvas gives (true for an unknown teacher). Sets fonts on the canvas; draws nothing.
bool TwoCopiesFitOnePage(Canvas& canvas, const School& school, int teacher,
                         const PrintOptions& options = {});
void PrintClassTimetable(Canvas& canvas, const School& school, int classNo,
                         const PrintOptions& options = {});
void PrintRoomTimetable(Canvas& canvas, const School& school, int room,
                        const PrintOptions& options = {});

void PrintTeacherTimetables(Canvas& canvas, const School& school, int teacher,
                            const PrintOptions& options = {});
void PrintClassTimetables(Canvas& canvas, const School& school, int classNo,
                          const PrintOptions& options = {});
void PrintRoomTimetables(Canvas& canvas, const School& school, int room,
                         const PrintOptions& options = {});

}  // namespace kalvodrin
