#pragma once
// TOgretmenForm ("ÖĞRETMENLER"), the teachers in their order, and its edit window
// TOgretmenEditForm ("DÜZELT"). Printing the list and the duty window are offered by
// their buttons once those parts of the program are there.

#include "gui/common/edit_window.h"
#include "gui/common/list_window.h"

class QLineEdit;
class QPushButton;

namespace kalvodrin {

struct TeacherFields;

class TOgretmenEditForm : public EditWindow {
  Q_OBJECT

 public:
  explicit TOgretmenEditForm(AppContext context, QWidget* parent = nullptr);

 protected:
  void ShowRecord(int number) override;
  Change Store(int number) override;

 private:
  QLineEdit* edit1_;
  QLineEdit* edit2_;
  QLineEdit* edit3_;
  QLineEdit* edit4_;
};

class TOgretmenForm : public ListWindow {
  Q_OBJECT

 public:
  explicit TOgretmenForm(AppContext context, QWidget* parent = nullptr);

  QPushButton* yazdirBtn() const { return yazdirBtn_; }
  QPushButton* nobetBtn() const { return nobetBtn_; }

 protected:
  Change SaveNew() override;

 private:
  QPushButton* yazdirBtn_;
  QPushButton* nobetBtn_;
};

}  // namespace kalvodrin
