#pragma once
// TOgrDrsForm ("ÖĞRETMEN DERS DAĞITIMI"): gives class lessons to teachers. Enter or a
// double click in the class or class-lesson grid gives the selected lesson to the
// selected teacher; F5 (while the teacher's lessons have the focus) takes one away;
// "ATAMASI YAPILMAYAN DERSLER" lists what no teacher has yet.

#include <QDialog>

#include "gui/common/app_context.h"

class QLabel;
class QPushButton;

namespace kalvodrin {

class ListGrid;
class TBFOForm;
class TBosDersForm;

class TOgrDrsForm : public QDialog {
  Q_OBJECT

 public:
  explicit TOgrDrsForm(AppContext context, QWidget* parent = nullptr);
  // Stops following the focus before the buttons and grids it updates are gone.
  ~TOgrDrsForm() override;

  void GiveSelectedLesson();
  void DelBtnClick();
  void NullBtnClick();

  TBFOForm& bfoForm() const { return *bfoForm_; }
  TBosDersForm& unassignedForm() const { return *bosDersForm_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FormActivate();
  void TeacherChosen();
  void ClassChosen();
  void UpdateDelBtn();

  AppContext context_;
  ListGrid* teacherGrid_;
  ListGrid* classGrid_;
  ListGrid* clLeGrid_;
  ListGrid* teleGrid_;
  QLabel* panel1_;
  QLabel* panel2_;
  QPushButton* delBtn_;
  TBFOForm* bfoForm_;
  TBosDersForm* bosDersForm_;
  int rememberedLesson_ = 0;
};

}  // namespace kalvodrin
