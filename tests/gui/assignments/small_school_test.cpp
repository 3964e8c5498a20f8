// A new user types a small school into an empty folder through the windows (three
// lessons, two classes, two teachers), gives every lesson to a class and a teacher,
// and the automatic scheduler then places all of it from the saved folder.
#include "engine/consistency.h"
#include "gui/assignments/class_lessons_form.h"
#include "gui/assignments/teacher_lessons_form.h"
#include "gui/masterdata/class_forms.h"
#include "gui/masterdata/lesson_forms.h"
#include "gui/masterdata/teacher_forms.h"
#include "scheduler/placement_run.h"
#include "window_fixture.h"

namespace kalvodrin::testing {
namespace {

using SmallSchool = WindowFixture;

void Fields(QWidget* form, const QStringList& texts) {
  for (int i = 0; i < texts.size(); ++i)
    Type(form, QString("Edit%1").arg(i + 1).toLatin1().constData(), texts[i]);
  Key(form, Qt::Key_F2);
}

// Focuses the grid, selects the row whose column shows the text, presses Enter.
void EnterOn(QWidget* form, const char* grid, int column, const QString& text) {
  EnsureActive(form);
  ListGrid* g = Child<ListGrid>(form, grid);
  g->setFocus(Qt::OtherFocusReason);
  const int row = static_cast<int>(g->ColumnTexts(column).indexOf(text));
  ASSERT_GE(row, 0) << text.toStdString();
  g->SelectRow(row);
  Key(form, Qt::Key_Return);
}

void Select(QWidget* form, const char* grid, int column, const QString& text) {
  ListGrid* g = Child<ListGrid>(form, grid);
  g->SelectRow(static_cast<int>(g->ColumnTexts(column).indexOf(text)));
}

TEST_F(SmallSchool, TypedThroughTheWindowsAndScheduledFromTheFolder) {
  {
    TDerslerForm pool(context());
    Activate(&pool);
    Fields(&pool, {"matematik", "mat", "4", "2+2"});
    Fields(&pool, {U8("türkçe"), "tr", "3", "2+1"});
    Fields(&pool, {"beden", "bed", "2", "2"});
  }
  {
    TSinifForm classes(context());
    Activate(&classes);
    Fields(&classes, {"9", "a"});
    Fields(&classes, {"9", "b"});
  }
  {
    TOgretmenForm teachers(context());
    Activate(&teachers);
    Fields(&teachers, {U8("ayşe ışık"), "matematik", "", ""});
    Fields(&teachers, {U8("ömer çelik"), U8("türkçe"), "", ""});
  }
  ASSERT_EQ(OnDisk().Lessons.size(), 3u);
  {
    TSnfDrsForm form(context());
    Activate(&form);
    for (const char* section : {"A", "B"}) {
      Select(&form, "ClassGrid", 2, section);
      for (const char* lesson : {"MATEMATİK", "TÜRKÇE", "BEDEN"})
        EnterOn(&form, "LessonGrid", 1, U8(lesson));
    }
  }
  ASSERT_EQ(OnDisk().ClassLessons.size(), 6u);
  {
    TOgrDrsForm form(context());
    Activate(&form);
    const struct {
      const char* teacher;
      const char* lesson;
    } given[] = {{"AYŞE IŞIK", "MATEMATİK"}, {"AYŞE IŞIK", "BEDEN"}, {"ÖMER ÇELİK", "TÜRKÇE"}};
    for (const auto& g : given)
      for (const char* section : {"A", "B"}) {
        Select(&form, "TeacherGrid", 2, U8(g.teacher));
        Select(&form, "ClassGrid", 2, section);
        EnterOn(&form, "ClLeGrid", 2, U8(g.lesson));
      }
  }
  School saved = OnDisk();
  ASSERT_EQ(saved.TeacherLessons.size(), 6u);
  for (const TClassLessonRec& cl : saved.ClassLessons) EXPECT_EQ(cl.teacherCount, 1);

  PlacementRun run(saved);
  const RunOutcome outcome = run.RunWholeSchool();
  EXPECT_EQ(outcome.total, 18);
  EXPECT_EQ(outcome.unplaced(), 0) << outcome.notice;
  EXPECT_EQ(CheckConsistency(saved), std::vector<std::string>{});
}

}  // namespace
}  // namespace kalvodrin::testing
