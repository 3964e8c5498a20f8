// The running program offers the assignment windows from its menu: "SINIFLARA DERS
// ATAMA" once classes and lessons exist, "ÖĞRETMENLERE DERS ATAMA" once a teacher and
// a class lesson exist.
#include "core/record_creation.h"
#include "program_fixture.h"
#include "window_fixture.h"

namespace kalvodrin::testing {
namespace {

using AssignmentMenu = ProgramFixture;

TEST_F(AssignmentMenu, ItemsOpenTheirWindowsOnceTheirDataExist) {
  KalvodrinApp app(Options());
  ASSERT_TRUE(app.Start());
  TKalvodrinForm& form = app.mainForm();
  EXPECT_TRUE(form.ActionOf(MainMenuItem::kClassLessons)->isEnabled());
  EXPECT_TRUE(form.ActionOf(MainMenuItem::kTeacherDistribution)->isEnabled());
  School& s = app.school();
  AddLesson(s, 1, "TDE", "TDE", 0, 5, {2, 2, 1, 0, 0}, 0);
  AddClass(s, 1, "9", "A");
  NewClassGrid(s, 1);
  AddTeacher(s, 1, "ALI", "", "", "");
  NewTeacherGrid(s, 1);
  s.ReindexAll();
  EXPECT_EQ(Opened(form, MainMenuItem::kClassLessons), U8("SINIFLARDA OKUTULAN DERSLER"));
  {
    ModalCounter modals;  // no class lesson yet: nothing opens
    form.ActionOf(MainMenuItem::kTeacherDistribution)->trigger();
    QTest::qWait(30);
    EXPECT_EQ(modals.count(), 0);
  }
  AddClassLesson(s, 1, 1);
  s.ReindexAll();
  EXPECT_EQ(Opened(form, MainMenuItem::kTeacherDistribution), U8("ÖĞRETMEN DERS DAĞITIMI"));
}

}  // namespace
}  // namespace kalvodrin::testing
