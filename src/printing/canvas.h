#pragma once
// The surface every printout is drawn on: a printer page, a PDF file, a preview or a
// recording for tests. Positions and sizes are device units of the page; fonts are
// sized in points and the canvas tells how large a text comes out in device units.

#include <string>
#include <string_view>

namespace kalvodrin {

struct Font {
  std::string name;  // UTF-8 family name, e.g. "Courier New"
  int size = 9;      // points
  bool bold = false;
  bool underline = false;
};

class Canvas {
 public:
  virtual ~Canvas() = default;

  // One print job: BeginDoc, any number of NewPage, EndDoc.
  virtual void BeginDoc() = 0;
  virtual void NewPage() = 0;
  virtual void EndDoc() = 0;

  // The printable page in device units, as the printer is set up now.
  virtual int PageWidth() const = 0;
  virtual int PageHeight() const = 0;
  virtual bool Landscape() const = 0;

  virtual void SetFont(const Font& font) = 0;
  virtual const Font& CurrentFont() const = 0;
  // Extent of a UTF-8 text in the current font.
  virtual int TextWidth(std::string_view utf8) const = 0;
  virtual int TextHeight(std::string_view utf8) const = 0;

  // Draws a UTF-8 text whose line box has its top left corner at (x, y).
  virtual void Text(int x, int y, std::string_view utf8) = 0;
  virtual void Line(int x1, int y1, int x2, int y2) = 0;
  virtual void Rectangle(int left, int top, int right, int bottom) = 0;
};

// Number of characters (code points) of a UTF-8 text.
inline int Utf8Length(std::string_view utf8) {
  int n = 0;
  for (char c : utf8)
    if ((static_cast<unsigned char>(c) & 0xC0u) != 0x80u) ++n;
  return n;
}

}  // namespace kalvodrin
