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
#include "printing/printouts.h"

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
  bool PrintSubstitutionSheet(const SubstitutionSheet& sheet) override;
  bool PrintFreeTeachers(const FreeTeachersSheet& sheet) override;
  void OpenPrinterSettings() override;

  // Shows the preview of what `draw` draws, with what the user should know of its
  // layout (PrintLayoutNote) in the label "PreviewNote"; the user prints from it.
  // The paper stands as the printout prefers (`landscape` or upright) until the user
  // turns it, in "Yazıcı özellikleri" or in the preview; from then on as the user
  // set it. True when it was printed.
  bool PreviewAndPrint(const QString& title, bool landscape,
                       const std::function<PrintLayout(Canvas&)>& draw);
  bool paperSetByUser() const { return paperSetByUser_; }

  // Writes what `draw` draws into a PDF file on the printer's paper, standing as
  // for the preview, without a preview; a failure is shown with the system's
  // message. True when written.
  bool SaveAsPdf(const QString& file, const QString& title, bool landscape,
                 const std::function<PrintLayout(Canvas&)>& draw);

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
  bool paperSetByUser_ = false;
};

}  // namespace kalvodrin
