// The program as the user meets it: start-up, the main window's menu with its tests
// and notices, the working-folder window, help, and a working folder that cannot be
// used.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTextEdit>
#include <QTranslator>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "app/kalvodrin_app.h"
#include "core/record_creation.h"
#include "gui/common/help_window.h"
#include "gui/common/key_line.h"
#include "gui/common/message_window.h"
#include "gui/common/qt_text.h"
#include "gui/common/qt_translations.h"
#include "gui/shell/main_window.h"
#include "gui/shell/path_window.h"
#include "gui_test_support.h"
#include "program_fixture.h"

namespace kalvodrin {
namespace {

using testing::Activate;
using testing::MessageText;
using testing::ModalCounter;
using testing::OnNextModal;

void Click(QWidget* parent, const char* name) {
  auto* button = parent->findChild<QPushButton*>(name);
  ASSERT_NE(button, nullptr) << name;
  QTest::mouseClick(button, Qt::LeftButton);
}

class ProgramTest : public testing::ProgramFixture {
 protected:
  // Gives every item of the menu a window that only counts its openings.
  void GiveEveryItemAWindow(KalvodrinApp& app) {
    for (const MainMenuEntry& e : kMainMenu) {
      if (e.item == MainMenuItem::kExit) continue;
      const MainMenuItem item = e.item;
      app.mainForm().SetOpener(item, [this, item] {
        ++opened[item];
        return OpenOutcome::kClosed;
      });
    }
  }
  // Chooses the item the way the user does: the menu bar, then the item, by mouse.
  static void ChooseWithMouse(TKalvodrinForm& form, MainMenuItem item) {
    QMenuBar* bar = form.menuBar();
    QAction* action = form.ActionOf(item);
    QMenu* menu = nullptr;
    for (QAction* top : bar->actions())
      if (top->menu() != nullptr && top->menu()->actions().contains(action)) menu = top->menu();
    ASSERT_NE(menu, nullptr);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
  }

  std::map<MainMenuItem, int> opened;
};

TEST_F(ProgramTest, StartOnAnEmptyFolderCreatesTheFilesAndShowsTheMainWindow) {
  KalvodrinApp app(Options());
  ASSERT_TRUE(app.Start()) << app.startup().status.message();
  TKalvodrinForm& form = app.mainForm();
  EXPECT_TRUE(form.isVisible());
  EXPECT_EQ(form.windowTitle(), U8("ÖĞRETMEN HAFTALIK DERS DAĞITIM PROGRAMI"));
  EXPECT_EQ(form.findChild<QLabel*>("BaslikLabel")->text(), form.windowTitle());
  for (const char* file : {"KUME.LOF", "DERSLER.LOF", "SINIFLAR.LOF", "DERSHANE.LOF",
                           "OGRETMEN.LOF", "DUDIZIR1.LOF", "DUDIZIR2.LOF", "DUDIZIR6.LOF",
                           "DUDIZIRZ.LOF", "DUDIZIRX.LOF", "DUDIZIRY.LOF", "DUDIZIRQ.LOF"})
    EXPECT_TRUE(std::filesystem::exists(root / "okul" / file)) << file;
  QStringList menus;
  for (QAction* top : form.menuBar()->actions()) menus << top->text();
  // Each with an Alt key of its own, the first letter of a word where it can be.
  EXPECT_EQ(menus, QStringList({U8("&BİLGİ GİRİŞİ"), U8("&DERS ATAMALARI"), U8("&PROGRAMLAR"),
                                U8("&YEDEKLEME"), U8("&ÇIKIŞ")}));
  QStringList items;
  for (QAction* a : form.menuBar()->actions().first()->menu()->actions()) items << a->text();
  EXPECT_EQ(items, QStringList({U8("&DERS HAVUZU"), U8("&ÖĞRETMEN GİRİŞİ"),
                                U8("&SINIF-DERSHANE GİRİŞİ"), U8("DERS SAATLERİ &GİRİŞİ")}));
  // Every item is there; those whose window is not part of the program yet are disabled.
  for (const MainMenuEntry& e : kMainMenu)
    EXPECT_EQ(form.ActionOf(e.item)->isEnabled(),
              e.item == MainMenuItem::kExit || form.HasWindow(e.item))
        << e.objectName;
  EXPECT_EQ(form.findChild<QPushButton*>("DersHavuzuBtn")->isEnabled(),
            form.HasWindow(MainMenuItem::kLessonPool));
}

TEST_F(ProgramTest, ItemsWithoutAWindowStayDisabledAndDoNothing) {
  School school;
  TSilForm sil;
  THelpForm help;
  TPathForm path(sil, help);
  TKalvodrinForm form(AppContext{school, sil, help}, path);
  StartupResult ok;
  form.SetStartup(ok);
  for (const MainMenuEntry& e : kMainMenu)
    EXPECT_EQ(form.ActionOf(e.item)->isEnabled(), e.item == MainMenuItem::kExit);
  ModalCounter modals;
  form.Choose(MainMenuItem::kClassLessons);  // would be the notice if it had a window
  EXPECT_EQ(modals.count(), 0);
  form.SetOpener(MainMenuItem::kBackup, [] { return OpenOutcome::kClosed; });
  EXPECT_TRUE(form.ActionOf(MainMenuItem::kBackup)->isEnabled());
}

TEST_F(ProgramTest, ClassLessonsGiveTheNoticeOnlyWhenNeitherClassesNorLessonsExist) {
  KalvodrinApp app(Options());
  ASSERT_TRUE(app.Start());
  GiveEveryItemAWindow(app);
  Activate(&app.mainForm());
  QString notice;
  OnNextModal([&](QDialog* d) {
    notice = MessageText(d);
    Click(d, "TamamBtn");
  });
  ChooseWithMouse(app.mainForm(), MainMenuItem::kClassLessons);
  EXPECT_EQ(notice, U8("Hiçbir DERS ve SINIF tanımlanmamış. Bilgi girişinden tanımlamaları "
                       "yapınız."));
  EXPECT_EQ(opened[MainMenuItem::kClassLessons], 0);

  AddLesson(app.school(), 1, "TDE", "TDE", 0, 5, {}, 0);
  {
    ModalCounter modals;  // lessons without classes: nothing at all happens
    app.mainForm().ActionOf(MainMenuItem::kClassLessons)->trigger();
    EXPECT_EQ(modals.count(), 0);
  }
  EXPECT_EQ(opened[MainMenuItem::kClassLessons], 0);
  AddClass(app.school(), 1, "9", "A");
  app.mainForm().ActionOf(MainMenuItem::kClassLessons)->trigger();
  EXPECT_EQ(opened[MainMenuItem::kClassLessons], 1);
}

// The full table of conditions is tested in the shell; here, that the window follows it.
TEST_F(ProgramTest, SectionsOpenOnlyWhenTheirDataExist) {
  KalvodrinApp app(Options());
  ASSERT_TRUE(app.Start());
  GiveEveryItemAWindow(app);
  TKalvodrinForm& form = app.mainForm();
  ModalCounter modals;
  form.ActionOf(MainMenuItem::kTeacherTimetables)->trigger();
  form.ActionOf(MainMenuItem::kCancelPlacements)->trigger();
  EXPECT_TRUE(opened.empty());
  QTest::mouseClick(form.findChild<QPushButton*>("DersHavuzuBtn"), Qt::LeftButton);
  EXPECT_EQ(opened[MainMenuItem::kLessonPool], 1);

  School& s = app.school();
  AddTeacher(s, 1, "AYŞE", "", "", "");
  AddClass(s, 1, "9", "A");
  form.ActionOf(MainMenuItem::kCancelPlacements)->trigger();
  form.ActionOf(MainMenuItem::kTeacherTimetables)->trigger();
  EXPECT_EQ(opened[MainMenuItem::kCancelPlacements], 1);
  EXPECT_EQ(opened[MainMenuItem::kTeacherTimetables], 0);
  EXPECT_EQ(modals.count(), 0);
}

TEST_F(ProgramTest, RestoreFromBackupEndsTheProgramAfterItsNotice) {
  KalvodrinApp app(Options());
  ASSERT_TRUE(app.Start());
  app.mainForm().SetOpener(MainMenuItem::kBackup, [] { return OpenOutcome::kRestored; });
  QString notice;
  OnNextModal([&](QDialog* d) {
    notice = MessageText(d);
    d->accept();
  });
  app.mainForm().ActionOf(MainMenuItem::kBackup)->trigger();
  EXPECT_TRUE(notice.startsWith(U8("Ayarlarınız düzenlenmesi için  program kapatılacak.")));
  EXPECT_FALSE(app.mainForm().isVisible());
}

TEST_F(ProgramTest, BackupWithoutRestoreAndExitButton) {
  KalvodrinApp app(Options());
  ASSERT_TRUE(app.Start());
  app.mainForm().SetOpener(MainMenuItem::kBackup, [] { return OpenOutcome::kClosed; });
  app.mainForm().ActionOf(MainMenuItem::kBackup)->trigger();
  EXPECT_TRUE(app.mainForm().isVisible());
  Click(&app.mainForm(), "CikisBtn");
  EXPECT_FALSE(app.mainForm().isVisible());
}

TEST_F(ProgramTest, PathWindowTogglesSavesAndTakesEffectAtTheNextStart) {
  const std::filesystem::path yardim = root / "config" / "kalvodrin" / "YARDIM.LOF";
  std::filesystem::path before;
  {
    KalvodrinApp app(Options(false));
    ASSERT_TRUE(app.Start());
    before = app.school().WorkFolder;
    QString shownAtOpen;
    QString afterTwoClicks;
    QString saved;
    OnNextModal([&](QDialog* d) {
      auto* pathEd = d->findChild<QLineEdit*>("PathEd");
      shownAtOpen = pathEd->text();
      pathEd->setText(U8("C:\\Kalvodrin\\"));
      QTest::mouseDClick(pathEd, Qt::LeftButton);
      QTest::mouseDClick(pathEd, Qt::LeftButton);
      afterTwoClicks = pathEd->text();
      QTest::mouseDClick(pathEd, Qt::LeftButton);
      OnNextModal(
          [&](QDialog* notice) {
            saved = MessageText(notice);
            notice->accept();
          },
          d);
      Click(d, "TamamBtn");
    });
    Click(&app.mainForm(), "CalismaDiziniBtn");
    EXPECT_EQ(shownAtOpen, U8("C:\\VORTELAMINKA\\"));
    EXPECT_EQ(afterTwoClicks, U8("C:\\Kalvodrin\\"));
    EXPECT_EQ(saved, U8("Yol Kaydedildi.\nYeni çalışma dizini program yeniden açıldığında "
                        "kullanılacak."));
    EXPECT_FALSE(app.pathForm().isVisible());
    EXPECT_EQ(app.school().WorkFolder, before);  // the old folder until the next start
  }
  std::string stored;
  ASSERT_TRUE(LoadWorkFolder(yardim, stored));
  EXPECT_EQ(stored, "C:\\ekbina\\");
  KalvodrinApp next(Options(false));
  ASSERT_TRUE(next.Start());
  EXPECT_EQ(next.school().WorkFolder, root / "data" / "kalvodrin" / "C" / "ekbina");
  EXPECT_NE(next.school().WorkFolder, before);
}

// Started on a folder named at start, the window shows that folder, not the stored
// one; once a new path is saved it shows the saved one. Its example reads as it should.
TEST_F(ProgramTest, PathWindowStartsOnTheFolderInUse) {
  KalvodrinApp app(Options(true));
  ASSERT_TRUE(app.Start());
  QString shown;
  QString example;
  const QString deep = "/home/ogretmen/.local/share/kalvodrin/C/VORTELAMINKA/2026-27/";
  int room = 0;
  OnNextModal([&](QDialog* d) {
    shown = d->findChild<QLineEdit*>("PathEd")->text();
    example = d->findChild<QLabel*>("OrnekLabel")->text();
    const QLineEdit* path = d->findChild<QLineEdit*>("PathEd");
    room = path->width() - path->fontMetrics().horizontalAdvance(deep);
    d->findChild<QLineEdit*>("PathEd")->setText("D:\\OKUL\\");
    OnNextModal([](QDialog* notice) { notice->accept(); }, d);
    Click(d, "TamamBtn");
  });
  Click(&app.mainForm(), "CalismaDiziniBtn");
  EXPECT_EQ(shown, QString::fromStdString((root / "okul").string()));
  EXPECT_EQ(example, U8("Örnek Yol: D:\\Vortelaminka\\"));
  EXPECT_GT(room, 10) << "a deep folder does not show whole";
  OnNextModal([&](QDialog* d) {
    shown = d->findChild<QLineEdit*>("PathEd")->text();
    Click(d, "IptalBtn");
  });
  Click(&app.mainForm(), "CalismaDiziniBtn");
  EXPECT_EQ(shown, "D:\\OKUL\\");
}

TEST_F(ProgramTest, PathWindowCancelAndUnwritablePathChangeNothing) {
  KalvodrinApp app(Options(false));
  ASSERT_TRUE(app.Start());
  const std::filesystem::path yardim = app.startup().workFolderFile;
  OnNextModal([&](QDialog* d) {
    d->findChild<QLineEdit*>("PathEd")->setText("D:\\BAŞKA\\");
    Click(d, "IptalBtn");
  });
  Click(&app.mainForm(), "CalismaDiziniBtn");
  QString refused;
  OnNextModal([&](QDialog* d) {
    d->findChild<QLineEdit*>("PathEd")->setText(U8("D:\\Жук\\"));
    OnNextModal(
        [&](QDialog* notice) {
          refused = MessageText(notice);
          notice->accept();
        },
        d);
    Click(d, "TamamBtn");
    EXPECT_TRUE(d->isVisible());  // still open to correct the path
    Click(d, "IptalBtn");
  });
  Click(&app.mainForm(), "CalismaDiziniBtn");
  EXPECT_TRUE(refused.startsWith(U8("Bu yol kaydedilemez")));
  std::string stored;
  ASSERT_TRUE(LoadWorkFolder(yardim, stored));
  EXPECT_EQ(stored, "C:\\VORTELAMINKA\\");
}

TEST_F(ProgramTest, UnusableFolderIsReportedAndAnotherCanBeChosenAtOnce) {
  std::ofstream(root / "dosya") << "x";
  StartupOptions o = Options();
  o.folderOverride = root / "dosya" / "okul";
  KalvodrinApp app(std::move(o));
  EXPECT_FALSE(app.Start());
  GiveEveryItemAWindow(app);
  TKalvodrinForm& form = app.mainForm();
  EXPECT_TRUE(form.isVisible());
  EXPECT_FALSE(form.ActionOf(MainMenuItem::kLessonPool)->isEnabled());
  EXPECT_TRUE(form.findChild<QPushButton*>("CalismaDiziniBtn")->isEnabled());

  const std::filesystem::path good = root / "yeni okul";
  QString report;
  OnNextModal([&](QDialog* notice) {
    report = MessageText(notice);
    OnNextModal([&](QDialog* path) {
      path->findChild<QLineEdit*>("PathEd")->setText(QString::fromStdString(good.string()));
      OnNextModal([](QDialog* saved) { saved->accept(); }, path);
      Click(path, "TamamBtn");
    }, notice);
    Click(notice, "TamamBtn");
  });
  QTRY_VERIFY_WITH_TIMEOUT(!report.isEmpty() && app.startup().status.ok(), 5000);
  EXPECT_TRUE(report.contains(U8("Çalışma dizini kullanılamıyor")));
  EXPECT_TRUE(report.contains(QString::fromStdString((root / "dosya").string())));
  EXPECT_EQ(app.school().WorkFolder, good);
  EXPECT_TRUE(std::filesystem::exists(good / "DUDIZIRQ.LOF"));
  EXPECT_TRUE(form.ActionOf(MainMenuItem::kLessonPool)->isEnabled());
}

TEST_F(ProgramTest, UnusableFolderLeftAsItIsKeepsOnlyThePathWindowAndExit) {
  StartupOptions o = Options();
  std::ofstream(root / "dosya") << "x";
  o.folderOverride = root / "dosya";
  KalvodrinApp app(std::move(o));
  EXPECT_FALSE(app.Start());
  GiveEveryItemAWindow(app);
  bool cancelled = false;
  OnNextModal([&](QDialog* notice) {
    OnNextModal([&](QDialog* path) {
      Click(path, "IptalBtn");
      cancelled = true;
    }, notice);
    notice->accept();
  });
  QTRY_VERIFY_WITH_TIMEOUT(cancelled, 5000);
  QTest::qWait(20);
  for (const MainMenuEntry& e : kMainMenu)
    EXPECT_EQ(app.mainForm().ActionOf(e.item)->isEnabled(), e.item == MainMenuItem::kExit);
  app.mainForm().ActionOf(MainMenuItem::kLessonPool)->trigger();
  EXPECT_TRUE(opened.empty());
  EXPECT_TRUE(app.mainForm().isVisible());
}

TEST_F(ProgramTest, F1OpensTheContentsInTheMainWindowAndTheWindowsPageElsewhere) {
  KalvodrinApp app(Options());
  ASSERT_TRUE(app.Start());
  Activate(&app.mainForm());
  QString page;
  OnNextModal([&](QDialog* d) {
    page = app.help().currentPage();
    d->accept();
  });
  QTest::keyClick(&app.mainForm(), Qt::Key_F1);
  EXPECT_EQ(page, "index");
  OnNextModal([&](QDialog* path) {
    OnNextModal([&](QDialog* help) {
      page = app.help().currentPage();
      help->accept();
    }, path);
    QTest::keyClick(path->findChild<QLineEdit*>("PathEd"), Qt::Key_F1);
    path->reject();
  });
  Click(&app.mainForm(), "CalismaDiziniBtn");
  EXPECT_EQ(page, "calisma_dizini");
  EXPECT_TRUE(HelpPageExists("index"));
  app.help().Load(HelpTopicPage(139));  // a topic without a page shows the contents
  EXPECT_EQ(app.help().currentPage(), "index");
}

// The main window's key line names the two ways in by keys, and both act: Alt with the
// letter underlined in a menu's name opens that menu; F1 is tested above.
TEST_F(ProgramTest, TheMainWindowsKeyLineListsKeysThatOpenItsMenusAndHelp) {
  KalvodrinApp app(Options());
  ASSERT_TRUE(app.Start());
  TKalvodrinForm& form = app.mainForm();
  Activate(&form);
  const QString keys = form.findChild<KeyLine*>("KeyLine")->text();
  EXPECT_TRUE(keys.contains("F1")) << keys.toStdString();
  EXPECT_TRUE(keys.contains("Alt+")) << keys.toStdString();
  QMenu* first = form.menuBar()->actions().front()->menu();
  EXPECT_TRUE(first->title().startsWith("&B")) << first->title().toStdString();
  EXPECT_FALSE(first->isVisible());
  QTest::keyClick(&form, Qt::Key_B, Qt::AltModifier);
  EXPECT_TRUE(first->isVisible());
  first->hide();
}

TEST_F(ProgramTest, MainWindowComesBackWhereAndAsLargeAsItWasLeft) {
  const QRect left(30, 40, 620, 420);
  {
    KalvodrinApp app(Options());
    ASSERT_TRUE(app.Start());
    EXPECT_NE(app.mainForm().size(), left.size());
    app.mainForm().setGeometry(left);
    app.mainForm().close();
  }
  EXPECT_TRUE(std::filesystem::exists(root / "config" / "kalvodrin" / "pencere.ini"));
  KalvodrinApp app(Options());
  ASSERT_TRUE(app.Start());
  EXPECT_EQ(app.mainForm().geometry(), left);
}

TEST(QtTurkish, QtsOwnDialogsSpeakTurkishWhenTheTranslationsAreInstalled) {
  QTranslator* turkish = InstallQtTurkish(*QCoreApplication::instance());
  if (turkish == nullptr) GTEST_SKIP() << "qt6-translations-l10n is not installed";
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), U8("İptal"));
  EXPECT_EQ(QLocale().language(), QLocale::Turkish);
  QCoreApplication::removeTranslator(turkish);
  delete turkish;
  QLocale::setDefault(QLocale::c());
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancel");
}

}  // namespace
}  // namespace kalvodrin
