#pragma once
// TYazdirForm ("YAZDIR"): what a timetable window prints — the selected entity
// ("Seçim"), it and every one after it ("Tümü"), or the overview sheet ("Çarşaf") —
// and the way to the printer's own settings. "PDF olarak kaydet…" asks for a file
// instead of the printer: the printout is then written there, drawn as for paper.

#include <QDialog>

#include <functional>
#include <optional>

#include <QString>

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
  // The PDF file chosen at the last Ask; empty when the printer was.
  const QString& pdfFile() const { return pdfFile_; }

  // Asks where to save the PDF, suggesting a name; empty when cancelled. The
  // platform's file chooser unless a test sets another.
  using FileChooser = std::function<QString(QWidget* parent, const QString& suggested)>;
  void SetFileChooser(FileChooser chooser) { chooser_ = std::move(chooser); }

  PrintChoice choice() const;
  void SetChoice(PrintChoice choice);

 private:
  AppContext context_;
  void PdfBtnClick();

  int helpTopic_ = 120;
  QString pdfFile_;
  FileChooser chooser_;
  QRadioButton* secim_;
  QRadioButton* tumu_;
  QRadioButton* carsaf_;
};

}  // namespace kalvodrin
