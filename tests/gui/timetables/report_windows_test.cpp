// The unplaced-lessons report and the changed-teachers window, opened from the
// timetable windows as the user opens them, and what those windows select after.

#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

#include <algorithm>
#include <functional>

#include "core/cells.h"
#include "core/file_io.h"
#include "core/snapshot.h"
#include "gui/common/key_line.h"
#include "gui/timetables/changed_form.h"
#include "gui/timetables/class_timetable_form.h"
#include "gui/timetables/report_form.h"
#include "gui/timetables/teacher_timetable_form.h"
#include "gui/timetables/timetable_grid.h"
#include "gui/timetables/timetable_windows.h"
#include "recording_prints.h"
#include "timetable_window_fixture.h"

namespace kalvodrin::testing {
namespace {

// The timetable windows' school, with 9 B and its KİMYA at hand.
class ReportWindowsTest : public TimetableWindowsTest {
 protected:
  ReportWindowsTest() {
    b9 = b.ClassNo("9 B");
    chemistry = b.LessonNo("KİMYA");
  }
  Bytes Grids() const {
    Bytes all;
    for (DataFile f : {DataFile::kTeacherGrids, DataFile::kClassGrids, DataFile::kRoomGrids}) {
      const Bytes image = DataFileImage(school, f);
      all.insert(all.end(), image.begin(), image.end());
    }
    return all;
  }

  // Chooses the command in the timetable grid's popup menu.
  static void Trigger(TOgrPrgForm& w, const char* command) {
    auto* menu = Child<QMenu>(&w, "GridPopup");
    const QList<QAction*> actions = menu->actions();
    const auto it = std::find_if(actions.begin(), actions.end(),
                                 [&](QAction* a) { return a->text() == U8(command); });
    ASSERT_NE(it, actions.end()) << command;
    (*it)->trigger();
  }

  // What the changed-teachers window showed when opened from the teacher window's
  // grid menu, closed by going to its first teacher or just closed.
  struct Changed {
    QStringList names;
    QStringList words;
  };
  Changed ShowChanged(TOgrPrgForm& w, bool go) {
    Changed seen;
    OnNextModal([&](QDialog* d) {
      seen.names = Child<ListGrid>(d, "TeGrid")->ColumnTexts(1);
      for (const char* label : {"Label1", "Label2", "Label3", "Label4"})
        seen.words << Child<QLabel>(d, label)->text();
      if (go)
        QTest::mouseClick(Child<QPushButton>(d, "GitBtn"), Qt::LeftButton);
      else
        d->reject();
    });
    Trigger(w, "DEĞİŞENLERİ GÖSTER");
    return seen;
  }

  // The changed-teachers window after a snapshot, printing into `prints`: first with
  // nothing changed since, then after CAN's Friday hour 5 went to 9 A. Each is shown in
  // turn to its check and hidden after it.
  void ChangedWindowBeforeAndAfterAChange(RecordingPrints& prints,
                                          const std::function<void(TDegisikForm&)>& unchanged,
                                          const std::function<void(TDegisikForm&)>& changed) {
    ASSERT_TRUE(TakeSnapshot(school).ok());
    AppContext with = context();
    with.printing = &prints;
    TDegisikForm before(with);
    Activate(&before);
    unchanged(before);
    before.hide();
    school.TeacherGridByNo(can)->occupant[CellIndex(5, 5) - 1] = static_cast<uint8_t>(a9);
    TDegisikForm after(with);
    Activate(&after);
    changed(after);
    after.hide();
  }

  int b9 = 0, chemistry = 0;
};

// The report counts each teacher's hours in each class, the runs count the teachers'
// hours: each count names its unit, and the report's F1 page tells the two apart.
TEST_F(ReportWindowsTest, TheTotalNamesItsUnitAndF1ExplainsIt) {
  TRaporForm report(context());
  Activate(&report);
  EXPECT_EQ(Child<QLabel>(&report, "ReportLabel")->text(), U8("TOPLAM = 10 sınıf ders saati"));
  QString shown;
  OnNextModal([&](QDialog* d) {
    shown = help.currentPage();
    d->reject();
  });
  Key(&report, Qt::Key_F1);
  EXPECT_EQ(shown, "yerlesmeyen");
  QFile page(":/help/yerlesmeyen.html");
  ASSERT_TRUE(page.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(page.readAll());
  EXPECT_TRUE(text.contains(U8("sınıf ders saati")) && text.contains(U8("öğretmen saati")));
  report.reject();
}

TEST_F(ReportWindowsTest, TeacherWindowGoesToTheReportRowChosen) {
  TimetableWindows windows(context(), nullptr);
  TOgrPrgForm& w = windows.teachers();
  Activate(&w);
  w.Select(ayse, a9, math);
  QString title, total, reasons, fix;
  QStringList names, lessons, remaining;
  bool goEnabled = false;
  CellPaint busy, free;
  // What the why-not grid and its texts show for the row, at Monday hour 1.
  const auto readRow = [&](QDialog* d, int row) {
    Child<ListGrid>(d, "Grid")->SelectRow(row);
    auto* why = Child<TimetableGrid>(d, "WhyNotGrid");
    why->SetCurrentCell(CellIndex(1, 1));
    busy = why->PaintAt(1, 1);
    free = why->PaintAt(2, 1);
    reasons = Child<QLabel>(d, "ReasonLabel")->text();
    fix = Child<QLabel>(d, "FixLabel")->text();
  };
  OnNextModal([&](QDialog* d) {
    title = d->windowTitle();
    total = Child<QLabel>(d, "ReportLabel")->text();
    auto* grid = Child<ListGrid>(d, "Grid");
    names = grid->ColumnTexts(3);
    lessons = grid->ColumnTexts(5);
    remaining = grid->ColumnTexts(6);
    goEnabled = Child<QPushButton>(d, "GitBtn")->isEnabled();
    readRow(d, 3);  // CAN's FİZİK
    QTest::mouseClick(Child<QPushButton>(d, "GitBtn"), Qt::LeftButton);
  });
  QTest::mouseClick(Child<QPushButton>(&w, "RaporBtn"), Qt::LeftButton);
  EXPECT_EQ(title, U8("YERLEŞMEYEN DERSLER"));
  EXPECT_EQ(total, U8("TOPLAM = 10 sınıf ders saati"));
  EXPECT_EQ(names, QStringList({U8("AYŞE"), U8("AYŞE"), U8("AYŞE"), "CAN"}));
  EXPECT_EQ(lessons, QStringList({U8("MATEMATİK"), U8("FİZİK"), U8("KİMYA"), U8("FİZİK")}));
  EXPECT_EQ(remaining, QStringList({"2", "3", "2", "3"}));
  EXPECT_TRUE(goEnabled);
  // FİZİK is AYŞE's as well: on Monday at 1 she and 9 A have MATEMATİK, two blockers.
  EXPECT_EQ(busy.cell, CellColor::kBlack);
  EXPECT_EQ(busy.text, "9");
  EXPECT_FALSE(busy.underline);
  EXPECT_TRUE(busy.focusRect);
  EXPECT_EQ(free.cell, CellColor::kLime);
  EXPECT_EQ(reasons, U8("Öğretmen dolu: AYŞE, 1. gün 1. saat (9 A MATEMATİK)\n"
                        "Sınıf dolu: 9 A, 1. gün 1. saat (MATEMATİK)"));
  const TimetableSelection after = w.selection();
  EXPECT_EQ(after.teacher, can);
  EXPECT_EQ(after.classNo, a9);
  EXPECT_EQ(after.lesson, physics);

  // AYŞE's KİMYA in 9 B: only she is in the way, and moving MATEMATİK is the fix.
  // Closed without choosing, the window stays where it is.
  OnNextModal([&](QDialog* d) {
    readRow(d, 2);
    QTest::mouseClick(Child<QPushButton>(d, "KapatBtn"), Qt::LeftButton);
  });
  w.OpenReport();
  EXPECT_EQ(busy.text, "9");
  EXPECT_TRUE(busy.underline);
  EXPECT_EQ(reasons, U8("Öğretmen dolu: AYŞE, 1. gün 1. saat (9 A MATEMATİK)"));
  EXPECT_EQ(fix, U8("En ucuz düzeltme: Dersi taşıyın: 9 A MATEMATİK, 1. gün 1. saat"));
  EXPECT_EQ(w.selection().teacher, can);
  EXPECT_EQ(w.selection().lesson, physics);
}

TEST_F(ReportWindowsTest, ClassWindowOpensTheReportWithF11) {
  TimetableWindows windows(context(), nullptr);
  TSnfPrgForm& c = windows.classes();
  Activate(&c);
  c.Select(can, a9, physics);
  OnNextModal([](QDialog* d) {
    Child<ListGrid>(d, "Grid")->SelectRow(2);  // AYŞE's KİMYA in 9 B
    QTest::mouseClick(Child<QPushButton>(d, "GitBtn"), Qt::LeftButton);
  });
  Key(&c, Qt::Key_F11);
  EXPECT_EQ(c.selection().teacher, ayse);
  EXPECT_EQ(c.selection().classNo, b9);
  EXPECT_EQ(c.selection().lesson, chemistry);
  c.hide();
}

TEST_F(ReportWindowsTest, TheLastHourPlacedLeavesOnlyTheTotal) {
  b.Place("9 A", "MATEMATİK", 2, 2, 1)
      .Place("9 A", "FİZİK", 2, 3, 1)
      .Place("9 A", "FİZİK", 1, 4, 1);
  b.Place("9 B", "KİMYA", 1, 1, 3);
  UseSchool(b.Build());
  {
    TRaporForm r(context());
    Activate(&r);
    EXPECT_EQ(Child<QLabel>(&r, "ReportLabel")->text(), U8("TOPLAM = 1 sınıf ders saati"));
    EXPECT_TRUE(Child<QPushButton>(&r, "GitBtn")->isEnabled());
    EXPECT_EQ(r.Chosen().lesson, chemistry);
    ASSERT_NE(r.SelectedWhyNot(), nullptr);
    EXPECT_EQ(r.SelectedWhyNot()->length, 1);
  }
  b.Place("9 B", "KİMYA", 1, 2, 3);
  UseSchool(b.Build());
  TRaporForm r(context());
  Activate(&r);
  EXPECT_EQ(Child<QLabel>(&r, "ReportLabel")->text(), U8("TOPLAM = 0 sınıf ders saati"));
  EXPECT_FALSE(Child<QPushButton>(&r, "GitBtn")->isEnabled());
  EXPECT_EQ(Child<ListGrid>(&r, "Grid")->FilledRows(), 0);
  EXPECT_EQ(Child<ListGrid>(&r, "Grid")->rowCount(), 1);  // one empty row under the header
  EXPECT_TRUE(r.Chosen().empty());
  EXPECT_EQ(r.SelectedWhyNot(), nullptr);
  EXPECT_EQ(Child<TimetableGrid>(&r, "WhyNotGrid")->PaintAt(1, 1).cell, CellColor::kButtonFace);
}

TEST_F(ReportWindowsTest, LessonNamesAndDayNamesShowWhole) {
  const QString longName = U8("ÇAĞDAŞ TÜRK VE DÜNYA TARİHİ");
  school.LessonByNo(chemistry)->name.assign(ToRecordText(longName));
  TRaporForm r(context());
  Activate(&r);
  auto* grid = Child<ListGrid>(&r, "Grid");
  ASSERT_TRUE(grid->ColumnTexts(5).contains(longName));
  EXPECT_FALSE(grid->wordWrap());
  EXPECT_GT(grid->columnWidth(5), grid->fontMetrics().horizontalAdvance(longName));
  auto* days = Child<TimetableGrid>(&r, "WhyNotGrid");
  QFont bold = days->font();
  bold.setBold(true);
  for (const char* day : {"CUMA", "ÇAR."})
    EXPECT_GT(days->columnWidth(0), QFontMetrics(bold).horizontalAdvance(U8(day)) + 2) << day;
  EXPECT_EQ(days->columnWidth(1), 35);  // the hours keep their narrow cells
}

TEST_F(ReportWindowsTest, ChangedTeachersSinceTheSnapshotAndItsRestore) {
  RecordingPrints prints;
  AppContext with = context();
  with.printing = &prints;
  TimetableWindows windows(with, nullptr);
  TOgrPrgForm& w = windows.teachers();
  Activate(&w);
  // Without a snapshot nobody is listed and the words are blank.
  Changed seen = ShowChanged(w, false);
  EXPECT_EQ(seen.names, QStringList());
  EXPECT_EQ(seen.words, QStringList({"", "", "", ""}));

  Trigger(w, "SAKLA");
  const Bytes taken = Grids();
  EXPECT_EQ(ShowChanged(w, false).names, QStringList());
  // AYŞE's KİMYA goes to Wednesday at 3: only AYŞE changed.
  w.Select(ayse, b9, chemistry);
  auto* grid = Child<TimetableGrid>(&w, "Grid");
  DoubleClick(grid, CellIndex(3, 3));
  ASSERT_EQ(school.ClassGridByNo(b9)->occupant[CellIndex(3, 3) - 1], chemistry);
  w.Select(can, a9, physics);
  seen = ShowChanged(w, true);
  EXPECT_EQ(seen.names, QStringList({U8("AYŞE")}));
  EXPECT_EQ(seen.words, QStringList({"1", U8("ÖĞRETMENİN"), "PROGRAMI", U8("DEĞİŞTİ")}));
  EXPECT_EQ(w.selection().teacher, ayse);  // gone to the listed teacher
  // FİZİK, taught by both, on Tuesday at 3: both changed, in teacher order.
  w.Select(can, a9, physics);
  DoubleClick(grid, CellIndex(2, 3));
  ASSERT_EQ(school.ClassGridByNo(a9)->occupant[CellIndex(2, 3) - 1], physics);
  seen = ShowChanged(w, false);
  EXPECT_EQ(seen.names, QStringList({U8("AYŞE"), "CAN"}));
  EXPECT_EQ(seen.words.front(), "2");
  EXPECT_EQ(w.selection().teacher, can);  // closed without going: stays
  OnNextModal([](QDialog* d) {
    QTest::mouseClick(Child<QPushButton>(d, "YazdirBtn"), Qt::LeftButton);
    d->reject();
  });
  Trigger(w, "DEĞİŞENLERİ GÖSTER");
  EXPECT_EQ(prints.printed, (std::vector<int>{ayse, can}));

  // Undone: every grid byte as the snapshot kept it,
  Trigger(w, "DEĞİŞİKLERİ GERİ AL");
  EXPECT_EQ(Grids(), taken);
  // and written to the timetable files.
  std::optional<Bytes> written;
  ASSERT_TRUE(ReadWholeFile(folder.path() / "DUDIZIRZ.LOF", written).ok());
  EXPECT_EQ(written, DataFileImage(school, DataFile::kTeacherGrids));
  EXPECT_EQ(ShowChanged(w, false).names, QStringList());
}

TEST_F(ReportWindowsTest, NothingToPrintWithoutAChangeOrAPrinter) {
  RecordingPrints prints;
  ChangedWindowBeforeAndAfterAChange(
      prints,
      [&](TDegisikForm& unchanged) {
        EXPECT_FALSE(Child<QPushButton>(&unchanged, "YazdirBtn")->isEnabled());
        EXPECT_EQ(unchanged.ChosenTeacher(), 0);
      },
      [&](TDegisikForm& changed) {
        EXPECT_TRUE(Child<QPushButton>(&changed, "YazdirBtn")->isEnabled());
        EXPECT_EQ(changed.ChosenTeacher(), can);
      });
  TDegisikForm noPrinter(context());
  Activate(&noPrinter);
  EXPECT_FALSE(Child<QPushButton>(&noPrinter, "YazdirBtn")->isEnabled());
}

// The keys each of the two windows lists in its key line do what the line says: Ctrl+P
// prints only when the print button would, Enter goes to the teacher chosen, Alt+Y
// leaves the report for the lesson chosen, Esc closes without going anywhere.
TEST_F(ReportWindowsTest, TheKeysTheReportAndChangedWindowsListAct) {
  RecordingPrints prints;
  ChangedWindowBeforeAndAfterAChange(
      prints,
      [&](TDegisikForm& unchanged) {
        Key(&unchanged, Qt::Key_P, Qt::ControlModifier);
        EXPECT_TRUE(prints.printed.empty());
      },
      [&](TDegisikForm& changed) {
        const QString keys = Child<KeyLine>(&changed, "KeyLine")->text();
        for (const char* shown : {"Enter", "Ctrl+P", "Esc"})
          EXPECT_TRUE(keys.contains(shown)) << shown;
        Key(&changed, Qt::Key_P, Qt::ControlModifier);
        EXPECT_EQ(prints.printed, (std::vector<int>{can}));
        Key(&changed, Qt::Key_Escape);
        EXPECT_EQ(changed.result(), QDialog::Rejected);
        Activate(&changed);
        Key(&changed, Qt::Key_Return);
        EXPECT_FALSE(changed.isVisible());
        EXPECT_EQ(changed.result(), QDialog::Accepted);
        EXPECT_EQ(changed.ChosenTeacher(), can);
      });

  TRaporForm report(context());
  Activate(&report);
  EXPECT_TRUE(Child<KeyLine>(&report, "KeyLine")->text().contains("Alt+Y"));
  Key(&report, Qt::Key_Escape);
  EXPECT_EQ(report.result(), QDialog::Rejected);
  Activate(&report);
  ASSERT_TRUE(Child<QPushButton>(&report, "GitBtn")->isEnabled());
  Key(&report, Qt::Key_Y, Qt::AltModifier);
  // A button's letter key presses it as a click does, after showing it pressed.
  EXPECT_TRUE(QTest::qWaitFor([&] { return !report.isVisible(); }, 2000));
  EXPECT_EQ(report.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace kalvodrin::testing
