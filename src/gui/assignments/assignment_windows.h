#pragma once
// The assignment windows of the program, created once and living until it ends, and
// their place in the main window's menu: "SINIFLARA DERS ATAMA" (the class lessons,
// from which the common lessons, copying and classrooms open) and "ÖĞRETMENLERE DERS
// ATAMA" (the teacher distribution).

#include <memory>

#include "gui/common/app_context.h"
#include "gui/common/window_registry.h"

class QWidget;

namespace kalvodrin {

class TOgrDrsForm;
class TSnfDrsForm;

class AssignmentWindows : public AreaWindows {
 public:
  AssignmentWindows(AppContext context, QWidget* parent);
  ~AssignmentWindows() override;
  AssignmentWindows(const AssignmentWindows&) = delete;
  AssignmentWindows& operator=(const AssignmentWindows&) = delete;

  void Register(WindowRegistry& registry) override;

  TSnfDrsForm& classLessons() const { return *classLessons_; }
  TOgrDrsForm& teacherLessons() const { return *teacherLessons_; }

 private:
  std::unique_ptr<TSnfDrsForm> classLessons_;
  std::unique_ptr<TOgrDrsForm> teacherLessons_;
};

}  // namespace kalvodrin
