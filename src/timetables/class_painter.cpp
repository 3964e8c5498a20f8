#include "core/cells.h"
#include "core/turkish_text.h"
#include "timetables/painter_support.h"
#include "timetables/painters.h"

namespace kalvodrin {
namespace {

// A shared lesson whose first teacher has the hour closed shows purple on blue, so
// that the user sees why the hour cannot move.
void SharedColors(const School& school, const TClassLessonRec& cl, int cell, CellColor usual,
                  CellPaint& p) {
  const TTeacherGridRec* first =
      cl.teacherCount > 0 ? school.TeacherGridByNo(cl.teachers[0]) : nullptr;
  if (first != nullptr && !IsOpen(first, cell))
    SetColors(p, CellColor::kPurple, CellColor::kBlue);
  else
    SetColors(p, CellColor::kWhite, usual);
}

}  // namespace

CellPaint PaintClassCell(const School& school, const TimetableSelection& sel, int cell) {
  CellPaint p;
  const TClassGridRec* c = school.ClassGridByNo(sel.classNo);
  if (c == nullptr || !IsCell(cell)) return p;
  const TTeacherGridRec* t = school.TeacherGridByNo(sel.teacher);
  const int lesson = LessonAt(c, cell);
  const bool teacherBusy = OccupantAt(t, cell) != 0;
  const bool teacherOpen = IsOpen(t, cell);
  const bool classOpen = IsOpen(c, cell);

  if (!InDayWindow(c, cell) && !teacherBusy && teacherOpen && classOpen) {
    SetColors(p, CellColor::kWhite, CellColor::kButtonFace);
    p.focusRect = cell == sel.cell;
    return p;
  }
  if (lesson != 0 && InDayWindow(c, cell))
    if (const TLessonRec* l = school.LessonByNo(lesson)) p.text = Cp1254ToUtf8(l->shortName.view());

  if (teacherBusy)
    SetColors(p, CellColor::kWhite, CellColor::kBlack);
  else
    SetColors(p, CellColor::kBlack, CellColor::kLime);
  if (!teacherOpen) SetColors(p, CellColor::kWhite, CellColor::kBlue);
  if (const TClassLessonRec* cl =
          lesson != 0 ? school.ClassLessonAt(sel.classNo, lesson) : nullptr) {
    if (cl->teacherCount > 1) SharedColors(school, *cl, cell, CellColor::kPurple, p);
    if (cl->commonGroup != 0) SharedColors(school, *cl, cell, CellColor::kTeal, p);
  }
  if (!classOpen) SetColors(p, CellColor::kWhite, CellColor::kRed);
  if (lesson != 0 && lesson == sel.lesson) p.font = CellColor::kYellow;

  if (cell == sel.cell) {
    p.focusRect = true;
    if (!teacherBusy && lesson == 0 && teacherOpen && classOpen) p.cell = CellColor::kGreen;
  }
  return p;
}

}  // namespace kalvodrin
