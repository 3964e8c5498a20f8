#pragma once
// The program's printing: every printout is previewed (QPrintPreviewDialog) before it
// goes to the printer, whose dialog also writes PDF files; the timetable windows'
// print dialog and the printer settings window. One printer set-up is kept for the
// whole run, so what the user chose in "Yazıcı özellikleri" stays chosen.

#include <QObject>

#include <functional>
#include <memory>

#include "gui/common/app_context.h"
#include "gui/common/print_requests.h"
#include "printing/canvas.h"

class QPrinter;
class QPrintPreviewDialog;
class QWidget;

namespace kalvodrin {

class TYazdirForm;
class TYaziciForm;

class PrintService : public PrintRequests {
 public:
  PrintService(AppContext context, QWidget* parent);
  ~PrintService();

  bool PrintFromTimetableWindow(TimetableView view, int selected) override;
  bool PrintTeacherList() override;
  bool PrintDutyChart() override;
  bool PrintTeacherTimetables(const std::vector<int>& teachers) override;
  void OpenPrinterSettings() override;

  // Shows the preview of what `draw` draws, in landscape or portrait; the user prints
  // from it. True when it was printed.
  bool PreviewAndPrint(const QString& title, bool landscape,
                       const std::function<void(Canvas&)>& draw);

  TYazdirForm& printDialog() { return *yazdir_; }
  TYaziciForm& printerSettings() { return *yazici_; }
  QPrinter& printer() { return *printer_; }

  // Called with each preview before it is shown (screenshots and tests look at it).
  std::function<void(QPrintPreviewDialog&)> onPreview;

 private:
  AppContext context_;
  QWidget* parent_;
  std::unique_ptr<QPrinter> printer_;
  TYazdirForm* yazdir_;
  TYaziciForm* yazici_;
};

}  // namespace kalvodrin
