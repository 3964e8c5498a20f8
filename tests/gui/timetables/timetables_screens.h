#pragma once
// The timetable windows for the PNG renderer: each on the placed sample school, and
// the teacher window once in the middle of a run with its panel showing.

#include <filesystem>

#include "screen_capture.h"

namespace kalvodrin {

// Works in working folders under `root`.
void RenderTimetableWindows(const SaveWindow& save, const std::filesystem::path& root);

}  // namespace kalvodrin
