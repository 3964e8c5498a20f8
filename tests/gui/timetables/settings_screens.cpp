#include "settings_screens.h"

#include <QApplication>
#include <QTimer>

#include "core/school.h"
#include "gui/timetables/general_settings_form.h"
#include "gui/timetables/guidance_form.h"
#include "gui/timetables/placement_style_form.h"
#include "gui/timetables/teacher_settings_form.h"

namespace kalvodrin {
namespace {

void ShowAndSave(const SaveTimetableWindow& save, QWidget* w, const QString& name) {
  w->show();
  QApplication::processEvents();
  save(w, name);
  w->hide();
}

// Saves the window that `open` shows modally, from inside its exec(), and closes it.
void SaveModal(const SaveTimetableWindow& save, const QString& name,
               const std::function<void()>& open) {
  QTimer::singleShot(200, [save, name] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      save(modal, name);
      modal->close();
    }
  });
  open();
}

}  // namespace

void RenderSettingsWindows(const SaveTimetableWindow& save, AppContext context) {
  TAyarlarForm general(context);
  ShowAndSave(save, &general, "settings_general");
  ShowAndSave(save, &general.details(), "settings_details");
  ShowAndSave(save, &general.details().automatic(), "settings_automatic");
  ShowAndSave(save, &general.guidance(), "settings_guidance");
  const School& school = context.school;
  if (!school.TeacherGrids.empty()) {
    TOzelForm own(context);
    SaveModal(save, "settings_teacher", [&] { own.OpenFor(school.TeacherGrids.begin()->teacher); });
  }
  if (!school.ClassLessons.empty()) {
    TNewLFForm style(context);
    const TClassLessonRec& cl = *school.ClassLessons.begin();
    SaveModal(save, "settings_placement_style", [&] { style.OpenFor(cl.classNo, cl.lesson); });
  }
}

}  // namespace kalvodrin
