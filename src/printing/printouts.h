#pragma once
// Every printout by name, for the callers that choose one at run time: the
// command-line tool and the print dialog of the timetable windows.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/school.h"
#include "printing/canvas.h"
#include "printing/report_printer.h"

namespace kalvodrin {

enum class Printout {
  kTeacher,        // weekly timetable of teachers
  kClass,          // of classes
  kRoom,           // of classrooms
  kSheetTeachers,  // overview sheets
  kSheetClasses,
  kSheetRooms,
  kTeacherList,
  kDutyChart,
};

// "teacher", "class", "room", "sheet-teachers", "sheet-classes", "sheet-rooms",
// "teacher-list", "duty-chart".
std::optional<Printout> PrintoutByName(std::string_view name);
std::vector<std::string_view> PrintoutNames();

// The printout's own title (UTF-8), for document titles and the print dialog.
std::string_view PrintoutTitle(Printout what);

// The timetables are of one entity; the others are of the whole school.
bool PrintsOneEntity(Printout what);
// Whether the printout is wide: the overview sheets want landscape paper.
bool IsSheet(Printout what);

// Which entities a timetable printout covers.
enum class Selection {
  kOne,       // "Seçim": the entity only
  kFromHere,  // "Tümü": the entity and every one after it in collection order
};

// Does the entity numbered `id` exist for this printout?
bool EntityExists(const School& school, Printout what, int id);
// The number of the first entity of the printout's collection, 0 when empty.
int FirstEntity(const School& school, Printout what);

// How a printout was fitted onto the paper it was drawn on.
struct PrintLayout {
  double scale = 1.0;        // below 1: drawn that much smaller to stay on the paper
  bool copiesApart = false;  // a teacher's two copies went on a page each
};

// Draws the printout: one print job, or one per entity for kFromHere. `id` names the
// teacher, class or classroom of a timetable printout and is ignored otherwise. No
// element lies outside the canvas's page: what would is drawn smaller.
PrintLayout DrawPrintout(Canvas& canvas, const School& school, Printout what, int id,
                         Selection selection, const PrintOptions& options = {});

// What the user should know of the layout before printing (UTF-8); empty when the
// printout stands on the paper as laid out.
std::string PrintLayoutNote(const PrintLayout& layout);

}  // namespace kalvodrin
