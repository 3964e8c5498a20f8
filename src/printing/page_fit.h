#pragma once
// Keeping a printout on its paper. A printout lays itself out in the units of the
// page it is given; on a small sheet (A4 where the layout wants A3) it may reach past
// the edge. Here it is first drawn on a measuring canvas, and when anything lies
// outside the page it is drawn again through a scaled canvas that shows it a larger
// page and shrinks every position and font onto the real one.

#include <functional>

#include "printing/canvas.h"

namespace kalvodrin {

// The box the drawn elements lie in (texts as their line boxes, lines end to end).
struct DrawnExtent {
  bool any = false;
  int left = 0, top = 0, right = 0, bottom = 0;
};

// Draws nothing: takes the page and the text metrics from `base` (setting the fonts
// there) and keeps the extent of what is drawn over all pages.
class MeasuringCanvas : public Canvas {
 public:
  explicit MeasuringCanvas(Canvas& base) : base_(base) {}

  void BeginDoc() override {}
  void NewPage() override {}
  void EndDoc() override {}
  int PageWidth() const override { return base_.PageWidth(); }
  int PageHeight() const override { return base_.PageHeight(); }
  bool Landscape() const override { return base_.Landscape(); }
  void SetFont(const Font& font) override { base_.SetFont(font); }
  const Font& CurrentFont() const override { return base_.CurrentFont(); }
  int TextWidth(std::string_view utf8) const override { return base_.TextWidth(utf8); }
  int TextHeight(std::string_view utf8) const override { return base_.TextHeight(utf8); }
  void Text(int x, int y, std::string_view utf8) override;
  void Line(int x1, int y1, int x2, int y2) override;
  void Rectangle(int left, int top, int right, int bottom) override;

  const DrawnExtent& extent() const { return extent_; }

 private:
  void Cover(int left, int top, int right, int bottom);

  Canvas& base_;
  DrawnExtent extent_;
};

// Draws on `target` shrunk by `factor` (0 < factor <= 1): the drawing sees a page
// 1/factor as large, every position is multiplied by the factor and every font is
// made as many points smaller, rounded down, so a text never comes out wider than
// the room its position leaves.
class ScaledCanvas : public Canvas {
 public:
  ScaledCanvas(Canvas& target, double factor) : target_(target), factor_(factor) {}

  void BeginDoc() override { target_.BeginDoc(); }
  void NewPage() override { target_.NewPage(); }
  void EndDoc() override { target_.EndDoc(); }
  int PageWidth() const override { return Up(target_.PageWidth()); }
  int PageHeight() const override { return Up(target_.PageHeight()); }
  bool Landscape() const override { return target_.Landscape(); }
  void SetFont(const Font& font) override;
  const Font& CurrentFont() const override { return font_; }
  int TextWidth(std::string_view utf8) const override { return Up(target_.TextWidth(utf8)); }
  int TextHeight(std::string_view utf8) const override { return Up(target_.TextHeight(utf8)); }
  void Text(int x, int y, std::string_view utf8) override;
  void Line(int x1, int y1, int x2, int y2) override;
  void Rectangle(int left, int top, int right, int bottom) override;

 private:
  int Down(int v) const;
  int Up(int v) const;

  Canvas& target_;
  double factor_;
  Font font_;
};

// Draws with `draw` on `canvas` so that everything lies on the page: as it is when it
// fits, else shrunk by the largest factor that makes it fit. Returns the factor (1
// when nothing was shrunk).
double DrawFitted(Canvas& canvas, const std::function<void(Canvas&)>& draw);

}  // namespace kalvodrin
