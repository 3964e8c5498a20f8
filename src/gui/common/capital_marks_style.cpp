#include "gui/common/capital_marks_style.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QStyleOption>

#include <algorithm>

namespace kalvodrin {

int CapitalMarksOverhang(const QFont& font) {
  const QFontMetrics metrics(font);
  // The capitals whose marks stand highest; Ç and Ş carry theirs below the line.
  const int top = -metrics.tightBoundingRect(QString::fromUtf8("ÖÜİĞÂ")).top();
  return top > metrics.ascent() ? top - metrics.ascent() + 1 : 0;
}

void CapitalMarksStyle::polish(QWidget* widget) {
  QProxyStyle::polish(widget);
  auto* label = qobject_cast<QLabel*>(widget);
  if (label == nullptr) return;
  QMargins margins = label->contentsMargins();
  const int overhang = CapitalMarksOverhang(label->font());
  if (margins.top() >= overhang) return;
  margins.setTop(overhang);
  label->setContentsMargins(margins);
}

QSize CapitalMarksStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                          const QSize& size, const QWidget* widget) const {
  QSize result = QProxyStyle::sizeFromContents(type, option, size, widget);
  if (const auto* item = qstyleoption_cast<const QStyleOptionViewItem*>(option);
      type == CT_ItemViewItem && item != nullptr)
    result.rheight() += 2 * CapitalMarksOverhang(item->font);
  return result;
}

void InstallCapitalMarksStyle() {
  // The proxy takes the platform's style over; the application owns the proxy.
  QApplication::setStyle(new CapitalMarksStyle(QApplication::style()->name()));
}

}  // namespace kalvodrin
