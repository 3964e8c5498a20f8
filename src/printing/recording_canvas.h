#pragma once
// A canvas that draws nothing and remembers every call, for layout tests. Its fonts
// are fixed-pitch with metrics the test may choose: by default a character is twice
// the point size wide and a line three times the point size high.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "printing/canvas.h"

namespace kalvodrin {

struct CanvasOp {
  enum class Kind { kBeginDoc, kNewPage, kEndDoc, kText, kLine, kRectangle };
  Kind kind = Kind::kText;
  int x = 0, y = 0, x2 = 0, y2 = 0;
  std::string text;  // UTF-8, for kText
  Font font;         // in force when the call was made
  int job = 0;       // 1.. counted by BeginDoc
  int page = 0;      // 1.. within the job
};

class RecordingCanvas : public Canvas {
 public:
  RecordingCanvas(int pageWidth, int pageHeight, bool landscape = false)
      : width_(pageWidth), height_(pageHeight), landscape_(landscape) {}

  // Per-character width and line height of a font; replaces the defaults.
  std::function<int(const Font&)> charWidth = [](const Font& f) { return 2 * f.size; };
  std::function<int(const Font&)> lineHeight = [](const Font& f) { return 3 * f.size; };

  void BeginDoc() override;
  void NewPage() override;
  void EndDoc() override;
  int PageWidth() const override { return width_; }
  int PageHeight() const override { return height_; }
  bool Landscape() const override { return landscape_; }
  void SetFont(const Font& font) override { font_ = font; }
  const Font& CurrentFont() const override { return font_; }
  int TextWidth(std::string_view utf8) const override;
  int TextHeight(std::string_view utf8) const override;
  void Text(int x, int y, std::string_view utf8) override;
  void Line(int x1, int y1, int x2, int y2) override;
  void Rectangle(int left, int top, int right, int bottom) override;

  const std::vector<CanvasOp>& ops() const { return ops_; }
  // The text calls, in order.
  std::vector<CanvasOp> Texts() const;
  std::vector<CanvasOp> Lines() const;
  // The first text call whose text is exactly `utf8`; nullptr when there is none.
  const CanvasOp* Find(std::string_view utf8) const;
  // Every text call whose text is exactly `utf8`.
  std::vector<CanvasOp> FindAll(std::string_view utf8) const;
  int Count(CanvasOp::Kind kind) const;
  // Pages drawn over all jobs (every job has at least its first page).
  int Pages() const;

 private:
  void Add(CanvasOp op);

  int width_;
  int height_;
  bool landscape_;
  Font font_;
  int job_ = 0;
  int page_ = 0;
  std::vector<CanvasOp> ops_;
};

}  // namespace kalvodrin
