#pragma once
// TNobetOneriForm ("ADİL NÖBET ÖNERİSİ"): the user ticks the duty places and days to
// fill, sets how many teachers a place needs a day and each teacher's weight, and
// asks for a proposal; it is listed for review and stored only on "Kabul Et".

#include <QDialog>

#include "duty/duty_proposal.h"
#include "gui/common/app_context.h"

class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace kalvodrin {

class ListGrid;

class TNobetOneriForm : public QDialog {
  Q_OBJECT

 public:
  explicit TNobetOneriForm(AppContext context, QWidget* parent = nullptr);

  // Fills the choices from the school (every place and offered day ticked, every
  // weight 1) and shows the window; true when a proposal was stored.
  bool Propose();
  // Fills the choices without showing the window.
  void Prepare();

  void OnerBtnClick();
  void KabulBtnClick();

  const DutyProposal& proposal() const { return proposal_; }

 private:
  ProposalRequest RequestFromChoices() const;
  // Drops the proposal shown when a place, day, count or weight changes.
  void ChoicesChanged();
  void ShowTotals();

  AppContext context_;
  QListWidget* yerList_;
  QListWidget* gunList_;
  QSpinBox* kisiSpin_;
  QTableWidget* agirlikGrid_;
  ListGrid* oneriGrid_;
  QLabel* ozetLabel_;
  QPushButton* kabulBtn_;
  DutyProposal proposal_;
};

}  // namespace kalvodrin
