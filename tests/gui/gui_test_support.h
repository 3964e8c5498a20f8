#pragma once
// Helpers for driving the real windows in tests: typing Turkish text key by key,
// answering modal windows from inside their exec(), and making a window active so
// that focus and window-wide keys behave as on a desktop.

#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QWidget>

#include <cstdlib>
#include <functional>
#include <string>

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

// Whether a row of pixels of the image, from `left` to before `right`, carries ink: a
// colour that stands out from `ground`.
inline bool InkInRow(const QImage& image, int y, int left, int right, QColor ground) {
  for (int x = left; x < right; ++x)
    if (std::abs(qGray(image.pixel(x, y)) - qGray(ground.rgb())) > 12) return true;
  return false;
}

// The texts of the visible labels of `window` whose letters were cut at the top, joined
// by " | ". Text drawn over the
// upper edge of a label is clipped there, leaving ink in the label's first row of
// pixels; text that fits leaves that row empty. Labels painting a background of their
// own (the colour samples) are left out.
inline std::string LabelsCutAtTheTop(QWidget* window) {
  QStringList cut;
  for (QLabel* label : window->findChildren<QLabel*>()) {
    if (!label->isVisible() || label->text().isEmpty() || label->height() == 0 ||
        label->styleSheet().contains("background"))
      continue;
    const QImage image = label->grab().toImage();
    const QColor ground = label->palette().color(label->backgroundRole());
    if (InkInRow(image, 0, 0, image.width(), ground)) cut << label->text();
  }
  return cut.join(" | ").toStdString();
}

// The texts of the visible labels of `window` given less height than their text needs
// (squeezed by a window too small for them), joined by " | ".
inline std::string LabelsSqueezed(QWidget* window) {
  QStringList squeezed;
  for (QLabel* label : window->findChildren<QLabel*>())
    if (label->isVisible() && label->height() < label->minimumSizeHint().height())
      squeezed << label->text();
  return squeezed.join(" | ").toStdString();
}

// The rows of the list whose letters were cut at the top of the row, as for labels;
// the selected and current rows, drawn with a frame or a highlight, are left out.
inline std::string RowsCutAtTheTop(QListWidget* list) {
  QStringList cut;
  const QImage image = list->viewport()->grab().toImage();
  for (int i = 0; i < list->count(); ++i) {
    QListWidgetItem* item = list->item(i);
    const QRect row = list->visualItemRect(item);
    if (item->isSelected() || i == list->currentRow() || row.top() < 0 ||
        row.bottom() >= image.height())
      continue;
    if (InkInRow(image, row.top(), row.left(), row.right(), list->palette().color(QPalette::Base)))
      cut << item->text();
  }
  return cut.join(" | ").toStdString();
}

}  // namespace kalvodrin::testing
