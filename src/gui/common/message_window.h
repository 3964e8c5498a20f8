#pragma once
// TSilForm, the one message window of the program. Every notice, warning and yes/no
// question goes through it: Notice shows one "TAMAM" button, Confirm shows "TAMAM" and
// "İPTALET" with the focus on "İPTALET", so that Enter alone cancels.

#include <QDialog>
#include <QString>

class QPushButton;
class QTextEdit;

namespace kalvodrin {

class TSilForm : public QDialog {
  Q_OBJECT

 public:
  explicit TSilForm(QWidget* parent = nullptr);

  // Shows the text with the single "TAMAM" button and waits until it is closed.
  void Notice(const QString& text);
  // Shows the text with "TAMAM" and "İPTALET"; true only when "TAMAM" was chosen.
  bool Confirm(const QString& text);

  // Set while a notice is showing; clear means a confirmation.
  bool noticeFlag() const { return noticeFlag_; }
  QString text() const;

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  int ShowModal(const QString& text);
  void ArrangeForMode();
  void FitTextHeight();

  QTextEdit* richEdit1_;
  QPushButton* tamamBtn_;
  QPushButton* iptalBtn_;
  bool noticeFlag_ = false;
};

}  // namespace kalvodrin
