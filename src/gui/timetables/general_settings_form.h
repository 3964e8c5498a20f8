#pragma once
// The scheduler's settings windows, each opened from the one before:
//   TAyarlarForm ("AYARLAR"): gaps, days, daily maximum, search level and the names
//     printed under the timetables; opens the details, the guidance lesson and the
//     printer settings.
//   TAyrintilarForm ("AYARLAR (AYRINTILAR)"): the finer placement rules; opens
//   TOtomatikForm ("OTOMATİK AYARLAR"): which settings a run may relax by itself.
// Each reads the stored settings whenever it is shown, and stores and saves them on
// its save button; a field left empty refuses the whole entry.

#include <QDialog>

#include <array>
#include <memory>

#include "gui/common/app_context.h"

class QCheckBox;
class QLineEdit;

namespace kalvodrin {

class TRehberlikForm;

class TOtomatikForm : public QDialog {
  Q_OBJECT

 public:
  explicit TOtomatikForm(AppContext context, QWidget* parent = nullptr);
  void KaydetBtnClick();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  AppContext context_;
  std::array<QCheckBox*, 9> boxes_{};
  // The run's own preferences (DAGITIM.AYR), beside the settings record's.
  QCheckBox* skipOnItsOwn_ = nullptr;
  QCheckBox* completeAfterRun_ = nullptr;
};

class TAyrintilarForm : public QDialog {
  Q_OBJECT

 public:
  explicit TAyrintilarForm(AppContext context, QWidget* parent = nullptr);
  void KaydetBtnClick();
  TOtomatikForm& automatic() { return *automatic_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  AppContext context_;
  std::array<QLineEdit*, 8> edits_{};
  std::shared_ptr<TOtomatikForm> automatic_;  // windows of their own, not children
};

class TAyarlarForm : public QDialog {
  Q_OBJECT

 public:
  explicit TAyarlarForm(AppContext context, QWidget* parent = nullptr);
  void KaydetBtnClick();
  TAyrintilarForm& details() { return *details_; }
  TRehberlikForm& guidance() { return *guidance_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void ShowFields();

  AppContext context_;
  std::array<QLineEdit*, 9> edits_{};
  QLineEdit* schoolName_;
  QLineEdit* principalName_;
  QLineEdit* deputyName_;
  QCheckBox* chiefDeputy_;
  std::shared_ptr<TAyrintilarForm> details_;
  std::shared_ptr<TRehberlikForm> guidance_;
};

}  // namespace kalvodrin
