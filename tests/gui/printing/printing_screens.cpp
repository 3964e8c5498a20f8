#include "printing_screens.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QTimer>

#include <memory>

#include "core/school.h"
#include "core/storage.h"
#include "gui/common/help_window.h"
#include "gui/common/message_window.h"
#include "gui/common/qt_text.h"
#include "gui/printing/print_service.h"
#include "scheduler/placement_run.h"

namespace kalvodrin {
namespace {

// Runs `action` on the next visible modal window, from inside its exec().
void OnModal(std::function<void(QDialog*)> action) {
  auto* timer = new QTimer;
  auto tries = std::make_shared<int>(0);
  QObject::connect(timer, &QTimer::timeout, [timer, action, tries] {
    auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if ((modal == nullptr || !modal->isVisible()) && ++*tries < 500) return;
    timer->stop();
    timer->deleteLater();
    if (modal != nullptr) action(modal);
  });
  timer->start(10);
}

void CapturePreview(PrintService& service, const SaveWindow& save, const QString& name,
                    const std::function<void()>& print) {
  service.onPreview = [&](QPrintPreviewDialog& preview) {
    preview.resize(1100, 800);
    OnModal([&, name](QDialog* d) {
      if (auto* widget = d->findChild<QPrintPreviewWidget*>()) {
        widget->updatePreview();
        widget->fitToWidth();
      }
      save(d, name);
      d->reject();
    });
  };
  print();
  service.onPreview = nullptr;
}

}  // namespace

void RenderPrintingWindows(const SaveWindow& save, const std::filesystem::path& root,
                           const char* sample) {
  auto school = std::make_unique<School>();
  school->WorkFolder = root / "yazdir-okul";
  std::filesystem::create_directories(school->WorkFolder);
  if (sample != nullptr)
    std::filesystem::copy(sample, school->WorkFolder, std::filesystem::copy_options::recursive);
  LoadSchool(*school);
  PlacementRun(*school).RunWholeSchool();
  TSilForm sil;
  THelpForm help;
  PrintService service(AppContext{*school, sil, help}, nullptr);
  const int first = school->Teachers.empty() ? 0 : school->Teachers[0].number;

  OnModal([&](QDialog* d) {
    save(d, "print_dialog");
    d->reject();
  });
  service.PrintFromTimetableWindow(TimetableView::kTeacher, first);
  OnModal([&](QDialog* d) {
    save(d, "printer_settings");
    d->reject();
  });
  service.OpenPrinterSettings();
  CapturePreview(service, save, "print_preview_teacher_timetable",
                 [&] { service.PrintTeacherTimetables({first}); });
  CapturePreview(service, save, "print_preview_teacher_list", [&] { service.PrintTeacherList(); });
  CapturePreview(service, save, "print_preview_duty_chart", [&] { service.PrintDutyChart(); });
}

}  // namespace kalvodrin
