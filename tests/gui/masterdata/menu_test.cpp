// The running program offers the master-data windows from its menu: "DERS HAVUZU"
// also from its button, the weekly hours only once a class exists.
#include <QMenuBar>

#include "core/record_creation.h"
#include "gui/masterdata/master_data_windows.h"
#include "program_fixture.h"
#include "window_fixture.h"

namespace kalvodrin::testing {
namespace {

using ProgramMenu = ProgramFixture;

TEST_F(ProgramMenu, EveryMasterDataItemOpensItsWindow) {
  KalvodrinApp app(Options());
  ASSERT_TRUE(app.Start());
  TKalvodrinForm& form = app.mainForm();
  for (MainMenuItem item : {MainMenuItem::kLessonPool, MainMenuItem::kTeachers,
                            MainMenuItem::kClassesAndRooms, MainMenuItem::kWeeklyHours})
    EXPECT_TRUE(form.ActionOf(item)->isEnabled());
  EXPECT_EQ(Opened(form, MainMenuItem::kLessonPool), U8("DERS HAVUZU"));
  EXPECT_EQ(Opened(form, MainMenuItem::kTeachers), U8("ÖĞRETMENLER"));
  EXPECT_EQ(Opened(form, MainMenuItem::kClassesAndRooms), U8("SINIFLAR"));
  // No class yet: the notice instead of the window.
  EXPECT_EQ(Opened(form, MainMenuItem::kWeeklyHours), U8(" ÖĞRETMEN DERS PROGRAMI"));
  EXPECT_EQ(app.sil().text(), U8("Programda hiçbir SINIF tanımlanmamış. "));
  AddClass(app.school(), 1, "9", "A");
  NewClassGrid(app.school(), 1);
  app.school().ReindexAll();
  EXPECT_EQ(Opened(form, MainMenuItem::kWeeklyHours), U8("HAFTALIK DERS SAATLERİ"));
}

}  // namespace
}  // namespace kalvodrin::testing
