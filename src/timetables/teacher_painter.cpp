#include "core/cells.h"
#include "timetables/painter_support.h"
#include "timetables/painters.h"

namespace kalvodrin {
namespace {

// The hours of the selected lesson turn yellow: for a common lesson every member's
// (class, lesson) counts, since the teacher teaches them as one.
bool IsSelectedLessonHour(const School& school, const TimetableSelection& sel, int placedClass,
                          int cell) {
  if (placedClass == 0) return false;
  const int placedLesson = LessonAt(school.ClassGridByNo(placedClass), cell);
  const TClassLessonRec* own = school.ClassLessonAt(sel.classNo, sel.lesson);
  const TCommonGroupRec* group =
      own != nullptr && own->commonGroup != 0 ? school.CommonGroupByNo(own->commonGroup) : nullptr;
  if (group == nullptr) return placedClass == sel.classNo && placedLesson == sel.lesson;
  const int count = std::min<int>(group->count, kMaxListed);
  for (int k = 0; k < count; ++k) {
    const auto i = static_cast<std::size_t>(k);
    if (group->classes[i] == placedClass && group->lessons[i] == placedLesson) return true;
  }
  return false;
}

}  // namespace

CellPaint PaintTeacherCell(const School& school, const TimetableSelection& sel, int cell) {
  CellPaint p;
  const TTeacherGridRec* t = school.TeacherGridByNo(sel.teacher);
  if (t == nullptr || !IsCell(cell)) return p;
  const TClassGridRec* c = school.ClassGridByNo(sel.classNo);
  const std::size_t at = static_cast<std::size_t>(cell - 1);
  const int placedClass = t->occupant[at];
  const bool teacherClosed = t->open[at] == 0;
  const bool inWindow = InDayWindow(c, cell);

  if (placedClass != 0) {
    if (const TClassRec* rec = school.ClassByNo(placedClass)) p.text = ShortText(rec->name.view());
    p.bold = true;
    p.underline = school.Annex.inAnnex(placedClass);
  }
  // A cell that neither the class's day nor the teacher concerns stays plain.
  if (!inWindow && placedClass == 0 && !teacherClosed) {
    p.text.clear();
    p.font = CellColor::kWindowText;
    p.cell = CellColor::kButtonFace;
    p.focusRect = cell == sel.cell;
    return p;
  }

  const int classLesson = LessonAt(c, cell);
  const bool classClosed = c != nullptr && c->open[at] == 0;
  if (classLesson == 0) {
    SetColors(p, CellColor::kBlack, CellColor::kLime);
    if (!inWindow && placedClass != 0) SetColors(p, CellColor::kWhite, CellColor::kBlack);
  } else {
    SetColors(p, CellColor::kWhite, CellColor::kBlack);
  }
  if (classClosed) SetColors(p, CellColor::kWhite, CellColor::kBlue);
  const TClassLessonRec* placed =
      placedClass != 0
          ? school.ClassLessonAt(placedClass, LessonAt(school.ClassGridByNo(placedClass), cell))
          : nullptr;
  if (placed != nullptr && placed->teacherCount > 1)
    SetColors(p, CellColor::kWhite, CellColor::kPurple);
  if (placed != nullptr && placed->commonGroup != 0)
    SetColors(p, CellColor::kWhite, CellColor::kTeal);
  if (teacherClosed) SetColors(p, CellColor::kWhite, CellColor::kRed);
  if (teacherClosed && placedClass == 0 && classLesson == 0) {
    p.text = "   _";
    SetColors(p, CellColor::kLime, CellColor::kRed);
  }

  if (IsSelectedLessonHour(school, sel, placedClass, cell)) p.font = CellColor::kYellow;
  if (cell == sel.cell) {
    p.focusRect = true;
    if (placedClass == 0 && classLesson == 0 && !teacherClosed && !classClosed)
      p.cell = CellColor::kGreen;
  }
  return p;
}

}  // namespace kalvodrin
