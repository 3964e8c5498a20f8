#include "settings_screens.h"

#include <utility>

#include "core/school.h"
#include "gui/timetables/general_settings_form.h"
#include "gui/timetables/guidance_form.h"
#include "gui/timetables/placement_style_form.h"
#include "gui/timetables/teacher_settings_form.h"

namespace kalvodrin {

void RenderSettingsWindows(const SaveWindow& save, AppContext context) {
  TAyarlarForm general(context);
  for (auto [window, name] : {std::pair<QWidget*, const char*>{&general, "settings_general"},
                              {&general.details(), "settings_details"},
                              {&general.details().automatic(), "settings_automatic"},
                              {&general.guidance(), "settings_guidance"}}) {
    ShowAndSave(save, *window, name);
    window->hide();
  }
  const School& school = context.school;
  if (!school.TeacherGrids.empty()) {
    TOzelForm own(context);
    CaptureNextModal(save, "settings_teacher");
    own.OpenFor(school.TeacherGrids.begin()->teacher);
  }
  if (!school.ClassLessons.empty()) {
    TNewLFForm style(context);
    const TClassLessonRec& cl = *school.ClassLessons.begin();
    CaptureNextModal(save, "settings_placement_style");
    style.OpenFor(cl.classNo, cl.lesson);
  }
}

}  // namespace kalvodrin
