#pragma once
// TBosYerForm ("NÖBET ÇİZELGESİ"): for every duty place its duties per day and their
// total, and for the selected place the teachers on duty each day. "Yazdır" prints
// the chart through the program's printing when it has one.

#include <QDialog>

#include <array>
#include <functional>

#include "gui/common/app_context.h"

class QListWidget;
class QPushButton;

namespace kalvodrin {

class ListGrid;

class TBosYerForm : public QDialog {
  Q_OBJECT

 public:
  explicit TBosYerForm(AppContext context, QWidget* parent = nullptr);

  // Shows the chart with the place's row selected (the first row when not found).
  void Show(int place);
  // Fills the window for the place without showing it (the chart window's state).
  void Fill(int place);
  // "Yazdır" prints through `print`; disabled while none is given (the program's
  // printing is given at creation).
  void SetPrinter(std::function<void()> print);

  ListGrid* grid() const { return grid_; }
  QListWidget* dayList(int day) const { return lists_[static_cast<std::size_t>(day - 1)]; }

 private:
  void FillLists();

  AppContext context_;
  ListGrid* grid_;
  std::array<QListWidget*, 7> lists_{};
  QPushButton* yazdirBtn_;
  std::function<void()> print_;
};

}  // namespace kalvodrin
