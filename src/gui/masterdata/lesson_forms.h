#pragma once
// TDerslerForm ("DERS HAVUZU"), the lesson pool, and its edit window TDersEditForm
// ("DERS DÜZELTME"). The pool is kept in Turkish alphabetical order; "Gruplar" opens
// the lesson groups.

#include "gui/common/edit_window.h"
#include "gui/common/list_window.h"

class QComboBox;
class QLineEdit;

namespace kalvodrin {

class TDersGrupForm;

class TDersEditForm : public EditWindow {
  Q_OBJECT

 public:
  explicit TDersEditForm(AppContext context, QWidget* parent = nullptr);

 protected:
  void ShowRecord(int number) override;
  bool Valid() const override;
  QString SaveBlockedReason() const override;
  Change Store(int number) override;

 private:
  struct LessonEditFields Fields() const;

  QLineEdit* edit1_;  // "DERSİN ADI"
  QLineEdit* edit2_;  // "KISA ADI"
  QComboBox* groupCombo_;
  QLineEdit* edit3_;  // "HAFTALIK DERS SAATİ"
  QLineEdit* edit4_;  // "YERLEŞTİRME BİÇİMİ"
  QLineEdit* edit5_;  // "BÖLÜNEBİLME"
  QLineEdit* edit6_;  // not at this hour
  QLineEdit* edit7_;  // not after this hour
};

class TDerslerForm : public ListWindow {
  Q_OBJECT

 public:
  explicit TDerslerForm(AppContext context, QWidget* parent = nullptr);

  TDersGrupForm& groupForm() const { return *groupForm_; }
  void GrupBtnClick();

 protected:
  bool EntryValid() const override;
  QString SaveBlockedReason() const override;
  Change SaveNew() override;

 private:
  struct LessonFields Fields() const;

  QLineEdit* edit1_;
  QLineEdit* edit2_;
  QLineEdit* edit3_;
  QLineEdit* edit4_;
  TDersGrupForm* groupForm_;
};

// Digits and "+" only: the field of a placement pattern.
void MakePatternField(QLineEdit* field);

}  // namespace kalvodrin
