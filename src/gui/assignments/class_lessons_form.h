#pragma once
// TSnfDrsForm ("SINIFLARDA OKUTULAN DERSLER"): the lessons each class takes. Enter or
// a double click on a pool lesson gives it to the selected class; F5 takes the
// selected class lesson away; F8 or a double click on it opens its classrooms; the
// common lessons and the copy window open from here.

#include <QDialog>

#include "gui/common/app_context.h"

class QLabel;
class QPushButton;

namespace kalvodrin {

class ListGrid;
class TKopyalaForm;
class TOrtakForm;
class TSnfRoomForm;

class TSnfDrsForm : public QDialog {
  Q_OBJECT

 public:
  explicit TSnfDrsForm(AppContext context, QWidget* parent = nullptr);
  // Stops following the focus before the buttons and grids it updates are gone.
  ~TSnfDrsForm() override;

  void GiveSelectedLesson();
  void DelBtnClick();
  void DerslikBtnClick();
  void CommonBtnClick();
  void CopyBtnClick();

  TOrtakForm& commonForm() const { return *ortakForm_; }
  TKopyalaForm& copyForm() const { return *kopyalaForm_; }
  TSnfRoomForm& roomForm() const { return *roomForm_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FormActivate();
  void ClassChosen();
  void RefillClassLessons(int selectLesson);
  void UpdateDelBtn();
  int SelectedClass() const;
  int SelectedClassLesson() const;

  AppContext context_;
  ListGrid* classGrid_;
  ListGrid* lessonGrid_;
  ListGrid* clLeGrid_;
  QLabel* panel1_;
  QLabel* panel2_;
  QPushButton* delBtn_;
  TOrtakForm* ortakForm_;
  TKopyalaForm* kopyalaForm_;
  TSnfRoomForm* roomForm_;
  int rememberedLesson_ = 0;
};

}  // namespace kalvodrin
