#pragma once
// KeyLine: the one line at the foot of a window that lists its keys, "F2 / Ctrl+S
// Kaydet · Del Sil · F1 Yardım". The keys are bound through it, so that the line says
// what the keys do and a key bound here is never left out of it.
//
// The same keys mean the same everywhere: Ctrl+S saves (F2 too where the window gives
// F2 no other meaning), Del deletes the selected record in a list, Ctrl+P prints.

#include <QKeySequence>
#include <QLabel>
#include <QList>
#include <QString>

#include <functional>
#include <vector>

class QShortcut;

namespace kalvodrin {

struct KeyLineItem {
  QString keys;     // "F2 / Ctrl+S"
  QString meaning;  // "Kaydet"
};

// The line's text: the items in order, each its keys and meaning, joined by " · ".
// The spaces within an item do not break, so a wrapped line breaks between items.
QString KeyLineText(const std::vector<KeyLineItem>& items);

// The keys as the line shows them, the same on every desktop language: "F2 / Ctrl+S".
QString KeysText(const QList<QKeySequence>& keys);

class KeyLine : public QLabel {
  Q_OBJECT

 public:
  // Keys bound through the line act for the whole `window`. Object name "KeyLine".
  explicit KeyLine(QWidget* window);

  // Binds each key to the action for the whole window and lists them under `meaning`.
  std::vector<QShortcut*> Bind(const QList<QKeySequence>& keys, const QString& meaning,
                               std::function<void()> action);
  // As Bind, but the keys act only while `widget` (or a child of it) has the focus:
  // Del deletes a record from the list, never a character from a field. The
  // `windowKeys`, listed first, act for the whole window as with Bind.
  std::vector<QShortcut*> BindIn(QWidget* widget, const QList<QKeySequence>& keys,
                                 const QString& meaning, std::function<void()> action,
                                 const QList<QKeySequence>& windowKeys = {});
  // Lists keys that the window or Qt handles itself (Enter in a grid, Esc).
  void Show(const QString& keys, const QString& meaning);

  const std::vector<KeyLineItem>& items() const { return items_; }

 private:
  void Add(const QString& keys, const QString& meaning);

  QWidget* window_;
  std::vector<KeyLineItem> items_;
};

}  // namespace kalvodrin
