#pragma once
// What the PDF module, a shared object built with the Qt canvas, offers the programs
// that load it only when they print. Loading Qt's painting, fonts and window-system
// libraries costs more than most commands take to run, so a program that links none
// of Qt finds the module at run time and asks it for the entry below.

#include <cstdint>
#include <functional>
#include <vector>

#include "printing/canvas.h"
#include "printing/pdf_page.h"

namespace kalvodrin {

// Raised whenever the entry's layout or meaning changes: a module left over from
// another build is refused, not called with arguments it reads differently.
inline constexpr int kPdfModuleVersion = 1;

struct PdfModuleEntry {
  int version;
  // Draws with `draw` into a PDF document held in memory; false when the document
  // could not be drawn at all.
  bool (*render)(const PdfPage& page, const std::function<void(Canvas&)>& draw,
                 std::vector<uint8_t>& document);
};

// The one symbol the module exports, a function without arguments returning the entry.
inline constexpr char kPdfModuleSymbol[] = "KalvodrinPdfModuleEntry";
using PdfModuleEntryFunction = const PdfModuleEntry* (*)();

}  // namespace kalvodrin
