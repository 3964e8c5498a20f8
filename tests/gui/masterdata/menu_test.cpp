// The running program offers the master-data windows from its menu: "DERS HAVUZU"
// also from its button, the weekly hours only once a class exists.
#include <QMenuBar>

#include "app/kalvodrin_app.h"
#include "core/record_creation.h"
#include "gui/masterdata/master_data_windows.h"
#include "gui/shell/main_window.h"
#include "window_fixture.h"

namespace kalvodrin::testing {
namespace {

class ProgramMenu : public ::testing::Test {
 protected:
  StartupOptions Options() {
    StartupOptions o;
    o.dirs.currentDir = root / "cwd";
    o.dirs.configHome = root / "config";
    o.dirs.dataHome = root / "data";
    std::filesystem::create_directories(o.dirs.currentDir);
    o.folderOverride = root / "okul";
    return o;
  }
  // The title of the window the item opens; closes it.
  QString Opened(TKalvodrinForm& form, MainMenuItem item) {
    QString title;
    OnNextModal([&title](QDialog* d) {
      title = d->windowTitle();
      d->close();
    });
    form.ActionOf(item)->trigger();
    return title;
  }
  TempFolder root;
};

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
