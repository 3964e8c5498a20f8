// Dragging placed blocks with the mouse in the teacher, class and classroom windows:
// onto a green cell (moved for every participant), onto a red one (nothing changes,
// the reason shown), onto another block of the class (swap offered and done), each
// undone; and the same with the keys.

#include <QLabel>
#include <QPushButton>

#include "core/cells.h"
#include "engine/counts.h"
#include "engine/hour_operations.h"
#include "grid_image.h"
#include "gui/timetables/class_timetable_form.h"
#include "gui/timetables/room_timetable_form.h"
#include "gui/timetables/teacher_timetable_form.h"
#include "gui/timetables/timetable_windows.h"
#include "timetable_window_fixture.h"

namespace kalvodrin::testing {
namespace {

class DragTest : public TimetableWindowsTest {
 protected:
  DragTest() {
    // FİZİK on Tuesday 1-2 beside MATEMATİK on Monday 1-2.
    EXPECT_TRUE(PlaceOneHour(school, CellIndex(2, 1), a9, physics));
    EXPECT_TRUE(PlaceOneHour(school, CellIndex(2, 2), a9, physics));
  }

  static QPoint Centre(TimetableGrid* grid, int cell) {
    return grid->visualRect(grid->model()->index(DayOfCell(cell), HourOfCell(cell))).center();
  }
  // Presses on `from`, moves past the drag distance and on to `to`, as a hand does;
  // returns the line under the grid while over `to`, then lets go there.
  static QString Drag(QWidget* window, TimetableGrid* grid, int from, int to) {
    QWidget* view = grid->viewport();
    const QPoint a = Centre(grid, from);
    QTest::mousePress(view, Qt::LeftButton, {}, a);
    QTest::mouseMove(view, a + QPoint(4, 3));
    QTest::mouseMove(view, a + QPoint(12, 6));
    QTest::mouseMove(view, Centre(grid, to));
    const QString shown = Child<QLabel>(window, "DragInfo")->text();
    QTest::mouseRelease(view, Qt::LeftButton, {}, Centre(grid, to));
    return shown;
  }

  // The three drops every window must handle, each undone with the window's button.
  void DragsInWindow(QWidget* w, TimetableGrid* grid, int mathCell) {
    const auto start = GridImage(school);
    // Green: MATEMATİK to Wednesday 3-4, for AYŞE, 9 A and the LAB.
    EXPECT_TRUE(Drag(w, grid, mathCell, CellIndex(3, 3)).startsWith("Uygun"));
    EXPECT_EQ(ClassLesson(3, 3), math);
    EXPECT_EQ(ClassLesson(3, 4), math);
    EXPECT_EQ(ClassLesson(1, 1), 0);
    EXPECT_EQ(school.TeacherGridByNo(ayse)->occupant[CellIndex(3, 4) - 1], a9);
    EXPECT_EQ(school.RoomGrids.front().occupant[CellIndex(3, 3) - 1], a9);
    ExpectConsistent();
    EXPECT_EQ(Child<QPushButton>(w, "GeriAlBtn")->text(),
              U8("Geri al: Taşı: 9-A MATEMATİK, Çarşamba 3. saat"));
    QTest::mouseClick(Child<QPushButton>(w, "GeriAlBtn"), Qt::LeftButton);
    EXPECT_EQ(GridImage(school), start);

    // Red: hours 6-7 leave 9 A's day; the reason is told and nothing moves.
    QString told;
    AcceptNextMessage(told);
    EXPECT_TRUE(Drag(w, grid, mathCell, CellIndex(1, 6)).startsWith(U8("Buraya taşınamaz")));
    EXPECT_TRUE(told.contains(U8("taşınamaz"))) << told.toStdString();
    EXPECT_EQ(GridImage(school), start);

    // Onto FİZİK: the two swap when the user says yes.
    QString asked;
    AcceptNextMessage(asked);
    Drag(w, grid, mathCell, CellIndex(2, 2));
    EXPECT_TRUE(asked.contains(U8("yer değiştirsin mi"))) << asked.toStdString();
    EXPECT_EQ(ClassLesson(2, 1), math);
    EXPECT_EQ(ClassLesson(1, 2), physics);
    EXPECT_EQ(school.TeacherGridByNo(can)->occupant[CellIndex(1, 1) - 1], a9);
    ExpectConsistent();
    Key(w, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(GridImage(school), start);
  }
};

TEST_F(DragTest, TeacherWindowMovesRefusesAndSwapsBlocksDraggedWithTheMouse) {
  TimetableWindows windows(context(), nullptr);
  TOgrPrgForm& w = windows.teachers();
  Activate(&w);
  w.Select(ayse, a9, math);
  DragsInWindow(&w, Child<TimetableGrid>(&w, "Grid"), CellIndex(1, 2));
  w.accept();
}

TEST_F(DragTest, ClassWindowMovesRefusesAndSwapsBlocksDraggedWithTheMouse) {
  TimetableWindows windows(context(), nullptr);
  TSnfPrgForm& c = windows.classes();
  Activate(&c);
  c.Select(ayse, a9, math);
  DragsInWindow(&c, Child<TimetableGrid>(&c, "Grid"), CellIndex(1, 1));
  c.accept();
}

TEST_F(DragTest, ClassroomWindowMovesRefusesAndSwapsBlocksDraggedWithTheMouse) {
  CountRoomHours(school);  // as the class window does before it opens this one
  TimetableWindows windows(context(), nullptr);
  TRoomPrgForm& r = windows.rooms();
  Activate(&r);
  DragsInWindow(&r, Child<TimetableGrid>(&r, "Grid"), CellIndex(1, 1));
  r.accept();
}

TEST_F(DragTest, KeysPickUpMoveDropAndCancelAndLockedBlocksStay) {
  TimetableWindows windows(context(), nullptr);
  TSnfPrgForm& c = windows.classes();
  Activate(&c);
  c.Select(ayse, a9, math);
  auto* grid = Child<TimetableGrid>(&c, "Grid");
  const auto start = GridImage(school);
  // F6 picks up, the arrows move the target, Esc puts it down where it was.
  Press(&c, grid, CellIndex(1, 1), Qt::Key_F6);
  EXPECT_TRUE(grid->carrying());
  Key(&c, Qt::Key_Right);
  Key(&c, Qt::Key_Escape);
  EXPECT_FALSE(grid->carrying());
  EXPECT_TRUE(c.isVisible());  // Esc ended the carrying, not the window
  EXPECT_EQ(GridImage(school), start);
  // F6, two to the right, two down, Enter: Wednesday 3-4.
  Press(&c, grid, CellIndex(1, 1), Qt::Key_F6);
  for (Qt::Key k : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Down}) Key(&c, k);
  EXPECT_TRUE(Child<QLabel>(&c, "DragInfo")->text().contains(U8("Çarşamba 3. saat")));
  // The marks on the grid: green under the cursor, yellow where AYŞE would be left a
  // gap after FİZİK, red past the day's end.
  EXPECT_EQ(grid->PaintAt(3, 3).cell, CellColor::kGreen);
  EXPECT_TRUE(grid->PaintAt(3, 3).focusRect);
  EXPECT_EQ(grid->PaintAt(2, 4).cell, CellColor::kYellow);
  EXPECT_EQ(grid->PaintAt(1, 6).cell, CellColor::kRed);
  Key(&c, Qt::Key_Return);
  EXPECT_FALSE(grid->carrying());
  EXPECT_EQ(ClassLesson(3, 3), math);
  EXPECT_EQ(ClassLesson(1, 1), 0);
  Key(&c, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(GridImage(school), start);
  // Locked (F8 on the block): it is not picked up at all.
  Press(&c, grid, CellIndex(1, 1), Qt::Key_F8);
  const auto locked = GridImage(school);
  Press(&c, grid, CellIndex(1, 1), Qt::Key_F6);
  EXPECT_FALSE(grid->carrying());
  EXPECT_TRUE(Child<QLabel>(&c, "DragInfo")->text().startsWith(U8("Kilitli")));
  Drag(&c, grid, CellIndex(1, 1), CellIndex(3, 3));
  EXPECT_EQ(GridImage(school), locked);
  c.accept();
}

}  // namespace
}  // namespace kalvodrin::testing
