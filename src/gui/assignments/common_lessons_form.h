#pragma once
// TOrtakForm ("ORTAK DERSLER"): builds common lessons out of class lessons. F5 opens a
// new group, Enter or a double click on a class lesson (or on its class) adds it to
// the selected group, F7 takes the selected member out; groups left with fewer than
// two members are dissolved when the window closes.

#include <QDialog>

#include "gui/common/app_context.h"

class QPushButton;

namespace kalvodrin {

class ListGrid;

class TOrtakForm : public QDialog {
  Q_OBJECT

 public:
  explicit TOrtakForm(AppContext context, QWidget* parent = nullptr);
  // Stops following the focus before the buttons and grids it updates are gone.
  ~TOrtakForm() override;

  void NewBtnClick();
  void AddSelected();
  void DelBtnClick();

 protected:
  void showEvent(QShowEvent* event) override;
  void done(int result) override;

 private:
  void FormActivate();
  void RefillClassLessons();
  void RefillGroups(int selectGroup);
  void RefillMembers();
  void UpdateDelBtn();
  int SelectedGroup() const;

  AppContext context_;
  ListGrid* classGrid_;
  ListGrid* clLeGrid_;
  ListGrid* cmnGrid_;
  ListGrid* commonGrid_;
  QPushButton* delBtn_;
  int rememberedLesson_ = 0;
};

}  // namespace kalvodrin
