#pragma once
// TYaziciForm ("YAZICI AYARLARI"): margins, page lengths, fonts and flags of the
// weekly timetables and of the overview sheets. Shows the values in memory when it
// opens; "AYARLARI KAYDET" stores and saves them, "İPTALET" leaves them.

#include <QDialog>

#include <array>

#include "gui/common/app_context.h"
#include "printing/printer_settings.h"

class QCheckBox;
class QLineEdit;

namespace kalvodrin {

class TYaziciForm : public QDialog {
  Q_OBJECT

 public:
  explicit TYaziciForm(AppContext context, QWidget* parent = nullptr);

  // Fills the fields from the settings record and shows the window modally.
  int Open();
  // "AYARLARI KAYDET": stores, saves and closes; a refused value is told and kept.
  void KaydetBtnClick();

  PrinterFields fields() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Group {
    std::array<QLineEdit*, 4> lengths;  // top, left, page length, page height
    QCheckBox* autoSize;
    QLineEdit* fontSize;
    QLineEdit* fontName;
  };
  Group AddGroup(const QString& title, int firstEdit, int checkBox, int fontButton);
  void ShowFields(const PrinterFields& f);
  void ChooseFont(Group& group);

  AppContext context_;
  Group timetable_{};
  Group sheet_{};
  QCheckBox* lessonList_;
  QCheckBox* twoPerPage_;
  QCheckBox* noSplit_;
  QCheckBox* printRooms_;
};

}  // namespace kalvodrin
