#include "gui/common/save_reason.h"

#include <QLabel>

#include "gui/common/qt_text.h"

namespace kalvodrin {

QLabel* ReasonLabel(QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName("ReasonLabel");
  label->setWordWrap(true);
  label->setStyleSheet("color: #a00000;");
  label->hide();
  return label;
}

void ShowReason(QLabel* label, const QString& reason) {
  label->setText(reason);
  label->setVisible(!reason.isEmpty());
}

QString MissingFieldReason(const QString& label) {
  if (label.isEmpty()) return {};
  return label + U8(" girilmedi");
}

}  // namespace kalvodrin
