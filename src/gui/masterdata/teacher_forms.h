#pragma once
// TOgretmenForm ("ÖĞRETMENLER"), the teachers in their order, and its edit window
// TOgretmenEditForm ("DÜZELT"). "YAZDIR(F9)" prints the teacher list when the program
// has its printing; "Nöbet" opens the duty distribution of another area, through the
// opener it is given.

#include <functional>

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
  // "YAZDIR(F9)": the teacher list, previewed and then printed.
  void YazdirBtnClick();
  // "Nöbet" opens the duty distribution through `open`; enabled from now on.
  void SetDutyOpener(std::function<void()> open);

 protected:
  Change SaveNew() override;

 private:
  QPushButton* yazdirBtn_;
  QPushButton* nobetBtn_;
  std::function<void()> openDuties_;
};

}  // namespace kalvodrin
