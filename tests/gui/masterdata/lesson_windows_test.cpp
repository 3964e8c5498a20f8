// The lesson pool and lesson group windows driven by keys: type a record, F2, search,
// Enter to edit, F5 to delete with the confirmation; the school and the files follow.
#include <QComboBox>
#include <QLabel>

#include "core/record_creation.h"
#include "gui/masterdata/lesson_forms.h"
#include "gui/masterdata/lesson_group_forms.h"
#include "window_fixture.h"

namespace kalvodrin::testing {
namespace {

using LessonWindows = WindowFixture;

QStringList PoolNames(const School& school) {
  QStringList names;
  for (const TLessonRec& l : school.Lessons) names << FromCp1254(l.name.view());
  return names;
}

void NewLesson(QWidget* form, const QString& name, const QString& shortName,
               const QString& hours, const QString& pattern) {
  Type(form, "Edit1", name);
  Type(form, "Edit2", shortName);
  Type(form, "Edit3", hours);
  Type(form, "Edit4", pattern);
  Key(form, Qt::Key_F2);
}

TEST_F(LessonWindows, PoolByKeyboardFromEmptyToEmpty) {
  TDerslerForm form(context());
  Activate(&form);
  ListGrid* grid = GridOf(&form);
  EXPECT_EQ(form.windowTitle(), U8("DERS HAVUZU"));
  EXPECT_FALSE(grid->isEnabled());
  EXPECT_EQ(Child<QLabel>(&form, "CountLabel")->text(), "0");
  EXPECT_FALSE(Child<QPushButton>(&form, "DuzeltBtn")->isEnabled());
  EXPECT_FALSE(Child<QPushButton>(&form, "SilBtn")->isEnabled());
  EXPECT_TRUE(Child(&form, "Edit1")->hasFocus());

  // An increasing pattern keeps the save button off and F2 does nothing.
  Type(&form, "Edit1", "matematik");
  Type(&form, "Edit2", "mat");
  Type(&form, "Edit3", "4a");  // the letter is not taken
  Type(&form, "Edit4", "1+3x");
  EXPECT_EQ(Child(&form, "Edit3")->text(), "4");
  EXPECT_FALSE(Child<QPushButton>(&form, "KaydetBtn")->isEnabled());
  Key(&form, Qt::Key_F2);
  EXPECT_TRUE(school.Lessons.empty());
  Type(&form, "Edit4", "2+2");
  EXPECT_TRUE(Child<QPushButton>(&form, "KaydetBtn")->isEnabled());
  Key(&form, Qt::Key_F2);
  EXPECT_EQ(PoolNames(OnDisk()), QStringList{U8("MATEMATİK")});
  EXPECT_TRUE(Child(&form, "Edit1")->text().isEmpty());
  EXPECT_TRUE(Child(&form, "Edit1")->hasFocus());

  NewLesson(&form, U8("çevre"), U8("çev"), "2", "2");
  NewLesson(&form, "din", "din", "2", "1+1");
  const QStringList sorted{U8("ÇEVRE"), U8("DİN"), U8("MATEMATİK")};
  EXPECT_EQ(Column(&form, 1), sorted);
  EXPECT_EQ(PoolNames(OnDisk()), sorted);
  EXPECT_EQ(Column(&form, 4), (QStringList{"2", "1+1", "2+2"}));
  EXPECT_EQ(Child<QLabel>(&form, "CountLabel")->text(), "3");

  // Search for DİN, back to the grid, Enter edits it.
  grid->setFocus();
  grid->SelectRow(0);
  TypeText(grid, "d");
  EXPECT_EQ(grid->SelectedRow(), 1);
  Key(&form, Qt::Key_Return);
  ASSERT_TRUE(grid->hasFocus());
  OnNextModal([](QDialog* d) {
    EXPECT_EQ(d->windowTitle(), U8("DERS DÜZELTME"));
    EXPECT_EQ(Child(d, "Edit4")->text(), "1+1");
    EXPECT_EQ(Child(d, "Edit5")->text(), "H");
    Type(d, "Edit3", "3");
    EXPECT_FALSE(Child<QPushButton>(d, "KaydetBtn")->isEnabled());  // 1+1 is not 3
    Type(d, "Edit4", "2+1");
    Child(d, "Edit5")->setFocus();
    TypeText(Child(d, "Edit5"), "e");  // replaces the H
    Type(d, "Edit6", "5");
    Key(d, Qt::Key_Return);  // on to Edit7
    Key(d, Qt::Key_Return);  // on to Edit4, the last box
    Key(d, Qt::Key_Return);  // saves
  });
  Key(&form, Qt::Key_Return);
  const School disk = OnDisk();
  const TLessonRec* din = disk.LessonByNo(3);
  ASSERT_NE(din, nullptr);
  EXPECT_EQ(din->weeklyHours, 3);
  EXPECT_EQ(din->pattern, (PatternBytes{2, 1, 0, 0, 0}));
  EXPECT_EQ(din->divisible, 1);
  EXPECT_EQ(din->notAtHour, 5);
  EXPECT_EQ(grid->SelectedRow(), 1);
  EXPECT_EQ(Column(&form, 3)[1], "3");

  // F5 on ÇEVRE: cancel keeps it, TAMAM deletes it; the row index stays.
  grid->SelectRow(0);
  AnswerNextConfirmation(false);
  Key(&form, Qt::Key_F5);
  EXPECT_EQ(lastMessage, U8("ÇEVRE Dersi silinecek !"));
  EXPECT_EQ(school.Lessons.size(), 3u);
  AnswerNextConfirmation(true);
  Key(&form, Qt::Key_F5);
  EXPECT_EQ(PoolNames(OnDisk()), (QStringList{U8("DİN"), U8("MATEMATİK")}));
  EXPECT_EQ(grid->SelectedRow(), 0);
  // The last row: the new last row is selected; then the only one; then nothing.
  grid->SelectRow(1);
  AnswerNextConfirmation(true);
  Key(&form, Qt::Key_F5);
  EXPECT_EQ(grid->SelectedRow(), 0);
  AnswerNextConfirmation(true);
  Key(&form, Qt::Key_F5);
  EXPECT_TRUE(OnDisk().Lessons.empty());
  EXPECT_FALSE(grid->isEnabled());
  EXPECT_EQ(form.focusWidget(), Child(&form, "Edit1"));
  EXPECT_FALSE(Child<QPushButton>(&form, "SilBtn")->isEnabled());
}

TEST_F(LessonWindows, GroupsByKeyboardAndBackInThePool) {
  AddLesson(school, 1, ToRecordText(U8("FİZİK")), "FZK", 0, 2, {2}, 0);
  school.ReindexLessons();
  TDerslerForm pool(context());
  Activate(&pool);
  OnNextModal([this](QDialog* groups) {
    EXPECT_EQ(groups->windowTitle(), U8("DERS GRUPLARI AÇ"));
    Type(groups, "Edit1", U8("sayısal"));
    Key(groups, Qt::Key_F2);
    Type(groups, "Edit1", U8("sözel"));
    Key(groups, Qt::Key_F2);
    EXPECT_EQ(Column(groups, 1), (QStringList{U8("SAYISAL"), U8("SÖZEL")}));
    ListGrid* grid = GridOf(groups);
    grid->setFocus();
    grid->SelectRow(1);
    OnNextModal([](QDialog* edit) {
      EXPECT_EQ(edit->windowTitle(), U8("DERS GRUBU  DÜZELT"));
      Type(edit, "Edit1", U8("dil ve anlatım"));
      Key(edit, Qt::Key_Return);
    }, groups);
    Key(groups, Qt::Key_Return);
    EXPECT_EQ(FromCp1254(OnDisk().LessonGroupByNo(2)->name.view()), U8("DİL VE ANLATIM"));
    groups->close();
  });
  QTest::mouseClick(Child<QPushButton>(&pool, "GrupBtn"), Qt::LeftButton);
  ASSERT_EQ(school.LessonGroups.size(), 2u);

  // Give FİZİK the first group in the edit window, then delete that group.
  GridOf(&pool)->setFocus();
  OnNextModal([](QDialog* edit) {
    auto* combo = Child<QComboBox>(edit, "GroupCombo");
    // An empty entry for "no group" first, then the groups.
    EXPECT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->itemText(0), QString());
    // A text that names no group holds the save back and says so.
    combo->setFocus();
    combo->lineEdit()->clear();
    TypeText(combo->lineEdit(), U8("fen"));
    EXPECT_FALSE(Child<QPushButton>(edit, "KaydetBtn")->isEnabled());
    EXPECT_EQ(Child<QLabel>(edit, "ReasonLabel")->text(), U8("GRUBU: FEN adında ders grubu yok"));
    combo->setCurrentIndex(1);
    EXPECT_TRUE(Child<QPushButton>(edit, "KaydetBtn")->isEnabled());
    Child(edit, "Edit1")->setFocus();
    // Enter walks the boxes top to bottom, the one in a sentence too, and saves on
    // the last one.
    QStringList walked;
    for (int i = 0; i < 7; ++i) {
      Key(edit, Qt::Key_Return);
      walked << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(walked, (QStringList{"Edit2", "GroupCombo", "Edit3", "Edit5", "Edit6", "Edit7",
                                   "Edit4"}));
    EXPECT_TRUE(edit->isVisible());
    Key(edit, Qt::Key_Return);
  });
  Key(&pool, Qt::Key_Return);
  EXPECT_EQ(OnDisk().LessonByNo(1)->group, 1);
  EXPECT_EQ(Column(&pool, 5), QStringList{U8("SAYISAL")});

  OnNextModal([this](QDialog* groups) {
    GridOf(groups)->setFocus();
    GridOf(groups)->SelectRow(0);
    AnswerNextConfirmation(true);
    Key(groups, Qt::Key_F5);
    groups->close();
  });
  QTest::mouseClick(Child<QPushButton>(&pool, "GrupBtn"), Qt::LeftButton);
  EXPECT_EQ(lastMessage, U8("SAYISAL Ders Grubu silinecek !"));
  const School disk = OnDisk();
  EXPECT_EQ(disk.LessonGroups.size(), 1u);
  EXPECT_EQ(disk.LessonByNo(1)->group, 0);
  EXPECT_EQ(Column(&pool, 5), QStringList{""});
}

}  // namespace
}  // namespace kalvodrin::testing
