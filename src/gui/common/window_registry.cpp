#include "gui/common/window_registry.h"
#include "gui/common/focus_return.h"

#include <QDialog>

#include <utility>

namespace kalvodrin {

WindowOpener ModalOpener(QDialog* window) {
  return [window] {
    ExecReturningFocus(*window);
    return OpenOutcome::kClosed;
  };
}

void WindowRegistry::SetLinkedOpener(LinkedWindow window, LinkedOpener opener) {
  linked_[window] = std::move(opener);
}

bool WindowRegistry::OpenLinked(LinkedWindow window, int number) const {
  const auto it = linked_.find(window);
  if (it == linked_.end() || !it->second) return false;
  it->second(number);
  return true;
}

}  // namespace kalvodrin
