#include "gui/printing/print_service.h"

#include <QLabel>
#include <QPageLayout>
#include <QPageSetupDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QToolBar>

#include <algorithm>
#include <filesystem>

#include "core/school.h"
#include "core/storage.h"
#include "core/turkish_text.h"
#include "gui/common/message_window.h"
#include "gui/common/qt_text.h"
#include "gui/printing/print_dialog.h"
#include "gui/printing/printer_settings_form.h"
#include "printing/printouts.h"
#include "printing/qt/pdf_output.h"
#include "printing/qt/qt_canvas.h"
#include "printing/substitution_print.h"

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
  yazdir_ = new TYazdirForm(
      context_,
      [this] {
        QPageSetupDialog setup(printer_.get(), yazdir_);
        if (setup.exec() == QDialog::Accepted) paperSetByUser_ = true;
      },
      parent);
  yazici_ = new TYaziciForm(context_, parent);
}

PrintService::~PrintService() = default;

bool PrintService::PreviewAndPrint(const QString& title, bool landscape,
                                   const std::function<PrintLayout(Canvas&)>& draw) {
  const auto preferred = landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
  if (!paperSetByUser_) printer_->setPageOrientation(preferred);
  const QPageLayout::Orientation opened = printer_->pageLayout().orientation();
  printer_->setDocName(FromCp1254(context_.school.Settings.schoolName.view()) + " - " + title);
  QPrintPreviewDialog preview(printer_.get(), parent_);
  preview.setObjectName("PrintPreview");
  preview.setWindowTitle(title);
  // Beside the preview's own buttons: how the printout was fitted to the paper, read
  // again whenever the user turns the paper in the preview.
  auto* note = new QLabel(&preview);
  note->setObjectName("PreviewNote");
  note->setWordWrap(true);
  if (auto* bar = preview.findChild<QToolBar*>(); bar != nullptr) bar->addWidget(note);
  bool printed = false;
  QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                   [&draw, note](QPrinter* printer) {
                     QtCanvas canvas(*printer);
                     note->setText(U8(PrintLayoutNote(draw(canvas))));
                     canvas.Finish();
                   });
  if (onPreview) onPreview(preview);
  printed = preview.exec() == QDialog::Accepted;
  if (printer_->pageLayout().orientation() != opened) paperSetByUser_ = true;
  return printed;
}

bool PrintService::SaveAsPdf(const QString& file, const QString& title, bool landscape,
                             const std::function<PrintLayout(Canvas&)>& draw) {
  // The paper and orientation the printer would get, so the file is what would print.
  const auto preferred = landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
  if (!paperSetByUser_) printer_->setPageOrientation(preferred);
  const QPageLayout layout = printer_->pageLayout();
  PdfPage page;
  page.paper = layout.pageSize().id() == QPageSize::A3 ? PdfPage::Paper::kA3 : PdfPage::Paper::kA4;
  page.landscape = layout.orientation() == QPageLayout::Landscape;
  page.title =
      (FromCp1254(context_.school.Settings.schoolName.view()) + " - " + title).toStdString();
  const Status s = WritePdf(
      std::filesystem::path(file.toStdString()), page, [&draw](Canvas& canvas) { draw(canvas); },
      context_.Disk());
  if (!s) context_.sil.Notice(U8("PDF dosyası yazılamadı: " + s.message()));
  return s.ok();
}

bool PrintService::PrintFromTimetableWindow(TimetableView view, int selected) {
  const std::optional<PrintChoice> choice = yazdir_->Ask(HelpTopic(view));
  if (!choice) return false;
  School& school = context_.school;
  const bool sheet = *choice == PrintChoice::kSheet;
  const Printout what = sheet ? SheetPrintout(view) : TimetablePrintout(view);
  const Selection selection = *choice == PrintChoice::kAll ? Selection::kFromHere : Selection::kOne;
  // Upright paper takes two copies of a timetable on A4; the overview sheets want it
  // turned. Each printout says in the preview how it was fitted.
  const auto draw = [&](Canvas& canvas) {
    return DrawPrintout(canvas, school, what, selected, selection);
  };
  const QString title = U8(PrintoutTitle(what));
  const QString pdf = yazdir_->pdfFile();
  const bool printed =
      pdf.isEmpty() ? PreviewAndPrint(title, sheet, draw) : SaveAsPdf(pdf, title, sheet, draw);
  // The timetable windows read the settings afresh after printing.
  LoadSettings(school);
  return printed;
}

bool PrintService::PrintTeacherList() {
  return PreviewAndPrint(U8("ÖĞRETMEN LİSTESİ"), false, [this](Canvas& canvas) {
    return DrawPrintout(canvas, context_.school, Printout::kTeacherList, 0, Selection::kOne);
  });
}

bool PrintService::PrintDutyChart() {
  return PreviewAndPrint(U8("ÖĞRETMEN NÖBET ÇİZELGESİ"), true, [this](Canvas& canvas) {
    return DrawPrintout(canvas, context_.school, Printout::kDutyChart, 0, Selection::kOne);
  });
}

bool PrintService::PrintTeacherTimetables(const std::vector<int>& teachers) {
  return PreviewAndPrint(U8("HAFTALIK ÖĞRETMEN DERS PROGRAMI"), false, [&](Canvas& canvas) {
    PrintLayout all;
    for (int t : teachers) {
      const PrintLayout one =
          DrawPrintout(canvas, context_.school, Printout::kTeacher, t, Selection::kOne);
      all.scale = std::min(all.scale, one.scale);
      all.copiesApart = all.copiesApart || one.copiesApart;
    }
    return all;
  });
}

bool PrintService::PrintSubstitutionSheet(const SubstitutionSheet& sheet) {
  return PreviewAndPrint(U8("DERS GÖREVLENDİRME ÇİZELGESİ"), false, [&](Canvas& canvas) {
    kalvodrin::PrintSubstitutionSheet(canvas, context_.school, sheet);
    return PrintLayout{};  // the sheet fits its columns to the page itself
  });
}

bool PrintService::PrintFreeTeachers(const FreeTeachersSheet& sheet) {
  return PreviewAndPrint(U8("BOŞ ÖĞRETMENLER"), false, [&](Canvas& canvas) {
    kalvodrin::PrintFreeTeachers(canvas, context_.school, sheet);
    return PrintLayout{};
  });
}

void PrintService::OpenPrinterSettings() { yazici_->Open(); }

}  // namespace kalvodrin
