#pragma once
// TSinifForm ("SINIFLAR"), the classes in their order with the building of each, and
// its edit window TSinifEditForm ("SINIFLARI DÜZENLE"). "DERSHANE AÇ" opens the
// classrooms; the grid's popup menu item "EKBİNA" moves a class between buildings.

#include "gui/common/edit_window.h"
#include "gui/common/list_window.h"

class QAction;
class QLineEdit;

namespace kalvodrin {

class TDerslikForm;

class TSinifEditForm : public EditWindow {
  Q_OBJECT

 public:
  explicit TSinifEditForm(AppContext context, QWidget* parent = nullptr);

 protected:
  void ShowRecord(int number) override;
  Change Store(int number) override;

 private:
  QLineEdit* edit1_;  // "SINIFIN ADI"
  QLineEdit* edit2_;  // "BÖLÜMÜ"
};

class TSinifForm : public ListWindow {
  Q_OBJECT

 public:
  explicit TSinifForm(AppContext context, QWidget* parent = nullptr);

  TDerslikForm& roomForm() const { return *roomForm_; }
  QAction* annexAction() const { return ekbna1_; }
  void EKBNA1Click();
  void DerslikBtnClick();

 protected:
  Change SaveNew() override;

 private:
  QAction* ekbna1_;
  TDerslikForm* roomForm_;
};

}  // namespace kalvodrin
