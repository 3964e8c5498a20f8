#pragma once
// The settings windows of the timetable windows for the PNG renderer.

#include "gui/common/app_context.h"
#include "screen_capture.h"

namespace kalvodrin {

// On the school of `context` (a placed school with a guidance lesson gives the
// windows something to show).
void RenderSettingsWindows(const SaveWindow& save, AppContext context);

}  // namespace kalvodrin
