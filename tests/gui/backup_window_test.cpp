// The backup window as the user meets it from the main menu.
#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QTextEdit>

#include <gtest/gtest.h>

#include "app/kalvodrin_app.h"
#include "core/record_creation.h"
#include "core/storage.h"
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
  EXPECT_TRUE(exitNotice.startsWith(U8("Ayarlarınız düzenlenmesi için")));
  EXPECT_FALSE(app.mainForm().isVisible());
}

TEST_F(BackupWindowTest, MissingBackupDriveGetsItsNoticesAndTheProgramGoesOn) {
  KalvodrinApp app(Options());
  ASSERT_TRUE(app.Start());
  QString backupNotice;
  QString restoreNotice;
  OnNextModal([&](QDialog* window) {
    window->findChild<QComboBox*>("ComboBox1")->setCurrentIndex(1);
    backupNotice = ClickForNotice(window, "DosyalariYedekleBtn");
    restoreNotice = ClickForNotice(window, "YedektenGeriAlBtn");
    EXPECT_TRUE(window->isVisible());
    QTest::mouseClick(window->findChild<QPushButton*>("CikisBtn"), Qt::LeftButton);
  });
  app.mainForm().ActionOf(MainMenuItem::kBackup)->trigger();
  EXPECT_EQ(backupNotice, U8(kNoDiskNotice));
  EXPECT_EQ(restoreNotice, U8(kNoBackupFolderNotice));
  EXPECT_TRUE(app.mainForm().isVisible());
  EXPECT_EQ(app.backupForm().FolderOf(BackupPlace::kFixedFolder),
            root / "data" / "kalvodrin" / "D" / "yedek");

  // With the folder there, the same choice backs up into it.
  std::filesystem::create_directories(root / "data" / "kalvodrin" / "D" / "yedek");
  OnNextModal([&](QDialog* window) {
    window->findChild<QComboBox*>("ComboBox1")->setCurrentIndex(1);
    backupNotice = ClickForNotice(window, "DosyalariYedekleBtn");
    window->reject();
  });
  app.mainForm().ActionOf(MainMenuItem::kBackup)->trigger();
  EXPECT_EQ(backupNotice, U8("Yedek alma işlemi tamamlandı."));
  EXPECT_TRUE(std::filesystem::exists(root / "data" / "kalvodrin" / "D" / "yedek" /
                                      "DUDIZIRY.YDK"));
}

}  // namespace
}  // namespace kalvodrin
