// Undo and redo in the timetable windows and the cancel window: one history for all
// of them, the step's name on the buttons, the keys and the buttons pressed with the
// mouse, and every kind of change taken back whole (hours, cells, runs, completion,
// a snapshot put back, every placement cancelled, a teacher's own settings).

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include "core/cells.h"
#include "core/snapshot.h"
#include "gui/timetables/cancel_form.h"
#include "gui/timetables/class_timetable_form.h"
#include "gui/timetables/history_buttons.h"
#include "gui/timetables/teacher_timetable_form.h"
#include "gui/timetables/timetable_windows.h"
#include "grid_image.h"
#include "timetable_window_fixture.h"

namespace kalvodrin::testing {
namespace {

void ClickButton(QWidget* window, const char* name) {
  QTest::mouseClick(Child<QPushButton>(window, name), Qt::LeftButton);
}

TEST_F(TimetableWindowsTest, HourEditsAreUndoneAndRedoneByKeysAndButtonsAcrossWindows) {
  TimetableWindows windows(context(), nullptr);
  TOgrPrgForm& w = windows.teachers();
  Activate(&w);
  w.Select(ayse, a9, physics);
  auto* grid = Child<TimetableGrid>(&w, "Grid");
  auto* undo = Child<QPushButton>(&w, "GeriAlBtn");
  auto* redo = Child<QPushButton>(&w, "YineleBtn");
  EXPECT_FALSE(undo->isEnabled());
  EXPECT_FALSE(redo->isEnabled());
  const auto start = GridImage(school);

  DoubleClick(grid, CellIndex(2, 3));
  ASSERT_EQ(ClassLesson(2, 3), physics);
  const auto placed = GridImage(school);
  EXPECT_TRUE(undo->isEnabled());
  EXPECT_EQ(undo->text(), U8("Geri al: 9-A FİZİK, Salı 3. saat"));
  Press(&w, grid, CellIndex(2, 3), Qt::Key_F2);  // closes the new hour
  EXPECT_EQ(undo->text(), U8("Geri al: Hücre kapat/aç, Salı 3. saat"));

  Key(&w, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(GridImage(school), placed);
  Key(&w, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(GridImage(school), start);
  EXPECT_FALSE(undo->isEnabled());
  EXPECT_EQ(redo->text(), U8("Yinele: 9-A FİZİK, Salı 3. saat"));
  // Each undo was written at once.
  EXPECT_EQ(OnDisk().ClassGridByNo(a9)->occupant[CellIndex(2, 3) - 1], 0);
  Key(&w, Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(GridImage(school), placed);
  Key(&w, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_FALSE(TeacherOpen(ayse, 2, 3));
  ClickButton(&w, "GeriAlBtn");
  EXPECT_EQ(GridImage(school), placed);

  // The class window undoes what the teacher window did, and the other way round.
  TSnfPrgForm& c = windows.classes();
  Activate(&c);
  c.Select(ayse, a9, math);
  EXPECT_EQ(Child<QPushButton>(&c, "GeriAlBtn")->text(), U8("Geri al: 9-A FİZİK, Salı 3. saat"));
  ClickButton(&c, "GeriAlBtn");
  EXPECT_EQ(GridImage(school), start);
  DoubleClick(Child<TimetableGrid>(&c, "Grid"), CellIndex(4, 4));
  EXPECT_EQ(ClassLesson(4, 4), math);
  EXPECT_FALSE(Child<QPushButton>(&c, "YineleBtn")->isEnabled());  // a new change drops redo
  c.accept();
  Activate(&w);
  Key(&w, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(GridImage(school), start);
  ExpectConsistent();
  w.accept();
}

TEST_F(TimetableWindowsTest, RunsCompletionSnapshotAndCancellingAreEachOneStep) {
  TimetableWindows windows(context(), nullptr);
  TOgrPrgForm& w = windows.teachers();
  w.SetRunNotices(false);
  w.SetCompletionSeed(5);
  Activate(&w);
  w.Select(ayse, a9, physics);
  auto* undo = Child<QPushButton>(&w, "GeriAlBtn");
  const auto start = GridImage(school);
  QString confirmed;
  const auto removeProgram = [&] {
    AcceptNextMessage(confirmed);  // the question before the program goes
    w.RemoveProgram();
  };
  const auto undoes = [&](const auto& change, const char* name) {
    const auto before = GridImage(school);
    change();
    ASSERT_NE(GridImage(school), before) << name;
    EXPECT_EQ(undo->text(), U8(std::string("Geri al: ") + name));
    ClickButton(&w, "GeriAlBtn");
    EXPECT_EQ(GridImage(school), before) << name;
    ClickButton(&w, "YineleBtn");
    ExpectConsistent();
  };
  Child<TimetableGrid>(&w, "Grid")->SetCurrentCell(CellIndex(3, 4));
  undoes([&] { w.RunHere(); }, "BURAYA YERLEŞTİR");
  undoes([&] { w.RunWholeSchool(); }, "DERS DAĞITIMI YAP");
  ASSERT_TRUE(TakeSnapshot(school));
  undoes(removeProgram, " PRG. SİL: AYŞE");
  undoes([&] { w.UndoChanges(); }, "DEĞİŞİKLERİ GERİ AL");
  undoes(removeProgram, " PRG. SİL: AYŞE");
  undoes([&] { w.CompleteRest(); }, "KALANLARI YERLEŞTİR");
  const auto full = GridImage(school);
  w.accept();

  // Every placement cancelled, closed cells and all, then brought back from the
  // cancel window itself.
  TBosaltForm& f = windows.cancel();
  Activate(&f);
  EXPECT_TRUE(Child<QPushButton>(&f, "GeriAlBtn")->isEnabled());
  Child<QCheckBox>(&f, "CheckBox1")->setChecked(true);
  f.TamamClick();
  EXPECT_EQ(ClassLesson(1, 1), 0);
  Activate(&f);
  EXPECT_EQ(Child<QPushButton>(&f, "GeriAlBtn")->text(), U8("Geri al: YERLEŞTİRMELER İPTAL"));
  Key(&f, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(GridImage(school), full);
  EXPECT_EQ(GridImage(OnDisk()), full);  // written at once
  f.reject();
  while (windows.history().canUndo()) ASSERT_TRUE(windows.history().Undo(school, context().Disk()).done());
  EXPECT_EQ(GridImage(school), start);
}

// The teacher's own settings are kept in the teacher's timetable record: storing them
// is a step, and the steps before it can still be undone. Leaving the window without
// storing adds no step.
TEST_F(TimetableWindowsTest, ATeachersOwnSettingsAreAStepAndKeepTheStepsBefore) {
  TimetableWindows windows(context(), nullptr);
  TOgrPrgForm& w = windows.teachers();
  Activate(&w);
  w.Select(ayse, a9, physics);
  auto* undo = Child<QPushButton>(&w, "GeriAlBtn");
  const auto start = GridImage(school);
  DoubleClick(Child<TimetableGrid>(&w, "Grid"), CellIndex(2, 3));
  const auto placed = GridImage(school);
  ASSERT_NE(placed, start);
  const QString hourStep = undo->text();

  OnNextModal([](QDialog* d) { d->reject(); });
  ClickButton(&w, "OzelBtn");
  EXPECT_EQ(undo->text(), hourStep);

  const int dailyMax = school.TeacherGridByNo(ayse)->special.maxHoursPerDay;
  OnNextModal([&](QDialog* d) {
    auto* edit = Child<QLineEdit>(d, "Edit8");
    edit->clear();
    TypeText(edit, QString::number(dailyMax == 3 ? 4 : 3));
    QTest::mouseClick(Child<QPushButton>(d, "KaydetBtn"), Qt::LeftButton);
  });
  ClickButton(&w, "OzelBtn");
  ASSERT_NE(school.TeacherGridByNo(ayse)->special.maxHoursPerDay, dailyMax);
  EXPECT_TRUE(undo->text().startsWith(U8("Geri al: ÖZEL AYARLAR: "))) << undo->text().toStdString();

  Key(&w, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(school.TeacherGridByNo(ayse)->special.maxHoursPerDay, dailyMax);
  EXPECT_EQ(GridImage(school), placed);
  EXPECT_EQ(undo->text(), hourStep);
  Key(&w, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(GridImage(school), start);
  w.accept();
}

}  // namespace
}  // namespace kalvodrin::testing
