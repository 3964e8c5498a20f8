#pragma once
// TSinifForm ("SINIFLAR"), the classes in their order with the building of each, and
// its edit window TSinifEditForm ("SINIFLARI DÜZENLE"). "DERSHANE AÇ" opens the
// classrooms; the grid's popup menu item "EKBİNA" moves a class between buildings.

#include "gui/masterdata/edit_window.h"
#include "gui/masterdata/list_window.h"

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
  bool Valid() const override;
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
  std::vector<ListRow> Rows() const override;
  bool EntryValid() const override;
  Change SaveNew() override;
  void ClearEntries() override;
  QWidget* FirstEntry() const override;
  bool EditRecord(int number) override;
  Change DeleteRecord(int number) override;
  Change MoveRecord(int number, MoveDirection direction) override;
  void BeforeFill() override;

 private:
  QLineEdit* edit1_;
  QLineEdit* edit2_;
  QAction* ekbna1_;
  TSinifEditForm* editForm_;
  TDerslikForm* roomForm_;
};

}  // namespace kalvodrin
