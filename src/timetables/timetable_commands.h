#pragma once
// The commands of the teacher, class and classroom timetable windows. Every change of
// a timetable goes through the engine; each command returns the three timetable files
// when it changed something, which the window writes when it closes or on F4.

#include "core/change.h"
#include "core/school.h"
#include "engine/reset.h"
#include "timetables/cell_paint.h"

namespace kalvodrin {

// DUDIZIRZ.LOF, DUDIZIRX.LOF and DUDIZIRY.LOF: a placement changes all three.
FileSet TimetableFiles();

// Double-click or Enter on a data cell of each window. Nothing happens on a closed
// cell of the window's owner. An occupied cell loses that one hour for every
// participant; a free one gets one hour of the selected class lesson when the engine
// allows it. A refusal is kUnchanged, without a text of its own.
Change TeacherCellCommand(School& school, const TimetableSelection& sel, int cell);
Change ClassCellCommand(School& school, const TimetableSelection& sel, int cell);
Change RoomCellCommand(School& school, const TimetableSelection& sel, int cell);

// F2 in the teacher window, F8 in the class and classroom windows: the owner's cell
// opens or closes; an occupied cell carries its whole block for every participant.
Change ToggleTeacherCell(School& school, const TimetableSelection& sel, int cell);
Change ToggleClassCell(School& school, const TimetableSelection& sel, int cell);
Change ToggleRoomCell(School& school, const TimetableSelection& sel, int cell);

// " PRG. SİL": every open cell of the teacher that holds a class loses its hour;
// closed cells keep what they hold.
Change RemoveTeacherTimetable(School& school, int teacher);

// "YAPILAN DERS YERLEŞTİRMELERİNİ İPTAL ET": empties the timetables (see
// ResetPlacements); done even when they were already empty, as the files are
// rewritten either way.
Change CancelPlacements(School& school, const ResetOptions& options);

// What the teacher window hands the class window ("SINIFA BAĞLAN") and the class
// window hands back ("ÖĞRETMENE BAĞLAN"). All zero = nothing handed over.
struct HandOver {
  int teacher = 0;
  int classNo = 0;
  int lesson = 0;

  bool empty() const { return teacher == 0 && classNo == 0 && lesson == 0; }
};

}  // namespace kalvodrin
