// The backup window as the user meets it from the main menu.
#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QTextEdit>

#include <gtest/gtest.h>

#include <fstream>

#include "app/kalvodrin_app.h"
#include "core/record_creation.h"
#include "core/storage.h"
#include "folder_check.h"
#include "gui/common/key_line.h"
#include "gui/common/qt_text.h"
#include "gui/shell/backup_window.h"
#include "gui/shell/main_window.h"
#include "gui_test_support.h"
#include "program_fixture.h"

namespace kalvodrin {
namespace {

using testing::MessageText;
using testing::OnNextModal;

// Clicks the button and answers the message window it shows, keeping its text.
QString ClickForNotice(QDialog* window, const char* button) {
  QString text;
  OnNextModal(
      [&text](QDialog* m) {
        text = MessageText(m);
        m->accept();
      },
      window);
  QTest::mouseClick(window->findChild<QPushButton*>(button), Qt::LeftButton);
  return text;
}

// The program started on a working folder (root/okul) that holds one lesson.
class BackupWindowTest : public testing::ProgramFixture {
 protected:
  BackupWindowTest() {
    std::filesystem::create_directories(work);
    School s;
    s.WorkFolder = work;
    AddLesson(s, 1, "FIZIK", "FIZ", 0, 2, PatternBytes{2}, 0);
    EXPECT_TRUE(SaveFiles(s, FileSet{DataFile::kLessons}));
  }

  std::filesystem::path work = root / "okul";
};

TEST_F(BackupWindowTest, BackupIntoTheWorkingFolderThenRestoreEndsTheProgram) {
  KalvodrinApp app(Options());
  ASSERT_TRUE(app.Start());
  ASSERT_TRUE(app.mainForm().ActionOf(MainMenuItem::kBackup)->isEnabled());
  QString backupNotice;
  QString exitNotice;
  OnNextModal([&](QDialog* window) {
    EXPECT_EQ(window->objectName(), "TYedekForm");
    EXPECT_EQ(window->findChild<QComboBox*>("ComboBox1")->currentIndex(), 0);
    const QString keys = window->findChild<KeyLine*>("KeyLine")->text();
    EXPECT_TRUE(keys.contains("F1") && keys.contains("Esc")) << keys.toStdString();
    backupNotice = ClickForNotice(window, "DosyalariYedekleBtn");
    std::filesystem::resize_file(work / "DERSLER.LOF", 0);  // the school moves on
    OnNextModal(
        [&](QDialog* m) {
          exitNotice = MessageText(m);
          m->accept();
        },
        window);
    QTest::mouseClick(window->findChild<QPushButton*>("YedektenGeriAlBtn"), Qt::LeftButton);
  });
  app.mainForm().ActionOf(MainMenuItem::kBackup)->trigger();
  EXPECT_EQ(backupNotice, U8("Yedek alma işlemi tamamlandı."));
  EXPECT_EQ(std::filesystem::file_size(work / "DERSLER.YDK"), 48u);
  EXPECT_EQ(std::filesystem::file_size(work / "DERSLER.LOF"), 48u);  // restored
  testing::ExpectCheckClean(work);
  EXPECT_TRUE(exitNotice.startsWith(U8("Ayarlarınız düzenlenmesi için")));
  EXPECT_FALSE(app.mainForm().isVisible());
}

TEST_F(BackupWindowTest, FixedFolderIsMadeWhenMissingAndADriveThatCannotBeGetsItsNotices) {
  KalvodrinApp app(Options());
  ASSERT_TRUE(app.Start());
  const std::filesystem::path fixed = root / "data" / "kalvodrin" / "D" / "yedek";
  EXPECT_EQ(app.backupForm().FolderOf(BackupPlace::kFixedFolder), fixed);
  QString backupNotice;
  QString restoreNotice;
  QStringList items;
  OnNextModal([&](QDialog* window) {
    auto* places = window->findChild<QComboBox*>("ComboBox1");
    for (int i = 0; i < places->count(); ++i) items << places->itemText(i);
    places->setCurrentIndex(1);
    restoreNotice = ClickForNotice(window, "YedektenGeriAlBtn");  // nothing there yet
    backupNotice = ClickForNotice(window, "DosyalariYedekleBtn");
    EXPECT_TRUE(window->isVisible());
    QTest::mouseClick(window->findChild<QPushButton*>("CikisBtn"), Qt::LeftButton);
  });
  app.mainForm().ActionOf(MainMenuItem::kBackup)->trigger();
  // Each fixed item shows the folder it stands for; no folder was chosen yet.
  ASSERT_EQ(items.size(), 3);
  EXPECT_TRUE(items[0].startsWith(U8("C:\\VORTELAMINKA\\")));
  EXPECT_TRUE(items[0].endsWith(QString::fromStdString(work.string())));
  EXPECT_TRUE(items[1].endsWith(QString::fromStdString(fixed.string())));
  EXPECT_EQ(items[2], U8("Başka klasör…"));
  EXPECT_EQ(restoreNotice, U8(kNoBackupFolderNotice));
  EXPECT_EQ(backupNotice, U8("Yedek alma işlemi tamamlandı."));
  EXPECT_TRUE(std::filesystem::exists(fixed / "DUDIZIRY.YDK"));
  EXPECT_TRUE(app.mainForm().isVisible());

  // Where the folder cannot be made (a file stands in its way), the drive is not ready.
  std::filesystem::remove_all(root / "data" / "kalvodrin" / "D");
  std::ofstream(root / "data" / "kalvodrin" / "D") << "x";
  OnNextModal([&](QDialog* window) {
    window->findChild<QComboBox*>("ComboBox1")->setCurrentIndex(1);
    backupNotice = ClickForNotice(window, "DosyalariYedekleBtn");
    window->reject();
  });
  app.mainForm().ActionOf(MainMenuItem::kBackup)->trigger();
  EXPECT_EQ(backupNotice, U8(kNoDiskNotice));
}

TEST_F(BackupWindowTest, ChosenFolderIsRememberedAcrossStartsAndServesTheRestoreToo) {
  const std::filesystem::path usb = root / "media" / "USB BELLEK";
  std::filesystem::create_directories(usb);
  QString backupNotice;
  QString startedAt;
  {
    KalvodrinApp app(Options());
    ASSERT_TRUE(app.Start());
    app.backupForm().SetFolderChooser([&](QWidget*, const QString& start) {
      startedAt = start;
      return QString::fromStdString(usb.string());
    });
    OnNextModal([&](QDialog* window) {
      auto* places = window->findChild<QComboBox*>("ComboBox1");
      // Picking the last item opens the chooser.
      places->setCurrentIndex(places->count() - 1);
      EXPECT_EQ(window->findChild<QComboBox*>("ComboBox1")->currentIndex(), 2);
      backupNotice = ClickForNotice(window, "DosyalariYedekleBtn");
      window->reject();
    });
    app.mainForm().ActionOf(MainMenuItem::kBackup)->trigger();
  }
  EXPECT_EQ(backupNotice, U8("Yedek alma işlemi tamamlandı."));
  EXPECT_EQ(std::filesystem::file_size(usb / "DERSLER.YDK"), 48u);
  EXPECT_FALSE(startedAt.isEmpty());

  // The next start offers the folder again; a cancelled chooser keeps the place chosen.
  std::filesystem::resize_file(work / "DERSLER.LOF", 0);
  KalvodrinApp app(Options());
  ASSERT_TRUE(app.Start());
  app.backupForm().SetFolderChooser([](QWidget*, const QString&) { return QString(); });
  QString remembered;
  int afterCancel = -1;
  OnNextModal([&](QDialog* window) {
    auto* places = window->findChild<QComboBox*>("ComboBox1");
    ASSERT_EQ(places->count(), 4);
    remembered = places->itemText(2);
    places->setCurrentIndex(2);
    places->setCurrentIndex(3);  // "Başka klasör…", then cancelled
    afterCancel = places->currentIndex();
    OnNextModal([](QDialog* m) { m->accept(); }, window);
    QTest::mouseClick(window->findChild<QPushButton*>("YedektenGeriAlBtn"), Qt::LeftButton);
  });
  app.mainForm().ActionOf(MainMenuItem::kBackup)->trigger();
  EXPECT_TRUE(remembered.endsWith(QString::fromStdString(usb.string())));
  EXPECT_EQ(afterCancel, 2);
  EXPECT_EQ(std::filesystem::file_size(work / "DERSLER.LOF"), 48u);  // restored from it
  testing::ExpectCheckClean(work);
}

}  // namespace
}  // namespace kalvodrin
