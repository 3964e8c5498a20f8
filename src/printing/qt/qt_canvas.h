#pragma once
// The canvas on a Qt paged device: a QPrinter (a real printer or the print preview)
// or a QPdfWriter. Device units are the device's pixels. Every print job after the
// first continues the same document on a new page, so printing "Tümü" or the
// timetables of several teachers gives one document the user previews, prints or
// saves at once.

#include <QFont>
#include <QPagedPaintDevice>
#include <QPainter>

#include "printing/canvas.h"

namespace kalvodrin {

// The family a font name is drawn with: the name itself when it is installed;
// "Courier New", which the stored settings name, falls back to the metric-compatible
// Liberation Mono.
QString ResolveFontFamily(const QString& name);
QFont ToQFont(const Font& font);

class QtCanvas : public Canvas {
 public:
  explicit QtCanvas(QPagedPaintDevice& device);
  ~QtCanvas() override;
  QtCanvas(const QtCanvas&) = delete;
  QtCanvas& operator=(const QtCanvas&) = delete;

  void BeginDoc() override;
  void NewPage() override;
  void EndDoc() override {}
  int PageWidth() const override;
  int PageHeight() const override;
  bool Landscape() const override;
  void SetFont(const Font& font) override;
  const Font& CurrentFont() const override { return font_; }
  int TextWidth(std::string_view utf8) const override;
  int TextHeight(std::string_view utf8) const override;
  void Text(int x, int y, std::string_view utf8) override;
  void Line(int x1, int y1, int x2, int y2) override;
  void Rectangle(int left, int top, int right, int bottom) override;

  // Ends the document; false when the device could not be drawn on at all.
  bool Finish();
  bool failed() const { return failed_; }
  // Whether anything was drawn.
  bool started() const { return started_; }

 private:
  QPagedPaintDevice& device_;
  QPainter painter_;
  Font font_;
  QFont qfont_;
  bool started_ = false;
  bool failed_ = false;
};

}  // namespace kalvodrin
