#pragma once
// The substitution window for the PNG renderer, with a proposal for two absences.

#include <filesystem>

#include "screen_capture.h"

namespace kalvodrin {

// Works in a working folder under `root`.
void RenderSubstitutionWindows(const SaveWindow& save, const std::filesystem::path& root);

}  // namespace kalvodrin
