#pragma once
// The owner and lesson lists of the three timetable windows, filled from the rows the
// timetables area computes, and the saving of the three timetable files they share.

#include <QStringList>

#include <vector>

#include "gui/common/app_context.h"
#include "timetables/timetable_rows.h"

namespace kalvodrin {

class ListGrid;

// Number, name (and section when `withSection`).
void FillOwners(ListGrid& grid, const std::vector<OwnerRow>& rows, bool withSection);

// Lesson rows: the hidden teacher, class and lesson numbers (and classroom when
// `withRoom`), then the texts of `columns`, each one of "class", "section",
// "classAndSection", "lesson", "hours", "teacher".
void FillLessons(ListGrid& grid, const std::vector<LessonRow>& rows, bool withRoom,
                 const QStringList& columns);

// Writes DUDIZIRZ.LOF, DUDIZIRX.LOF and DUDIZIRY.LOF; a failure is shown as a notice.
void SaveTimetables(const AppContext& context);

}  // namespace kalvodrin
