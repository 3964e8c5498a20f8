#pragma once
// How an area's windows join the main window's menu without the two knowing each
// other. The composition root creates each area's windows once (an AreaWindows) and
// hands them the registry, which the main window implements; the area names the items
// it serves and how each opens. The main window alone decides when an item may be
// chosen (the item's test, a loaded school).

#include <functional>
#include <map>

#include "shell/main_menu.h"

class QDialog;

namespace kalvodrin {

enum class OpenOutcome {
  kClosed,
  kRestored,  // the backup window restored files: the program must end
};
using WindowOpener = std::function<OpenOutcome()>;

// Windows that one area's window opens in another area, handing over a record's
// number. The area that owns the window gives the opener; the others ask for it
// when the user asks for the window, so the order the areas register in is free.
enum class LinkedWindow {
  kTeacherDuties,  // the duty distribution; the teacher to select, 0: as last time
};
using LinkedOpener = std::function<void(int number)>;

class WindowRegistry {
 public:
  // Gives the item its window; the item is enabled from now on.
  virtual void SetOpener(MainMenuItem item, WindowOpener opener) = 0;

  void SetLinkedOpener(LinkedWindow window, LinkedOpener opener);
  // Opens the window for the number; false, and nothing happens, while no area has
  // given it.
  bool OpenLinked(LinkedWindow window, int number) const;

 protected:
  ~WindowRegistry() = default;

 private:
  std::map<LinkedWindow, LinkedOpener> linked_;
};

// One area's windows, created once and living until the program ends.
class AreaWindows {
 public:
  virtual ~AreaWindows() = default;
  // Gives the main window's items that this area serves their windows.
  virtual void Register(WindowRegistry& registry) = 0;
};

// The opener of a plain modal window: shows it and reports it closed.
WindowOpener ModalOpener(QDialog* window);

}  // namespace kalvodrin
