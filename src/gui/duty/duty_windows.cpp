#include "gui/duty/duty_windows.h"

#include "gui/duty/duty_forms.h"

namespace kalvodrin {

DutyWindows::DutyWindows(AppContext context, QWidget* parent)
    : distribution_(std::make_unique<TNobetVerForm>(context, parent)) {}

DutyWindows::~DutyWindows() = default;

void DutyWindows::Register(WindowRegistry& registry) {
  registry.SetLinkedOpener(LinkedWindow::kTeacherDuties,
                           [this](int teacher) { distribution_->OpenFor(teacher); });
}

}  // namespace kalvodrin
