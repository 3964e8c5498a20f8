#include "printing/qt/pdf_output.h"

#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>
#include <QPageSize>
#include <QPdfWriter>

#include <memory>

#include "core/file_io.h"
#include "printing/qt/qt_canvas.h"

namespace kalvodrin {
namespace {

// Text measuring and drawing need a Qt application; a headless caller gets one on
// the offscreen platform, kept until the program ends.
void EnsureGuiApplication() {
  if (QCoreApplication::instance() != nullptr) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "kalvodrin";
  static char* argv[] = {name, nullptr};
  static std::unique_ptr<QGuiApplication> app = std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace

Status WritePdf(const std::filesystem::path& file, const PdfPage& page,
                const std::function<void(Canvas&)>& draw) {
  LocalFileSystem disk;
  return WritePdf(file, page, draw, disk);
}

// The document is drawn in memory and then written like every other file, so that a
// full disk or a crash never leaves a torn PDF in place of the old one.
Status WritePdf(const std::filesystem::path& file, const PdfPage& page,
                const std::function<void(Canvas&)>& draw, FileSystem& disk) {
  EnsureGuiApplication();
  QByteArray document;
  {
    QBuffer buffer(&document);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(kPdfResolution);
    writer.setCreator(QStringLiteral("Kalvodrin"));
    writer.setTitle(QString::fromUtf8(page.title.c_str()));
    const QPageLayout layout(
        QPageSize(page.paper == PdfPage::Paper::kA3 ? QPageSize::A3 : QPageSize::A4),
        page.landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(0, 0, 0, 0));
    writer.setPageLayout(layout);
    QtCanvas canvas(writer);
    draw(canvas);
    if (!canvas.started()) {
      // Nothing to print still gives a valid, empty document.
      canvas.BeginDoc();
    }
    if (!canvas.Finish()) return Status::Error(file.string() + " yazılamadı");
  }
  const Bytes bytes(document.begin(), document.end());
  return WriteFileAtomically(file, bytes, disk);
}

}  // namespace kalvodrin
