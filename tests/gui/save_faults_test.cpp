// The windows that save, made to fail at each step of their save in turn: the message
// window shows the system's message, and the files are still the old ones, byte for
// byte.

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>

#include "core/paths.h"
#include "core/snapshot.h"
#include "curriculum/class_lessons.h"
#include "duty/duties.h"
#include "fault_runs.h"
#include "folder_check.h"
#include "gui/assignments/class_lessons_form.h"
#include "gui/assignments/common_lessons_form.h"
#include "gui/assignments/copy_form.h"
#include "gui/assignments/room_assign_form.h"
#include "gui/assignments/teacher_lessons_form.h"
#include "gui/duty/duty_forms.h"
#include "gui/duty/duty_proposal_form.h"
#include "gui/masterdata/teacher_forms.h"
#include "gui/printing/printer_settings_form.h"
#include "gui/shell/backup_window.h"
#include "gui/shell/path_window.h"
#include "gui/timetables/class_timetable_form.h"
#include "gui/timetables/general_settings_form.h"
#include "gui/timetables/guidance_form.h"
#include "gui/timetables/placement_style_form.h"
#include "gui/timetables/teacher_timetable_form.h"
#include "gui/timetables/timetable_windows.h"
#include "staffing/teacher_lessons.h"
#include "window_fixture.h"

namespace kalvodrin::testing {
namespace {

namespace fs = std::filesystem;

// Removes the first record `wanted` picks until none is left. Each removal may cascade
// into the list, so the search starts again after every one.
template <class List, class Pick, class Remove>
void RemoveWhileFound(const List& list, Pick wanted, Remove remove) {
  for (auto it = std::find_if(list.begin(), list.end(), wanted); it != list.end();
       it = std::find_if(list.begin(), list.end(), wanted)) {
    const auto record = *it;
    ASSERT_TRUE(remove(record).done());
  }
}

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

// Gives the named grid the focus and selects the row of the record numbered `number`
// (in `column`).
void Pick(QWidget* window, const char* grid, int number, int column = 0) {
  ListGrid* g = Child<ListGrid>(window, grid);
  g->setFocus(Qt::OtherFocusReason);
  g->SelectRow(g->RowOfNumber(number, column));
  ASSERT_EQ(g->SelectedNumber(column), number) << grid;
}

void Click(QWidget* window, const char* button) {
  QTest::mouseClick(Child<QPushButton>(window, button), Qt::LeftButton);
}

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
          notices_ = &notices;
          AppContext c = context();
          c.disk = &disk;
          save(c);
          notices_ = nullptr;
          return notices.Failure();
        });
    EXPECT_GT(runs.failed, 0);
  }

  // A window family's save points, each checked in turn.
  using SavePoints = std::vector<std::pair<const char*, std::function<void(AppContext)>>>;
  void CheckEach(const SavePoints& points) {
    for (const auto& [name, save] : points) {
      SCOPED_TRACE(name);
      Check(save);
    }
  }

  // Within a save of Check: whether the save has failed so far.
  bool SaveFailed() const { return notices_ != nullptr && !notices_->Failure().empty(); }

  // After a failed save in a window that keeps what was typed until it is saved: the
  // window is still open and still shows it.
  void ExpectKept(QDialog* window, const char* field, const QString& typed) const {
    if (!SaveFailed()) return;
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(Child(window, field)->text(), typed);
  }

  // The folder the runs start from is the sample school changed as the test prepared.
  void StartFromThisFolder() { image = ImageOf(folder.path()); }

  FolderImage image;
  NoticeCatcher* notices_ = nullptr;
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
    TYedekForm form(c, backup, backup / "secilen.txt");
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
  // The backup restored is a sound school (a restore refuses a damaged one) that
  // differs from the working folder's.
  PutSchoolBack();
  school.Lessons.back().name.assign("DEGISIK");
  pressPlainly("DosyalariYedekleBtn");
  Check([&](AppContext c) {
    press(c, "YedektenGeriAlBtn");
    testing::ExpectCheckClean(folder.path());
  });
}

// Class lessons, common lessons and copying. Class 9 A is given room for one more
// lesson first, and the lesson of common group 1 loses its teachers in 9 A to 9 C so
// that 9 C may join.
TEST_F(SaveFaults, CurriculumWindows) {
  PutSchoolBack();
  ASSERT_TRUE(RemoveClassLesson(school, 1, 11).done());
  RemoveWhileFound(
      school.TeacherLessons,
      [](const TTeacherLessonRec& tl) { return tl.lesson == 18 && tl.classNo <= 3; },
      [&](const TTeacherLessonRec& tl) {
        return TakeLessonFromTeacher(school, tl.teacher, tl.classNo, tl.lesson);
      });
  ASSERT_TRUE(SaveFiles(school, FileSet::All()));
  StartFromThisFolder();
  const auto inClassLessons = [](AppContext c, const std::function<void(TSnfDrsForm&)>& act) {
    TSnfDrsForm form(c);
    Activate(&form);
    Pick(&form, "ClassGrid", 1);
    act(form);
  };
  CheckEach({
      {"give",
       [&](AppContext c) {
         inClassLessons(c, [](TSnfDrsForm& f) {
           Pick(&f, "LessonGrid", 11);
           f.GiveSelectedLesson();
         });
       }},
      {"take away",
       [&](AppContext c) {
         inClassLessons(c, [](TSnfDrsForm& f) {
           Pick(&f, "ClLeGrid", 3, 1);
           f.DelBtnClick();
         });
       }},
      {"common",
       [&](AppContext c) {
         inClassLessons(c, [](TSnfDrsForm& f) {
           InModal([&] { f.CommonBtnClick(); },
                   [](QDialog* d) {
                     Pick(d, "CmnGrid", 1);
                     Pick(d, "ClassGrid", 3);
                     Pick(d, "ClLeGrid", 18, 1);
                     qobject_cast<TOrtakForm*>(d)->AddSelected();
                   });
         });
       }},
      {"copy",
       [&](AppContext c) {
         inClassLessons(c, [](TSnfDrsForm& f) {
           InModal([&] { f.CopyBtnClick(); },
                   [](QDialog* d) {
                     Pick(d, "Grid", 2);
                     Click(d, "OkBtn");
                   });
         });
       }},
  });
}

// Giving lessons to teachers (also past the question whether a second teacher may
// teach it), taking them away, and the classrooms of a class lesson.
TEST_F(SaveFaults, StaffingWindows) {
  const auto inTeacherLessons = [](AppContext c, const std::function<void(TOgrDrsForm&)>& act) {
    TOgrDrsForm form(c);
    Activate(&form);
    Pick(&form, "TeacherGrid", 1);
    act(form);
  };
  const auto inRooms = [](AppContext c, const std::function<void(QDialog*)>& act) {
    TSnfDrsForm form(c);
    Activate(&form);
    Pick(&form, "ClassGrid", 1);
    Pick(&form, "ClLeGrid", 12, 1);
    InModal([&] { form.DerslikBtnClick(); }, act);
  };
  CheckEach({
      {"give",
       [&](AppContext c) {
         inTeacherLessons(c, [](TOgrDrsForm& f) {
           Pick(&f, "ClassGrid", 1);
           Pick(&f, "ClLeGrid", 3, 1);
           InModal([&] { f.GiveSelectedLesson(); },
                   [](QDialog* d) {
                     Type(d, "Edit1", "E");
                     Click(d, "KaydetBtn");
                   });
         });
       }},
      {"take away",
       [&](AppContext c) {
         inTeacherLessons(c, [](TOgrDrsForm& f) {
           Child<ListGrid>(&f, "TeleGrid")->setFocus(Qt::OtherFocusReason);
           Child<ListGrid>(&f, "TeleGrid")->SelectRow(0);
           f.DelBtnClick();
         });
       }},
      {"room",
       [&](AppContext c) {
         inRooms(c, [](QDialog* d) {
           Pick(d, "Grid", 8);
           qobject_cast<TSnfRoomForm*>(d)->EkleBtnClick();
         });
       }},
      {"room away",
       [&](AppContext c) {
         inRooms(c, [](QDialog* d) {
           Child<ListGrid>(d, "RoomGrid")->setFocus(Qt::OtherFocusReason);
           Child<ListGrid>(d, "RoomGrid")->SelectRow(0);
           qobject_cast<TSnfRoomForm*>(d)->DelBtnClick();
         });
       }},
  });
}

// The duties of the fourth duty place are taken away first, for the proposal to fill.
TEST_F(SaveFaults, DutyWindows) {
  PutSchoolBack();
  RemoveWhileFound(
      school.Duties, [](const TDutyRec& d) { return d.place == 4; },
      [&](const TDutyRec& d) { return RemoveDuty(school, d.place, d.day, d.teacher); });
  ASSERT_TRUE(SaveFiles(school, FileSet::All()));
  StartFromThisFolder();
  const auto inDuties = [](AppContext c, const std::function<void(TNobetVerForm&)>& act) {
    TNobetVerForm form(c);
    Activate(&form);
    Pick(&form, "TeacherGrid", 1);
    act(form);
  };
  CheckEach({
      {"give",
       [&](AppContext c) {
         inDuties(c, [](TNobetVerForm& f) {
           Pick(&f, "YerGrid", 4);
           Child<ListGrid>(&f, "GunGrid")->SelectRow(4);
           f.GiveSelected();
         });
       }},
      {"take away",
       [&](AppContext c) {
         inDuties(c, [](TNobetVerForm& f) {
           Child<ListGrid>(&f, "NobetGrid")->setFocus(Qt::OtherFocusReason);
           Child<ListGrid>(&f, "NobetGrid")->SelectRow(0);
           f.DelBtnClick();
         });
       }},
      {"weekdays",
       [&](AppContext c) {
         inDuties(c, [](TNobetVerForm& f) { Child<QCheckBox>(&f, "CheckBox1")->toggle(); });
       }},
      {"clear", [&](AppContext c) { inDuties(c, [](TNobetVerForm& f) { f.TemizleBtnClick(); }); }},
      {"place",
       [&](AppContext c) {
         inDuties(c, [](TNobetVerForm& f) {
           InModal([&] { f.NobetYerBtnClick(); },
                   [](QDialog* d) {
                     Type(d, "Edit1", "KANTIN");
                     Key(d, Qt::Key_F4);
                   });
         });
         EXPECT_EQ(school.DutyPlaces.size(), 5u);  // kept in memory, saved or not
       }},
      {"proposal",
       [&](AppContext c) {
         // Duties go only to teachers who teach that day.
         for (int cell : {1, 17, 33, 49, 65}) school.TeacherGrids.front().occupant[cell - 1] = 1;
         inDuties(c, [](TNobetVerForm& f) {
           InModal([&] { f.OneriBtnClick(); },
                   [](QDialog* d) {
                     Click(d, "OnerBtn");
                     Click(d, "KabulBtn");
                   });
         });
       }},
  });
}

// The settings and guidance windows keep what was typed on screen until it is saved.
TEST_F(SaveFaults, SettingsAndGuidanceWindows) {
  const auto typeAndSave = [this](QDialog& form, const char* field, const QString& typed,
                                  const char* button) {
    InModal([&] { form.exec(); },
            [&](QDialog* d) {
              Type(d, field, typed);
              Click(d, button);
              ExpectKept(d, field, typed);
            });
  };
  CheckEach({
      {"general",
       [&](AppContext c) {
         TAyarlarForm form(c);
         typeAndSave(form, "Edit8", "6", "KaydetBtn");
       }},
      {"details",
       [&](AppContext c) {
         TAyrintilarForm form(c);
         typeAndSave(form, "Edit5", "E", "KaydetBtn");
       }},
      {"automatic",
       [&](AppContext c) {
         TOtomatikForm form(c);
         InModal([&] { form.exec(); },
                 [&](QDialog* d) {
                   Child<QCheckBox>(d, "CheckBox1")->toggle();
                   Click(d, "KaydetBtn");
                   EXPECT_TRUE(!SaveFailed() || d->isVisible());
                 });
       }},
      {"guidance",
       [&](AppContext c) {
         TRehberlikForm form(c);
         typeAndSave(form, "Edit2", "3", "BitBtn1");
       }},
      {"placement style",
       [&](AppContext c) {
         TNewLFForm form(c);
         InModal([&] { form.OpenFor(1, 3); },
                 [&](QDialog* d) {
                   Type(d, "Edit5", "1+1");
                   Click(d, "KaydetBtn");
                 });
         EXPECT_EQ(school.ClassLessonAt(1, 3)->pattern[0], 1);
       }},
      {"teacher's own",
       [&](AppContext c) {
         TimetableWindows windows(c, nullptr);
         TOgrPrgForm& form = windows.teachers();
         Activate(&form);
         InModal([&] { form.OpenTeacherSettings(); },
                 [](QDialog* d) {
                   Type(d, "Edit8", "7");
                   Click(d, "KaydetBtn");
                 });
         form.Save();
         EXPECT_EQ(school.TeacherGrids.front().special.maxHoursPerDay, 7);
       }},
  });
}

// SAKLA keeps the timetables aside, DEĞİŞİKLERİ GERİ AL puts them back; a snapshot
// of other timetables is there before.
TEST_F(SaveFaults, SnapshotCommands) {
  PutSchoolBack();
  school.ClassGrids.front().open[0] ^= 1;
  ASSERT_TRUE(TakeSnapshot(school));
  StartFromThisFolder();
  const auto inTeacherWindow = [](AppContext c, const std::function<void(TOgrPrgForm&)>& act) {
    TimetableWindows windows(c, nullptr);
    Activate(&windows.teachers());
    act(windows.teachers());
  };
  CheckEach({
      {"keep", [&](AppContext c) { inTeacherWindow(c, [](TOgrPrgForm& f) { f.KeepSnapshot(); }); }},
      {"undo", [&](AppContext c) { inTeacherWindow(c, [](TOgrPrgForm& f) { f.UndoChanges(); }); }},
  });
}

}  // namespace
}  // namespace kalvodrin::testing
