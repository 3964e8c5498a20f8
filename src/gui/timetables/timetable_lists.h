#pragma once
// The owner and lesson lists of the three timetable windows, filled from the rows the
// timetables area computes, the saving of the three timetable files they share, and
// the grid commands of the class and classroom windows.

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

#include "gui/common/app_context.h"
#include "timetables/timetable_rows.h"

class QWidget;

namespace kalvodrin {

class KeyLine;
class ListGrid;
class TimetableGrid;

// Number, name (and section when `withSection`).
void FillOwners(ListGrid& grid, const std::vector<OwnerRow>& rows, bool withSection);

// Lesson rows: the hidden teacher, class and lesson numbers (and classroom when
// `withRoom`), then the texts of `columns`, each one of "class", "section",
// "classAndSection", "lesson", "hours", "teacher".
void FillLessons(ListGrid& grid, const std::vector<LessonRow>& rows, bool withRoom,
                 const QStringList& columns);

// Writes DUDIZIRZ.LOF, DUDIZIRX.LOF and DUDIZIRY.LOF; a failure is shown as a notice.
void SaveTimetables(const AppContext& context);

// What the class and classroom windows do alike: a double click or Enter on a data
// cell is the manual command there, and so is any character key where
// `typedKeysAct` (the classroom window; elsewhere a stray key changes nothing); a
// click makes the cell the selected one (`selectedCell`, the window's own); F8 opens
// or closes the cell, F2 (and Ctrl+P) prints, F4 (and Ctrl+S) writes the timetables
// and F1 opens the window's help page. The keys are bound through the window's key
// line.
struct OwnerGridCommands {
  std::function<void(int cell)> command;
  std::function<void()> toggle;
  std::function<void()> print;
  QString helpPage;
  bool typedKeysAct = false;
};
void BindOwnerGrid(QWidget* window, KeyLine& keys, TimetableGrid* grid, const AppContext& context,
                   int& selectedCell, const OwnerGridCommands& commands);

}  // namespace kalvodrin
