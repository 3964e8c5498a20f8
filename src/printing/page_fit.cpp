#include "printing/page_fit.h"

#include <algorithm>
#include <cmath>

namespace kalvodrin {
namespace {

// The factor that brings the extent onto a page of this size; 1 when it is on it.
double FitFactor(const DrawnExtent& e, int width, int height) {
  double factor = 1.0;
  if (!e.any) return factor;
  if (e.right > width && e.right > 0)
    factor = std::min(factor, static_cast<double>(width) / e.right);
  if (e.bottom > height && e.bottom > 0)
    factor = std::min(factor, static_cast<double>(height) / e.bottom);
  return factor;
}

}  // namespace

void MeasuringCanvas::Cover(int left, int top, int right, int bottom) {
  if (!extent_.any) {
    extent_ = {true, left, top, right, bottom};
    return;
  }
  extent_.left = std::min(extent_.left, left);
  extent_.top = std::min(extent_.top, top);
  extent_.right = std::max(extent_.right, right);
  extent_.bottom = std::max(extent_.bottom, bottom);
}

void MeasuringCanvas::Text(int x, int y, std::string_view utf8) {
  Cover(x, y, x + TextWidth(utf8), y + TextHeight(utf8));
}

void MeasuringCanvas::Line(int x1, int y1, int x2, int y2) {
  Cover(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2));
}

void MeasuringCanvas::Rectangle(int left, int top, int right, int bottom) {
  Line(left, top, right, bottom);
}

// Positions go down to the page rounded down; sizes the drawing reads come up to it
// rounded up, so what it lays out by them never overlaps on the page.
int ScaledCanvas::Down(int v) const { return static_cast<int>(std::floor(v * factor_)); }
int ScaledCanvas::Up(int v) const { return static_cast<int>(std::ceil(v / factor_)); }

void ScaledCanvas::SetFont(const Font& font) {
  font_ = font;
  Font smaller = font;
  smaller.size = std::max(1, static_cast<int>(std::floor(font.size * factor_)));
  target_.SetFont(smaller);
}

void ScaledCanvas::Text(int x, int y, std::string_view utf8) {
  target_.Text(Down(x), Down(y), utf8);
}

void ScaledCanvas::Line(int x1, int y1, int x2, int y2) {
  target_.Line(Down(x1), Down(y1), Down(x2), Down(y2));
}

void ScaledCanvas::Rectangle(int left, int top, int right, int bottom) {
  target_.Rectangle(Down(left), Down(top), Down(right), Down(bottom));
}

double DrawFitted(Canvas& canvas, const std::function<void(Canvas&)>& draw) {
  // A drawing that lays itself out by the page it is shown reaches a little less far
  // on the larger page it sees when shrunk; a few rounds settle the factor.
  double factor = 1.0;
  for (int round = 0; round < 4; ++round) {
    MeasuringCanvas measuring(canvas);
    if (factor < 1.0) {
      ScaledCanvas scaled(measuring, factor);
      draw(scaled);
    } else {
      draw(measuring);
    }
    const double more = FitFactor(measuring.extent(), canvas.PageWidth(), canvas.PageHeight());
    if (more >= 1.0) break;
    factor *= more;
  }
  if (factor < 1.0) {
    ScaledCanvas scaled(canvas, factor);
    draw(scaled);
  } else {
    draw(canvas);
  }
  return factor;
}

}  // namespace kalvodrin
