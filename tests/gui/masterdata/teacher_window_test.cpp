// The teacher window driven by keys: four fields, F2, search, Enter to edit, reorder
// and F5 to delete; the visible NO column is the order.
#include <QLabel>

#include "gui/masterdata/teacher_forms.h"
#include "window_fixture.h"

namespace kalvodrin::testing {
namespace {

using TeacherWindow = WindowFixture;

void NewTeacher(QWidget* form, const QString& name, const QString& branch) {
  Type(form, "Edit1", name);
  Type(form, "Edit2", branch);
  Type(form, "Edit3", "");
  Type(form, "Edit4", "");
  Key(form, Qt::Key_F2);
}

TEST_F(TeacherWindow, TeachersByKeyboard) {
  TOgretmenForm form(context());
  Activate(&form);
  EXPECT_EQ(form.windowTitle(), U8("ÖĞRETMENLER"));
  EXPECT_FALSE(form.yazdirBtn()->isEnabled());
  Type(&form, "Edit1", U8("ayşe ışık"));
  Type(&form, "Edit2", "matematik");
  Type(&form, "Edit3", "9-a");
  Type(&form, "Edit4", U8("satranç kulübü1"));  // 15 typed, 12 stored
  Key(&form, Qt::Key_F2);
  NewTeacher(&form, U8("ömer çelik"), U8("türkçe"));
  NewTeacher(&form, U8("işık ğüler"), "fizik");
  EXPECT_EQ(Column(&form, 2),
            (QStringList{U8("AYŞE IŞIK"), U8("ÖMER ÇELİK"), U8("İŞIK ĞÜLER")}));
  EXPECT_EQ(Column(&form, 5)[0], U8("SATRANÇ KULÜ"));
  School disk = OnDisk();
  EXPECT_EQ(FromCp1254(disk.TeacherByNo(1)->club.view()), U8("SATRANÇ KULÜ"));
  EXPECT_EQ(disk.TeacherGrids.size(), 3u);

  // Tab walks the fields, the save button while it may save, then the list.
  ListGrid* grid = GridOf(&form);
  Child(&form, "Edit4")->setFocus();
  Key(&form, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), grid);
  Type(&form, "Edit1", "x");
  Child(&form, "Edit4")->setFocus();
  Key(&form, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), Child<QPushButton>(&form, "KaydetBtn"));
  Key(&form, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), grid);
  Type(&form, "Edit1", "");

  grid->setFocus();
  TypeText(grid, U8("ö"));
  EXPECT_EQ(grid->SelectedRow(), 1);
  Key(&form, Qt::Key_Escape);  // closes the search box, not the window
  ASSERT_TRUE(form.isVisible());
  Key(&form, Qt::Key_Down, Qt::ControlModifier);
  EXPECT_EQ(Column(&form, 2)[2], U8("ÖMER ÇELİK"));
  EXPECT_EQ(Column(&form, 1), (QStringList{"1", "2", "3"}));
  EXPECT_EQ(OnDisk().TeacherByNo(2)->order, 3);

  OnNextModal([](QDialog* d) {
    EXPECT_EQ(d->windowTitle(), U8("DÜZELT"));
    EXPECT_EQ(Child(d, "Edit2")->text(), U8("TÜRKÇE"));
    Type(d, "Edit3", "10-b");
    Key(d, Qt::Key_Return);  // on to the club, the last box
    Key(d, Qt::Key_Return);  // saves
  });
  Key(&form, Qt::Key_Return);
  EXPECT_EQ(FromCp1254(OnDisk().TeacherByNo(2)->classTeacherOf.view()), "10-B");

  // Deleting the first teacher renumbers the visible NO column from 1.
  grid->SelectRow(0);
  AnswerNextConfirmation(true);
  Key(&form, Qt::Key_F5);
  EXPECT_EQ(lastMessage, U8("AYŞE IŞIK adındaki öğretmen silinecek !"));
  EXPECT_EQ(Column(&form, 1), (QStringList{"1", "2"}));
  disk = OnDisk();
  EXPECT_EQ(disk.Teachers.size(), 2u);
  EXPECT_EQ(disk.TeacherGridByNo(1), nullptr);
  EXPECT_EQ(Child<QLabel>(&form, "CountLabel")->text(), "2");
}

}  // namespace
}  // namespace kalvodrin::testing
