#include "gui/common/window_registry.h"

#include <QDialog>

namespace kalvodrin {

WindowOpener ModalOpener(QDialog* window) {
  return [window] {
    window->exec();
    return OpenOutcome::kClosed;
  };
}

}  // namespace kalvodrin
