#pragma once
// The duty windows of the program, created once and living until it ends. The duty
// distribution has no item of its own in the main menu: the teacher window and the
// teacher timetable window open it, through the registry's linked window
// kTeacherDuties, handing over the teacher to select.

#include <memory>

#include "gui/common/app_context.h"
#include "gui/common/window_registry.h"

class QWidget;

namespace kalvodrin {

class TNobetVerForm;

class DutyWindows : public AreaWindows {
 public:
  DutyWindows(AppContext context, QWidget* parent);
  ~DutyWindows() override;
  DutyWindows(const DutyWindows&) = delete;
  DutyWindows& operator=(const DutyWindows&) = delete;

  void Register(WindowRegistry& registry) override;

  TNobetVerForm& distribution() const { return *distribution_; }

 private:
  std::unique_ptr<TNobetVerForm> distribution_;
};

}  // namespace kalvodrin
