#pragma once
// Helpers for driving the real windows in tests: typing Turkish text key by key,
// answering modal windows from inside their exec(), and making a window active so
// that focus and window-wide keys behave as on a desktop.

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace kalvodrin::testing {

// Types each character as its own key press carrying that character's text.
inline void TypeText(QWidget* widget, const QString& text) {
  for (QChar c : text) {
    const auto key = static_cast<Qt::Key>(c.toUpper().unicode());
    QTest::sendKeyEvent(QTest::Click, widget, key, QString(c), Qt::NoModifier);
  }
}

inline void Activate(QWidget* window) {
  window->show();
  window->activateWindow();
  QApplication::setActiveWindow(window);
  static_cast<void>(QTest::qWaitForWindowActive(window, 2000));
}

// The text the shared message window shows.
inline QString MessageText(QDialog* message) {
  return message->findChild<QTextEdit*>("RichEdit1")->toPlainText();
}

// Runs `action` on the next modal window once it is showing, from inside its event
// loop: neither `previous` nor the window that is modal already. A list window shown
// with show() is modal too, and on a loaded machine the event loop may turn before
// the key that opens the awaited window (making a window active waits for events).
// Gives up after five seconds, closing whatever is modal, so that a window that never
// opens fails the test instead of hanging it.
inline void OnNextModal(std::function<void(QDialog*)> action, QWidget* previous = nullptr) {
  auto* timer = new QTimer;
  auto started = std::make_shared<int>(0);
  const QPointer<QWidget> before(previous);
  const QPointer<QWidget> showing(QApplication::activeModalWidget());
  QObject::connect(timer, &QTimer::timeout, [timer, action, before, showing, started] {
    QWidget* modal = QApplication::activeModalWidget();
    const bool fresh = modal != nullptr && modal != before.data() && modal != showing.data();
    if (fresh && modal->isVisible()) {
      timer->stop();
      timer->deleteLater();
      auto* dialog = qobject_cast<QDialog*>(modal);
      Activate(dialog);
      action(dialog);
      return;
    }
    if (++*started > 1000) {
      timer->stop();
      timer->deleteLater();
      ADD_FAILURE() << "no modal window opened";
      if (modal != nullptr) modal->close();
    }
  });
  timer->start(5);
}

// Accepts the next message window once it shows, keeping its text in `text`.
inline void AcceptNextMessage(QString& text) {
  OnNextModal([&text](QDialog* d) {
    text = MessageText(d);
    d->accept();
  });
}

// Counts the modal windows that open while it lives and closes each at once; the one
// modal already when it starts is not counted.
class ModalCounter {
 public:
  ModalCounter() : showing_(QApplication::activeModalWidget()) {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      QWidget* modal = QApplication::activeModalWidget();
      if (modal != nullptr && modal != showing_.data() && modal->isVisible()) {
        ++count_;
        modal->close();
      }
    });
    timer_.start(5);
  }
  int count() const { return count_; }

 private:
  QPointer<QWidget> showing_;
  QTimer timer_;
  int count_ = 0;
};

}  // namespace kalvodrin::testing
