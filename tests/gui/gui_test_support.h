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

// Runs `action` on the next modal window other than `previous` once it is showing,
// from inside its event loop. Gives up after five seconds, closing whatever is modal,
// so that a window that never opens fails the test instead of hanging it.
inline void OnNextModal(std::function<void(QDialog*)> action, QWidget* previous = nullptr) {
  auto* timer = new QTimer;
  auto started = std::make_shared<int>(0);
  QPointer<QWidget> before(previous);
  QObject::connect(timer, &QTimer::timeout, [timer, action, before, started, previous] {
    QWidget* modal = QApplication::activeModalWidget();
    const bool fresh = modal != nullptr && (before.isNull() || modal != previous);
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

// Counts the modal windows that open while it lives and closes each at once.
class ModalCounter {
 public:
  ModalCounter() {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      if (QWidget* modal = QApplication::activeModalWidget(); modal && modal->isVisible()) {
        ++count_;
        modal->close();
      }
    });
    timer_.start(5);
  }
  int count() const { return count_; }

 private:
  QTimer timer_;
  int count_ = 0;
};

}  // namespace kalvodrin::testing
