// What a new user needs from the list and edit windows beyond saving: the reason a
// save button is grey, Enter walking the entry boxes, the keyboard focus back where
// it was after a dialog, and boxes that take no more than their field stores.
#include <QLabel>

#include "core/school.h"
#include "gui/masterdata/class_forms.h"
#include "gui/masterdata/lesson_group_forms.h"
#include "gui/masterdata/room_forms.h"
#include "gui/masterdata/teacher_forms.h"
#include "window_fixture.h"

namespace kalvodrin::testing {
namespace {

using Feedback = WindowFixture;

// The reason beside the save button while it is grey, hidden once it may be pressed.
QString Reason(QWidget* window) {
  auto* label = Child<QLabel>(window, "ReasonLabel");
  return label->isVisibleTo(window) ? label->text() : QString();
}

TEST_F(Feedback, EnterWalksTheEntryBoxesAndSavesOnTheLast) {
  TSinifForm form(context());
  Activate(&form);
  EXPECT_EQ(Reason(&form), U8("SINIFIN ADI girilmedi"));
  EXPECT_FALSE(Child<QPushButton>(&form, "KaydetBtn")->isEnabled());
  // Enter on an empty list saves nothing and says nothing: the button is grey.
  Key(&form, Qt::Key_Return);
  EXPECT_TRUE(Child(&form, "Edit2")->hasFocus());
  Key(&form, Qt::Key_Return);
  EXPECT_TRUE(school.Classes.empty());
  EXPECT_TRUE(Child(&form, "Edit2")->hasFocus());

  Type(&form, "Edit1", "9");
  EXPECT_EQ(Reason(&form), QString());
  Key(&form, Qt::Key_Return);
  ASSERT_TRUE(Child(&form, "Edit2")->hasFocus());
  TypeText(Child(&form, "Edit2"), "a");
  Key(&form, Qt::Key_Return);
  ASSERT_EQ(OnDisk().Classes.size(), 1u);
  EXPECT_EQ(FromCp1254(school.Classes[0].section.view()), "A");
  EXPECT_TRUE(Child(&form, "Edit1")->hasFocus());  // ready for the next class
  EXPECT_TRUE(Child(&form, "Edit1")->text().isEmpty());
}

TEST_F(Feedback, TheFocusComesBackAfterADialogCloses) {
  TSinifForm form(context());
  Activate(&form);
  Type(&form, "Edit1", "9");
  Key(&form, Qt::Key_F2);
  ListGrid* grid = GridOf(&form);
  grid->setFocus();
  // The edit window, cancelled with its button.
  OnNextModal([](QDialog* d) {
    EXPECT_EQ(Reason(d), QString());
    Child(d, "Edit1")->clear();
    EXPECT_EQ(Reason(d), U8("SINIFIN ADI girilmedi"));
    QTest::mouseClick(Child<QPushButton>(d, "IptalBtn"), Qt::LeftButton);
  });
  QTest::keyClick(grid, Qt::Key_Return);
  EXPECT_EQ(QApplication::activeWindow(), &form);
  EXPECT_EQ(QApplication::focusWidget(), grid);
  // The shared message window, which has no parent of its own.
  AnswerNextConfirmation(false);
  QTest::keyClick(grid, Qt::Key_F5);
  EXPECT_EQ(lastMessage, U8("9  Sınıfı silinecek !"));
  EXPECT_EQ(QApplication::activeWindow(), &form);
  EXPECT_EQ(QApplication::focusWidget(), grid);
}

// A second class of the same name and section is saved only after a confirmation;
// cancelling keeps the typed text for correcting it. The edit window asks the same.
TEST_F(Feedback, ASecondRecordOfTheSameNameAsksFirst) {
  TSinifForm form(context());
  Activate(&form);
  for (int i = 0; i < 2; ++i) {
    Type(&form, "Edit1", "9");
    Type(&form, "Edit2", "a");
    if (i == 1) AnswerNextConfirmation(false);
    Key(&form, Qt::Key_F2);
  }
  EXPECT_EQ(lastMessage, U8("9 A sınıfı zaten var. Yine de kaydedilsin mi?"));
  EXPECT_EQ(OnDisk().Classes.size(), 1u);
  EXPECT_EQ(Child(&form, "Edit2")->text(), "A");
  AnswerNextConfirmation(true);
  Key(&form, Qt::Key_F2);
  EXPECT_EQ(OnDisk().Classes.size(), 2u);
  // The edit window: a name of its own asks nothing, another's asks first.
  lastMessage.clear();
  ListGrid* grid = GridOf(&form);
  grid->SelectRow(1);
  OnNextModal([](QDialog* d) {
    Type(d, "Edit2", "b");
    QTest::mouseClick(Child<QPushButton>(d, "KaydetBtn"), Qt::LeftButton);
  });
  QTest::keyClick(grid, Qt::Key_Return);
  EXPECT_TRUE(lastMessage.isEmpty());
  EXPECT_EQ(FromCp1254(OnDisk().ClassByNo(2)->section.view()), "B");
  bool stillOpen = false;
  OnNextModal([&](QDialog* d) {
    Type(d, "Edit2", "a");
    OnNextModal(
        [this](QDialog* question) {
          lastMessage = Child<QTextEdit>(question, "RichEdit1")->toPlainText();
          QTest::mouseClick(Child<QPushButton>(question, "IptalBtn"), Qt::LeftButton);
        },
        d);
    QTest::mouseClick(Child<QPushButton>(d, "KaydetBtn"), Qt::LeftButton);
    stillOpen = d->isVisible();
    d->reject();
  });
  QTest::keyClick(grid, Qt::Key_Return);
  EXPECT_TRUE(stillOpen);
  EXPECT_EQ(lastMessage, U8("9 A sınıfı zaten var. Yine de kaydedilsin mi?"));
  EXPECT_EQ(FromCp1254(OnDisk().ClassByNo(2)->section.view()), "B");
}

// Every box stops at the width its record field stores, so nothing typed is cut
// without a word.
TEST_F(Feedback, EveryBoxTakesWhatItsFieldStores) {
  TSinifForm classes(context());
  TDerslikForm& rooms = classes.roomForm();
  Activate(&rooms);
  Type(&rooms, "Edit1", U8("fizik laboratuvarı"));
  EXPECT_EQ(Child(&rooms, "Edit1")->text(), U8("FİZİK LABORA"));

  TOgretmenForm teachers(context());
  Activate(&teachers);
  Type(&teachers, "Edit1", U8("ayşe ışık"));
  Type(&teachers, "Edit4", U8("satranç kulübü"));
  EXPECT_EQ(Child(&teachers, "Edit4")->text(), U8("SATRANÇ KULÜ"));
  Key(&teachers, Qt::Key_F2);
  OnNextModal([](QDialog* d) {
    const struct {
      const char* box;
      int width;
    } boxes[] = {{"Edit1", 30}, {"Edit2", 12}, {"Edit3", 8}, {"Edit4", 12}};
    for (const auto& b : boxes) {
      Type(d, b.box, QString(40, QChar('x')));
      EXPECT_EQ(Child(d, b.box)->text().size(), b.width) << b.box;
    }
    d->reject();
  });
  QTest::keyClick(GridOf(&teachers), Qt::Key_Return);

  TDersGrupForm groups(context());
  Activate(&groups);
  Type(&groups, "Edit1", QString(25, QChar('k')));
  EXPECT_EQ(Child(&groups, "Edit1")->text().size(), 20);
}

}  // namespace
}  // namespace kalvodrin::testing
