#pragma once
// Small schools for the layout tests, and the recording canvas they are drawn on.

#include <string>

#include "core/school.h"
#include "core/turkish_text.h"
#include "engine/counts.h"
#include "printing/recording_canvas.h"
#include "printing/report_printer.h"
#include "school_builder.h"

namespace kalvodrin::testing {

inline const PrintOptions kOptions{"08.12.2026"};

// Gives a lesson its short name (the builder leaves it empty).
inline void ShortName(School& s, int lesson, std::string_view utf8) {
  s.LessonByNo(lesson)->shortName.assign(UserTextToCp1254(utf8));
}

// A page wide and high enough for every layout the tests draw.
inline RecordingCanvas Page(int width = 2000, int height = 1400) {
  return RecordingCanvas(width, height);
}

}  // namespace kalvodrin::testing
