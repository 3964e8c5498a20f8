#pragma once
// The assignment windows for the PNG renderer, over a small school with Turkish names.

#include <filesystem>

#include "screen_capture.h"

namespace kalvodrin {

// Works in a working folder under `root`.
void RenderAssignmentWindows(const SaveWindow& save, const std::filesystem::path& root);

}  // namespace kalvodrin
