// The teacher distribution window driven by keys: Enter gives the selected class
// lesson to the selected teacher, a second teacher is asked about first, F5 takes a
// lesson away after the question, and the list of lessons without a teacher leads
// back to one of them.
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>

#include "gui/assignments/teacher_lessons_form.h"
#include "gui/assignments/teacher_question_forms.h"
#include "school_builder.h"
#include "window_fixture.h"

namespace kalvodrin::testing {
namespace {

class TeacherWindows : public WindowFixture {
 protected:
  TeacherWindows() {
    SchoolBuilder b;
    b.Teacher("ALİ").Teacher("VELİ");
    for (const char* section : {"A", "B"})
      b.Class("9", section).Lesson("BEDEN", 2, "2").Lesson("TARİH", 4, "2+2");
    b.Common({"9 A", "9 B"}, "BEDEN");
    School built = b.Build();
    built.WorkFolder = school.WorkFolder;
    school = built;
    EXPECT_TRUE(SaveFiles(school, FileSet::All()).ok());
  }
  static void Pick(QWidget* form, const char* grid, int column, const QString& text) {
    EnsureActive(form);
    ListGrid* g = Child<ListGrid>(form, grid);
    g->setFocus(Qt::OtherFocusReason);
    g->SelectRow(static_cast<int>(g->ColumnTexts(column).indexOf(text)));
  }
  void Give(QWidget* form, const QString& teacher, const QString& section, const QString& lesson) {
    Pick(form, "TeacherGrid", 2, teacher);
    Pick(form, "ClassGrid", 2, section);
    Pick(form, "ClLeGrid", 2, lesson);
    Key(form, Qt::Key_Return);
  }
};

TEST_F(TeacherWindows, GiveAskAndTakeAwayByKeyboard) {
  TOgrDrsForm form(context());
  Activate(&form);
  EXPECT_TRUE(Child<ListGrid>(&form, "TeacherGrid")->hasFocus());
  EXPECT_EQ(Child<QLabel>(&form, "Panel2")->text(), "SABAH");
  Give(&form, U8("ALİ"), "A", U8("TARİH"));
  Give(&form, U8("ALİ"), "B", "BEDEN");  // the common lesson: both classes at once
  ListGrid* tele = Child<ListGrid>(&form, "TeleGrid");
  EXPECT_EQ(tele->ColumnTexts(5), (QStringList{U8("TARİH"), "BEDEN", "BEDEN"}));
  EXPECT_EQ(Child<QLabel>(&form, "Panel1")->text(),
            U8("DERS SAYISI=3, SBH=6, ÖĞL=0, TOP.=6"));
  School disk = OnDisk();
  EXPECT_EQ(disk.TeacherLessons.size(), 3u);
  EXPECT_EQ(disk.ClassLessonAt(1, 1)->teachers[0], 1);
  EXPECT_EQ(disk.TeacherGridByNo(1)->weeklyHours, 6);

  // Again to ALİ: told; to VELİ: asked, "H" gives nothing, "e" and KAYDET give it.
  AcceptNextMessage(lastMessage);
  Give(&form, U8("ALİ"), "A", U8("TARİH"));
  EXPECT_EQ(lastMessage, U8("Bu ders, bu öğretmene verilmiş."));
  OnNextModal([](QDialog* d) {
    EXPECT_EQ(Child<QTextEdit>(d, "Memo1")->toPlainText(), U8(" ALİ,"));
    EXPECT_EQ(Child(d, "Edit1")->text(), "H");
    Key(d, Qt::Key_Return);
  }, &form);
  Give(&form, U8("VELİ"), "A", U8("TARİH"));
  EXPECT_EQ(OnDisk().TeacherLessons.size(), 3u);
  OnNextModal([](QDialog* d) {
    TypeText(Child(d, "Edit1"), "x");
    EXPECT_EQ(Child(d, "Edit1")->text(), "H");
    TypeText(Child(d, "Edit1"), "e");
    EXPECT_EQ(Child(d, "Edit1")->text(), "E");
    Key(d, Qt::Key_Return);
  }, &form);
  Give(&form, U8("VELİ"), "A", U8("TARİH"));
  EXPECT_EQ(OnDisk().ClassLessonAt(1, 2)->teacherCount, 2);

  // ALİ's last row is a member of the common lesson: F5 takes both members away and
  // the cursor moves up onto what is left.
  Pick(&form, "TeacherGrid", 2, U8("ALİ"));
  tele->setFocus();
  tele->SelectRow(2);
  AnswerNextConfirmation(true);
  Key(&form, Qt::Key_F5);
  EXPECT_EQ(lastMessage, U8("ALİ adındaki öğretmenden, 9 B sınıfının BEDEN Dersi silinecek !"));
  EXPECT_EQ(tele->ColumnTexts(5), QStringList{U8("TARİH")});
  EXPECT_EQ(tele->SelectedRow(), 0);
  EXPECT_EQ(form.focusWidget(), tele);
  disk = OnDisk();
  EXPECT_EQ(disk.TeacherLessons.size(), 2u);
  EXPECT_EQ(disk.ClassLessonAt(2, 1)->teacherCount, 0);

  // The lessons without a teacher: BEDEN of both classes and TARİH of 9 B; going to
  // the last one selects 9 B and its TARİH.
  OnNextModal([](QDialog* d) {
    EXPECT_EQ(Child<QLabel>(d, "Panel1")->text(), U8("DERS SAYISI = 3    TOPLAM SAAT = 8"));
    Child<ListGrid>(d, "ClLeGrid")->SelectRow(2);
    Key(d, Qt::Key_Right, Qt::ControlModifier);
  }, &form);
  QTest::mouseClick(Child<QPushButton>(&form, "NullBtn"), Qt::LeftButton);
  EXPECT_EQ(Child<ListGrid>(&form, "ClassGrid")->SelectedNumber(), 2);
  EXPECT_EQ(Child<ListGrid>(&form, "ClLeGrid")->SelectedNumber(1), 2);
}

TEST_F(TeacherWindows, NoUnassignedLessonsShowsZerosAndNoWayOn) {
  for (TClassLessonRec& cl : school.ClassLessons) cl.teacherCount = 1;
  TBosDersForm form(context());
  OnNextModal([](QDialog* d) {
    EXPECT_EQ(Child<QLabel>(d, "Panel1")->text(), U8("DERS SAYISI = 0    TOPLAM SAAT = 0"));
    EXPECT_FALSE(Child<QPushButton>(d, "GitBtn")->isEnabled());
    Key(d, Qt::Key_Right, Qt::ControlModifier);
    if (d->isVisible()) d->reject();
  });
  EXPECT_FALSE(form.Open());
}

}  // namespace
}  // namespace kalvodrin::testing
