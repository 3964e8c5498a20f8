#pragma once
// Printouts written to a PDF file, for callers without Qt of their own (the
// command-line tool): no Qt type in this header.

#include <filesystem>
#include <functional>
#include <string>

#include "core/file_system.h"
#include "core/status.h"
#include "printing/canvas.h"

namespace kalvodrin {

// Device units of the PDF pages: 200 per inch, so the settings' default margins of
// 30 units are about 4 mm.
inline constexpr int kPdfResolution = 200;

struct PdfPage {
  enum class Paper { kA4, kA3 };
  Paper paper = Paper::kA4;
  bool landscape = true;
  std::string title;  // UTF-8 document title: the school's name and the printout
};

// Draws with `draw` into a new PDF file that replaces `file` only when the whole
// document was written. Works without a display: when the program has no Qt
// application yet, one is started on the offscreen platform.
Status WritePdf(const std::filesystem::path& file, const PdfPage& page,
                const std::function<void(Canvas&)>& draw);
Status WritePdf(const std::filesystem::path& file, const PdfPage& page,
                const std::function<void(Canvas&)>& draw, FileSystem& disk);

}  // namespace kalvodrin
