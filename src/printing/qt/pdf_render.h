#pragma once
// A printout drawn into a PDF document in memory. No Qt type here: the PDF module
// hands this to programs that do not link Qt.

#include <cstdint>
#include <functional>
#include <vector>

#include "printing/canvas.h"
#include "printing/pdf_page.h"

namespace kalvodrin {

// Draws with `draw` on pages as `page` says and leaves the whole document in
// `document`; false when the document could not be drawn at all. Works without a
// display: when the program has no Qt application yet, one is started on the
// offscreen platform.
bool RenderPdf(const PdfPage& page, const std::function<void(Canvas&)>& draw,
               std::vector<uint8_t>& document);

}  // namespace kalvodrin
