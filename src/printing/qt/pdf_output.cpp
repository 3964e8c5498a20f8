#include "printing/qt/pdf_output.h"

#include "core/file_io.h"
#include "printing/qt/pdf_render.h"

namespace kalvodrin {

Status WritePdf(const std::filesystem::path& file, const PdfPage& page,
                const std::function<void(Canvas&)>& draw) {
  LocalFileSystem disk;
  return WritePdf(file, page, draw, disk);
}

// The document is drawn in memory and then written like every other file, so that a
// full disk or a crash never leaves a torn PDF in place of the old one.
Status WritePdf(const std::filesystem::path& file, const PdfPage& page,
                const std::function<void(Canvas&)>& draw, FileSystem& disk) {
  Bytes document;
  if (!RenderPdf(page, draw, document)) return Status::Error(file.string() + " yazılamadı");
  return WriteFileAtomically(file, document, disk);
}

}  // namespace kalvodrin
