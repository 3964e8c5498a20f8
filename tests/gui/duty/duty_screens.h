#pragma once
// The duty windows for the PNG renderer, over a small school with duties.

#include <filesystem>

#include "screen_capture.h"

namespace kalvodrin {

// Works in a working folder under `root`.
void RenderDutyWindows(const SaveWindow& save, const std::filesystem::path& root);

}  // namespace kalvodrin
