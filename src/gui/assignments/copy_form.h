#pragma once
// TKopyalaForm ("SINIFLAR ARASI DERS KOPYALA"): gives the target class every lesson of
// the source class chosen in its grid that it does not take yet.

#include <QDialog>

#include "gui/common/app_context.h"

class QLabel;

namespace kalvodrin {

class ListGrid;

class TKopyalaForm : public QDialog {
  Q_OBJECT

 public:
  explicit TKopyalaForm(AppContext context, QWidget* parent = nullptr);

  // Shows the classes with the proposed source selected; true when "TAMAM" copied.
  bool Open(int target);
  void OkBtnClick();

 private:
  void ShowLabels();

  AppContext context_;
  ListGrid* grid_;
  QLabel* label1_;
  QLabel* label2_;
  int target_ = 0;
};

}  // namespace kalvodrin
