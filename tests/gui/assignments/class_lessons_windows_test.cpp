// The class lessons window and the windows it opens, driven by keys: Enter on a pool
// lesson gives it to the class, F5 takes it away after the question, F8 opens its
// classrooms where Enter attaches one, the common lessons and copy windows; the school
// in memory and the files follow.
#include <QLabel>

#include "core/record_creation.h"
#include "gui/assignments/class_lessons_form.h"
#include "gui/assignments/common_lessons_form.h"
#include "gui/assignments/copy_form.h"
#include "gui/assignments/room_assign_form.h"
#include "gui/common/key_line.h"
#include "school_builder.h"
#include "window_fixture.h"

namespace kalvodrin::testing {
namespace {

class ClassLessonWindows : public WindowFixture {
 protected:
  ClassLessonWindows() {
    SchoolBuilder b;
    b.Lesson("TARİH", 4, "2+2").Lesson("BEDEN", 2, "2").Lesson("EDEBİYAT", 26, "6+5+5+5+5");
    b.Class("9", "A").Class("9", "B").Room("SALON");
    School built = b.Build();
    built.WorkFolder = school.WorkFolder;
    school = built;
    EXPECT_TRUE(SaveFiles(school, FileSet::All()).ok());
  }
  QStringList LessonsOnDisk(int classNo) const {
    QStringList names;
    const School disk = OnDisk();
    for (const TClassLessonRec& cl : disk.ClassLessons)
      if (cl.classNo == classNo) names << FromCp1254(disk.LessonByNo(cl.lesson)->name.view());
    return names;
  }
  // Selects the row of the grid that shows `text` in `column` and gives it the focus.
  static void Pick(QWidget* form, const char* grid, int column, const QString& text) {
    EnsureActive(form);
    ListGrid* g = Child<ListGrid>(form, grid);
    g->setFocus(Qt::OtherFocusReason);
    g->SelectRow(static_cast<int>(g->ColumnTexts(column).indexOf(text)));
  }
};

TEST_F(ClassLessonWindows, GiveRemoveAndClassroomsByKeyboard) {
  TSnfDrsForm form(context());
  Activate(&form);
  EXPECT_EQ(Child<QLabel>(&form, "Panel1")->text(), "30");
  EXPECT_EQ(Child<QLabel>(&form, "Panel2")->text(), U8("SEÇİLEN DERS=0  TOPLAM SAAT=0"));
  Pick(&form, "LessonGrid", 1, U8("TARİH"));
  Key(&form, Qt::Key_Return);
  Pick(&form, "LessonGrid", 1, U8("BEDEN"));
  Key(&form, Qt::Key_Return);
  // Listed by name, not in the order given.
  EXPECT_EQ(LessonsOnDisk(1), (QStringList{"BEDEN", U8("TARİH")}));
  EXPECT_EQ(Child<ListGrid>(&form, "ClLeGrid")->ColumnTexts(2),
            (QStringList{"BEDEN", U8("TARİH")}));
  EXPECT_EQ(Child<QLabel>(&form, "Panel2")->text(), U8("SEÇİLEN DERS=2  TOPLAM SAAT=6"));
  // 6 + 26 is more than the week holds: the notice, nothing given.
  Pick(&form, "LessonGrid", 1, U8("EDEBİYAT"));
  AcceptNextMessage(lastMessage);
  Key(&form, Qt::Key_Return);
  EXPECT_TRUE(lastMessage.startsWith(U8("Bu sınıfa 30 den fazla ders veremezsiniz.")));
  EXPECT_EQ(school.ClassLessons.size(), 2u);

  // F8 on BEDEN: its classrooms; Enter on SALON attaches it.
  Pick(&form, "ClLeGrid", 2, "BEDEN");
  OnNextModal([this](QDialog* d) {
    EXPECT_EQ(Child<QLabel>(d, "Panel1")->text(),
              U8("9 A sınıfı BEDEN dersinin okutulduğu derslikler"));
    Child<ListGrid>(d, "Grid")->setFocus();
    Key(d, Qt::Key_Return);
    EXPECT_EQ(Child<ListGrid>(d, "Grid")->ColumnTexts(2), QStringList{"2"});
    EXPECT_EQ(Child<ListGrid>(d, "RoomGrid")->ColumnTexts(1), QStringList{"SALON"});
    d->accept();
  }, &form);
  Key(&form, Qt::Key_F8);
  EXPECT_EQ(OnDisk().ClassLessonAt(1, 2)->roomCount, 1);
  EXPECT_EQ(Child<ListGrid>(&form, "ClLeGrid")->ColumnTexts(4), (QStringList{"SALON", ""}));

  // F5 asks; "İPTALET" keeps the lesson, "TAMAM" takes it away.
  EnsureActive(&form);
  Child<ListGrid>(&form, "ClLeGrid")->setFocus();
  EXPECT_TRUE(Child<QPushButton>(&form, "DelBtn")->isEnabled());
  AnswerNextConfirmation(false);
  Key(&form, Qt::Key_F5);
  EXPECT_EQ(lastMessage, U8("9 A Sınıfından BEDEN Dersi silinecek !"));
  EXPECT_EQ(LessonsOnDisk(1).size(), 2);
  AnswerNextConfirmation(true);
  Key(&form, Qt::Key_F5);
  EXPECT_EQ(LessonsOnDisk(1), QStringList{U8("TARİH")});
  EXPECT_EQ(form.focusWidget(), Child<ListGrid>(&form, "ClLeGrid"));
  Child<ListGrid>(&form, "LessonGrid")->setFocus();
  EXPECT_FALSE(Child<QPushButton>(&form, "DelBtn")->isEnabled());
}

// The copy window's keys, as its key line lists them: Esc leaves the target as it
// was, Enter on the source class copies as "TAMAM" does.
TEST_F(ClassLessonWindows, TheCopyWindowCopiesOnEnterAndNothingOnEsc) {
  TSnfDrsForm form(context());
  Activate(&form);
  Pick(&form, "LessonGrid", 1, U8("TARİH"));
  Key(&form, Qt::Key_Return);
  Pick(&form, "ClassGrid", 2, "B");
  QString keys;
  OnNextModal(
      [&](QDialog* d) {
        keys = Child<KeyLine>(d, "KeyLine")->text();
        Key(d, Qt::Key_Escape);
      },
      &form);
  Key(&form, Qt::Key_F4);
  EXPECT_TRUE(keys.contains("Enter") && keys.contains("Esc")) << keys.toStdString();
  EXPECT_EQ(LessonsOnDisk(2), QStringList());
  Pick(&form, "ClassGrid", 2, "B");
  OnNextModal([](QDialog* d) { Key(d, Qt::Key_Return); }, &form);
  Key(&form, Qt::Key_F4);
  EXPECT_EQ(LessonsOnDisk(2), QStringList{U8("TARİH")});
}

TEST_F(ClassLessonWindows, CopyAndCommonLessons) {
  TSnfDrsForm form(context());
  Activate(&form);
  for (const char* name : {"TARİH", "BEDEN"}) {
    Pick(&form, "LessonGrid", 1, U8(name));
    Key(&form, Qt::Key_Return);
  }
  // F4 in the class grid on 9 B: 9 A is proposed; TAMAM copies.
  Pick(&form, "ClassGrid", 2, "B");
  OnNextModal([](QDialog* d) {
    EXPECT_EQ(Child<QLabel>(d, "Label1")->text(), U8("9 A Sınıfının Dersleri"));
    EXPECT_EQ(Child<QLabel>(d, "Label2")->text(), U8("9 B Sınıfına Kopyalanacak"));
    QTest::mouseClick(Child<QPushButton>(d, "OkBtn"), Qt::LeftButton);
  }, &form);
  Key(&form, Qt::Key_F4);
  EXPECT_EQ(LessonsOnDisk(2), (QStringList{"BEDEN", U8("TARİH")}));

  // Common lessons: F5 opens group 1, Enter adds BEDEN of 9 A and of 9 B; TARİH of
  // 9 A is refused; a second F5 with a one-member group selects it.
  OnNextModal([&](QDialog* d) {
    Key(d, Qt::Key_F5);
    EXPECT_EQ(Child<ListGrid>(d, "CmnGrid")->ColumnTexts(0), QStringList{"1"});
    Pick(d, "ClassGrid", 2, "A");
    Pick(d, "ClLeGrid", 2, "BEDEN");
    Key(d, Qt::Key_Return);
    Key(d, Qt::Key_F5);
    EXPECT_EQ(Child<ListGrid>(d, "CmnGrid")->FilledRows(), 1);
    Pick(d, "ClassGrid", 2, "B");
    Pick(d, "ClLeGrid", 2, U8("TARİH"));
    AcceptNextMessage(lastMessage);
    Key(d, Qt::Key_Return);
    Pick(d, "ClLeGrid", 2, "BEDEN");
    Key(d, Qt::Key_Return);
    EXPECT_EQ(Child<ListGrid>(d, "CommonGrid")->ColumnTexts(3), (QStringList{"9 A", "9 B"}));
    d->accept();
  }, &form);
  form.CommonBtnClick();
  // Other weekly hours are told before the other lesson.
  EXPECT_EQ(lastMessage, U8("Aynı gruptaki derslerin Haftalık Ders Saatleri aynı olmalıdır."));
  const School disk = OnDisk();
  ASSERT_EQ(disk.CommonGroups.size(), 1u);
  EXPECT_EQ(disk.CommonGroups[0].count, 2);
  EXPECT_EQ(disk.ClassLessonAt(2, 2)->commonGroup, 1);

  // Taking one member out leaves a group of one, dissolved when the window closes.
  // Del in the members' list asks the same as F7; answered "İPTALET" it keeps both.
  OnNextModal([&](QDialog* d) {
    Child<ListGrid>(d, "CommonGrid")->setFocus();
    AnswerNextConfirmation(false);
    Key(d, Qt::Key_Delete);
    EXPECT_EQ(lastMessage, U8("9 A sınıfı BEDEN dersi 1 nolu ortak ders grubundan silinecek ?"));
    EXPECT_EQ(Child<ListGrid>(d, "CommonGrid")->FilledRows(), 2);
    lastMessage.clear();
    AnswerNextConfirmation(true);
    Key(d, Qt::Key_F7);
    d->accept();
  }, &form);
  form.CommonBtnClick();
  EXPECT_EQ(lastMessage, U8("9 A sınıfı BEDEN dersi 1 nolu ortak ders grubundan silinecek ?"));
  EXPECT_TRUE(OnDisk().CommonGroups.empty());
  EXPECT_EQ(OnDisk().ClassLessonAt(2, 2)->commonGroup, 0);
}

}  // namespace
}  // namespace kalvodrin::testing
