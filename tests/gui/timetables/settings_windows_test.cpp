// The settings windows opened from the timetable windows, driven through their fields
// and buttons: every field is changed, stored, and found again when the window is
// opened anew (which reads the settings file, not the record in memory).

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>

#include "core/turkish_text.h"
#include "gui/common/key_line.h"
#include "gui/timetables/class_timetable_form.h"
#include "gui/timetables/general_settings_form.h"
#include "gui/timetables/guidance_form.h"
#include "gui/timetables/teacher_timetable_form.h"
#include "gui/timetables/timetable_windows.h"
#include "scheduler/settings_entry.h"
#include "school_builder.h"
#include "window_fixture.h"

namespace kalvodrin::testing {
namespace {

class SettingsWindowsTest : public WindowFixture {
 protected:
  SettingsWindowsTest() {
    b.Group("SAYISAL").Class("9", "A");
    b.Lesson("MATEMATİK", 4, "2+2", "SAYISAL").Teacher("AYŞE").Teach();
    b.Lesson("FİZİK", 3, "2+1", "SAYISAL").Teach();
    b.Lesson("REHBERLİK", 1, "1").Teach();
    UseSchool(b.Build());
    a9 = b.ClassNo("9 A");
    ayse = b.TeacherNo("AYŞE");
    math = b.LessonNo("MATEMATİK");
    guidanceLesson = b.LessonNo("REHBERLİK");
  }

  // Clicks the button and runs `inside` on the modal window it opens.
  static void Open(QWidget* window, const char* button, std::function<void(QDialog*)> inside) {
    OnNextModal(std::move(inside), window);
    QTest::mouseClick(Child<QPushButton>(window, button), Qt::LeftButton);
  }
  static void Click(QWidget* window, const char* button) {
    QTest::mouseClick(Child<QPushButton>(window, button), Qt::LeftButton);
  }
  static QString Text(QWidget* window, const char* field) { return Child(window, field)->text(); }

  SchoolBuilder b;
  int a9 = 0, ayse = 0, math = 0, guidanceLesson = 0;
};

TEST_F(SettingsWindowsTest, GeneralSettingsStoreEveryFieldAndShowTheStoredOnes) {
  TimetableWindows windows(context(), nullptr);
  TOgrPrgForm& w = windows.teachers();
  Activate(&w);
  const char* typed[] = {"E", "4", "3", "H", "H", "H", "E", "7", "12"};
  Open(&w, "GenelBtn", [&](QDialog* d) {
    for (int k = 0; k < 9; ++k)
      Type(d, qPrintable(QString("Edit%1").arg(k + 1)), QString::fromLatin1(typed[k]));
    Type(d, "SchNameEd", U8("atatürk lisesi"));
    Type(d, "ManagerEd", U8("ali veli"));
    Type(d, "CoManagerEd", U8("ayşe kaya"));
    Child<QCheckBox>(d, "CheckBox1")->setChecked(true);
    Click(d, "KaydetBtn");
  });
  const TSettingsRec disk = OnDisk().Settings;
  EXPECT_EQ(disk.gapsAllowed, 1);
  EXPECT_EQ(disk.maxGapsPerWeek, 4);
  EXPECT_EQ(disk.maxGapBetweenLessons, 3);
  EXPECT_EQ(disk.sameClassDifferentDays, 0);
  EXPECT_EQ(disk.dayBetweenDays, 0);
  EXPECT_EQ(disk.differentHours, 0);
  EXPECT_EQ(disk.groupDifferentDays, 1);  // two grouped lessons in the pool
  EXPECT_EQ(disk.maxHoursPerDay, 7);
  EXPECT_EQ(disk.searchLevel, 12);
  EXPECT_EQ(disk.chiefDeputy, 1);
  EXPECT_EQ(Cp1254ToUtf8(disk.schoolName.view()), "ATATÜRK LİSESİ");
  EXPECT_EQ(Cp1254ToUtf8(disk.deputyName.view()), "AYŞE KAYA");

  // What memory holds without being saved is not what the window shows.
  school.Settings.maxHoursPerDay = 2;
  Open(&w, "GenelBtn", [&](QDialog* d) {
    for (int k = 0; k < 9; ++k)
      EXPECT_EQ(Text(d, qPrintable(QString("Edit%1").arg(k + 1))), typed[k]) << k;
    EXPECT_EQ(Text(d, "ManagerEd"), U8("ALİ VELİ"));
    EXPECT_TRUE(Child<QCheckBox>(d, "CheckBox1")->isChecked());
    // The largest gap between lessons never exceeds the weekly gaps while typed.
    Type(d, "Edit2", "2");
    Type(d, "Edit3", "3");
    EXPECT_EQ(Text(d, "Edit3"), "2");
    Click(d, "IptalBtn");
  });
  EXPECT_EQ(school.Settings.maxHoursPerDay, 7);
}

TEST_F(SettingsWindowsTest, AnEmptyFieldIsRefusedAndNothingIsStored) {
  TimetableWindows windows(context(), nullptr);
  TOgrPrgForm& w = windows.teachers();
  Activate(&w);
  QString notice;
  bool stillOpen = false;
  Open(&w, "GenelBtn", [&](QDialog* d) {
    Type(d, "Edit1", "E");
    Type(d, "Edit8", "");
    AcceptNextMessage(notice);
    Click(d, "KaydetBtn");
    stillOpen = d->isVisible();
    d->reject();
  });
  EXPECT_TRUE(notice.startsWith(U8("Boş bırakılan soru var")));
  EXPECT_TRUE(stillOpen);
  EXPECT_EQ(OnDisk().Settings.gapsAllowed, DefaultSettings().gapsAllowed);
  EXPECT_EQ(school.Settings.gapsAllowed, DefaultSettings().gapsAllowed);
}

TEST_F(SettingsWindowsTest, DetailsAndAutomaticSettingsAreReachedAndStored) {
  TAyarlarForm general(context());
  Activate(&general);
  const char* typed[] = {"E", "E", "E", "E", "H", "E", "H", "E"};
  Open(&general, "BitBtn4", [&](QDialog* details) {
    for (int k = 0; k < 8; ++k)
      Type(details, qPrintable(QString("Edit%1").arg(k + 1)), QString::fromLatin1(typed[k]));
    Open(details, "OtomatikBtn", [&](QDialog* automatic) {
      EXPECT_TRUE(Child<QCheckBox>(automatic, "CheckBox9")->isChecked());  // default 1
      for (int k = 1; k <= 9; ++k)
        Child<QCheckBox>(automatic, qPrintable(QString("CheckBox%1").arg(k)))
            ->setChecked(k % 2 == 0);
      Click(automatic, "KaydetBtn");
    });
    Click(details, "KaydetBtn");
  });
  const TSettingsRec disk = OnDisk().Settings;
  const std::array<uint8_t, 8> details = {
      disk.mergeOnePlusOne, disk.splitBlock, disk.moreThanTwoPerDay, disk.gapLimitPerDay,
      disk.autoRelax,       disk.evenDays,   disk.alignedBlocks,     disk.reorganise};
  EXPECT_EQ(details, (std::array<uint8_t, 8>{1, 1, 1, 1, 0, 1, 0, 1}));
  EXPECT_EQ(disk.autoOptions, (std::array<uint8_t, 9>{0, 1, 0, 1, 0, 1, 0, 1, 0}));

  Open(&general, "BitBtn4", [&](QDialog* details) {
    for (int k = 0; k < 8; ++k)
      EXPECT_EQ(Text(details, qPrintable(QString("Edit%1").arg(k + 1))), typed[k]) << k;
    Open(details, "OtomatikBtn", [&](QDialog* automatic) {
      EXPECT_FALSE(Child<QCheckBox>(automatic, "CheckBox9")->isChecked());
      EXPECT_TRUE(Child<QCheckBox>(automatic, "CheckBox8")->isChecked());
      Click(automatic, "IptalBtn");
    });
    Click(details, "IptalBtn");
  });
}

TEST_F(SettingsWindowsTest, TeacherSettingsOpenOnF10AndChangeTheTeachersRecord) {
  TimetableWindows windows(context(), nullptr);
  TOgrPrgForm& w = windows.teachers();
  Activate(&w);
  const char* typed[] = {"E", "5", "2", "H", "E", "H", "E", "8"};
  QString caption;
  OnNextModal(
      [&](QDialog* d) {
        caption = Child<QLabel>(d, "SpecialNameLab")->text();
        for (int k = 0; k < 8; ++k)
          Type(d, qPrintable(QString("Edit%1").arg(k + 1)), QString::fromLatin1(typed[k]));
        Click(d, "KaydetBtn");
      },
      &w);
  Key(&w, Qt::Key_F10);
  EXPECT_EQ(caption, U8("Sadece AYŞE, adındaki öğretmen için geçerli olan ayarlar"));
  const TeacherRules& r = school.TeacherGridByNo(ayse)->special;
  EXPECT_EQ(TeacherEntryOf(r), (TeacherSettingsEntry{"E", "5", "2", "H", "E", "H", "E", "8"}));
  Open(&w, "OzelBtn", [&](QDialog* d) {
    for (int k = 0; k < 8; ++k)
      EXPECT_EQ(Text(d, qPrintable(QString("Edit%1").arg(k + 1))), typed[k]) << k;
    Click(d, "IptalBtn");
  });
  w.accept();  // the own settings are saved with the timetables
  EXPECT_EQ(OnDisk().TeacherGridByNo(ayse)->special.maxHoursPerDay, 8);
}

TEST_F(SettingsWindowsTest, PlacementStyleSavesOnlyAValidPattern) {
  TimetableWindows windows(context(), nullptr);
  TOgrPrgForm& w = windows.teachers();
  Activate(&w);
  w.Select(ayse, a9, math);
  bool enabledOnWrongSum = true;
  OnNextModal([&](QDialog* d) {
    EXPECT_EQ(Text(d, "Edit1"), "9 A");
    EXPECT_EQ(Text(d, "Edit3"), "4");
    EXPECT_EQ(Text(d, "Edit5"), "2+2");
    Type(d, "Edit5", "3+2");
    enabledOnWrongSum = Child<QPushButton>(d, "KaydetBtn")->isEnabled();
    Type(d, "Edit5", "3+1");
    Type(d, "Edit4", "E");
    Click(d, "KaydetBtn");
  });
  w.OpenPlacementStyle();
  EXPECT_FALSE(enabledOnWrongSum);
  const School disk = OnDisk();
  const TClassLessonRec* cl = disk.ClassLessonAt(a9, math);
  ASSERT_NE(cl, nullptr);
  EXPECT_EQ(cl->pattern, (std::array<uint8_t, 5>{3, 1, 0, 0, 0}));
  EXPECT_EQ(cl->blockCount, 2);
  EXPECT_EQ(cl->divisible, 1);

  // The class window opens the same window on its own selection.
  TSnfPrgForm& c = windows.classes();
  Activate(&c);
  c.Select(ayse, a9, math);
  QString shown;
  OnNextModal([&](QDialog* d) {
    shown = Text(d, "Edit5");
    Click(d, "IptalBtn");
  });
  c.OpenPlacementStyle();
  EXPECT_EQ(shown, "3+1");
  c.reject();
}

TEST(SettingsHelp, EveryWindowHasItsPage) {
  for (const char* page :
       {"ayarlar", "ayrintilar", "otomatik_ayarlar", "ozel_ayarlar", "yerlestirme_bicimi", "123"})
    EXPECT_TRUE(HelpPageExists(page)) << page;
}

TEST_F(SettingsWindowsTest, GuidanceLessonIsChosenStoredAndCleared) {
  TAyarlarForm general(context());
  Activate(&general);
  const auto choose = [&](QDialog* d) {
    auto* grid = Child<ListGrid>(d, "Grid");
    grid->SelectRow(grid->RowOfNumber(guidanceLesson));
    auto* g = qobject_cast<TRehberlikForm*>(d);
    ASSERT_NE(g, nullptr);
    g->ChooseSelectedLesson();
  };
  Open(&general, "Rehberlik", [&](QDialog* d) {
    choose(d);
    EXPECT_EQ(Text(d, "Edit1"), U8("REHBERLİK"));
    Child<QComboBox>(d, "ComboBox1")->setCurrentIndex(4);
    Type(d, "Edit2", "6");
    Child<QComboBox>(d, "ComboBox2")->setCurrentIndex(4);
    Type(d, "Edit3", "2");
    Click(d, "BitBtn1");
  });
  TSettingsRec disk = OnDisk().Settings;
  EXPECT_EQ(disk.guidanceLesson, guidanceLesson);
  EXPECT_EQ((std::array<int, 4>{disk.guidanceDayMorning, disk.guidanceHourMorning,
                                disk.guidanceDayAfternoon, disk.guidanceHourAfternoon}),
            (std::array<int, 4>{5, 6, 5, 2}));

  // An hour beyond the grid is refused; the window stays with the entry.
  QString notice;
  Open(&general, "Rehberlik", [&](QDialog* d) {
    EXPECT_EQ(Text(d, "Edit1"), U8("REHBERLİK"));
    EXPECT_EQ(Child<QComboBox>(d, "ComboBox2")->currentIndex(), 4);
    Type(d, "Edit2", "17");
    AcceptNextMessage(notice);
    Click(d, "BitBtn1");
    // F7 clears lesson and hours; the days stay.
    Key(d, Qt::Key_F7);
    EXPECT_EQ(Text(d, "Edit1"), "");
    Click(d, "BitBtn1");
  });
  EXPECT_EQ(notice, U8("Ders saati 16'dan büyük olamaz."));
  disk = OnDisk().Settings;
  EXPECT_EQ(
      (std::array<int, 5>{disk.guidanceLesson, disk.guidanceDayMorning, disk.guidanceHourMorning,
                          disk.guidanceDayAfternoon, disk.guidanceHourAfternoon}),
      (std::array<int, 5>{0, 5, 0, 5, 0}));

  // Choosing and cancelling leaves the settings as they were, in memory too.
  Open(&general, "Rehberlik", [&](QDialog* d) {
    choose(d);
    Click(d, "BitBtn2");
  });
  EXPECT_EQ(school.Settings.guidanceLesson, 0);
}

// Every settings window lists Ctrl+S, F1 and Esc; Ctrl+S stores what was typed as the
// window's save button does, Esc leaves without storing, F1 opens the window's page.
TEST_F(SettingsWindowsTest, EverySettingsWindowListsItsKeysAndTheyAct) {
  const auto listsItsKeys = [](QDialog* d) {
    const QString keys = Child<KeyLine>(d, "KeyLine")->text();
    for (const char* shown : {"Ctrl+S", "F1", "Esc"})
      EXPECT_TRUE(keys.contains(shown)) << d->objectName().toStdString() << " " << shown;
  };
  TAyarlarForm general(context());
  Activate(&general);
  listsItsKeys(&general);
  Type(&general, "Edit8", "5");
  Key(&general, Qt::Key_Escape);
  EXPECT_NE(OnDisk().Settings.maxHoursPerDay, 5);
  Activate(&general);
  QString page;
  OnNextModal([&](QDialog* d) {
    page = help.currentPage();
    d->reject();
  });
  Key(&general, Qt::Key_F1);
  EXPECT_EQ(page, "ayarlar");
  Type(&general, "Edit8", "5");
  Key(&general, Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(OnDisk().Settings.maxHoursPerDay, 5);
  EXPECT_FALSE(general.isVisible());

  Activate(&general);
  Open(&general, "BitBtn4", [&](QDialog* details) {
    listsItsKeys(details);
    Type(details, "Edit1", "E");
    Open(details, "OtomatikBtn", [&](QDialog* automatic) {
      listsItsKeys(automatic);
      Child<QCheckBox>(automatic, "CheckBox1")->setChecked(false);
      Key(automatic, Qt::Key_S, Qt::ControlModifier);
    });
    Key(details, Qt::Key_S, Qt::ControlModifier);
  });
  EXPECT_EQ(OnDisk().Settings.mergeOnePlusOne, 1);
  EXPECT_EQ(OnDisk().Settings.autoOptions[0], 0);

  // The placement style stores only a pattern its button would store.
  TimetableWindows windows(context(), nullptr);
  TOgrPrgForm& w = windows.teachers();
  Activate(&w);
  w.Select(ayse, a9, math);
  bool stayedOnWrongSum = false;
  OnNextModal([&](QDialog* d) {
    listsItsKeys(d);
    Type(d, "Edit5", "3+2");
    Key(d, Qt::Key_S, Qt::ControlModifier);
    stayedOnWrongSum = d->isVisible();
    Type(d, "Edit5", "3+1");
    Key(d, Qt::Key_S, Qt::ControlModifier);
  });
  w.OpenPlacementStyle();
  EXPECT_TRUE(stayedOnWrongSum);
  EXPECT_EQ(OnDisk().ClassLessonAt(a9, math)->pattern, (std::array<uint8_t, 5>{3, 1, 0, 0, 0}));
  // The teacher's own settings, on F10.
  OnNextModal(
      [&](QDialog* d) {
        listsItsKeys(d);
        Type(d, "Edit8", "7");
        Key(d, Qt::Key_S, Qt::ControlModifier);
      },
      &w);
  Key(&w, Qt::Key_F10);
  EXPECT_EQ(school.TeacherGridByNo(ayse)->special.maxHoursPerDay, 7);
  w.reject();
}

}  // namespace
}  // namespace kalvodrin::testing
