#include "gui/common/window_registry.h"
#include "gui/common/focus_return.h"

#include <QDialog>

namespace kalvodrin {

WindowOpener ModalOpener(QDialog* window) {
  return [window] {
    ExecReturningFocus(*window);
    return OpenOutcome::kClosed;
  };
}

}  // namespace kalvodrin
