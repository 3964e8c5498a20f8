#pragma once
// The printing windows for the PNG renderer: the print dialog, the printer settings
// and the previews of the printouts of a scheduled school.

#include <filesystem>

#include "screen_capture.h"

namespace kalvodrin {

// Works under `root`, on a scheduled copy of `sample` (a working folder) when given.
void RenderPrintingWindows(const SaveWindow& save, const std::filesystem::path& root,
                           const char* sample);

}  // namespace kalvodrin
