#include "app/kalvodrin_app.h"

#include <QTimer>

#include <utility>

#include "app/area_windows.h"
#include "core/school.h"
#include "gui/common/help_window.h"
#include "gui/common/message_window.h"
#include "gui/common/qt_text.h"
#include "gui/printing/print_service.h"
#include "gui/shell/backup_window.h"
#include "gui/shell/main_window.h"
#include "gui/shell/path_window.h"
#include "shell/backup_places.h"
#include "shell/predecessor_import.h"

namespace kalvodrin {

KalvodrinApp::KalvodrinApp(StartupOptions options, PredecessorImport* import)
    : options_(std::move(options)), import_(import), school_(std::make_unique<School>()) {
  // The shared windows exist before the main window that is given them; all are
  // created here once and live until the program ends.
  sil_ = std::make_unique<TSilForm>();
  help_ = std::make_unique<THelpForm>();
  pathForm_ = std::make_unique<TPathForm>(*sil_, *help_);
  mainForm_ = std::make_unique<TKalvodrinForm>(context(), *pathForm_);
  mainForm_->RememberGeometryIn(options_.dirs.configHome / "kalvodrin" / "pencere.ini");
  printing_ = std::make_unique<PrintService>(context(), mainForm_.get());
  areas_ = CreateAreaWindows(context(), mainForm_.get());
  for (const std::unique_ptr<AreaWindows>& area : areas_) area->Register(*mainForm_);
  // The backup window is the shell's own, like the working-folder window.
  yedekForm_ = std::make_unique<TYedekForm>(context(), MapStoredPath(kBackupFolder, options_.dirs),
                                            ChosenBackupFolderFile(options_.dirs), mainForm_.get());
  mainForm_->SetOpener(MainMenuItem::kBackup, [this] { return yedekForm_->Open(); });
  QObject::connect(mainForm_.get(), &TKalvodrinForm::WorkFolderSaved, mainForm_.get(),
                   [this] { AfterWorkFolderSaved(); });
}

KalvodrinApp::~KalvodrinApp() = default;

AppContext KalvodrinApp::context() { return {*school_, *sil_, *help_, printing_.get()}; }

bool KalvodrinApp::Start() {
  RunStartupAndShow();
  return startup_.status.ok();
}

void KalvodrinApp::RunStartupAndShow() {
  startup_ = RunStartup(*school_, options_, import_);
  mainForm_->SetStartup(startup_);
  mainForm_->show();
  if (!startup_.status.ok())
    QTimer::singleShot(0, mainForm_.get(), [this] { ReportStartupFailure(); });
  else if (!startup_.importReport.empty())
    QTimer::singleShot(0, mainForm_.get(), [this] { ReportImport(); });
}

void KalvodrinApp::ReportImport() {
  sil_->Notice(U8(ImportReportText(startup_.importReport)));
}

void KalvodrinApp::ReportStartupFailure() {
  sil_->Notice(U8(StartupFailureText(startup_, school_->WorkFolder)));
  mainForm_->CalismaDiziniBtnClick();
}

// While the school is read, a new path only matters at the next start. Without a
// school there is nothing to lose, so the chosen folder is read at once.
void KalvodrinApp::AfterWorkFolderSaved() {
  if (startup_.status.ok()) return;
  options_.folderOverride.reset();
  RunStartupAndShow();
}

}  // namespace kalvodrin
