#pragma once
// The one list of every area's windows. An area joins the program by adding one line
// to CreateAreaWindows; its windows then register themselves with the main window.

#include <QWidget>

#include <memory>
#include <vector>

#include "gui/common/app_context.h"
#include "gui/common/window_registry.h"

namespace kalvodrin {

// Every area's windows, created once, owned by the caller; `parent` is the main window.
std::vector<std::unique_ptr<AreaWindows>> CreateAreaWindows(AppContext context, QWidget* parent);

}  // namespace kalvodrin
