#pragma once
// What the PNG renderer's parts for each area share: how a window is handed over to
// be saved, and showing or catching a window to save it.

#include <QApplication>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace kalvodrin {

// Saves the window under the name (the renderer adds folder and ".png").
using SaveWindow = std::function<void(QWidget* window, const QString& name)>;

// Shows the window and saves it once it has laid itself out.
inline void ShowAndSave(const SaveWindow& save, QWidget& window, const QString& name) {
  window.show();
  QApplication::processEvents();
  save(&window, name);
}

// Saves the next modal window other than `previous` once it shows, from inside its
// exec(), then closes it; `then` runs before it closes (to queue the capture of a
// window it opens next). Returns the watch, to be deleted when nothing opened.
inline QTimer* CaptureNextModal(const SaveWindow& save, const QString& name,
                                QWidget* previous = nullptr,
                                std::function<void(QWidget*)> then = {}) {
  auto* timer = new QTimer;
  QObject::connect(timer, &QTimer::timeout, [=] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || modal == previous || !modal->isVisible()) return;
    timer->stop();
    timer->deleteLater();
    save(modal, name);
    if (then) then(modal);
    modal->close();
  });
  timer->start(10);
  return timer;
}

}  // namespace kalvodrin
