#pragma once
// TNobetVerForm ("ÖĞRETMENLERE NÖBET DAĞITIMI"): duties given by hand. The user picks a
// teacher, a duty place and a day and double-clicks the place or the day; the window
// shows the teacher's duties, the teachers on duty at the place that day and each
// day's count at the place. It opens the duty places, the chart and the fair proposal.
//   F7        removes the selected duty of the grid holding the focus, after asking
//   F1        help 137

#include <QDialog>

#include "gui/common/app_context.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace kalvodrin {

class ListGrid;
class TBosYerForm;
class TNobetForm;
class TNobetOneriForm;

class TNobetVerForm : public QDialog {
  Q_OBJECT

 public:
  explicit TNobetVerForm(AppContext context, QWidget* parent = nullptr);
  ~TNobetVerForm() override;

  // Opens modally with the teacher selected; 0 keeps the teacher of the last opening.
  void OpenFor(int teacher);

  // The commands, as the user gives them.
  void GiveSelected();
  void DelBtnClick();
  void Del2BtnClick();
  void TemizleBtnClick();
  void NobetYerBtnClick();
  void CizelgeBtnClick();
  void OneriBtnClick();

  ListGrid* teacherGrid() const { return teacherGrid_; }
  ListGrid* nobetGrid() const { return nobetGrid_; }
  ListGrid* yerGrid() const { return yerGrid_; }
  ListGrid* gunGrid() const { return gunGrid_; }
  ListGrid* varGrid() const { return varGrid_; }
  TNobetForm& placesForm() const { return *placesForm_; }
  TBosYerForm& chartForm() const { return *chartForm_; }
  TNobetOneriForm& proposalForm() const { return *proposalForm_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FormActivate();
  void TeacherSelected();
  void PlaceSelected();
  void FillTeacherDuties();
  void FillOnDuty();
  void FillDays();
  void RefillAll();
  void FocusMoved(QWidget* now);
  // Removes the duty in the selected row of the grid after confirmation.
  void RemoveFrom(ListGrid* grid);
  int SelectedTeacher() const;
  int SelectedPlace() const;
  int SelectedDay() const;

  AppContext context_;
  ListGrid* teacherGrid_;
  ListGrid* nobetGrid_;
  ListGrid* yerGrid_;
  ListGrid* gunGrid_;
  ListGrid* varGrid_;
  QLabel* label3_;
  QCheckBox* checkBox1_;
  QPushButton* delBtn_;
  QPushButton* del2Btn_;
  TNobetForm* placesForm_;
  TBosYerForm* chartForm_;
  TNobetOneriForm* proposalForm_;
  int handedTeacher_ = 0;  // stays from one opening to the next
  bool filling_ = false;
  QMetaObject::Connection focusWatch_;
};

}  // namespace kalvodrin
