// The duty windows driven as the user drives them: double clicks give duties, F7 and
// the delete buttons remove one after asking, "Temizle" clears them all; the places
// window keeps the whole typed name; the teacher window opens the distribution.
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QSpinBox>
#include <QTableWidget>

#include <functional>

#include "core/record_creation.h"
#include "duty/duties.h"
#include "duty/duty_places.h"
#include "gui/common/key_line.h"
#include "gui/common/window_registry.h"
#include "gui/duty/duty_chart_form.h"
#include "gui/duty/duty_forms.h"
#include "gui/duty/duty_place_forms.h"
#include "gui/duty/duty_proposal_form.h"
#include "gui/duty/duty_windows.h"
#include "gui/masterdata/master_data_windows.h"
#include "gui/masterdata/teacher_forms.h"
#include "window_fixture.h"

namespace kalvodrin::testing {
namespace {

class DutyWindow : public WindowFixture {
 protected:
  DutyWindow() {
    AddTeacher(school, 1, ToRecordText(U8("ALİ VELİ")), "", "", "");
    AddTeacher(school, 2, ToRecordText(U8("AYŞE IŞIK")), "", "", "");
    NewTeacherGrid(school, 1);
    NewTeacherGrid(school, 2);
    school.ReindexTeachers();
    school.ReindexTeacherGrids();
    SaveNewDutyPlace(school, ToRecordText(U8("BAHÇE")));
    SaveNewDutyPlace(school, ToRecordText(U8("KORİDOR")));
    school.Settings.weekdaysOnly = 0;
    EXPECT_TRUE(SaveFiles(school, FileSet::All()).ok());
  }

  static void DoubleClick(ListGrid* grid, int row, int column) {
    grid->setFocus();
    const QRect cell = grid->visualItemRect(grid->item(row, column));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
  }
};

TEST_F(DutyWindow, GiveByDoubleClickRemoveAfterAskingAndClearAll) {
  TNobetVerForm form(context());
  Activate(&form);
  EXPECT_EQ(form.windowTitle(), U8("ÖĞRETMENLERE NÖBET DAĞITIMI"));
  EXPECT_EQ(form.gunGrid()->FilledRows(), 7);
  EXPECT_EQ(form.findChild<QLabel*>("Label3")->text(), U8("ALİ VELİ  - NÖBET GÜNLERİ"));
  form.yerGrid()->SelectRow(1);       // KORİDOR
  DoubleClick(form.gunGrid(), 2, 0);  // ÇARŞAMBA
  DoubleClick(form.gunGrid(), 2, 0);  // the same duty again is ignored
  School disk = OnDisk();
  ASSERT_EQ(disk.Duties.size(), 1u);
  EXPECT_EQ(disk.DutyPlaceByNo(2)->perDay[2], 1);
  EXPECT_EQ(form.nobetGrid()->ColumnTexts(4), QStringList{U8("KORİDOR")});
  EXPECT_EQ(form.varGrid()->ColumnTexts(3), QStringList{U8("ALİ VELİ")});

  form.teacherGrid()->SelectRow(1);  // AYŞE IŞIK, at the same place and day
  DoubleClick(form.yerGrid(), 1, 1);
  EXPECT_EQ(form.varGrid()->ColumnTexts(3), (QStringList{U8("ALİ VELİ"), U8("AYŞE IŞIK")}));
  EXPECT_EQ(form.gunGrid()->ColumnTexts(1)[2], "2");
  EXPECT_EQ(OnDisk().DutyPlaceByNo(2)->perDay[2], 2);

  // The delete buttons follow the focus; F7 removes from the grid holding it.
  auto* delBtn = Child<QPushButton>(&form, "DelBtn");
  auto* del2Btn = Child<QPushButton>(&form, "Del2Btn");
  EnsureActive(&form);
  form.varGrid()->setFocus();
  EXPECT_TRUE(del2Btn->isEnabled());
  EXPECT_FALSE(delBtn->isEnabled());
  form.varGrid()->SelectRow(0);
  AnswerNextConfirmation(false);
  Key(&form, Qt::Key_F7);
  EXPECT_EQ(OnDisk().Duties.size(), 2u);  // cancelled
  EXPECT_EQ(lastMessage,
            U8("ALİ VELİ adındaki öğretmenden ÇARŞAMBA günü, KORİDOR nöbeti silinecek !"));
  EnsureActive(&form);
  form.nobetGrid()->setFocus();
  EXPECT_TRUE(delBtn->isEnabled());
  EXPECT_FALSE(del2Btn->isEnabled());
  form.nobetGrid()->SelectRow(0);
  AnswerNextConfirmation(true);
  QTest::mouseClick(delBtn, Qt::LeftButton);
  disk = OnDisk();
  ASSERT_EQ(disk.Duties.size(), 1u);
  EXPECT_EQ(disk.Duties[0].teacher, 1);
  EXPECT_EQ(disk.DutyPlaceByNo(2)->perDay[2], 1);
  EXPECT_EQ(form.nobetGrid()->FilledRows(), 0);
  EXPECT_FALSE(delBtn->isEnabled());
  EnsureActive(&form);
  form.teacherGrid()->setFocus();
  EXPECT_FALSE(del2Btn->isEnabled());

  form.teacherGrid()->SelectRow(0);
  form.yerGrid()->SelectRow(0);
  DoubleClick(form.gunGrid(), 5, 0);  // a Saturday duty at BAHÇE
  AnswerNextConfirmation(true);
  QTest::mouseClick(Child<QPushButton>(&form, "TemizleBtn"), Qt::LeftButton);
  EXPECT_EQ(lastMessage, U8("Öğretmenlere vermiş olduğunuz bütün nöbetler silinecek ?"));
  disk = OnDisk();
  EXPECT_TRUE(disk.Duties.empty());
  for (const TDutyPlaceRec& p : disk.DutyPlaces) EXPECT_EQ(p.perDay, (std::array<uint8_t, 7>{}));
  EXPECT_EQ(form.varGrid()->FilledRows(), 0);
  EXPECT_EQ(form.gunGrid()->ColumnTexts(1)[5], "0");
}

TEST_F(DutyWindow, EnterOutsideTheGridsPressesNoButton) {
  TNobetVerForm form(context());
  Activate(&form);
  DoubleClick(form.gunGrid(), 0, 0);
  EnsureActive(&form);
  form.nobetGrid()->setFocus();  // enables "Sil"
  auto* weekdays = Child<QCheckBox>(&form, "CheckBox1");
  weekdays->setFocus();
  ModalCounter asked;
  QTest::keyClick(weekdays, Qt::Key_Return);
  QTest::qWait(50);
  EXPECT_EQ(asked.count(), 0);
  EXPECT_TRUE(form.isVisible());
  EXPECT_EQ(OnDisk().Duties.size(), 1u);
}

TEST_F(DutyWindow, WeekdaysOnlyOffersFiveDaysAndKeepsAWeekendDuty) {
  GiveDuty(school, 1, 6, 1);
  TNobetVerForm form(context());
  Activate(&form);
  QTest::mouseClick(Child<QCheckBox>(&form, "CheckBox1"), Qt::LeftButton);
  EXPECT_EQ(OnDisk().Settings.weekdaysOnly, 1);
  EXPECT_EQ(form.gunGrid()->FilledRows(), 5);
  EXPECT_EQ(form.nobetGrid()->ColumnTexts(3), QStringList{U8("CUMARTESİ")});
}

// With Saturday selected, ticking "Yalnız Hafta İçi" moves the day to Friday: the
// teachers on duty shown are Friday's, not Saturday's.
TEST_F(DutyWindow, WeekdaysOnlyShowsTheTeachersOfTheDayNowSelected) {
  GiveDuty(school, 1, 6, 1);  // ALİ VELİ at BAHÇE on Saturday
  GiveDuty(school, 1, 5, 2);  // AYŞE IŞIK there on Friday
  TNobetVerForm form(context());
  Activate(&form);
  auto* days = form.gunGrid();
  const QRect saturday = days->visualItemRect(days->item(5, 0));
  QTest::mouseClick(days->viewport(), Qt::LeftButton, {}, saturday.center());
  ASSERT_EQ(form.findChild<ListGrid*>("VarGrid")->ColumnTexts(3), QStringList{U8("ALİ VELİ")});
  QTest::mouseClick(Child<QCheckBox>(&form, "CheckBox1"), Qt::LeftButton);
  EXPECT_EQ(days->SelectedRow(), 4);
  EXPECT_EQ(form.findChild<ListGrid*>("VarGrid")->ColumnTexts(3), QStringList{U8("AYŞE IŞIK")});
}

TEST_F(DutyWindow, ChartShowsTotalsAndTheSelectedPlacesTeachers) {
  GiveDuty(school, 2, 1, 2);
  GiveDuty(school, 2, 1, 1);
  GiveDuty(school, 2, 5, 1);
  TNobetVerForm form(context());
  Activate(&form);
  form.yerGrid()->SelectRow(1);
  OnNextModal([](QDialog* d) {
    auto* chart = qobject_cast<TBosYerForm*>(d);
    ASSERT_NE(chart, nullptr);
    EXPECT_EQ(chart->grid()->SelectedNumber(), 2);
    EXPECT_EQ(chart->grid()->ColumnTexts(2), (QStringList{"0", "3"}));
    EXPECT_EQ(chart->grid()->ColumnTexts(3), (QStringList{"0", "2"}));
    EXPECT_EQ(chart->dayList(1)->count(), 2);
    EXPECT_EQ(chart->dayList(1)->item(0)->text(), U8("AYŞE IŞIK"));
    chart->grid()->SelectRow(0);
    EXPECT_EQ(chart->dayList(1)->count(), 0);
    d->close();
  });
  QTest::mouseClick(Child<QPushButton>(&form, "CizelgeBtn"), Qt::LeftButton);
}

TEST_F(DutyWindow, PlacesWindowKeepsTheWholeTypedName) {
  TNobetForm form(context());
  Activate(&form);
  EXPECT_EQ(form.windowTitle(), U8("NÖBET YERLERİ"));
  Type(&form, "Edit1", U8("spor salonu ön kapısı"));  // 21 characters
  Key(&form, Qt::Key_F4);
  Type(&form, "Edit1", U8("ikinci kat öğretmenler odası önü"));  // the box takes 25
  Key(&form, Qt::Key_F4);
  const School disk = OnDisk();
  ASSERT_EQ(disk.DutyPlaces.size(), 4u);
  EXPECT_EQ(FromCp1254(disk.DutyPlaces[2].name.view()), U8("SPOR SALONU ÖN KAPISI"));
  EXPECT_EQ(FromCp1254(disk.DutyPlaces[3].name.view()), U8("İKİNCİ KAT ÖĞRETMENLER OD"));
  GridOf(&form)->SelectRow(0);
  AnswerNextConfirmation(true);
  Key(&form, Qt::Key_F7);
  EXPECT_EQ(lastMessage, U8("BAHÇE Nöbet Yeri silinecek !"));
  EXPECT_EQ(OnDisk().DutyPlaces.size(), 3u);
}

TEST_F(DutyWindow, ProposalIsStoredOnlyWhenAccepted) {
  for (int t = 1; t <= 2; ++t)
    for (int cell : {1, 17, 33, 49, 65}) school.TeacherGridByNo(t)->occupant[cell - 1] = 1;
  TNobetOneriForm form(context());
  form.Prepare();
  Activate(&form);
  auto* perSlot = Child<QSpinBox>(&form, "KisiSpin");
  perSlot->setFocus();
  QTest::keyClick(perSlot, Qt::Key_Return);  // Enter proposes, and proposes again
  EXPECT_EQ(form.proposal().duties.size(), 10u);
  QTest::keyClick(perSlot, Qt::Key_Return);
  EXPECT_TRUE(OnDisk().Duties.empty());
  EXPECT_TRUE(form.isVisible());
  QTest::mouseClick(Child<QPushButton>(&form, "KabulBtn"), Qt::LeftButton);
  EXPECT_EQ(OnDisk().Duties.size(), 10u);
  EXPECT_EQ(form.result(), QDialog::Accepted);
}

// A proposal answers the choices it was made from: a place, a day, the count or a
// weight changed afterwards takes it back, and "Kabul Et" waits for a new one.
TEST_F(DutyWindow, ChangedChoicesTakeTheProposalBack) {
  for (int t = 1; t <= 2; ++t)
    for (int cell : {1, 17, 33, 49, 65}) school.TeacherGridByNo(t)->occupant[cell - 1] = 1;
  TNobetOneriForm form(context());
  form.Prepare();
  Activate(&form);
  auto* kabul = Child<QPushButton>(&form, "KabulBtn");
  auto* oner = Child<QPushButton>(&form, "OnerBtn");
  auto* places = Child<QListWidget>(&form, "YerList");
  auto* days = Child<QListWidget>(&form, "GunList");
  auto* weights = Child<QTableWidget>(&form, "AgirlikGrid");
  const std::vector<std::function<void()>> changes = {
      [&] { places->item(1)->setCheckState(Qt::Unchecked); },
      [&] { days->item(0)->setCheckState(Qt::Unchecked); },
      [&] { Child<QSpinBox>(&form, "KisiSpin")->setValue(2); },
      [&] { qobject_cast<QSpinBox*>(weights->cellWidget(0, 1))->setValue(0); },
  };
  for (std::size_t k = 0; k < changes.size(); ++k) {
    QTest::mouseClick(oner, Qt::LeftButton);
    ASSERT_TRUE(kabul->isEnabled()) << k;
    changes[k]();
    EXPECT_FALSE(kabul->isEnabled()) << k;
    EXPECT_TRUE(form.proposal().duties.empty()) << k;
    EXPECT_EQ(form.findChild<ListGrid*>("OneriGrid")->FilledRows(), 0) << k;
  }
  // Proposed again: BAHÇE only, Tuesday to Friday, two teachers a day, AYŞE alone.
  QTest::mouseClick(oner, Qt::LeftButton);
  QTest::mouseClick(kabul, Qt::LeftButton);
  const School disk = OnDisk();
  EXPECT_EQ(disk.Duties.size(), form.proposal().duties.size());
  for (const TDutyRec& d : disk.Duties) {
    EXPECT_EQ(d.place, 1);
    EXPECT_NE(d.day, 1);
    EXPECT_EQ(d.teacher, 2);
  }
}

// From the keyboard the window is walked top to bottom: the places, the days, each
// teacher's weight box, the count, then "Öner"; the names between are not stops.
TEST_F(DutyWindow, TabWalksThePlacesDaysEachWeightAndTheCountToPropose) {
  TNobetOneriForm form(context());
  form.Prepare();
  Activate(&form);
  auto* weights = Child<QTableWidget>(&form, "AgirlikGrid");
  Child<QListWidget>(&form, "YerList")->setFocus(Qt::TabFocusReason);
  const std::vector<QWidget*> stops = {
      Child<QListWidget>(&form, "GunList"), weights->cellWidget(0, 1), weights->cellWidget(1, 1),
      Child<QSpinBox>(&form, "KisiSpin"), Child<QPushButton>(&form, "OnerBtn")};
  for (QWidget* stop : stops) {
    Key(&form, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), stop) << stop->objectName().toStdString();
  }
  Key(&form, Qt::Key_Space);  // proposes: the summary line tells what came of it
  EXPECT_TRUE(Child<QLabel>(&form, "OzetLabel")->text().startsWith(U8("Önerilen nöbet")));
  form.reject();
}

TEST_F(DutyWindow, ProposalShowsEachTeachersTotalItsHelpAndWhyDaysMayStayEmpty) {
  // Ali teaches Monday only and has a duty already; Ayşe teaches Monday to Friday.
  school.TeacherGridByNo(1)->occupant[0] = 1;
  for (int cell : {1, 17, 33, 49, 65}) school.TeacherGridByNo(2)->occupant[cell - 1] = 1;
  school.Duties.push_back({1, 3, 1});
  TNobetOneriForm form(context());
  form.Prepare();
  Activate(&form);
  EXPECT_TRUE(Child<QLabel>(&form, "NotLabel")->text().contains(U8("yerleşmiş dersi")));
  auto* weights = Child<QTableWidget>(&form, "AgirlikGrid");
  ASSERT_EQ(weights->columnCount(), 3);
  EXPECT_EQ(weights->horizontalHeaderItem(2)->text(), "TOPLAM");
  EXPECT_EQ(weights->item(0, 2)->text(), "1");  // the duty given before
  EXPECT_EQ(weights->item(1, 2)->text(), "0");
  QTest::mouseClick(Child<QPushButton>(&form, "OnerBtn"), Qt::LeftButton);
  int proposedAli = 0;
  for (const ProposedDuty& d : form.proposal().duties) proposedAli += d.teacher == 1 ? 1 : 0;
  EXPECT_EQ(weights->item(0, 2)->text(), QString::number(1 + proposedAli));
  EXPECT_EQ(weights->item(1, 2)->text(),
            QString::number(static_cast<int>(form.proposal().duties.size()) - proposedAli));
  EXPECT_TRUE(HelpPageExists("nobet_onerisi"));
  QString page;
  OnNextModal([&](QDialog* d) {
    page = help.currentPage();
    d->reject();
  });
  Key(&form, Qt::Key_F1);
  EXPECT_EQ(page, "nobet_onerisi");
  form.reject();
}

// "NÖBET YERLERİ", "GÜNLER", "KORİDOR", "ALİ VELİ": the dots over the capitals stay
// whole in the labels and list rows of the proposal and of the chart, and the chart's
// key line prints with Ctrl+P as its button does.
TEST_F(DutyWindow, CapitalsKeepTheirMarksAndTheChartPrintsWithCtrlP) {
  TNobetOneriForm form(context());
  form.Prepare();
  Activate(&form);
  EXPECT_EQ(LabelsCutAtTheTop(&form), "");
  for (QListWidget* list : form.findChildren<QListWidget*>())
    EXPECT_EQ(RowsCutAtTheTop(list), "") << list->objectName().toStdString();
  form.reject();

  GiveDuty(school, 1, 1, 1);
  GiveDuty(school, 1, 1, 2);
  TNobetVerForm duties(context());
  Activate(&duties);
  duties.yerGrid()->SelectRow(0);
  int printed = 0;
  QString keys;
  OnNextModal([&](QDialog* d) {
    auto* chart = qobject_cast<TBosYerForm*>(d);
    ASSERT_NE(chart, nullptr);
    EXPECT_EQ(LabelsCutAtTheTop(chart), "");
    EXPECT_EQ(chart->dayList(1)->count(), 2);
    EXPECT_EQ(RowsCutAtTheTop(chart->dayList(1)), "");
    keys = Child<KeyLine>(chart, "KeyLine")->text();
    chart->SetPrinter([&printed] { ++printed; });
    Key(chart, Qt::Key_P, Qt::ControlModifier);
    Key(chart, Qt::Key_Escape);
  });
  QTest::mouseClick(Child<QPushButton>(&duties, "CizelgeBtn"), Qt::LeftButton);
  EXPECT_TRUE(keys.contains("Ctrl+P"));
  EXPECT_EQ(printed, 1);
}

class Registry : public WindowRegistry {
 public:
  void SetOpener(MainMenuItem, WindowOpener) override {}
};

TEST_F(DutyWindow, TheTeacherWindowOpensTheDistributionThroughTheRegistry) {
  Registry registry;
  EXPECT_FALSE(registry.OpenLinked(LinkedWindow::kTeacherDuties, 1));
  MasterDataWindows masterData(context(), nullptr);
  DutyWindows duty(context(), nullptr);
  masterData.Register(registry);
  duty.Register(registry);
  ASSERT_TRUE(masterData.teachers().nobetBtn()->isEnabled());
  int selected = 0;
  auto selectedTeacher = [&](QDialog* d) {
    selected = qobject_cast<TNobetVerForm*>(d)->teacherGrid()->SelectedNumber();
    d->close();
  };
  OnNextModal(selectedTeacher);
  EXPECT_TRUE(registry.OpenLinked(LinkedWindow::kTeacherDuties, 2));
  EXPECT_EQ(selected, 2);
  OnNextModal(selectedTeacher);  // the teacher window hands over none: 2 stays
  QTest::mouseClick(masterData.teachers().nobetBtn(), Qt::LeftButton);
  EXPECT_EQ(selected, 2);
}

}  // namespace
}  // namespace kalvodrin::testing
