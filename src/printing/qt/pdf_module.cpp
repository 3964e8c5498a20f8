// The PDF module: the Qt canvas as a shared object that the command-line tool loads
// only when it prints, so that its other commands start without loading Qt.

#include "printing/pdf_module_entry.h"
#include "printing/qt/pdf_render.h"

namespace {

constexpr kalvodrin::PdfModuleEntry kEntry{kalvodrin::kPdfModuleVersion, &kalvodrin::RenderPdf};

}  // namespace

// The module is built with hidden symbols; this is the one its loader looks up.
extern "C" __attribute__((visibility("default"))) const kalvodrin::PdfModuleEntry*
KalvodrinPdfModuleEntry() {
  return &kEntry;
}
