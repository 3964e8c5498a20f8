#pragma once
// The page a printout is written on as a PDF file: what a caller without Qt of its own
// (the command-line tool) tells the Qt side.

#include <string>

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

}  // namespace kalvodrin
