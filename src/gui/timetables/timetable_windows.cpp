#include "gui/timetables/timetable_windows.h"

#include "gui/timetables/cancel_form.h"
#include "gui/timetables/class_timetable_form.h"
#include "gui/timetables/room_timetable_form.h"
#include "gui/timetables/teacher_timetable_form.h"

namespace kalvodrin {

TimetableWindows::TimetableWindows(AppContext context, QWidget* parent)
    : rooms_(std::make_unique<TRoomPrgForm>(context, parent)),
      classes_(std::make_unique<TSnfPrgForm>(context, *rooms_, parent)),
      teachers_(std::make_unique<TOgrPrgForm>(context, *classes_, parent)),
      cancel_(std::make_unique<TBosaltForm>(context, parent)) {
  rooms_->SetHistory(&history_);
  classes_->SetHistory(&history_);
  teachers_->SetHistory(&history_);
  cancel_->SetHistory(&history_);
}

TimetableWindows::~TimetableWindows() = default;

void TimetableWindows::Register(WindowRegistry& registry) {
  registry.SetOpener(MainMenuItem::kTeacherTimetables, ModalOpener(teachers_.get()));
  registry.SetOpener(MainMenuItem::kClassTimetables, [this] {
    classes_->OpenWith(HandOver{});  // from the menu nothing is handed over
    return OpenOutcome::kClosed;
  });
  registry.SetOpener(MainMenuItem::kCancelPlacements, ModalOpener(cancel_.get()));
  // The registry lives as long as the program: the duty area may register its
  // window after this one.
  teachers_->SetDutyOpener(
      [&registry](int teacher) { registry.OpenLinked(LinkedWindow::kTeacherDuties, teacher); });
}

}  // namespace kalvodrin
