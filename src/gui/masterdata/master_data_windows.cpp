#include "gui/masterdata/master_data_windows.h"

#include "core/school.h"
#include "gui/common/message_window.h"
#include "gui/common/qt_text.h"
#include "gui/masterdata/class_forms.h"
#include "gui/masterdata/hours_forms.h"
#include "gui/masterdata/lesson_forms.h"
#include "gui/masterdata/teacher_forms.h"
#include "gui/common/focus_return.h"

namespace kalvodrin {

MasterDataWindows::MasterDataWindows(AppContext context, QWidget* parent)
    : context_(context),
      lessonPool_(std::make_unique<TDerslerForm>(context, parent)),
      classes_(std::make_unique<TSinifForm>(context, parent)),
      teachers_(std::make_unique<TOgretmenForm>(context, parent)),
      weeklyHours_(std::make_unique<TGDSForm>(context, parent)) {}

MasterDataWindows::~MasterDataWindows() = default;

void MasterDataWindows::Register(WindowRegistry& registry) {
  registry.SetOpener(MainMenuItem::kLessonPool, ModalOpener(lessonPool_.get()));
  registry.SetOpener(MainMenuItem::kTeachers, ModalOpener(teachers_.get()));
  // The teacher window hands over no teacher: the duty window keeps its own choice.
  teachers_->SetDutyOpener([&registry] { registry.OpenLinked(LinkedWindow::kTeacherDuties, 0); });
  registry.SetOpener(MainMenuItem::kClassesAndRooms, ModalOpener(classes_.get()));
  registry.SetOpener(MainMenuItem::kWeeklyHours, [this] {
    OpenWeeklyHours();
    return OpenOutcome::kClosed;
  });
}

void MasterDataWindows::OpenWeeklyHours() {
  if (context_.school.Classes.empty()) {
    context_.sil.Notice(U8(kNoClassNotice));
    return;
  }
  ExecReturningFocus(*weeklyHours_);
}

}  // namespace kalvodrin
