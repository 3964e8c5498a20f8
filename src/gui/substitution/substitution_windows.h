#pragma once
// The substitution window of the program, created once: the main menu's item
// "DERS GÖREVLENDİRME" opens it.

#include <memory>

#include "gui/common/app_context.h"
#include "gui/common/window_registry.h"

class QWidget;

namespace kalvodrin {

class TGorevlendirmeForm;

class SubstitutionWindows : public AreaWindows {
 public:
  SubstitutionWindows(AppContext context, QWidget* parent);
  ~SubstitutionWindows() override;
  SubstitutionWindows(const SubstitutionWindows&) = delete;
  SubstitutionWindows& operator=(const SubstitutionWindows&) = delete;

  void Register(WindowRegistry& registry) override;

  TGorevlendirmeForm& plan() const { return *plan_; }

 private:
  std::unique_ptr<TGorevlendirmeForm> plan_;
};

}  // namespace kalvodrin
