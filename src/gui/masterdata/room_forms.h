#pragma once
// TDerslikForm ("DERSHANE AÇ-DÜZELT"), the classrooms in their order, and its edit
// window TDerslikEditForm ("DERSLİK ADI DÜZENLE").

#include "gui/masterdata/edit_window.h"
#include "gui/masterdata/list_window.h"

class QLineEdit;

namespace kalvodrin {

class TDerslikEditForm : public EditWindow {
  Q_OBJECT

 public:
  explicit TDerslikEditForm(AppContext context, QWidget* parent = nullptr);

 protected:
  void ShowRecord(int number) override;
  bool Valid() const override;
  Change Store(int number) override;

 private:
  QLineEdit* edit1_;  // "DERSLİK ADI"
};

class TDerslikForm : public ListWindow {
  Q_OBJECT

 public:
  explicit TDerslikForm(AppContext context, QWidget* parent = nullptr);

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
  TDerslikEditForm* editForm_;
};

}  // namespace kalvodrin
