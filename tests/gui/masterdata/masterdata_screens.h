#pragma once
// The master-data windows for the PNG renderer: each window over a small sample school
// whose names use every Turkish capital.

#include <filesystem>

#include "screen_capture.h"

namespace kalvodrin {

// Works in a working folder under `root`.
void RenderMasterDataWindows(const SaveWindow& save, const std::filesystem::path& root);

}  // namespace kalvodrin
