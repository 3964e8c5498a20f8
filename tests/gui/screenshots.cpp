// Renders every window of the program to PNG files, for review without a display:
//   kalvodrin_screenshot_renderer OUTPUT_FOLDER [SCHOOL_FOLDER]
// Each modal window is captured through the program's own code path (from inside its
// exec()), so what is saved is what the user sees. With a school folder (the bundled
// sample), a copy of it is loaded and every main-menu item that has a window is opened
// on it, so windows added later are rendered without changes here. A window rendered
// without its key line fails the run.
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTimer>
#include <QVBoxLayout>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>

#include "app/kalvodrin_app.h"
#include "assignments/assignments_screens.h"
#include "core/storage.h"
#include "duty/duty_screens.h"
#include "gui/common/capital_marks_style.h"
#include "gui/common/focus_colouring.h"
#include "gui/common/help_window.h"
#include "gui/common/key_line.h"
#include "gui/common/list_grid.h"
#include "gui/common/message_window.h"
#include "gui/common/qt_text.h"
#include "gui/common/search_box.h"
#include "gui/shell/main_window.h"
#include "masterdata/masterdata_screens.h"
#include "printing/printing_screens.h"
#include "screen_capture.h"
#include "substitution/substitution_screens.h"
#include "timetables/timetables_screens.h"

namespace kalvodrin {
namespace {

class Renderer {
 public:
  explicit Renderer(QString folder) : folder_(std::move(folder)) { QDir().mkpath(folder_); }

  void Save(QWidget* widget, const QString& name) {
    QApplication::processEvents();
    if (LacksKeyLine(widget, name)) {
      std::fprintf(stderr, "%s shows no key line\n", qPrintable(name));
      failed_ = true;
    }
    const QString file = folder_ + "/" + name + ".png";
    if (widget->grab().save(file)) {
      std::printf("%s\n", qPrintable(file));
      ++saved_;
    } else {
      std::fprintf(stderr, "could not write %s\n", qPrintable(file));
      failed_ = true;
    }
  }

  // Every window of the program lists its keys at its foot. Menus are no windows;
  // the shared message window has only its two buttons; the print preview is Qt's;
  // the list demonstration is no window of the program.
  static bool LacksKeyLine(QWidget* widget, const QString& name) {
    if (qobject_cast<QMenu*>(widget) != nullptr || widget->objectName() == "TSilForm" ||
        widget->inherits("QPrintPreviewDialog") || name == "list_grid_with_search")
      return false;
    const KeyLine* keys = widget->findChild<KeyLine*>("KeyLine");
    return keys == nullptr || !keys->isVisible() || keys->items().empty();
  }

  SaveWindow Saver() {
    return [this](QWidget* window, const QString& name) { Save(window, name); };
  }

  // As kalvodrin::CaptureNextModal, saving here.
  QTimer* CaptureNextModal(const QString& name, QWidget* previous = nullptr,
                           std::function<void(QWidget*)> then = {}) {
    return kalvodrin::CaptureNextModal(Saver(), name, previous, std::move(then));
  }

  static void Wait(const std::function<bool()>& done) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < 5000) QApplication::processEvents(QEventLoop::AllEvents, 20);
  }

  int saved() const { return saved_; }
  bool failed() const { return failed_; }

 private:
  QString folder_;
  int saved_ = 0;
  bool failed_ = false;
};

// A copy of the given school, or an empty one with a name full of Turkish letters.
std::filesystem::path SchoolFolder(const std::filesystem::path& root, const char* sample) {
  const std::filesystem::path folder = root / "okul";
  std::filesystem::create_directories(folder);
  if (sample != nullptr) {
    std::filesystem::copy(sample, folder, std::filesystem::copy_options::recursive);
    return folder;
  }
  School s;
  s.WorkFolder = folder;
  s.Settings.schoolName.assign(ToRecordText(U8("Şehit Öğretmen Işıl Ağca İmam Hatip Lisesi")));
  SaveSettings(s);
  return folder;
}

// Opens each menu item that has a window and captures what opens: the window, or the
// notice shown instead.
void RenderMenuWindows(Renderer& r, TKalvodrinForm& form) {
  for (const MainMenuEntry& entry : kMainMenu) {
    if (entry.item == MainMenuItem::kExit || !form.HasWindow(entry.item)) continue;
    QPointer<QTimer> watch = r.CaptureNextModal(
        "menu_" + QString::fromLatin1(entry.objectName.data(), entry.objectName.size()));
    form.ActionOf(entry.item)->trigger();
    if (!watch.isNull() && watch->isActive()) delete watch.data();  // nothing opened
  }
}

StartupOptions OptionsFor(const std::filesystem::path& root, const std::filesystem::path& folder) {
  StartupOptions o;
  o.dirs.currentDir = root;
  o.dirs.configHome = root / "config";
  o.dirs.dataHome = root / "data";
  o.folderOverride = folder;
  return o;
}

void RenderProgram(Renderer& r, const std::filesystem::path& root, const char* sample) {
  KalvodrinApp program(OptionsFor(root, SchoolFolder(root, sample)));
  program.Start();
  TKalvodrinForm& form = program.mainForm();
  r.Save(&form, "main_window");
  RenderMenuWindows(r, form);
  int i = 0;
  for (QAction* top : form.menuBar()->actions()) {
    QMenu* menu = top->menu();
    menu->popup(form.mapToGlobal(QPoint(20, 20)));
    r.Save(menu, QString("main_menu_%1").arg(++i));
    menu->hide();
  }
  r.CaptureNextModal("message_notice");
  program.sil().Notice(U8("Hiçbir DERS ve SINIF tanımlanmamış. Bilgi girişinden "
                          "tanımlamaları yapınız."));
  r.CaptureNextModal("message_confirmation");
  program.sil().Confirm(U8("IŞIK AĞCA adındaki öğretmen silinecek !"));
  r.CaptureNextModal("path_window");
  form.CalismaDiziniBtnClick();
  r.CaptureNextModal("help_contents");
  program.help().ShowContents();
  r.CaptureNextModal("help_working_folder");
  program.help().ShowPage("calisma_dizini");
}

void RenderFailedStart(Renderer& r, const std::filesystem::path& root) {
  std::ofstream(root / "dosya") << "x";
  KalvodrinApp program(OptionsFor(root, root / "dosya" / "okul"));
  program.Start();
  bool done = false;
  r.CaptureNextModal("startup_failure_notice", nullptr, [&](QWidget* notice) {
    r.CaptureNextModal("startup_failure_path_window", notice, [&](QWidget*) { done = true; });
  });
  Renderer::Wait([&] { return done; });
  Renderer::Wait([] { return QApplication::activeModalWidget() == nullptr; });
  r.Save(&program.mainForm(), "main_window_failed_start");
}

void RenderListGrid(Renderer& r) {
  QDialog window;
  window.setWindowTitle(U8("ÖĞRETMENLER"));
  auto* layout = new QVBoxLayout(&window);
  auto* grid = new ListGrid(&window);
  auto* other = new ListGrid(&window);
  layout->addWidget(grid);
  layout->addWidget(other);
  grid->SetColumns({"NO", U8("ADI SOYADI"), U8("BRANŞI")}, {0});
  grid->SetRows({{"1", U8("AHMET YILDIZ"), U8("MATEMATİK")},
                 {"2", U8("AYŞE IŞIK"), U8("TÜRK DİLİ")},
                 {"3", U8("ŞÜKRÜ ĞÜNEŞ"), U8("FİZİK")}});
  other->SetColumns({"NO", U8("DERS ADI")}, {0});
  other->SetRows({});
  auto* search = new SearchBox(grid, 1);
  FocusColouring colouring{grid, other};
  window.resize(420, 320);
  window.show();
  window.activateWindow();
  QApplication::setActiveWindow(&window);
  grid->setFocus();
  search->ToggleFromGrid(U8("ş"));
  colouring.Apply();
  r.Save(&window, "list_grid_with_search");
}

}  // namespace
}  // namespace kalvodrin

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  kalvodrin::InstallCapitalMarksStyle();
  if (argc != 2 && argc != 3) {
    std::fputs("usage: kalvodrin_screenshot_renderer OUTPUT_FOLDER [SCHOOL_FOLDER]\n", stderr);
    return 2;
  }
  const std::filesystem::path root =
      std::filesystem::temp_directory_path() /
      ("kalvodrin-screens-" + std::to_string(QCoreApplication::applicationPid()));
  std::filesystem::create_directories(root);
  kalvodrin::Renderer renderer(QString::fromLocal8Bit(argv[1]));
  kalvodrin::RenderProgram(renderer, root, argc == 3 ? argv[2] : nullptr);
  kalvodrin::RenderFailedStart(renderer, root);
  kalvodrin::RenderListGrid(renderer);
  kalvodrin::RenderMasterDataWindows(renderer.Saver(), root);
  kalvodrin::RenderAssignmentWindows(renderer.Saver(), root);
  kalvodrin::RenderPrintingWindows(renderer.Saver(), root, argc == 3 ? argv[2] : nullptr);
  kalvodrin::RenderTimetableWindows(renderer.Saver(), root);
  kalvodrin::RenderDutyWindows(renderer.Saver(), root);
  kalvodrin::RenderSubstitutionWindows(renderer.Saver(), root);
  std::error_code ec;
  std::filesystem::remove_all(root, ec);
  return renderer.failed() || renderer.saved() == 0 ? 1 : 0;
}
