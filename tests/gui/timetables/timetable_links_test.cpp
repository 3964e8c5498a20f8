// What the timetable windows reach outside themselves: the program's printing, the
// duty window of a teacher, the help pages, and the kept snapshot of the timetables.

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenu>

#include <utility>
#include <vector>

#include "engine/cascade.h"
#include "engine/counts.h"
#include "gui/timetables/cancel_form.h"
#include "gui/timetables/class_timetable_form.h"
#include "gui/timetables/room_timetable_form.h"
#include "gui/timetables/run_panel.h"
#include "gui/timetables/teacher_timetable_form.h"
#include "gui/timetables/timetable_windows.h"
#include "recording_prints.h"
#include "timetable_window_fixture.h"

namespace kalvodrin::testing {
namespace {

class RecordingRegistry : public WindowRegistry {
 public:
  void SetOpener(MainMenuItem, WindowOpener) override {}
};

using Asked = std::vector<std::pair<TimetableView, int>>;

TEST_F(TimetableWindowsTest, EachWindowPrintsItsSelectionThroughTheProgramsPrinting) {
  RecordingPrints prints;
  AppContext withPrinting = context();
  withPrinting.printing = &prints;
  TimetableWindows windows(withPrinting, nullptr);
  TOgrPrgForm& w = windows.teachers();
  Activate(&w);
  w.Select(can, a9, physics);
  Key(&w, Qt::Key_F9);
  QTest::mouseClick(Child<QPushButton>(&w, "YazdirBtn"), Qt::LeftButton);
  EXPECT_EQ(prints.asked, (Asked{{TimetableView::kTeacher, can}, {TimetableView::kTeacher, can}}));
  w.reject();

  prints.asked.clear();
  TSnfPrgForm& c = windows.classes();
  Activate(&c);
  c.Select(ayse, b.ClassNo("9 B"), b.LessonNo("KİMYA"));
  Key(&c, Qt::Key_F2);
  QTest::mouseClick(Child<QPushButton>(&c, "YaziciBtn"), Qt::LeftButton);
  const int b9 = b.ClassNo("9 B");
  EXPECT_EQ(prints.asked, (Asked{{TimetableView::kClass, b9}, {TimetableView::kClass, b9}}));
  c.reject();

  prints.asked.clear();
  TRoomPrgForm& r = windows.rooms();
  Activate(&r);
  Key(&r, Qt::Key_F2);
  QTest::mouseClick(Child<QPushButton>(&r, "YazdirBtn"), Qt::LeftButton);
  const int lab = b.RoomNo("LAB");
  EXPECT_EQ(prints.asked, (Asked{{TimetableView::kRoom, lab}, {TimetableView::kRoom, lab}}));
  r.reject();
}

TEST_F(TimetableWindowsTest, WithoutPrintingThePrintButtonsAreOff) {
  TimetableWindows windows(context(), nullptr);
  EXPECT_FALSE(Child<QPushButton>(&windows.teachers(), "YazdirBtn")->isEnabled());
  EXPECT_FALSE(Child<QPushButton>(&windows.classes(), "YaziciBtn")->isEnabled());
  EXPECT_FALSE(Child<QPushButton>(&windows.rooms(), "YazdirBtn")->isEnabled());
  Activate(&windows.teachers());
  Key(&windows.teachers(), Qt::Key_F9);  // nothing to call: nothing happens
  windows.teachers().reject();
}

TEST_F(TimetableWindowsTest, EnterOrADoubleClickInTheTeacherListOpensThatTeachersDuties) {
  TimetableWindows windows(context(), nullptr);
  TOgrPrgForm& w = windows.teachers();
  Activate(&w);
  auto* teachers = Child<ListGrid>(&w, "TeacherGrid");
  teachers->setFocus();
  Key(&w, Qt::Key_Return);  // before the areas are joined: nothing to open

  RecordingRegistry registry;
  std::vector<int> opened;
  windows.Register(registry);
  // The duty area may join after the timetables.
  registry.SetLinkedOpener(LinkedWindow::kTeacherDuties, [&](int t) { opened.push_back(t); });
  teachers->SelectRow(teachers->RowOfNumber(can, 0));
  teachers->setFocus();
  Key(&w, Qt::Key_Return);
  const int aysesRow = teachers->RowOfNumber(ayse, 0);
  const QRect r = teachers->visualRect(teachers->model()->index(aysesRow, 1));
  QTest::mouseClick(teachers->viewport(), Qt::LeftButton, {}, r.center());
  QTest::mouseDClick(teachers->viewport(), Qt::LeftButton, {}, r.center());
  EXPECT_EQ(opened, (std::vector<int>{can, ayse}));
  w.reject();
}

TEST_F(TimetableWindowsTest, F1OpensEachWindowsHelpPage) {
  TimetableWindows windows(context(), nullptr);
  for (const auto& [window, page] : {std::pair<QDialog*, QString>{&windows.classes(), "128"},
                                     {&windows.rooms(), "130"},
                                     {&windows.cancel(), "132"}}) {
    EXPECT_TRUE(HelpPageExists(page)) << page.toStdString();
    Activate(window);
    QString shown;
    OnNextModal([&](QDialog* d) {
      shown = help.currentPage();
      d->reject();
    });
    Key(window, Qt::Key_F1);
    EXPECT_EQ(shown, page);
    window->reject();
  }
}

QString HelpText(const QString& page) {
  QFile file(":/help/" + page + ".html");
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Dragging and undo are told once, on a page of their own, and every timetable
// window's help (the teacher window's on Shift+F1), the cancel window's and the
// contents lead to it.
TEST(TimetableHelp, EveryTimetableWindowsPageLeadsToDraggingAndUndo) {
  const QString page = HelpText("surukle_geri_al");
  for (const char* told : {"sürükle", "yeşil", "sarı", "kırmızı", "nedenini söyler", "yer değiştir",
                           "Kilitli", "F6", "Esc", "Ctrl+Z", "Ctrl+Y", "Ctrl+Shift+Z",
                           "Geri al: 9-A MATEMATİK", "DERS DAĞITIMI YAP", "iptali", "ortaktır"})
    EXPECT_TRUE(page.contains(U8(told))) << told;
  for (const char* from : {"index", "ogretmen_programi", "128", "130", "132"}) {
    const QString text = HelpText(from);
    EXPECT_TRUE(text.contains("href=\"surukle_geri_al.html\"")) << from;
  }
}

QAction* PopupAction(QWidget* window, const char* text) {
  for (QAction* a : Child<QMenu>(window, "GridPopup")->actions())
    if (a->text() == U8(text)) return a;
  ADD_FAILURE() << text;
  return nullptr;
}

TEST_F(TimetableWindowsTest, KeptTimetablesComeBackAndAreWrittenAtOnce) {
  TimetableWindows windows(context(), nullptr);
  TOgrPrgForm& w = windows.teachers();
  Activate(&w);
  w.Select(ayse, a9, physics);
  PopupAction(&w, "SAKLA")->trigger();
  auto* grid = Child<TimetableGrid>(&w, "Grid");
  DoubleClick(grid, CellIndex(2, 3));
  DoubleClick(grid, CellIndex(1, 1));
  ASSERT_EQ(ClassLesson(2, 3), physics);
  PopupAction(&w, "DEĞİŞİKLERİ GERİ AL")->trigger();
  EXPECT_EQ(ClassLesson(2, 3), 0);
  EXPECT_EQ(ClassLesson(1, 1), math);
  EXPECT_EQ(Child<QLabel>(&w, "DersKalanLabel")->text(), "3");
  ExpectConsistent();
  const School disk = OnDisk();  // rewritten without waiting for the window to close
  EXPECT_EQ(disk.ClassGridByNo(a9)->occupant[CellIndex(1, 1) - 1], math);

  // FİZİK leaves 9 A after the snapshot: its kept hours would have no lesson.
  DoubleClick(grid, CellIndex(2, 3));
  PopupAction(&w, "SAKLA")->trigger();
  DeleteClassLesson(school, a9, physics);
  CountAllHours(school);
  w.Activate();
  w.Select(ayse, a9, math);
  DoubleClick(grid, CellIndex(3, 1));
  QString notice;
  AcceptNextMessage(notice);
  PopupAction(&w, "DEĞİŞİKLERİ GERİ AL")->trigger();
  EXPECT_TRUE(notice.contains(U8("geri alınmadı"))) << notice.toStdString();
  EXPECT_EQ(ClassLesson(3, 1), math);
  EXPECT_EQ(ClassLesson(2, 3), 0);
  ExpectConsistent();
  w.reject();
}

TEST_F(TimetableWindowsTest, TheRestIsPlacedByTheCompletionWhileHoursAreLeft) {
  TimetableWindows windows(context(), nullptr);
  TOgrPrgForm& w = windows.teachers();
  w.SetCompletionSeed(5);
  Activate(&w);
  auto* complete = Child<QPushButton>(&w, "TamamlaBtn");
  ASSERT_TRUE(complete->isVisible());  // MATEMATİK, FİZİK and KİMYA wait
  const QRect exit = Child<QPushButton>(&w, "CikisBtn")->geometry();
  QString notice;
  AcceptNextMessage(notice);
  QTest::mouseClick(complete, Qt::LeftButton);
  const CompletionOutcome& done = w.lastCompletion();
  EXPECT_EQ(done.placedAfter, done.total);
  EXPECT_TRUE(notice.startsWith(QString::number(done.placedAfter - done.placedBefore) +
                                U8(" öğretmen saati yerleşti")))
      << notice.toStdString();
  EXPECT_TRUE(notice.contains(U8("Tebrikler")));
  EXPECT_FALSE(complete->isVisible());  // nothing is left
  EXPECT_EQ(Child<QPushButton>(&w, "CikisBtn")->geometry(), exit);  // its place kept
  EXPECT_EQ(Child<QLabel>(&w, "KalanLabel")->text(), "0");
  ExpectConsistent();
  // One hour taken away brings the button back.
  int occupied = 0;
  for (int cell = kCells; cell >= 1 && occupied == 0; --cell)
    if (school.TeacherGridByNo(ayse)->occupant[static_cast<std::size_t>(cell - 1)] != 0)
      occupied = cell;
  w.Select(ayse, a9, math);
  DoubleClick(Child<TimetableGrid>(&w, "Grid"), occupied);
  EXPECT_TRUE(complete->isVisible());
  w.reject();
}

}  // namespace
}  // namespace kalvodrin::testing

namespace kalvodrin::testing {
namespace {

// The run shows itself only once it lets the window paint: a run over before that
// leaves the window untouched, a longer one shows the panel and the busy window, and
// its end undoes both.
TEST(RunPanelDisplay, ARunShowsItselfOnlyWhenTheWindowGetsToPaint) {
  School school;
  RunPanel panel(school);
  std::vector<bool> shown;
  const auto display = [&](bool busy) { shown.push_back(busy); };
  const RunProgress progress;
  panel.Begin(display, {});
  for (int i = 0; i < 1024; ++i) panel.OnSearchStep(progress);
  EXPECT_FALSE(panel.shown());
  panel.End();
  EXPECT_TRUE(shown.empty());
  EXPECT_FALSE(panel.running());

  panel.Begin(display, {});
  QTest::qWait(static_cast<int>(RunPanel::kEventInterval.count()) + 10);
  for (int i = 0; i < 256; ++i) panel.OnSearchStep(progress);
  EXPECT_TRUE(panel.shown());
  EXPECT_FALSE(panel.isHidden());
  EXPECT_EQ(shown, (std::vector<bool>{true}));
  panel.End();
  EXPECT_TRUE(panel.isHidden());
  EXPECT_EQ(shown, (std::vector<bool>{true, false}));
}

}  // namespace
}  // namespace kalvodrin::testing
