#pragma once
// The weekly timetable of one teacher, class or classroom: title, header, the
// day-by-hour grid, the total, the lesson list and the signature block. Each is one
// print job; the "Tümü" forms print the given entity and every one after it in
// collection order, each as a job of its own.

#include "core/school.h"
#include "printing/canvas.h"
#include "printing/report_printer.h"

namespace kalvodrin {

void PrintTeacherTimetable(Canvas& canvas, const School& school, int teacher,
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
