#pragma once
// Enter in an entry box moves to the next box, and on the last box does what the
// window's save key does, the way Turkish office programs have always behaved: a
// user types a record from top to bottom without reaching for the mouse or Tab.

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <vector>

namespace kalvodrin {

class EnterMoves : public QObject {
  Q_OBJECT

 public:
  // `onLast` runs on Enter in the last box.
  EnterMoves(QObject* owner, std::function<void()> onLast);

  // Appends a box to the walk; boxes that are hidden or disabled are passed over.
  void Add(QWidget* box);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::vector<QPointer<QWidget>> boxes_;
  std::function<void()> onLast_;
};

}  // namespace kalvodrin
