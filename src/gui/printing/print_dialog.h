#pragma once
// TYazdirForm ("YAZDIR"): what a timetable window prints — the selected entity
// ("Seçim"), it and every one after it ("Tümü"), or the overview sheet ("Çarşaf") —
// and the way to the printer's own settings.

#include <QDialog>

#include <functional>
#include <optional>

#include "gui/common/app_context.h"

class QRadioButton;
class QPushButton;

namespace kalvodrin {

enum class PrintChoice { kSelection, kAll, kSheet };

class TYazdirForm : public QDialog {
  Q_OBJECT

 public:
  // `printerSetup` opens the platform's printer setup ("Yazıcı özellikleri").
  TYazdirForm(AppContext context, std::function<void()> printerSetup, QWidget* parent = nullptr);

  // Shows the dialog modally, F1 opening `helpTopic`; nothing when cancelled.
  std::optional<PrintChoice> Ask(int helpTopic);

  PrintChoice choice() const;
  void SetChoice(PrintChoice choice);

 private:
  AppContext context_;
  int helpTopic_ = 120;
  QRadioButton* secim_;
  QRadioButton* tumu_;
  QRadioButton* carsaf_;
};

}  // namespace kalvodrin
