#include "gui/common/key_filters.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>

#include <string>

#include "core/turkish_text.h"
#include "gui/common/qt_text.h"

namespace kalvodrin {
namespace {

// Upper-cases character by character in the code page of the records.
std::optional<QString> TurkUpper(const QString& typed) {
  std::optional<std::string> cp = Utf8ToCp1254(typed.toStdString());
  if (!cp) return std::nullopt;
  for (char& c : *cp) c = TurkUpCase(c);
  return FromCp1254(*cp);
}

bool IsTypedCharacter(const QKeyEvent* key) {
  const QString text = key->text();
  if (text.isEmpty()) return false;
  for (QChar c : text)
    if (!c.isPrint()) return false;
  return true;
}

class KeyFilter : public QObject {
 public:
  KeyFilter(QLineEdit* field, FieldKind kind) : QObject(field), field_(field), kind_(kind) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (resending_ || watched != field_ || event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (!IsTypedCharacter(key)) return false;
    const std::optional<QString> taken = FilterTyped(kind_, key->text());
    if (!taken) return true;  // discarded
    if (*taken == key->text()) return false;
    // The field sees the key as if the capital had been typed.
    QKeyEvent replaced(QEvent::KeyPress, key->key(), key->modifiers(), *taken,
                       key->isAutoRepeat(), static_cast<ushort>(key->count()));
    resending_ = true;
    QCoreApplication::sendEvent(field_, &replaced);
    resending_ = false;
    return true;
  }

 private:
  QLineEdit* field_;
  FieldKind kind_;
  bool resending_ = false;
};

// Pasted or dropped text: characters the field refuses are left out.
void HoldEditsToRule(QLineEdit* field, FieldKind kind) {
  QObject::connect(field, &QLineEdit::textEdited, field, [field, kind](const QString& text) {
    QString kept;
    for (QChar c : text)
      if (std::optional<QString> t = FilterTyped(kind, QString(c))) kept += *t;
    if (kind == FieldKind::kYesNo) kept = kept.left(1);
    if (kept == text) return;
    const int cursor = field->cursorPosition() - static_cast<int>(text.size() - kept.size());
    field->setText(kept);
    field->setCursorPosition(std::max(0, cursor));
  });
}

}  // namespace

std::optional<QString> FilterTyped(FieldKind kind, const QString& typed) {
  std::optional<QString> upper = TurkUpper(typed);
  if (!upper) return std::nullopt;
  switch (kind) {
    case FieldKind::kTurkishUpper:
      return upper;
    case FieldKind::kDigits:
      for (QChar c : typed)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return std::nullopt;
      return typed;
    case FieldKind::kYesNo:
      if (*upper == QLatin1String("E") || *upper == QLatin1String("H")) return upper;
      return std::nullopt;
  }
  return std::nullopt;
}

void InstallKeyFilter(QLineEdit* field, FieldKind kind) {
  field->installEventFilter(new KeyFilter(field, kind));
  if (kind == FieldKind::kYesNo) field->setMaxLength(1);
  HoldEditsToRule(field, kind);
}

}  // namespace kalvodrin
