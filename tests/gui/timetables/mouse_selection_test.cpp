// A mouse click on a list row acts on that row, not on the one chosen before it, in
// every list of the three timetable windows and in the unplaced-lessons report: a
// press makes the row current before it selects it, and the windows react to the
// current row.

#include <QLabel>

#include "engine/counts.h"
#include "gui/timetables/class_timetable_form.h"
#include "gui/timetables/report_form.h"
#include "gui/timetables/room_timetable_form.h"
#include "gui/timetables/teacher_timetable_form.h"
#include "gui/timetables/timetable_windows.h"
#include "timetable_window_fixture.h"

namespace kalvodrin::testing {
namespace {

// A left click on the row's first shown cell, as the user gives it.
void ClickRow(ListGrid* grid, int row) {
  int column = 0;
  while (grid->isColumnHidden(column)) ++column;
  const QRect r = grid->visualRect(grid->model()->index(row, column));
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, r.center());
}

using MouseSelection = TimetableWindowsTest;

TEST_F(MouseSelection, TeacherWindowActsOnTheClickedTeacherAndLesson) {
  TimetableWindows windows(context(), nullptr);
  TOgrPrgForm& w = windows.teachers();
  Activate(&w);
  auto* teachers = Child<ListGrid>(&w, "TeacherGrid");
  auto* lessons = Child<ListGrid>(&w, "TeleGrid");
  ClickRow(teachers, 1);
  EXPECT_EQ(w.selection().teacher, can);
  EXPECT_EQ(lessons->ColumnTexts(5), QStringList{U8("FİZİK")});
  ClickRow(teachers, 0);
  EXPECT_EQ(w.selection().teacher, ayse);
  // AYŞE: MATEMATİK (2 of 4 left), FİZİK (3 left), KİMYA of 9 B (2 left).
  ClickRow(lessons, 1);
  EXPECT_EQ(w.selection().lesson, physics);
  EXPECT_EQ(Child<QLabel>(&w, "DersKalanLabel")->text(), "3");
  ClickRow(lessons, 2);
  EXPECT_EQ(w.selection().classNo, b.ClassNo("9 B"));
  ClickRow(lessons, 1);
  // The double click after the click places the lesson clicked.
  DoubleClick(Child<TimetableGrid>(&w, "Grid"), CellIndex(3, 2));
  EXPECT_EQ(ClassLesson(3, 2), physics);
  EXPECT_EQ(Child<QLabel>(&w, "DersKalanLabel")->text(), "2");
  w.reject();
}

TEST_F(MouseSelection, ClassWindowActsOnTheClickedClassAndLesson) {
  TimetableWindows windows(context(), nullptr);
  TSnfPrgForm& c = windows.classes();
  Activate(&c);
  auto* classes = Child<ListGrid>(&c, "ClassGrid");
  auto* lessons = Child<ListGrid>(&c, "ClTeleGrid");
  ClickRow(classes, 1);
  EXPECT_EQ(c.selection().classNo, b.ClassNo("9 B"));
  EXPECT_EQ(c.selection().lesson, b.LessonNo("KİMYA"));
  ClickRow(classes, 0);
  EXPECT_EQ(c.selection().classNo, a9);
  // 9 A, in lesson order: FİZİK of AYŞE, FİZİK of CAN, MATEMATİK of AYŞE.
  ClickRow(lessons, 1);
  EXPECT_EQ(c.selection().teacher, can);
  EXPECT_EQ(c.selection().lesson, physics);
  ClickRow(lessons, 2);
  EXPECT_EQ(c.selection().teacher, ayse);
  EXPECT_EQ(c.selection().lesson, math);
  EXPECT_EQ(Child<QLabel>(&c, "DersKalanLabel")->text(), "2");
  c.reject();
}

TEST_F(MouseSelection, ClassroomWindowActsOnTheClickedClassroomAndLesson) {
  // A second lesson in the LAB, and a second classroom.
  b.Teacher("DENİZ").In("9 A").Lesson("MÜZİK", 1, "1").InRoom("LAB").Teach();
  b.Room("SPOR").In("9 B").Lesson("BEDEN", 2, "2").InRoom("SPOR").Teach();
  UseSchool(b.Build());
  CountAllHours(school);
  TimetableWindows windows(context(), nullptr);
  TRoomPrgForm& r = windows.rooms();
  Activate(&r);
  auto* rooms = Child<ListGrid>(&r, "RoomGrid");
  auto* lessons = Child<ListGrid>(&r, "RoomTeleGrid");
  ClickRow(lessons, 1);
  EXPECT_EQ(r.selection().lesson, b.LessonNo("MÜZİK"));
  EXPECT_EQ(r.selection().teacher, b.TeacherNo("DENİZ"));
  ClickRow(lessons, 0);
  EXPECT_EQ(r.selection().lesson, math);
  ClickRow(rooms, 1);
  EXPECT_EQ(r.selection().room, b.RoomNo("SPOR"));
  EXPECT_EQ(r.selection().lesson, b.LessonNo("BEDEN"));
  r.reject();
}

// The report shows, beside the list, why the chosen row's next hour does not fit and
// its cheapest fix; a click shows those of the row clicked, as the keys do.
TEST_F(MouseSelection, ReportExplainsTheClickedRow) {
  TRaporForm report(context());
  Activate(&report);
  auto* rows = Child<ListGrid>(&report, "Grid");
  auto* why = Child<TimetableGrid>(&report, "WhyNotGrid");
  const auto shown = [&] {
    std::vector<CellPaint> cells;
    for (int cell = 1; cell <= 80; ++cell)
      cells.push_back(why->PaintAt(DayOfCell(cell), HourOfCell(cell)));
    return std::make_pair(cells, Child<QLabel>(&report, "FixLabel")->text());
  };
  ASSERT_EQ(rows->FilledRows(), 4);
  std::vector<decltype(shown())> byKeys;
  for (int row = 0; row < 4; ++row) {
    rows->SelectRow(row);
    byKeys.push_back(shown());
  }
  ASSERT_NE(byKeys[0], byKeys[3]);  // the rows explain different things
  for (int row : {3, 0, 2}) {
    ClickRow(rows, row);
    EXPECT_EQ(shown(), byKeys[static_cast<std::size_t>(row)]) << row;
    EXPECT_EQ(report.Chosen().lesson, rows->NumberAt(row, 2));
  }
  report.reject();
}

}  // namespace
}  // namespace kalvodrin::testing
