// The windows that save, made to fail at each step of their save in turn: the message
// window shows the system's message, and the files are still the old ones, byte for
// byte.

#include <QComboBox>
#include <QPushButton>

#include "core/paths.h"
#include "fault_runs.h"
#include "gui/masterdata/teacher_forms.h"
#include "gui/printing/printer_settings_form.h"
#include "gui/shell/backup_window.h"
#include "gui/shell/path_window.h"
#include "gui/timetables/class_timetable_form.h"
#include "gui/timetables/timetable_windows.h"
#include "window_fixture.h"

namespace kalvodrin::testing {
namespace {

namespace fs = std::filesystem;

// Answers every message window that opens while it lives, keeping the texts; other
// modal windows are left to the test.
class NoticeCatcher {
 public:
  NoticeCatcher() {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      QWidget* modal = QApplication::activeModalWidget();
      if (modal == nullptr || !modal->isVisible() || modal->objectName() != "TSilForm") return;
      texts_ << modal->findChild<QTextEdit*>("RichEdit1")->toPlainText();
      qobject_cast<QDialog*>(modal)->accept();
    });
    timer_.start(5);
  }
  // The notice that carries an injected failure, empty when none did.
  std::string Failure() const {
    for (const QString& t : texts_)
      if (CarriesInjectedError(t.toStdString())) return t.toStdString();
    return "";
  }

 private:
  QTimer timer_;
  QStringList texts_;
};

// Opens the modal window that `open` shows, runs `act` in it and closes it if it is
// still open afterwards (a failed save leaves it open).
void InModal(const std::function<void()>& open, const std::function<void(QDialog*)>& act) {
  OnNextModal([act](QDialog* d) {
    act(d);
    if (d->isVisible()) d->reject();
  });
  open();
}

class SaveFaults : public WindowFixture {
 protected:
  SaveFaults() {
    for (const auto& entry : fs::directory_iterator(KALVODRIN_SAMPLE))
      fs::copy_file(entry.path(), folder.path() / entry.path().filename(),
                    fs::copy_options::overwrite_existing);
    image = ImageOf(folder.path());
  }

  void PutSchoolBack() {
    PutBack(folder.path(), image);
    EXPECT_TRUE(LoadSchool(school));
  }

  // Checks the window's save against every failing step; the message window must
  // carry the failure.
  void Check(const std::function<void(AppContext)>& save, fs::path watched = {}) {
    if (watched.empty()) watched = folder.path();
    const FolderImage watchedImage = ImageOf(watched);
    const FaultRuns runs = FailEveryStep(
        {watched}, Keeping::kTogether,
        [&] {
          PutSchoolBack();
          if (watched != folder.path()) PutBack(watched, watchedImage);
        },
        [&](FileSystem& disk) {
          NoticeCatcher notices;
          AppContext c = context();
          c.disk = &disk;
          save(c);
          return notices.Failure();
        });
    EXPECT_GT(runs.failed, 0);
  }

  FolderImage image;
};

TEST_F(SaveFaults, MasterDataAndTimetableWindows) {
  Check([](AppContext c) {
    TOgretmenForm form(c);
    Activate(&form);
    Type(&form, "Edit1", U8("yeni öğretmen"));
    Type(&form, "Edit2", "fizik");
    Key(&form, Qt::Key_F2);
  });
  // The class timetable saves on F4 and again when it closes: each in turn.
  for (const bool byKey : {true, false}) {
    Check([this, byKey](AppContext c) {
      TimetableWindows windows(c, nullptr);
      TSnfPrgForm& form = windows.classes();
      Activate(&form);
      school.ClassGrids.front().open[0] ^= 1;  // a change for the save to write
      if (byKey)
        Key(&form, Qt::Key_F4);
      else
        form.accept();
    });
  }
}

TEST_F(SaveFaults, PrinterSettingsAndWorkingFolderWindows) {
  Check([](AppContext c) {
    TYaziciForm form(c);
    InModal([&] { form.Open(); },
            [](QDialog* d) {
              Type(d, "Edit1", "55");
              QTest::mouseClick(Child<QPushButton>(d, "KaydetBtn"), Qt::LeftButton);
            });
  });
  TempFolder elsewhere;
  const fs::path config = elsewhere.path();
  std::string stored = "D:\\OKUL\\";
  ASSERT_TRUE(SaveWorkFolder(config / "YARDIM.LOF", stored));
  Check(
      [&](AppContext c) {
        TPathForm form(c.sil, c.help, nullptr, c.disk);
        InModal([&] { form.Open(config / "YARDIM.LOF", stored); },
                [](QDialog* d) {
                  d->findChild<QLineEdit*>("PathEd")->setText("D:\\BASKA\\");
                  QTest::mouseClick(Child<QPushButton>(d, "TamamBtn"), Qt::LeftButton);
                });
      },
      config);
}

TEST_F(SaveFaults, BackupWindowBacksUpAndRestoresAllOrNothing) {
  TempFolder elsewhere;
  const fs::path backup = elsewhere.path();
  auto press = [&](AppContext c, const char* button) {
    TYedekForm form(c, backup);
    InModal([&] { form.Open(); },
            [&](QDialog* d) {
              d->findChild<QComboBox*>("ComboBox1")->setCurrentIndex(1);
              QTest::mouseClick(d->findChild<QPushButton*>(button), Qt::LeftButton);
            });
  };
  auto pressPlainly = [&](const char* button) {
    NoticeCatcher notices;
    press(context(), button);
  };
  pressPlainly("DosyalariYedekleBtn");
  ASSERT_TRUE(fs::exists(backup / "DERSLER.YDK"));
  // The backup is taken of the school in memory, changed here so that every run has
  // something to replace.
  Check(
      [&](AppContext c) {
        school.Lessons.pop_back();
        press(c, "DosyalariYedekleBtn");
      },
      backup);
  school.Lessons.pop_back();
  pressPlainly("DosyalariYedekleBtn");
  Check([&](AppContext c) { press(c, "YedektenGeriAlBtn"); });
}

}  // namespace
}  // namespace kalvodrin::testing
