#pragma once
// TSnfRoomForm ("DERSHANE"): the classrooms of one class lesson. "EKLE" (or Enter in
// the classroom list) attaches the selected classroom, "SİL" (or F5 while the
// lesson's list has the focus) detaches one.

#include <QDialog>

#include "gui/common/app_context.h"

class QLabel;
class QPushButton;

namespace kalvodrin {

class ListGrid;

class TSnfRoomForm : public QDialog {
  Q_OBJECT

 public:
  explicit TSnfRoomForm(AppContext context, QWidget* parent = nullptr);
  // Stops following the focus before the buttons and grids it updates are gone.
  ~TSnfRoomForm() override;

  // Shows the classrooms of class lesson (classNo, lesson) and waits until closed.
  void Open(int classNo, int lesson);
  void EkleBtnClick();
  void DelBtnClick();

 private:
  void Refill(int selectRoom);
  void UpdateDelBtn();

  AppContext context_;
  QLabel* panel1_;
  ListGrid* grid_;
  ListGrid* roomGrid_;
  QPushButton* delBtn_;
  int classNo_ = 0;
  int lesson_ = 0;
};

}  // namespace kalvodrin
