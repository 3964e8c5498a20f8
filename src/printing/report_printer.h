#pragma once
// The print state shared while one printout is drawn, and the text primitives every
// report uses. School texts are cp1254 and go through OutCp; the program's own
// labels are UTF-8 and go through Out.

#include <string>
#include <string_view>

#include "core/school.h"
#include "printing/canvas.h"
#include "printing/page_geometry.h"

namespace kalvodrin {

// Appends 18 blanks, keeps the first n characters, then drops trailing blanks: a
// text of at most n characters with no padding.
std::string FitText(std::string_view text, int n);

// Where a text of `length` characters starts to stand centred in width w.
int CentredX(int w, int length, int charW);

// Today as the short date of the program's locale: "08.12.2026".
std::string TodayText();

struct PrintOptions {
  std::string date = TodayText();  // shown after "Tarih : "
};

class ReportPrinter {
 public:
  ReportPrinter(Canvas& canvas, const School& school, const PrintOptions& options)
      : canvas_(canvas), school_(school), options_(options) {}

  Canvas& canvas() { return canvas_; }
  const School& school() const { return school_; }
  const TSettingsRec& settings() const { return school_.Settings; }

  int PrintX = 0;
  int PrintY = 0;
  int PageOffset = 0;
  int TableWidth = 0;
  int CharW() const { return canvas_.TextWidth("A"); }
  int LineH() const { return canvas_.TextHeight("A"); }

  // Font by a cp1254 name as the settings store it.
  void SetFont(std::string_view cp1254Name, int size, bool bold = false, bool underline = false);
  void SetSize(int size);
  void SetBold(bool bold);
  void SetUnderline(bool underline);
  const Font& font() const { return canvas_.CurrentFont(); }

  void Out(int x, int y, std::string_view utf8) { canvas_.Text(x, y, utf8); }
  void OutCp(int x, int y, std::string_view cp1254);
  void Line(int x1, int y1, int x2, int y2) { canvas_.Line(x1, y1, x2, y2); }

  PageSize TimetablePage() const { return TimetablePageSize(settings(), canvas_); }
  PageSize SheetPage() const { return SheetPageSize(settings(), canvas_); }

  // The title block at the top of a page: the title centred, in the given font at 12
  // points bold, the date at the right in 9 points; PrintY moves down one line.
  void PrintTitle(std::string_view utf8Title, std::string_view cp1254FontName, int pageWidth);

 private:
  Canvas& canvas_;
  const School& school_;
  const PrintOptions& options_;
};

}  // namespace kalvodrin
