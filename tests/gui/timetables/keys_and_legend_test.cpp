// What the three timetable windows tell the user about themselves: the colour legend
// under the grid, the key line, the keys every window shares, and the teacher
// window's help beside its load overlay.

#include <QLabel>
#include <QPushButton>

#include <filesystem>

#include "gui/common/key_line.h"
#include "gui/timetables/cancel_form.h"
#include "gui/timetables/class_timetable_form.h"
#include "gui/timetables/colour_legend_bar.h"
#include "gui/timetables/room_timetable_form.h"
#include "gui/timetables/run_panel.h"
#include "gui/timetables/teacher_timetable_form.h"
#include "gui/timetables/timetable_grid.h"
#include "gui/timetables/timetable_windows.h"
#include "timetable_window_fixture.h"
#include "timetables/colour_legend.h"

namespace kalvodrin::testing {
namespace {

TEST_F(TimetableWindowsTest, EachWindowShowsItsLegendAndKeysAndSavesWithCtrlS) {
  TimetableWindows windows(context(), nullptr);
  const std::filesystem::path grids = folder.path() / "DUDIZIRZ.LOF";
  for (const auto& [window, legend] :
       {std::pair<QDialog*, std::size_t>{&windows.teachers(), TeacherLegend().size()},
        {&windows.classes(), ClassLegend().size()},
        {&windows.rooms(), RoomLegend().size()}}) {
    Activate(window);
    auto* bar = Child<ColourLegendBar>(window, "Legend");
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(bar->findChildren<QLabel*>("LegendSample").size(), static_cast<qsizetype>(legend));
    const QString keys = Child<KeyLine>(window, "KeyLine")->text();
    EXPECT_TRUE(keys.contains("Ctrl+S")) << keys.toStdString();
    EXPECT_TRUE(keys.contains("Ctrl+P")) << keys.toStdString();
    // The arrow keys move the grid's cursor; Tab leaves the grid for the next control.
    auto* grid = Child<TimetableGrid>(window, "Grid");
    grid->setFocus(Qt::TabFocusReason);
    grid->SetCurrentCell(1);
    Key(window, Qt::Key_Right);
    EXPECT_EQ(grid->CurrentCell(), 2);
    Key(window, Qt::Key_Tab);
    EXPECT_FALSE(grid->hasFocus()) << window->objectName().toStdString();
    EXPECT_EQ(grid->CurrentCell(), 2);
    // However little room the window has, the grid shows all five days whole.
    window->resize(window->width(), 200);
    QApplication::processEvents();
    EXPECT_LE(grid->rowViewportPosition(5) + grid->rowHeight(5), grid->viewport()->height())
        << window->objectName().toStdString();
    std::filesystem::remove(grids);
    Key(window, Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(std::filesystem::exists(grids)) << window->objectName().toStdString();
    window->reject();
  }
}

TEST_F(TimetableWindowsTest, SecondF1HidesTheLoadAndShiftF1OpensTheTeacherWindowsHelp) {
  TimetableWindows windows(context(), nullptr);
  TOgrPrgForm& w = windows.teachers();
  Activate(&w);
  Key(&w, Qt::Key_F1);
  EXPECT_TRUE(w.overlayShown());
  Key(&w, Qt::Key_F1);
  EXPECT_FALSE(w.overlayShown());
  Key(&w, Qt::Key_F1);
  EXPECT_TRUE(w.overlayShown());

  EXPECT_TRUE(HelpPageExists("ogretmen_programi"));
  QString shown;
  OnNextModal([&](QDialog* d) {
    shown = help.currentPage();
    d->reject();
  });
  Key(&w, Qt::Key_F1, Qt::ShiftModifier);
  EXPECT_EQ(shown, "ogretmen_programi");
  EXPECT_TRUE(w.overlayShown());  // the help leaves the overlay as it was
  const QString keys = Child<KeyLine>(&w, "KeyLine")->text();
  EXPECT_TRUE(keys.contains("Shift+F1")) << keys.toStdString();
  w.reject();
}

// The cancel window's keys: Esc leaves every placement, Enter cancels them as "TAMAM".
TEST_F(TimetableWindowsTest, TheCancelWindowListsItsKeysAndTheyAct) {
  TimetableWindows windows(context(), nullptr);
  TBosaltForm& f = windows.cancel();
  Activate(&f);
  const QString keys = Child<KeyLine>(&f, "KeyLine")->text();
  for (const char* shown : {"Enter", "Ctrl+Z", "F1", "Esc"})
    EXPECT_TRUE(keys.contains(shown)) << shown;
  Key(&f, Qt::Key_Escape);
  EXPECT_FALSE(f.isVisible());
  EXPECT_EQ(ClassLesson(1, 1), math);
  Activate(&f);
  Key(&f, Qt::Key_Return);
  EXPECT_FALSE(f.isVisible());
  EXPECT_EQ(ClassLesson(1, 1), 0);
}

// "DAHA ÖNCE ... TÜM", "ARAMA DÜZEYİ", "DERSİN ADI": the dots over the capitals stay
// whole in every label of the cancel window and of the run panel.
TEST_F(TimetableWindowsTest, LabelsKeepTheMarksOverTheirCapitals) {
  TimetableWindows windows(context(), nullptr);
  Activate(&windows.cancel());
  EXPECT_EQ(LabelsCutAtTheTop(&windows.cancel()), "");
  windows.cancel().reject();
  RunPanel panel(school);
  panel.show();
  QApplication::processEvents();
  EXPECT_EQ(LabelsCutAtTheTop(&panel), "");
}

}  // namespace
}  // namespace kalvodrin::testing
