#pragma once
// The small timetable school (SmallTimetableSchool) in a working folder, with 9 A's
// MATEMATİK placed on Monday hours 1-2, for driving the timetable windows through
// their grids.

#include "core/cells.h"
#include "engine/consistency.h"
#include "gui/timetables/timetable_grid.h"
#include "school_builder.h"
#include "window_fixture.h"

namespace kalvodrin::testing {

class TimetableWindowsTest : public WindowFixture {
 protected:
  TimetableWindowsTest() : b(SmallTimetableSchool()) {
    b.Place("9 A", "MATEMATİK", 2, 1, 1);
    UseSchool(b.Build());
    a9 = b.ClassNo("9 A");
    ayse = b.TeacherNo("AYŞE");
    can = b.TeacherNo("CAN");
    math = b.LessonNo("MATEMATİK");
    physics = b.LessonNo("FİZİK");
  }

  // A double click on the grid's data cell, as the user gives it.
  static void DoubleClick(TimetableGrid* grid, int cell) {
    const QRect r = grid->visualRect(grid->model()->index(DayOfCell(cell), HourOfCell(cell)));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, r.center());
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, r.center());
  }

  static void Press(QWidget* window, TimetableGrid* grid, int cell, Qt::Key key) {
    grid->SetCurrentCell(cell);
    grid->setFocus();
    Key(window, key);
  }

  int ClassLesson(int day, int hour) {
    return school.ClassGridByNo(a9)->occupant[CellIndex(day, hour) - 1];
  }
  bool TeacherOpen(int teacher, int day, int hour) {
    return school.TeacherGridByNo(teacher)->open[CellIndex(day, hour) - 1] != 0;
  }
  void ExpectConsistent() {
    const std::vector<std::string> problems = CheckConsistency(school);
    EXPECT_TRUE(problems.empty()) << problems.front();
  }

  SchoolBuilder b;
  int a9 = 0, ayse = 0, can = 0, math = 0, physics = 0;
};

}  // namespace kalvodrin::testing
