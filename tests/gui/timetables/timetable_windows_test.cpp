#include <QCheckBox>
#include <QLabel>
#include <QTimer>

#include <filesystem>

#include "core/cells.h"
#include "engine/consistency.h"
#include "engine/locks.h"
#include "gui/timetables/cancel_form.h"
#include "gui/timetables/class_timetable_form.h"
#include "gui/timetables/room_timetable_form.h"
#include "gui/timetables/run_panel.h"
#include "gui/timetables/teacher_timetable_form.h"
#include "gui/timetables/timetable_grid.h"
#include "gui/timetables/timetable_windows.h"
#include "scheduler/run_preferences.h"
#include "timetable_window_fixture.h"
#include "timetables/timetable_commands.h"

namespace kalvodrin::testing {
namespace {

TEST_F(TimetableWindowsTest, TeacherWindowPlacesRemovesAndLocksThroughTheGrid) {
  TimetableWindows windows(context(), nullptr);
  TOgrPrgForm& w = windows.teachers();
  Activate(&w);
  w.Select(ayse, a9, physics);
  auto* grid = Child<TimetableGrid>(&w, "Grid");
  DoubleClick(grid, CellIndex(2, 3));
  EXPECT_EQ(ClassLesson(2, 3), physics);
  EXPECT_EQ(school.TeacherGridByNo(can)->occupant[CellIndex(2, 3) - 1], a9);
  EXPECT_EQ(Child<QLabel>(&w, "DersKalanLabel")->text(), "2");
  ExpectConsistent();
  DoubleClick(grid, CellIndex(1, 2));  // the second hour of MATEMATİK goes
  EXPECT_EQ(ClassLesson(1, 2), 0);
  EXPECT_EQ(ClassLesson(1, 1), math);
  ExpectConsistent();
  Press(&w, grid, CellIndex(2, 3), Qt::Key_F2);  // the FİZİK hour closes for both
  EXPECT_FALSE(TeacherOpen(ayse, 2, 3));
  EXPECT_FALSE(TeacherOpen(can, 2, 3));
  DoubleClick(grid, CellIndex(2, 3));  // closed: nothing happens
  EXPECT_EQ(ClassLesson(2, 3), physics);
  ExpectConsistent();
  // F1 shows the load overlay; a click in the grid clears it.
  Press(&w, grid, CellIndex(3, 3), Qt::Key_F1);
  EXPECT_TRUE(w.overlayShown());
  EXPECT_EQ(grid->PaintAt(1, 1).cell, CellColor::kYellow);
  DoubleClick(grid, CellIndex(3, 3));
  EXPECT_FALSE(w.overlayShown());
  w.accept();  // closing writes the three timetables
  EXPECT_EQ(OnDisk().ClassGridByNo(a9)->occupant[CellIndex(2, 3) - 1], physics);
}

TEST_F(TimetableWindowsTest, ClassAndClassroomWindowsEditFromTheirSide) {
  TimetableWindows windows(context(), nullptr);
  TSnfPrgForm& c = windows.classes();
  Activate(&c);
  c.Select(ayse, a9, math);
  auto* grid = Child<TimetableGrid>(&c, "Grid");
  DoubleClick(grid, CellIndex(4, 4));
  EXPECT_EQ(ClassLesson(4, 4), math);
  ExpectConsistent();
  Press(&c, grid, CellIndex(4, 5), Qt::Key_F8);
  EXPECT_EQ(school.ClassGridByNo(a9)->open[CellIndex(4, 5) - 1], 0);
  EXPECT_TRUE(TeacherOpen(ayse, 4, 5));  // a free cell: the class's own flag only
  c.accept();

  TRoomPrgForm& r = windows.rooms();
  Activate(&r);
  EXPECT_EQ(r.selection().lesson, math);
  auto* roomGrid = Child<TimetableGrid>(&r, "Grid");
  DoubleClick(roomGrid, CellIndex(1, 1));  // removes the hour of the class there
  EXPECT_EQ(ClassLesson(1, 1), 0);
  DoubleClick(roomGrid, CellIndex(5, 1));
  EXPECT_EQ(ClassLesson(5, 1), math);
  Press(&r, roomGrid, CellIndex(5, 1), Qt::Key_F8);  // the whole block closes
  EXPECT_FALSE(TeacherOpen(ayse, 5, 1));
  DoubleClick(roomGrid, CellIndex(5, 1));
  EXPECT_EQ(ClassLesson(5, 1), math);
  ExpectConsistent();
  r.accept();
}

TEST_F(TimetableWindowsTest, TeacherWindowHandsALessonToTheClassWindowAndBack) {
  TimetableWindows windows(context(), nullptr);
  TOgrPrgForm& w = windows.teachers();
  Activate(&w);
  w.Select(ayse, a9, physics);
  TimetableSelection seen;
  OnNextModal([&](QDialog* d) {
    auto* c = qobject_cast<TSnfPrgForm*>(d);
    ASSERT_NE(c, nullptr);
    seen = c->selection();
    c->Select(can, a9, physics);  // the user picks CAN's row and hands it back
    c->HandBack();
  });
  w.HandToClassWindow();
  EXPECT_EQ(seen.teacher, ayse);
  EXPECT_EQ(seen.lesson, physics);
  EXPECT_EQ(w.selection().teacher, can);
  EXPECT_EQ(w.selection().lesson, physics);
  // From the menu nothing is handed over, and nothing is handed back.
  OnNextModal([](QDialog* d) {
    qobject_cast<TSnfPrgForm*>(d)->HandBack();
    d->reject();
  });
  EXPECT_EQ(windows.classes().OpenWith(HandOver{}).teacher, 0);
}

// Closed without "ÖĞRETMENE BAĞLAN", the class window leaves the teacher window on the
// lesson it handed over (CAN's, not the first teacher's), with its counts read again.
TEST_F(TimetableWindowsTest, ClosingTheClassWindowKeepsTheTeacherWindowsPlace) {
  TimetableWindows windows(context(), nullptr);
  TOgrPrgForm& w = windows.teachers();
  Activate(&w);
  w.Select(can, a9, physics);
  OnNextModal([&](QDialog* d) {
    DoubleClick(Child<TimetableGrid>(d, "Grid"), CellIndex(2, 5));  // one FİZİK hour
    d->reject();
  });
  w.HandToClassWindow();
  EXPECT_EQ(ClassLesson(2, 5), physics);
  EXPECT_EQ(w.selection().teacher, can);
  EXPECT_EQ(w.selection().lesson, physics);
  EXPECT_EQ(Child<ListGrid>(&w, "TeacherGrid")->SelectedRow(), 1);
  EXPECT_EQ(Child<QLabel>(&w, "DersKalanLabel")->text(), "2");
  w.reject();
}

// A typed key places or removes an hour in the classroom grid only; in the class
// grid a stray key changes nothing, on a free cell or on a placed one.
TEST_F(TimetableWindowsTest, TypedKeysActInTheClassroomGridOnly) {
  TimetableWindows windows(context(), nullptr);
  TSnfPrgForm& c = windows.classes();
  Activate(&c);
  c.Select(ayse, a9, math);
  auto* grid = Child<TimetableGrid>(&c, "Grid");
  Press(&c, grid, CellIndex(3, 3), Qt::Key_A);
  EXPECT_EQ(ClassLesson(3, 3), 0);
  Press(&c, grid, CellIndex(1, 1), Qt::Key_X);
  EXPECT_EQ(ClassLesson(1, 1), math);
  Press(&c, grid, CellIndex(3, 3), Qt::Key_Return);  // Enter places
  EXPECT_EQ(ClassLesson(3, 3), math);
  c.accept();

  TRoomPrgForm& r = windows.rooms();
  Activate(&r);
  auto* roomGrid = Child<TimetableGrid>(&r, "Grid");
  Press(&r, roomGrid, CellIndex(1, 1), Qt::Key_A);  // removes the hour there
  EXPECT_EQ(ClassLesson(1, 1), 0);
  Press(&r, roomGrid, CellIndex(5, 6), Qt::Key_A);
  EXPECT_EQ(ClassLesson(5, 6), math);
  ExpectConsistent();
  r.accept();
}

// The teacher window's nine buttons share two rows, so the window keeps the width it
// opens with and its lists on the left keep about a third of it, as in the class window.
TEST_F(TimetableWindowsTest, TeacherButtonsLeaveTheListsTheirWidth) {
  TimetableWindows windows(context(), nullptr);
  TOgrPrgForm& w = windows.teachers();
  Activate(&w);
  ASSERT_TRUE(Child<QPushButton>(&w, "TamamlaBtn")->isVisible());  // hours are left
  EXPECT_EQ(w.width(), 1000);
  EXPECT_GT(Child<ListGrid>(&w, "TeleGrid")->width(), 1000 / 4);
  EXPECT_LT(Child<QPushButton>(&w, "GenelBtn")->y(), Child<QPushButton>(&w, "CikisBtn")->y());
  w.reject();
}

// What each window's lists show: the number columns hidden, the name columns wide
// enough for a long name, and a list with a search box finds the name typed into it.
TEST_F(TimetableWindowsTest, EachWindowsListsShowTheirColumnsAndSearchByName) {
  const auto shown = [](ListGrid* grid) {
    QStringList headers;
    for (int c = 0; c < grid->columnCount(); ++c)
      if (!grid->isColumnHidden(c)) headers << grid->horizontalHeaderItem(c)->text();
    return headers;
  };
  TimetableWindows windows(context(), nullptr);
  TOgrPrgForm& w = windows.teachers();
  Activate(&w);
  auto* owners = Child<ListGrid>(&w, "TeacherGrid");
  auto* lessons = Child<ListGrid>(&w, "TeleGrid");
  EXPECT_EQ(shown(owners), QStringList({U8("ADI SOYADI")}));
  EXPECT_EQ(shown(lessons), QStringList({"SINIF", U8("BÖLÜM"), U8("DERSİN ADI"), "HDS"}));
  EXPECT_GE(lessons->columnWidth(5), 170);
  EXPECT_EQ(lessons->searchBox(), nullptr);
  owners->setFocus();
  TypeText(owners, "c");
  EXPECT_EQ(w.selection().teacher, can);
  w.reject();

  TSnfPrgForm& c = windows.classes();
  Activate(&c);
  owners = Child<ListGrid>(&c, "ClassGrid");
  lessons = Child<ListGrid>(&c, "ClTeleGrid");
  EXPECT_EQ(shown(owners), QStringList({"SINIF", U8("BÖLÜM")}));
  EXPECT_EQ(shown(lessons), QStringList({U8("DERSİN ADI"), "HDS", U8("ÖĞRETMEN")}));
  EXPECT_GE(lessons->columnWidth(3), 170);
  EXPECT_NE(owners->searchBox(), nullptr);
  lessons->setFocus();
  TypeText(lessons, "f");
  EXPECT_EQ(c.selection().lesson, physics);
  EXPECT_EQ(c.selection().teacher, ayse);
  c.reject();

  TRoomPrgForm& r = windows.rooms();
  Activate(&r);
  owners = Child<ListGrid>(&r, "RoomGrid");
  lessons = Child<ListGrid>(&r, "RoomTeleGrid");
  EXPECT_EQ(shown(owners), QStringList({U8("DERSLİK")}));
  EXPECT_EQ(shown(lessons), QStringList({"SINIF", U8("DERSİN ADI"), "HDS", U8("ÖĞRETMEN")}));
  EXPECT_EQ(lessons->ColumnTexts(4), QStringList({"9 A"}));
  EXPECT_GE(lessons->columnWidth(5), 150);
  EXPECT_EQ(owners->searchBox(), nullptr);
  EXPECT_EQ(lessons->searchBox(), nullptr);
  r.reject();
}

TEST_F(TimetableWindowsTest, CancellingWithBothOptions) {
  TimetableWindows windows(context(), nullptr);
  ASSERT_TRUE(ToggleTeacherLock(school, CellIndex(1, 1), ayse));
  TBosaltForm& f = windows.cancel();
  Activate(&f);
  f.TamamClick();  // both boxes clear: the closed block stays
  EXPECT_EQ(ClassLesson(1, 1), math);
  Activate(&f);
  Child<QCheckBox>(&f, "CheckBox1")->setChecked(true);
  Child<QCheckBox>(&f, "CheckBox2")->setChecked(true);
  f.TamamClick();
  EXPECT_EQ(ClassLesson(1, 1), 0);
  EXPECT_TRUE(TeacherOpen(ayse, 1, 1));
  ExpectConsistent();
  EXPECT_EQ(OnDisk().ClassGridByNo(a9)->occupant[0], 0);
  // Opened again, both boxes start cleared.
  Activate(&f);
  EXPECT_FALSE(Child<QCheckBox>(&f, "CheckBox1")->isChecked());
  f.reject();
}

// A real school whose whole run takes more than a minute, in a folder of its own so
// that the run's saves touch no source; the test stops it long before.
class LongRunTest : public ::testing::Test {
 protected:
  LongRunTest() {
    std::filesystem::copy(KALVODRIN_LONG_RUN_SCHOOL, folder.path(),
                          std::filesystem::copy_options::recursive);
    school.WorkFolder = folder.path();
    EXPECT_TRUE(LoadSchool(school).ok());
  }
  AppContext context() { return {school, sil, help}; }

  TempFolder folder;
  School school;
  TSilForm sil;
  THelpForm help;
};

TEST_F(LongRunTest, SkipAndStopReachAWholeSchoolRunThroughTheEventLoop) {
  TimetableWindows windows(context(), nullptr);
  TOgrPrgForm& w = windows.teachers();
  w.SetHandOverBudget({0, 0});  // the classic run, however long it stalls
  Activate(&w);
  auto* grid = Child<TimetableGrid>(&w, "Grid");
  bool disabledWhileRunning = false, buttonsHidden = false, panelShown = false;
  std::string cutInThePanel = "not looked at";
  // The run keeps the event loop turning: these fire during it, as clicks would.
  QTimer::singleShot(100, [&] {
    disabledWhileRunning = w.running() && !grid->isEnabled();
    buttonsHidden = !Child<QPushButton>(&w, "DagitBtn")->isVisible();
    panelShown = Child<QWidget>(&w, "OtoPanel")->isVisible();
    // The window grows for the panel: no row of it is squeezed below its text.
    cutInThePanel = LabelsSqueezed(Child<QWidget>(&w, "OtoPanel"));
    Key(&w, Qt::Key_F5);  // ignored while running: no confirmation opens
    QTest::mouseClick(Child<QPushButton>(&w, "AtlaBtn"), Qt::LeftButton);
  });
  QTimer::singleShot(
      400, [&] { QTest::mouseClick(Child<QPushButton>(&w, "DurdurBtn"), Qt::LeftButton); });
  QString notice;
  AcceptNextMessage(notice);
  QTest::mouseClick(Child<QPushButton>(&w, "DagitBtn"), Qt::LeftButton);
  EXPECT_TRUE(disabledWhileRunning);
  EXPECT_TRUE(buttonsHidden);
  EXPECT_TRUE(panelShown);
  EXPECT_EQ(cutInThePanel, "");
  EXPECT_FALSE(w.running());
  EXPECT_TRUE(grid->isEnabled());
  EXPECT_EQ(w.panel().skipsDelivered(), 1);
  EXPECT_EQ(w.panel().stopsDelivered(), 1);
  EXPECT_TRUE(w.lastRun().stopped);
  EXPECT_FALSE(notice.isEmpty());
  const std::vector<std::string> problems = CheckConsistency(school);
  EXPECT_TRUE(problems.empty()) << problems.front();
  w.reject();
}

TEST_F(LongRunTest, SkipAndStopReachTheCompletionThroughTheEventLoop) {
  TimetableWindows windows(context(), nullptr);
  TOgrPrgForm& w = windows.teachers();
  w.SetCompletionSeed(3);
  // The completion of this school can end within one event interval on a fast machine.
  w.panel().SetEventInterval(std::chrono::milliseconds(0));
  Activate(&w);
  bool panelShown = false;
  // The skip comes at the first look at the events, ending the placing, and the stop at
  // the next one.
  QTimer::singleShot(0, [&] {
    panelShown = Child<QWidget>(&w, "OtoPanel")->isVisible();
    QTest::mouseClick(Child<QPushButton>(&w, "AtlaBtn"), Qt::LeftButton);
    QTimer::singleShot(
        0, [&] { QTest::mouseClick(Child<QPushButton>(&w, "DurdurBtn"), Qt::LeftButton); });
  });
  QString notice;
  AcceptNextMessage(notice);
  QTest::mouseClick(Child<QPushButton>(&w, "TamamlaBtn"), Qt::LeftButton);
  EXPECT_TRUE(panelShown);
  EXPECT_FALSE(w.running());
  EXPECT_EQ(w.panel().skipsDelivered(), 1);
  EXPECT_EQ(w.lastCompletion().stopped, w.panel().stopsDelivered() == 1);
  EXPECT_TRUE(notice.contains(U8("öğretmen saati yerleşti"))) << notice.toStdString();
  const std::vector<std::string> problems = CheckConsistency(school);
  EXPECT_TRUE(problems.empty()) << problems.front();
  w.reject();
}

// Nobody presses a key: the classic run gives way to the completion as soon as it
// stalls, and the completion places what it left; one closing notice tells both. The
// point of the hand-over is counted in search steps, so the run hands over with the
// same hours placed every time.
TEST_F(LongRunTest, ARunNobodyWatchesHandsOverToTheCompletionWhenItStalls) {
  TimetableWindows windows(context(), nullptr);
  TOgrPrgForm& w = windows.teachers();
  w.SetCompletionSeed(1);
  Activate(&w);
  QString notice;
  AcceptNextMessage(notice);
  QTest::mouseClick(Child<QPushButton>(&w, "DagitBtn"), Qt::LeftButton);
  EXPECT_FALSE(w.running());
  EXPECT_TRUE(w.handedOver());
  EXPECT_FALSE(w.lastRun().stopped);
  EXPECT_EQ(w.panel().skipsDelivered() + w.panel().stopsDelivered(), 0);
  const int handedAt = w.lastRun().placed;
  ASSERT_GT(w.lastRun().unplaced(), 0);
  EXPECT_EQ(w.lastCompletion().placedBefore, handedAt);
  EXPECT_EQ(w.lastCompletion().placedAfter, w.lastCompletion().total);
  EXPECT_TRUE(notice.contains(U8("ilerleyemeyince tamamlama aramasına devretti")))
      << notice.toStdString();
  EXPECT_TRUE(notice.endsWith(U8("Tebrikler dersleri yerleştirdiniz."))) << notice.toStdString();
  const std::vector<std::string> problems = CheckConsistency(school);
  EXPECT_TRUE(problems.empty()) << problems.front();

  // Again from empty, on the same school: the same hours placed when it gives way.
  CancelPlacements(school, ResetOptions{});
  w.Activate();
  AcceptNextMessage(notice);
  QTest::mouseClick(Child<QPushButton>(&w, "DagitBtn"), Qt::LeftButton);
  EXPECT_TRUE(w.handedOver());
  EXPECT_EQ(w.lastRun().placed, handedAt);
  EXPECT_EQ(w.lastCompletion().placedAfter, w.lastCompletion().total);
  w.reject();
}

// The preferences file turns each off. Without the completion a run that ends by itself
// ends with its own notice; without the skip allowance only the keys end a lesson (the
// stop key here), and the panel says the countdown is off.
TEST_F(LongRunTest, ThePreferencesTurnTheSkipAndTheCompletionOff) {
  TimetableWindows windows(context(), nullptr);
  TOgrPrgForm& w = windows.teachers();
  Activate(&w);
  // Without the completion the run does not give way: the skip allowance ends each
  // lesson attempt it cannot finish, counted down on the panel, and the run ends by
  // itself. An allowance of a millisecond ends it within a fraction of a second.
  ASSERT_TRUE(SaveRunPreferences(folder.path(), context().Disk(), {true, false}));
  w.SetSkipSeconds(0.001);
  QString countdown;
  QTimer::singleShot(0, [&] { countdown = Child<QLabel>(&w, "SkipCountdown")->text(); });
  QString notice;
  AcceptNextMessage(notice);
  QTest::mouseClick(Child<QPushButton>(&w, "DagitBtn"), Qt::LeftButton);
  EXPECT_FALSE(w.lastRun().stopped);
  EXPECT_FALSE(w.handedOver());
  EXPECT_GT(w.panel().autoSkips(), 0);
  EXPECT_EQ(w.panel().skipsDelivered(), 0);
  EXPECT_TRUE(countdown.endsWith(" sn")) << countdown.toStdString();
  ASSERT_GT(w.lastRun().unplaced(), 0);
  EXPECT_EQ(w.lastCompletion().total, 0);
  EXPECT_TRUE(notice.startsWith(U8("Yerleşmeyen "))) << notice.toStdString();

  // Without the skip allowance the same run, on the hours the allowance skipped, tries
  // on until the stop key, however small the allowance would be.
  ASSERT_TRUE(SaveRunPreferences(folder.path(), context().Disk(), {false, true}));
  QTimer::singleShot(0, [&] {
    countdown = Child<QLabel>(&w, "SkipCountdown")->text();
    QTest::mouseClick(Child<QPushButton>(&w, "DurdurBtn"), Qt::LeftButton);
  });
  AcceptNextMessage(notice);
  QTest::mouseClick(Child<QPushButton>(&w, "DagitBtn"), Qt::LeftButton);
  EXPECT_EQ(w.panel().autoSkips(), 0);
  EXPECT_EQ(countdown, U8("kapalı"));
  EXPECT_TRUE(w.lastRun().stopped);
  EXPECT_EQ(w.lastCompletion().total, 0);  // a stopped run stays stopped
  w.reject();
}

}  // namespace
}  // namespace kalvodrin::testing
