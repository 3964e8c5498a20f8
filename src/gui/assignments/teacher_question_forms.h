#pragma once
// The two small windows of the teacher distribution: TBosDersForm ("ÖĞRETMENE ATAMASI
// YAPILMAYAN DERSLER"), the class lessons without a teacher, and TBFOForm ("İKİ VEYA
// DAHA FAZLA ÖĞRETMEN"), the question before a lesson gets one more teacher.

#include <QDialog>

#include "gui/common/app_context.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTextEdit;

namespace kalvodrin {

class ListGrid;

class TBosDersForm : public QDialog {
  Q_OBJECT

 public:
  explicit TBosDersForm(AppContext context, QWidget* parent = nullptr);

  // Lists what no teacher has; true when "ATAMAYA GİT" closed it on a row.
  bool Open();
  int selectedClass() const;
  int selectedLesson() const;

 private:
  AppContext context_;
  ListGrid* clLeGrid_;
  QLabel* panel1_;
  QPushButton* gitBtn_;
};

class TBFOForm : public QDialog {
  Q_OBJECT

 public:
  explicit TBFOForm(AppContext context, QWidget* parent = nullptr);

  // Shows the lesson's current teachers with the answer preset to "H"; true only
  // when "KAYDET" closed it with the answer "E".
  bool Ask(const QString& teachers);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QTextEdit* memo_;
  QLineEdit* edit1_;
};

}  // namespace kalvodrin
