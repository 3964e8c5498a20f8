#include "printing/qt/qt_canvas.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPen>

namespace kalvodrin {
namespace {

QString Q(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace

QString ResolveFontFamily(const QString& name) {
  if (QFontDatabase::hasFamily(name)) return name;
  if (name.compare(QStringLiteral("Courier New"), Qt::CaseInsensitive) == 0 &&
      QFontDatabase::hasFamily(QStringLiteral("Liberation Mono")))
    return QStringLiteral("Liberation Mono");
  return name;
}

QFont ToQFont(const Font& font) {
  QFont f(ResolveFontFamily(Q(font.name)));
  f.setStyleHint(QFont::TypeWriter);
  f.setPointSize(font.size > 0 ? font.size : 1);
  f.setBold(font.bold);
  f.setUnderline(font.underline);
  return f;
}

QtCanvas::QtCanvas(QPagedPaintDevice& device) : device_(device) {
  SetFont(Font{"Courier New", 9, false, false});
}

QtCanvas::~QtCanvas() { Finish(); }

void QtCanvas::BeginDoc() {
  if (failed_) return;
  if (!started_) {
    started_ = true;
    if (!painter_.begin(&device_)) {
      failed_ = true;
      return;
    }
    painter_.setFont(qfont_);
    painter_.setPen(QPen(Qt::black, 0));
    return;
  }
  NewPage();
}

void QtCanvas::NewPage() {
  if (painter_.isActive()) device_.newPage();
}

bool QtCanvas::Finish() {
  if (painter_.isActive()) painter_.end();
  return !failed_;
}

int QtCanvas::PageWidth() const { return device_.width(); }
int QtCanvas::PageHeight() const { return device_.height(); }

bool QtCanvas::Landscape() const {
  return device_.pageLayout().orientation() == QPageLayout::Landscape;
}

void QtCanvas::SetFont(const Font& font) {
  font_ = font;
  qfont_ = ToQFont(font);
  if (painter_.isActive()) painter_.setFont(qfont_);
}

int QtCanvas::TextWidth(std::string_view utf8) const {
  return QFontMetrics(qfont_, &device_).horizontalAdvance(Q(utf8));
}

int QtCanvas::TextHeight(std::string_view) const { return QFontMetrics(qfont_, &device_).height(); }

void QtCanvas::Text(int x, int y, std::string_view utf8) {
  if (!painter_.isActive()) return;
  painter_.drawText(x, y + QFontMetrics(qfont_, &device_).ascent(), Q(utf8));
}

void QtCanvas::Line(int x1, int y1, int x2, int y2) {
  if (painter_.isActive()) painter_.drawLine(x1, y1, x2, y2);
}

void QtCanvas::Rectangle(int left, int top, int right, int bottom) {
  if (painter_.isActive()) painter_.drawRect(left, top, right - left, bottom - top);
}

}  // namespace kalvodrin
