#include "printing/qt/pdf_render.h"

#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>
#include <QPageSize>
#include <QPdfWriter>

#include <memory>

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

bool RenderPdf(const PdfPage& page, const std::function<void(Canvas&)>& draw,
               std::vector<uint8_t>& document) {
  EnsureGuiApplication();
  QByteArray bytes;
  {
    QBuffer buffer(&bytes);
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
    if (!canvas.Finish()) return false;
  }
  document.assign(bytes.begin(), bytes.end());
  return true;
}

}  // namespace kalvodrin
