#include "timetables_screens.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>

#include "core/cells.h"
#include "core/snapshot.h"
#include "core/storage.h"
#include "engine/block_operations.h"
#include "gui/common/help_window.h"
#include "gui/common/message_window.h"
#include "gui/timetables/cancel_form.h"
#include "gui/timetables/changed_form.h"
#include "gui/timetables/class_timetable_form.h"
#include "gui/timetables/report_form.h"
#include "gui/timetables/room_timetable_form.h"
#include "gui/timetables/teacher_timetable_form.h"
#include "gui/timetables/timetable_grid.h"
#include "gui/timetables/timetable_windows.h"
#include "scheduler/placement_run.h"
#include "scheduler/run_preferences.h"
#include "settings_screens.h"

namespace kalvodrin {
namespace {

bool LoadCopy(School& school, const char* from, const std::filesystem::path& to) {
  std::filesystem::create_directories(to);
  std::filesystem::copy(
      from, to,
      std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing);
  school.WorkFolder = to;
  return LoadSchool(school).ok();
}

// Closes every message window that opens while it lives: the run's closing notice.
struct NoticeCloser {
  NoticeCloser() {
    QObject::connect(&timer, &QTimer::timeout, [] {
      if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    });
    timer.start(20);
  }
  QTimer timer;
};

// The first teacher with lessons on Tuesday can no longer come that day: the blocks
// go and the day is closed, so that the report has hours to explain.
void CloseTuesdayOfATeacher(School& school) {
  constexpr int kDay = 2;
  for (TTeacherGridRec& grid : school.TeacherGrids) {
    bool taken = false;
    for (int hour = 1; hour <= kHoursPerDay; ++hour) {
      const auto at = static_cast<std::size_t>(CellIndex(kDay, hour) - 1);
      if (grid.occupant[at] != 0 && grid.blockStart[at] == CellIndex(kDay, hour))
        taken |= RemoveBlock(school, grid.blockLen[at], CellIndex(kDay, hour), grid.occupant[at],
                             nullptr) == RemoveOutcome::kRemoved;
      grid.open[at] = 0;
    }
    if (taken) return;
    for (int hour = 1; hour <= kHoursPerDay; ++hour)
      grid.open[static_cast<std::size_t>(CellIndex(kDay, hour) - 1)] = 1;
  }
}

void RenderReportWindows(const SaveWindow& save, const AppContext& context) {
  if (!TakeSnapshot(context.school)) return;
  CloseTuesdayOfATeacher(context.school);
  TRaporForm report(context);
  report.show();
  QApplication::processEvents();
  // The cursor on the row's first start hour of the closed day, so its reasons show.
  if (const WhyNotRow* row = report.SelectedWhyNot())
    for (const WhyNotCell& cell : row->cells)
      if (cell.day == 2) {
        report.findChild<TimetableGrid*>("WhyNotGrid")
            ->SetCurrentCell(CellIndex(cell.day, cell.hour));
        break;
      }
  QApplication::processEvents();
  save(&report, "timetables_report");
  report.hide();
  TDegisikForm changed(context);
  ShowAndSave(save, changed, "timetables_changed");
  changed.hide();
}

// The selected teacher's first placed block picked up with F6 and carried one hour on:
// the marks and the reasons line as the user sees them while dragging.
void RenderDragging(const SaveWindow& save, TOgrPrgForm& w, const School& school) {
  const TTeacherGridRec* t = school.TeacherGridByNo(w.selection().teacher);
  auto* grid = w.findChild<TimetableGrid*>("Grid");
  if (t == nullptr || grid == nullptr) return;
  int cell = 1;
  while (cell < kCells && t->occupant[static_cast<std::size_t>(cell - 1)] == 0) ++cell;
  grid->SetCurrentCell(cell);
  grid->setFocus();
  const auto key = [grid](Qt::Key k) {
    QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier);
    QApplication::sendEvent(grid, &press);
  };
  key(Qt::Key_F6);
  key(Qt::Key_Right);
  QApplication::processEvents();
  save(&w, "timetables_teacher_dragging");
  key(Qt::Key_Escape);
}

}  // namespace

void RenderTimetableWindows(const SaveWindow& save, const std::filesystem::path& root) {
  TSilForm sil;
  THelpForm help;
  {
    School school;
    if (!LoadCopy(school, KALVODRIN_SCREENSHOT_SAMPLE, root / "tt-sample")) return;
    PlacementRun(school).RunWholeSchool();
    TimetableWindows windows(AppContext{school, sil, help}, nullptr);
    for (auto [window, name] :
         {std::pair<QWidget*, const char*>{&windows.teachers(), "timetables_teacher"},
          {&windows.classes(), "timetables_class"},
          {&windows.rooms(), "timetables_room"},
          {&windows.cancel(), "timetables_cancel"}}) {
      ShowAndSave(save, *window, name);
      if (window == &windows.teachers()) RenderDragging(save, windows.teachers(), school);
      window->hide();
    }
    RenderReportWindows(save, AppContext{school, sil, help});
    RenderSettingsWindows(save, AppContext{school, sil, help});
  }
  School school;
  if (!LoadCopy(school, KALVODRIN_SCREENSHOT_LONG_RUN, root / "tt-long")) return;
  // Without the completion the run does not give way within a second, so two seconds
  // into it the panel still shows a run with something to show; then the run stops.
  // The timer belongs to the window, so a run that ends sooner takes it along.
  const AppContext context{school, sil, help};
  if (!SaveRunPreferences(school.WorkFolder, context.Disk(), {true, false}).ok()) return;
  TimetableWindows windows(context, nullptr);
  TOgrPrgForm& w = windows.teachers();
  w.show();
  QApplication::processEvents();
  QTimer::singleShot(2000, &w, [&] {
    save(&w, "timetables_teacher_running");
    w.findChild<QPushButton*>("DurdurBtn")->click();
  });
  NoticeCloser closer;
  w.RunWholeSchool();
  w.hide();
}

}  // namespace kalvodrin
