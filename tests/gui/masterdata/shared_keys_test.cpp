// The keys every list and edit window shares beside its own function keys (Ctrl+S
// saves, Del in the list deletes, one line names them), the delete question that says
// what goes with the record, and a reopened window that starts clean.

#include <QLabel>

#include "engine/counts.h"
#include "gui/assignments/class_lessons_form.h"
#include "gui/assignments/teacher_lessons_form.h"
#include "gui/common/key_line.h"
#include "gui/duty/duty_forms.h"
#include "gui/masterdata/hours_forms.h"
#include "gui/masterdata/lesson_forms.h"
#include "school_builder.h"
#include "window_fixture.h"

namespace kalvodrin::testing {
namespace {

// 9 A takes MATEMATİK from AYŞE, with two hours placed.
class SharedKeys : public WindowFixture {
 protected:
  SharedKeys() {
    SchoolBuilder b;
    b.Class("9", "A").Lesson("MATEMATİK", 4, "2+2").Teacher("AYŞE").Teach();
    b.Place("9 A", "MATEMATİK", 2, 1, 1);
    UseSchool(b.Build());
    CountAllHours(school);
  }
};

// A wrapped key line breaks between two keys only: inside an item no space breaks,
// and the dot between two items stays at the end of a line, never starts one.
TEST(KeyLineTextTest, BreaksOnlyBetweenItems) {
  const QString line = KeyLineText({{"F5", U8("Programı sil")}, {"F2 / Ctrl+S", "Kaydet"}});
  EXPECT_FALSE(line.contains(U8(" ·"))) << line.toStdString();
  const QStringList items = line.split(U8("\u00a0\u00a0·  "));
  ASSERT_EQ(items.size(), 2);
  EXPECT_EQ(items[0], U8("F5\u00a0Programı\u00a0sil"));
  EXPECT_EQ(items[1], U8("F2\u00a0/\u00a0Ctrl+S\u00a0Kaydet"));
}

TEST_F(SharedKeys, ListWindowSavesWithCtrlSDeletesWithDelInTheListOnlyAndSaysWhatGoes) {
  TDerslerForm form(context());
  Activate(&form);
  const QString keys = Child<KeyLine>(&form, "KeyLine")->text().replace(QChar(0x00A0), ' ');
  EXPECT_TRUE(keys.contains(U8("F2 / Ctrl+S Kaydet"))) << keys.toStdString();
  EXPECT_TRUE(keys.contains(U8("F5 / Del Sil"))) << keys.toStdString();

  Type(&form, "Edit1", "fizik");
  Type(&form, "Edit2", "fiz");
  Type(&form, "Edit3", "2");
  Type(&form, "Edit4", "2");
  Key(&form, Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(OnDisk().Lessons.size(), 2u);

  // Del in a field edits the field; no question is asked.
  Type(&form, "Edit1", "abc");
  Key(&form, Qt::Key_Home);
  {
    ModalCounter modals;
    Key(&form, Qt::Key_Delete);
    EXPECT_EQ(modals.count(), 0);
  }
  EXPECT_EQ(Child(&form, "Edit1")->text(), "BC");

  // Del in the list asks, naming what goes with the lesson; cancelled, nothing goes.
  ListGrid* grid = GridOf(&form);
  grid->SelectRow(static_cast<int>(grid->ColumnTexts(1).indexOf(U8("MATEMATİK"))));
  grid->setFocus();
  AnswerNextConfirmation(false);
  Key(&form, Qt::Key_Delete);
  EXPECT_TRUE(lastMessage.startsWith(U8("MATEMATİK Dersi silinecek !")))
      << lastMessage.toStdString();
  EXPECT_TRUE(lastMessage.contains(U8("1 sınıf dersi")));
  EXPECT_TRUE(lastMessage.contains(U8("1 öğretmene verilmiş ders")));
  EXPECT_TRUE(lastMessage.contains(U8("2 yerleşmiş sınıf ders saati")));
  EXPECT_EQ(school.Lessons.size(), 2u);

  // A lesson with nothing hanging on it is asked about with its name alone.
  grid->SelectRow(static_cast<int>(grid->ColumnTexts(1).indexOf(U8("FİZİK"))));
  grid->setFocus();
  AnswerNextConfirmation(true);
  Key(&form, Qt::Key_Delete);
  EXPECT_EQ(lastMessage, U8("FİZİK Dersi silinecek !"));
  EXPECT_EQ(OnDisk().Lessons.size(), 1u);

  // What was typed and never saved is gone when the window opens again.
  Type(&form, "Edit1", "kimya");
  form.reject();
  Activate(&form);
  EXPECT_TRUE(Child(&form, "Edit1")->text().isEmpty());
  form.reject();
}

TEST_F(SharedKeys, EditWindowSavesWithF2AndCtrlS) {
  TDerslerForm form(context());
  Activate(&form);
  for (const auto& [key, name] :
       {std::pair<Qt::Key, const char*>{Qt::Key_F2, "CEBİR"}, {Qt::Key_S, "GEOMETRİ"}}) {
    GridOf(&form)->SelectRow(0);
    GridOf(&form)->setFocus();
    OnNextModal([&, key = key, name = name](QDialog* edit) {
      EXPECT_TRUE(Child<KeyLine>(edit, "KeyLine")->text().contains("Ctrl+S"));
      Type(edit, "Edit1", U8(name));
      Type(edit, "Edit2", "mat");  // the builder gives no short name
      Key(edit, key, key == Qt::Key_S ? Qt::ControlModifier : Qt::NoModifier);
      if (edit->isVisible()) {  // not saved: say why instead of waiting for ever
        QStringList labels;
        for (const QLabel* l : edit->findChildren<QLabel*>()) labels << l->text();
        ADD_FAILURE() << name << ": " << labels.join(" | ").toStdString();
        edit->reject();
      }
    });
    Key(&form, Qt::Key_Return);
    EXPECT_EQ(FromCp1254(OnDisk().Lessons[0].name.view()), U8(name));
  }
  form.reject();
}

// The windows that store what is chosen at once name their keys in the same line;
// in the class lessons Del removes only from the class's own list.
TEST_F(SharedKeys, AssignmentHoursAndDutyWindowsNameTheirKeysAndDelRemovesOnlyFromItsList) {
  TSnfDrsForm classLessons(context());
  TOgrDrsForm teacherLessons(context());
  TGDSForm hours(context());
  TNobetVerForm duties(context());
  for (QDialog* window :
       std::initializer_list<QDialog*>{&classLessons, &teacherLessons, &hours, &duties}) {
    Activate(window);
    const QString keys = Child<KeyLine>(window, "KeyLine")->text().replace(QChar(0x00A0), ' ');
    EXPECT_TRUE(keys.contains("F1 ")) << keys.toStdString();
    EXPECT_TRUE(keys.contains("Esc Kapat")) << keys.toStdString();
    window->reject();
  }
  Activate(&classLessons);
  auto* pool = Child<ListGrid>(&classLessons, "LessonGrid");
  pool->setFocus(Qt::OtherFocusReason);
  pool->SelectRow(0);
  {
    ModalCounter asked;
    Key(&classLessons, Qt::Key_Delete);
    EXPECT_EQ(asked.count(), 0);
  }
  EXPECT_EQ(school.ClassLessons.size(), 1u);
  auto* given = Child<ListGrid>(&classLessons, "ClLeGrid");
  given->setFocus(Qt::OtherFocusReason);
  given->SelectRow(0);
  AnswerNextConfirmation(true);
  Key(&classLessons, Qt::Key_Delete);
  EXPECT_TRUE(lastMessage.contains(U8("MATEMATİK"))) << lastMessage.toStdString();
  EXPECT_EQ(OnDisk().ClassLessons.size(), 0u);
  classLessons.reject();
}

}  // namespace
}  // namespace kalvodrin::testing
