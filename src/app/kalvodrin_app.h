#pragma once
// The running program: the school, every window (created once, living until exit),
// and the start-up that fills the school and shows the main window. When the working
// folder cannot be used, the main window still opens: the message window shows the
// operating system's error and the working-folder window offers another folder, which
// is then read at once.

#include <memory>
#include <vector>

#include "gui/common/app_context.h"
#include "gui/common/window_registry.h"
#include "shell/startup.h"

namespace kalvodrin {

class TKalvodrinForm;
class TPathForm;
class PrintService;
class TYedekForm;

class KalvodrinApp {
 public:
  explicit KalvodrinApp(StartupOptions options, PredecessorImport* import = nullptr);
  ~KalvodrinApp();
  KalvodrinApp(const KalvodrinApp&) = delete;
  KalvodrinApp& operator=(const KalvodrinApp&) = delete;

  // Reads the school and shows the main window; false when start-up failed. The
  // failure is reported as soon as the event loop runs.
  bool Start();

  // Tells the user why start-up failed and offers the working-folder window.
  void ReportStartupFailure();
  // Shows in one notice what the import of the predecessor's data left out.
  void ReportImport();

  School& school() { return *school_; }
  TSilForm& sil() { return *sil_; }
  THelpForm& help() { return *help_; }
  TPathForm& pathForm() { return *pathForm_; }
  TKalvodrinForm& mainForm() { return *mainForm_; }
  TYedekForm& backupForm() { return *yedekForm_; }
  AppContext context();
  PrintService& printing() { return *printing_; }
  const StartupResult& startup() const { return startup_; }

 private:
  void RunStartupAndShow();
  void AfterWorkFolderSaved();

  StartupOptions options_;
  PredecessorImport* import_;
  std::unique_ptr<School> school_;
  std::unique_ptr<TKalvodrinForm> mainForm_;
  std::unique_ptr<TSilForm> sil_;
  std::unique_ptr<THelpForm> help_;
  std::unique_ptr<TPathForm> pathForm_;
  std::unique_ptr<PrintService> printing_;
  std::vector<std::unique_ptr<AreaWindows>> areas_;
  std::unique_ptr<TYedekForm> yedekForm_;
  StartupResult startup_;
};

}  // namespace kalvodrin
