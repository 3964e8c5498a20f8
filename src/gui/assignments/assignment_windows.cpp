#include "gui/assignments/assignment_windows.h"

#include "gui/assignments/class_lessons_form.h"
#include "gui/assignments/teacher_lessons_form.h"

namespace kalvodrin {

AssignmentWindows::AssignmentWindows(AppContext context, QWidget* parent)
    : classLessons_(std::make_unique<TSnfDrsForm>(context, parent)),
      teacherLessons_(std::make_unique<TOgrDrsForm>(context, parent)) {}

AssignmentWindows::~AssignmentWindows() = default;

void AssignmentWindows::Register(WindowRegistry& registry) {
  registry.SetOpener(MainMenuItem::kClassLessons, ModalOpener(classLessons_.get()));
  registry.SetOpener(MainMenuItem::kTeacherDistribution, ModalOpener(teacherLessons_.get()));
}

}  // namespace kalvodrin
