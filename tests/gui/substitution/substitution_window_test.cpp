// The substitution window driven with the mouse: two absences ticked (one for some
// hours only), a proposal, one substitute changed, the plan saved into the term record
// and the sheet written as PDF; the teachers free at an hour printed and written as PDF.
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QStyleOptionViewItem>
#include <QTableWidget>

#include "core/substitution_record.h"
#include "gui/common/key_line.h"
#include "gui/common/print_requests.h"
#include "gui/substitution/substitution_form.h"
#include "substitution/plan_texts.h"
#include "substitution_school.h"
#include "window_fixture.h"

namespace kalvodrin::testing {
namespace {

class SubstitutionWindow : public WindowFixture {
 protected:
  SubstitutionWindow() {
    UseSchool(SubstitutionSchool(b));
    EXPECT_TRUE(SaveFiles(school, FileSet::All()).ok());
  }
  int No(const char* name) const { return b.TeacherNo(name); }
  static QPoint CellCentre(QTableWidget* grid, int row, int column) {
    return grid->visualItemRect(grid->item(row, column)).center();
  }
  // The teacher's row of the absence list.
  static int RowOf(QTableWidget* grid, const QString& name) {
    for (int r = 0; r < grid->rowCount(); ++r)
      if (grid->item(r, 0)->text() == name) return r;
    return -1;
  }

  SchoolBuilder b;
};

TEST_F(SubstitutionWindow, TwoAbsencesProposedOneChangedSavedAndPrinted) {
  TGorevlendirmeForm form(context());
  ASSERT_TRUE(form.Prepare());
  Activate(&form);
  EXPECT_EQ(form.windowTitle(), U8("DERS GÖREVLENDİRME"));
  form.tarihEdit()->setDate(QDate(2026, 12, 7));  // a Monday

  QTableWidget* absent = form.gelmeyenGrid();
  const int ali = RowOf(absent, U8("ALİ KAYA"));
  const int berk = RowOf(absent, U8("BERK ŞAHİN"));
  ASSERT_GE(ali, 0);
  ASSERT_GE(berk, 0);
  for (int row : {ali, berk}) {
    QStyleOptionViewItem option;
    option.initFrom(absent->viewport());
    option.rect = absent->visualItemRect(absent->item(row, 0));
    option.features |= QStyleOptionViewItem::HasCheckIndicator;
    const QRect box =
        absent->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, absent);
    QTest::mouseClick(absent->viewport(), Qt::LeftButton, {}, box.center());
    EXPECT_EQ(absent->item(row, 0)->checkState(), Qt::Checked);
  }
  // BERK ŞAHİN is away at hour 3 only: typed into his hours cell.
  QTest::mouseClick(absent->viewport(), Qt::LeftButton, {}, CellCentre(absent, berk, 1));
  QTest::mouseDClick(absent->viewport(), Qt::LeftButton, {}, CellCentre(absent, berk, 1));
  QApplication::processEvents();
  auto* editor = absent->viewport()->findChild<QLineEdit*>();
  ASSERT_NE(editor, nullptr);
  TypeText(editor, "3");
  QTest::keyClick(editor, Qt::Key_Return);
  QApplication::processEvents();
  EXPECT_EQ(absent->item(berk, 1)->text(), "3");

  QTest::mouseClick(Child<QPushButton>(&form, "OnerBtn"), Qt::LeftButton);
  const DayPlan& plan = form.plan();
  ASSERT_EQ(plan.rows.size(), 3u);  // ALİ at 1 and 2, BERK at 3
  EXPECT_EQ(plan.rows[2].lesson.hour, 3);
  EXPECT_EQ(plan.Covered(), 3);
  // ÇAĞLA ÖZ is on duty and teaches TARİH: she heads the list of ALİ's hours. The day
  // gives her one of them; BERK ŞAHİN, in the building from hour 2, takes hour 1.
  EXPECT_EQ(plan.rows[0].candidates.front().teacher, No("ÇAĞLA ÖZ"));
  EXPECT_EQ(plan.rows[1].substitute, No("ÇAĞLA ÖZ"));
  EXPECT_EQ(plan.rows[0].substitute, No("BERK ŞAHİN"));
  EXPECT_EQ(form.planGrid()->rowCount(), 3);

  // The first hour goes to the next candidate, chosen in its box.
  auto* box = form.planGrid()->findChild<QComboBox*>("GorevliBox0");
  ASSERT_NE(box, nullptr);
  box->setFocus();
  QTest::keyClick(box, Qt::Key_Down);
  const int chosen = form.plan().rows[0].substitute;
  EXPECT_EQ(chosen, No("DERYA İNAN"));  // the next in the list after BERK ŞAHİN
  EXPECT_NE(chosen, 0);
  EXPECT_TRUE(form.plan().rows[0].fixed);

  QTest::mouseClick(Child<QPushButton>(&form, "KaydetBtn"), Qt::LeftButton);
  SubstitutionRecord saved;
  ASSERT_TRUE(LoadSubstitutionRecord(folder.path(), context().Disk(), saved).ok());
  ASSERT_EQ(saved.entries.size(), 3u);
  EXPECT_EQ(saved.entries[0].substitute, chosen);
  EXPECT_EQ(saved.entries[0].date, (SchoolDate{2026, 12, 7}));

  // The saved plan gives its teachers hour 1: the free list leaves them out.
  EXPECT_EQ(
      form.findChild<QListWidget*>("BosList")
          ->findItems(QString::fromStdString(saved.entries[0].substituteName), Qt::MatchStartsWith)
          .size(),
      0);

  const std::filesystem::path pdf = folder.path() / "gorevlendirme.pdf";
  form.choosePdfFile = [&] { return pdf; };
  QTest::mouseClick(Child<QPushButton>(&form, "PdfBtn"), Qt::LeftButton);
  ASSERT_TRUE(std::filesystem::exists(pdf));
  EXPECT_GT(std::filesystem::file_size(pdf), 500u);
  form.close();
}

TEST_F(SubstitutionWindow, BadHoursAreRefusedAndChangeNothing) {
  TGorevlendirmeForm form(context());
  ASSERT_TRUE(form.Prepare());
  form.tarihEdit()->setDate(QDate(2026, 12, 7));
  QTableWidget* absent = form.gelmeyenGrid();
  const int ali = RowOf(absent, U8("ALİ KAYA"));
  absent->item(ali, 0)->setCheckState(Qt::Checked);
  absent->item(ali, 1)->setText("0-2");
  OnNextModal([this](QDialog* d) {
    lastMessage = MessageText(d);
    d->accept();
  });
  form.OnerBtnClick();
  EXPECT_TRUE(lastMessage.contains(U8("saatler 1..16")));
  EXPECT_TRUE(form.plan().rows.empty());
}

// Keeps the free-teacher list the window hands to the printer.
class FreeListPrints : public PrintRequests {
 public:
  bool PrintFromTimetableWindow(TimetableView, int) override { return false; }
  bool PrintTeacherList() override { return false; }
  bool PrintDutyChart() override { return false; }
  bool PrintTeacherTimetables(const std::vector<int>&) override { return false; }
  bool PrintFreeTeachers(const FreeTeachersSheet& sheet) override {
    printed.push_back(sheet);
    return true;
  }
  bool PrintSubstitutionSheet(const SubstitutionSheet&) override {
    ++sheets;
    return true;
  }
  void OpenPrinterSettings() override {}
  std::vector<FreeTeachersSheet> printed;
  int sheets = 0;
};

// The list printed is the list on screen, the proposal on screen counted: ALİ KAYA is
// away and the teacher given his first hour is no longer free then.
TEST_F(SubstitutionWindow, FreeTeachersArePrintedAsListedAndWrittenAsPdf) {
  FreeListPrints prints;
  AppContext c = context();
  c.printing = &prints;
  TGorevlendirmeForm form(c);
  ASSERT_TRUE(form.Prepare());
  Activate(&form);
  form.tarihEdit()->setDate(QDate(2026, 12, 7));
  Child<QSpinBox>(&form, "BosSaatSpin")->setValue(1);
  auto* list = Child<QListWidget>(&form, "BosList");
  const int freeBefore = list->count();
  QTableWidget* absent = form.gelmeyenGrid();
  absent->item(RowOf(absent, U8("ALİ KAYA")), 0)->setCheckState(Qt::Checked);
  QTest::mouseClick(Child<QPushButton>(&form, "OnerBtn"), Qt::LeftButton);
  const int substitute = form.plan().rows.at(0).substitute;
  ASSERT_NE(substitute, 0);
  ASSERT_EQ(list->count(), freeBefore - 1);

  QTest::mouseClick(Child<QPushButton>(&form, "BosYazdirBtn"), Qt::LeftButton);
  ASSERT_EQ(prints.printed.size(), 1u);
  const FreeTeachersSheet& sheet = prints.printed.front();
  EXPECT_EQ(sheet.date, "07.12.2026");
  EXPECT_EQ(sheet.dayName, "PAZARTESİ");
  EXPECT_EQ(sheet.hour, 1);
  ASSERT_EQ(static_cast<int>(sheet.rows.size()), list->count());
  for (int r = 0; r < list->count(); ++r)
    EXPECT_TRUE(
        list->item(r)->text().startsWith(U8(sheet.rows[static_cast<std::size_t>(r)].teacher)))
        << r;
  for (const FreeTeachersRow& row : sheet.rows) {
    EXPECT_NE(row.teacher, "ALİ KAYA");
    EXPECT_NE(row.teacher, TeacherNameOf(school, substitute));
  }

  const std::filesystem::path pdf = folder.path() / "bos.pdf";
  form.choosePdfFile = [&] { return pdf; };
  QTest::mouseClick(Child<QPushButton>(&form, "BosPdfBtn"), Qt::LeftButton);
  ASSERT_TRUE(std::filesystem::exists(pdf));
  EXPECT_GT(std::filesystem::file_size(pdf), 500u);
  // Ctrl+P, listed in the key line, prints the plan as "Yazdır" does; the free list
  // stays printed once.
  EXPECT_TRUE(Child<KeyLine>(&form, "KeyLine")->text().contains("Ctrl+P"));
  Key(&form, Qt::Key_P, Qt::ControlModifier);
  EXPECT_EQ(prints.sheets, 1);
  EXPECT_EQ(prints.printed.size(), 1u);
  form.close();
}

}  // namespace
}  // namespace kalvodrin::testing
