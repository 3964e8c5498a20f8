#pragma once
// HistoryButtons: "GERİ AL" and "YİNELE" of the timetable windows and the cancel
// window, with Ctrl+Z, Ctrl+Y and Ctrl+Shift+Z on the window they sit in. Each button
// names the step it takes back or makes again and is enabled only when there is one;
// an undo or redo is written at once, and what went wrong is told in the message
// window. Every window of a school shares the one history.

#include <QWidget>

#include <functional>

#include "gui/common/app_context.h"

class QPushButton;

namespace kalvodrin {

class EditHistory;

class HistoryButtons : public QWidget {
  Q_OBJECT

 public:
  // `busy`: while true (a run owns the window) nothing is undone; `changed`: what the
  // window does after the timetables changed (refill, repaint).
  HistoryButtons(AppContext context, QWidget* window, std::function<bool()> busy,
                 std::function<void()> changed);

  void SetHistory(EditHistory* history);
  EditHistory* history() const { return history_; }

  void Undo();
  void Redo();
  // The buttons' texts and states from the history as it is now.
  void Refresh();

 private:
  void Move(bool undo);

  AppContext context_;
  EditHistory* history_ = nullptr;
  std::function<bool()> busy_;
  std::function<void()> changed_;
  QPushButton* undo_;
  QPushButton* redo_;
};

}  // namespace kalvodrin
