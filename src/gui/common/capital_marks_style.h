#pragma once
// Room for the marks over Turkish capitals. Common desktop fonts draw the dots of Ö, Ü
// and İ and the breve of Ğ above the height the font reports as its ascent (DejaVu
// Sans at 9 pt: two pixels over). Qt sizes a label or a list row to exactly that
// height and clips what is drawn to it, so "NÖBET" read as "NOBET" wherever such a
// line touched the top of its widget or row. This style gives every label and every
// row of a list the missing pixels above the text.

#include <QProxyStyle>

class QFont;

namespace kalvodrin {

// Pixels by which the marks over the capitals rise above the font's ascent, plus one
// so that the marks never touch a clipping edge; 0 for a font whose ascent holds them.
int CapitalMarksOverhang(const QFont& font);

class CapitalMarksStyle : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;

  // A label gets the overhang as its top margin.
  void polish(QWidget* widget) override;
  using QProxyStyle::polish;
  // A row of a list or table, whose text is centred, gets it above and below.
  QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                         const QWidget* widget) const override;
};

// Makes CapitalMarksStyle, over the platform's own style, the application's style.
void InstallCapitalMarksStyle();

}  // namespace kalvodrin
