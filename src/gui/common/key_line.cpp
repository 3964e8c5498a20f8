#include "gui/common/key_line.h"

#include <QShortcut>

#include "gui/common/function_keys.h"

namespace kalvodrin {

QString KeyLineText(const std::vector<KeyLineItem>& items) {
  // A narrow window wraps the line between two keys, never inside one: "F5" at the
  // end of a line and "Programı sil" at the start of the next read as two keys. The
  // dot stays with the item before it, so that no line starts with a dot.
  const QChar unbroken(0x00A0);
  QStringList parts;
  for (const KeyLineItem& item : items)
    parts << QString(item.keys + " " + item.meaning).replace(' ', unbroken);
  return parts.join(QString(unbroken) + unbroken + QString::fromUtf8("·  "));
}

QString KeysText(const QList<QKeySequence>& keys) {
  QStringList texts;
  for (const QKeySequence& key : keys) texts << key.toString(QKeySequence::PortableText);
  return texts.join(" / ");
}

KeyLine::KeyLine(QWidget* window) : QLabel(window), window_(window) {
  setObjectName("KeyLine");
  setWordWrap(true);
  setStyleSheet("color: palette(dark)");
}

std::vector<QShortcut*> KeyLine::Bind(const QList<QKeySequence>& keys, const QString& meaning,
                                      std::function<void()> action) {
  std::vector<QShortcut*> shortcuts;
  for (const QKeySequence& key : keys) shortcuts.push_back(BindKey(window_, key, action));
  Add(KeysText(keys), meaning);
  return shortcuts;
}

std::vector<QShortcut*> KeyLine::BindIn(QWidget* widget, const QList<QKeySequence>& keys,
                                        const QString& meaning, std::function<void()> action,
                                        const QList<QKeySequence>& windowKeys) {
  std::vector<QShortcut*> shortcuts;
  for (const QKeySequence& key : windowKeys) shortcuts.push_back(BindKey(window_, key, action));
  for (const QKeySequence& key : keys) {
    QShortcut* s = BindKey(widget, key, action);
    s->setContext(Qt::WidgetWithChildrenShortcut);
    shortcuts.push_back(s);
  }
  Add(KeysText(windowKeys + keys), meaning);
  return shortcuts;
}

void KeyLine::Show(const QString& keys, const QString& meaning) { Add(keys, meaning); }

void KeyLine::Add(const QString& keys, const QString& meaning) {
  items_.push_back({keys, meaning});
  setText(KeyLineText(items_));
}

}  // namespace kalvodrin
