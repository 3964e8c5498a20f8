#pragma once
// Printouts written to a PDF file by the desktop program, which links Qt anyway (the
// command-line tool loads the PDF module instead, see printing/pdf_module_entry.h).

#include <filesystem>
#include <functional>

#include "core/file_system.h"
#include "core/status.h"
#include "printing/canvas.h"
#include "printing/pdf_page.h"

namespace kalvodrin {

// Draws with `draw` into a new PDF file that replaces `file` only when the whole
// document was written. Works without a display: when the program has no Qt
// application yet, one is started on the offscreen platform.
Status WritePdf(const std::filesystem::path& file, const PdfPage& page,
                const std::function<void(Canvas&)>& draw);
Status WritePdf(const std::filesystem::path& file, const PdfPage& page,
                const std::function<void(Canvas&)>& draw, FileSystem& disk);

}  // namespace kalvodrin
