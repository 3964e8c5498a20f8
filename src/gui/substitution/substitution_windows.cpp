#include "gui/substitution/substitution_windows.h"

#include "gui/substitution/substitution_form.h"

namespace kalvodrin {

SubstitutionWindows::SubstitutionWindows(AppContext context, QWidget* parent)
    : plan_(std::make_unique<TGorevlendirmeForm>(context, parent)) {}

SubstitutionWindows::~SubstitutionWindows() = default;

void SubstitutionWindows::Register(WindowRegistry& registry) {
  registry.SetOpener(MainMenuItem::kSubstitution, [this] {
    plan_->Open();
    return OpenOutcome::kClosed;
  });
}

}  // namespace kalvodrin
