#include "timetables_screens.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include "core/storage.h"
#include "gui/common/help_window.h"
#include "gui/common/message_window.h"
#include "gui/timetables/cancel_form.h"
#include "gui/timetables/class_timetable_form.h"
#include "gui/timetables/room_timetable_form.h"
#include "gui/timetables/teacher_timetable_form.h"
#include "gui/timetables/timetable_windows.h"
#include "scheduler/placement_run.h"

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

void Show(QWidget* w) {
  w->show();
  QApplication::processEvents();
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

}  // namespace

void RenderTimetableWindows(const SaveTimetableWindow& save, const std::filesystem::path& root) {
  TSilForm sil;
  THelpForm help;
  {
    School school;
    if (!LoadCopy(school, KALVODRIN_SCREENSHOT_SAMPLE, root / "tt-sample")) return;
    PlacementRun(school).RunWholeSchool();
    TimetableWindows windows(AppContext{school, sil, help}, nullptr);
    Show(&windows.teachers());
    save(&windows.teachers(), "timetables_teacher");
    windows.teachers().hide();
    Show(&windows.classes());
    save(&windows.classes(), "timetables_class");
    windows.classes().hide();
    Show(&windows.rooms());
    save(&windows.rooms(), "timetables_room");
    windows.rooms().hide();
    Show(&windows.cancel());
    save(&windows.cancel(), "timetables_cancel");
    windows.cancel().hide();
  }
  School school;
  if (!LoadCopy(school, KALVODRIN_SCREENSHOT_LONG_RUN, root / "tt-long")) return;
  TimetableWindows windows(AppContext{school, sil, help}, nullptr);
  TOgrPrgForm& w = windows.teachers();
  Show(&w);
  // Two seconds into the run the panel has something to show; then the run stops.
  QTimer::singleShot(2000, [&] {
    save(&w, "timetables_teacher_running");
    w.findChild<QPushButton*>("DurdurBtn")->click();
  });
  NoticeCloser closer;
  w.RunWholeSchool();
  w.hide();
}

}  // namespace kalvodrin
