#include <algorithm>

#include "core/cells.h"
#include "timetables/painter_support.h"
#include "timetables/painters.h"

namespace kalvodrin {

int LatestLastHour(const School& school) {
  int latest = 1;
  for (const TClassGridRec& c : school.ClassGrids)
    for (uint8_t last : c.lastHour) latest = std::max<int>(latest, last);
  return latest;
}

CellPaint PaintRoomCell(const School& school, const TimetableSelection& sel, int cell) {
  CellPaint p;
  const TRoomGridRec* r = school.RoomGridByNo(sel.room);
  if (r == nullptr || !IsCell(cell)) return p;
  const TTeacherGridRec* t = school.TeacherGridByNo(sel.teacher);
  const TClassGridRec* c = school.ClassGridByNo(sel.classNo);
  const int roomClass = OccupantAt(r, cell);
  const bool teacherBusy = OccupantAt(t, cell) != 0;
  const bool classBusy = LessonAt(c, cell) != 0;
  const bool teacherOpen = IsOpen(t, cell);
  const bool classOpen = IsOpen(c, cell);
  const bool roomOpen = IsOpen(r, cell);
  const bool outside = HourOfCell(cell) > LatestLastHour(school);

  if (outside && !teacherBusy && teacherOpen && classOpen) {
    SetColors(p, CellColor::kWhite, CellColor::kButtonFace);
    p.focusRect = cell == sel.cell;
    return p;
  }
  if (roomClass != 0 && !outside)
    if (const TClassRec* rec = school.ClassByNo(roomClass)) p.text = ShortText(rec->name.view());

  if (!classBusy && !teacherBusy)
    SetColors(p, CellColor::kBlack, CellColor::kLime);
  else
    SetColors(p, CellColor::kWhite, CellColor::kBlack);
  if (!classOpen || !teacherOpen) SetColors(p, CellColor::kWhite, CellColor::kBlue);
  if (!roomOpen) SetColors(p, CellColor::kWhite, CellColor::kRed);
  if (roomClass != 0 && classBusy && LessonAt(c, cell) == sel.lesson) p.font = CellColor::kYellow;

  if (cell == sel.cell) {
    p.focusRect = true;
    if (!teacherBusy && !classBusy && teacherOpen && classOpen && roomOpen)
      p.cell = CellColor::kGreen;
  }
  return p;
}

}  // namespace kalvodrin
