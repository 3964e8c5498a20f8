#include "gui/printing/print_service.h"

#include <QPageLayout>
#include <QPageSetupDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "core/school.h"
#include "core/storage.h"
#include "core/turkish_text.h"
#include "gui/common/qt_text.h"
#include "gui/printing/print_dialog.h"
#include "gui/printing/printer_settings_form.h"
#include "printing/printouts.h"
#include "printing/qt/qt_canvas.h"

namespace kalvodrin {
namespace {

Printout TimetablePrintout(TimetableView view) {
  switch (view) {
    case TimetableView::kTeacher: return Printout::kTeacher;
    case TimetableView::kClass: return Printout::kClass;
    case TimetableView::kRoom: return Printout::kRoom;
  }
  return Printout::kTeacher;
}

Printout SheetPrintout(TimetableView view) {
  switch (view) {
    case TimetableView::kTeacher: return Printout::kSheetTeachers;
    case TimetableView::kClass: return Printout::kSheetClasses;
    case TimetableView::kRoom: return Printout::kSheetRooms;
  }
  return Printout::kSheetTeachers;
}

int HelpTopic(TimetableView view) {
  switch (view) {
    case TimetableView::kTeacher: return 120;
    case TimetableView::kClass: return 129;
    case TimetableView::kRoom: return 131;
  }
  return 120;
}

}  // namespace

PrintService::PrintService(AppContext context, QWidget* parent)
    : context_(context), parent_(parent), printer_(std::make_unique<QPrinter>()) {
  context_.printing = this;
  printer_->setPageOrientation(QPageLayout::Landscape);
  yazdir_ = new TYazdirForm(
      context_,
      [this] {
        QPageSetupDialog setup(printer_.get(), yazdir_);
        setup.exec();
      },
      parent);
  yazici_ = new TYaziciForm(context_, parent);
}

PrintService::~PrintService() = default;

bool PrintService::PreviewAndPrint(const QString& title, bool landscape,
                                   const std::function<void(Canvas&)>& draw) {
  printer_->setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
  printer_->setDocName(FromCp1254(context_.school.Settings.schoolName.view()) + " - " + title);
  QPrintPreviewDialog preview(printer_.get(), parent_);
  preview.setObjectName("PrintPreview");
  preview.setWindowTitle(title);
  bool printed = false;
  QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                   [&draw](QPrinter* printer) {
                     QtCanvas canvas(*printer);
                     draw(canvas);
                     canvas.Finish();
                   });
  if (onPreview) onPreview(preview);
  printed = preview.exec() == QDialog::Accepted;
  return printed;
}

bool PrintService::PrintFromTimetableWindow(TimetableView view, int selected) {
  const std::optional<PrintChoice> choice = yazdir_->Ask(HelpTopic(view));
  if (!choice) return false;
  School& school = context_.school;
  const bool sheet = *choice == PrintChoice::kSheet;
  const Printout what = sheet ? SheetPrintout(view) : TimetablePrintout(view);
  const Selection selection = *choice == PrintChoice::kAll ? Selection::kFromHere : Selection::kOne;
  const bool printed = PreviewAndPrint(U8(PrintoutTitle(what)), true, [&](Canvas& canvas) {
    DrawPrintout(canvas, school, what, selected, selection);
  });
  // The timetable windows read the settings afresh after printing.
  LoadSettings(school);
  return printed;
}

bool PrintService::PrintTeacherList() {
  return PreviewAndPrint(U8("ÖĞRETMEN LİSTESİ"), false, [this](Canvas& canvas) {
    DrawPrintout(canvas, context_.school, Printout::kTeacherList, 0, Selection::kOne);
  });
}

bool PrintService::PrintDutyChart() {
  return PreviewAndPrint(U8("ÖĞRETMEN NÖBET ÇİZELGESİ"), true, [this](Canvas& canvas) {
    DrawPrintout(canvas, context_.school, Printout::kDutyChart, 0, Selection::kOne);
  });
}

bool PrintService::PrintTeacherTimetables(const std::vector<int>& teachers) {
  return PreviewAndPrint(U8("HAFTALIK ÖĞRETMEN DERS PROGRAMI"), true, [&](Canvas& canvas) {
    for (int t : teachers)
      DrawPrintout(canvas, context_.school, Printout::kTeacher, t, Selection::kOne);
  });
}

void PrintService::OpenPrinterSettings() { yazici_->Open(); }

}  // namespace kalvodrin
