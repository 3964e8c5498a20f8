// The weekly hours window and the start-time window driven by keys: every accepted
// change reaches DUDIZIRX.LOF at once, refused hours are reported and not stored, F5
// copies the class above and F9 opens the start times.
#include "core/record_creation.h"
#include "gui/masterdata/hours_forms.h"
#include "gui/masterdata/master_data_windows.h"
#include "window_fixture.h"

namespace kalvodrin::testing {
namespace {

class HoursWindows : public WindowFixture {
 protected:
  HoursWindows() {
    for (int c : {1, 2}) {
      AddClass(school, c, "9", c == 1 ? "A" : "B");
      NewClassGrid(school, c);
    }
    school.ReindexAll();
  }
  DayBytes LastHours(int classNo) const { return OnDisk().ClassGridByNo(classNo)->lastHour; }
};

TEST_F(HoursWindows, WeeklyHoursByKeyboard) {
  TGDSForm form(context());
  Activate(&form);
  EXPECT_EQ(form.windowTitle(), U8("HAFTALIK DERS SAATLERİ"));
  EXPECT_EQ(Column(&form, 1), (QStringList{"9", "9"}));
  EXPECT_EQ(Child(&form, "Edit1")->text(), "1");
  EXPECT_EQ(Child(&form, "Edit2")->text(), "6");
  EXPECT_FALSE(Child(&form, "Edit11")->isVisible());  // no Saturday

  // Monday's last hour of 9 A from 6 to 7: stored at once.
  Type(&form, "Edit2", "7");
  EXPECT_EQ(LastHours(1)[0], 7);
  EXPECT_EQ(form.editedClass(), 1);
  // 17 is refused when the box is left; the 1 stored on the way is undone.
  Type(&form, "Edit4", "17");
  AcceptNextMessage(lastMessage);
  GridOf(&form)->setFocus();
  EXPECT_EQ(lastMessage, U8("SALI: Ders saati 16'dan büyük olamaz."));
  EXPECT_EQ(Child(&form, "Edit4")->text(), "6");  // the stored hour again
  EXPECT_EQ(LastHours(1)[1], 6);
  EXPECT_EQ(form.editedClass(), 0);

  // A first hour after the last is refused the same way.
  lastMessage.clear();
  Type(&form, "Edit5", "8");
  AcceptNextMessage(lastMessage);
  GridOf(&form)->setFocus();
  EXPECT_EQ(lastMessage, U8("ÇARŞAMBA: İlk ders saati son ders saatinden sonra olamaz."));
  EXPECT_EQ(OnDisk().ClassGridByNo(1)->firstHour[2], 1);

  // Selecting 9 B shows its hours; F5 copies those of 9 A.
  GridOf(&form)->SelectRow(1);
  EXPECT_EQ(Child(&form, "Edit2")->text(), "6");
  Key(&form, Qt::Key_F5);
  EXPECT_EQ(Child(&form, "Edit2")->text(), "7");
  EXPECT_EQ(LastHours(2), (DayBytes{7, 6, 6, 6, 6}));
  GridOf(&form)->SelectRow(0);
  Key(&form, Qt::Key_F5);  // the first class: nothing
  EXPECT_EQ(LastHours(1), (DayBytes{7, 6, 6, 6, 6}));

  // F9: the start times.
  OnNextModal([](QDialog* d) {
    EXPECT_EQ(d->windowTitle(), U8("DERS BAŞLANGIÇ SAATLERİ"));
    Type(d, "Edit1", "08:30");
    Type(d, "Edit16", "18:10:45");
    QTest::mouseClick(Child<QPushButton>(d, "KaydetBtn"), Qt::LeftButton);
  });
  Key(&form, Qt::Key_F9);
  const School disk = OnDisk();
  EXPECT_EQ(disk.Settings.startTimes[0].str(), "08:30");
  EXPECT_EQ(disk.Settings.startTimes[15].str(), "18:10");
  form.close();
}

// F5 pressed while typing in a box copies the hours above and leaves the cursor in
// the box: what is typed next is stored for the class as any other entry.
TEST_F(HoursWindows, TypingOnAfterF5InABoxIsStored) {
  TGDSForm form(context());
  Activate(&form);
  GridOf(&form)->SelectRow(1);
  Type(&form, "Edit2", "9");
  EXPECT_EQ(LastHours(2)[0], 9);
  Key(&form, Qt::Key_F5);
  EXPECT_EQ(LastHours(2)[0], 6);  // the hours of 9 A
  EXPECT_EQ(QApplication::focusWidget(), Child(&form, "Edit2"));
  EXPECT_EQ(form.editedClass(), 2);
  Type(&form, "Edit2", "8");
  EXPECT_EQ(LastHours(2)[0], 8);
  EXPECT_EQ(LastHours(1)[0], 6);
  // A refused entry falls back to the copied hours, not to those before F5.
  Type(&form, "Edit2", "17");
  AcceptNextMessage(lastMessage);
  GridOf(&form)->setFocus();
  EXPECT_EQ(lastMessage, U8("PAZARTESİ: Ders saati 16'dan büyük olamaz."));
  EXPECT_EQ(LastHours(2)[0], 6);
  EXPECT_EQ(form.editedClass(), 0);
  form.close();
}

// Every box, typed into and left with a click on the next one: the refused entry is
// reported, and the box and the class go back to what they held before the typing,
// though a value on the way ("2" of 27, "1" of 17) was stored while typing. The
// notice takes the activation away and gives it back to the box clicked, which must
// not make the value on the way the one to go back to.
TEST_F(HoursWindows, ARefusedEntryLeftWithTheMouseRestoresTheBox) {
  TGDSForm form(context());
  Activate(&form);
  const DayBytes firsts = school.ClassGridByNo(1)->firstHour;
  for (int box = 1; box <= 10; ++box) {
    const std::string name = "Edit" + std::to_string(box);
    const std::string next = "Edit" + std::to_string(box % 10 + 1);
    const QString before = Child(&form, name.c_str())->text();
    Type(&form, name.c_str(), box % 2 == 1 ? "27" : "17");
    lastMessage.clear();
    AcceptNextMessage(lastMessage);
    QTest::mouseClick(Child(&form, next.c_str()), Qt::LeftButton);
    EXPECT_TRUE(lastMessage.endsWith(U8("Ders saati 16'dan büyük olamaz."))) << box;
    EXPECT_EQ(Child(&form, name.c_str())->text(), before) << box;
    EXPECT_EQ(school.ClassGridByNo(1)->firstHour, firsts) << box;
    EXPECT_EQ(school.ClassGridByNo(1)->lastHour, (DayBytes{6, 6, 6, 6, 6})) << box;
  }
  EXPECT_EQ(OnDisk().ClassGridByNo(1)->firstHour, firsts);
  EXPECT_EQ(LastHours(1), (DayBytes{6, 6, 6, 6, 6}));
  form.close();
}

// "KAYDET" with a time that is no clock time names it and stores nothing; the window
// stays open on that box, and saves once it is mended.
TEST_F(HoursWindows, StartTimesRefuseWhatIsNoClockTime) {
  TSaatlerForm form(context());
  bool stayedOpen = false;
  QWidget* focused = nullptr;
  OnNextModal([&](QDialog* d) {
    Type(d, "Edit1", "08:30");
    Type(d, "Edit4", "2599");
    OnNextModal(
        [&](QDialog* notice) {
          lastMessage = MessageText(notice);
          notice->accept();
        },
        d);
    QTest::mouseClick(Child<QPushButton>(d, "KaydetBtn"), Qt::LeftButton);
    stayedOpen = d->isVisible();
    focused = QApplication::focusWidget();
    EXPECT_TRUE(OnDisk().Settings.startTimes[0].str().empty());
    Type(d, "Edit4", "11:05");
    QTest::mouseClick(Child<QPushButton>(d, "KaydetBtn"), Qt::LeftButton);
  });
  EXPECT_TRUE(form.Open());
  EXPECT_TRUE(stayedOpen);
  EXPECT_EQ(focused, form.findChild<QLineEdit*>("Edit4"));
  EXPECT_EQ(lastMessage, U8("4. ders saatinin başlangıcı \"2599\" olamaz. Saat SS:DD biçiminde "
                            "yazılır (saat 00-23, dakika 00-59), örneğin 08:30."));
  const School disk = OnDisk();
  EXPECT_EQ(disk.Settings.startTimes[0].str(), "08:30");
  EXPECT_EQ(disk.Settings.startTimes[3].str(), "11:05");
}

TEST_F(HoursWindows, StartTimesCancelStoresNothing) {
  TSaatlerForm form(context());
  OnNextModal([](QDialog* d) {
    Type(d, "Edit3", "10:00");
    QTest::mouseClick(Child<QPushButton>(d, "IptalBtn"), Qt::LeftButton);
  });
  EXPECT_FALSE(form.Open());
  EXPECT_EQ(OnDisk().Settings.startTimes[2].str(), "");
}

// Ctrl+S saves and closes as "KAYDET" does; Esc leaves as "İPTALET" does.
TEST_F(HoursWindows, StartTimesSaveWithCtrlSAndLeaveWithEsc) {
  TSaatlerForm form(context());
  OnNextModal([](QDialog* d) {
    Type(d, "Edit2", "09:15");
    Key(d, Qt::Key_Escape);
  });
  EXPECT_FALSE(form.Open());
  EXPECT_EQ(OnDisk().Settings.startTimes[1].str(), "");
  OnNextModal([](QDialog* d) {
    Type(d, "Edit2", "09:15");
    Key(d, Qt::Key_S, Qt::ControlModifier);
    if (d->isVisible()) d->reject();  // not saved: the check below says so
  });
  EXPECT_TRUE(form.Open());
  EXPECT_EQ(OnDisk().Settings.startTimes[1].str(), "09:15");
}

using EmptySchool = WindowFixture;

TEST_F(EmptySchool, WeeklyHoursWithoutAClassShowTheNoticeInstead) {
  QWidget parent;
  MasterDataWindows windows(context(), &parent);
  AcceptNextMessage(lastMessage);
  windows.OpenWeeklyHours();
  EXPECT_EQ(lastMessage, U8("Programda hiçbir SINIF tanımlanmamış. "));
  EXPECT_FALSE(windows.weeklyHours().isVisible());
}

}  // namespace
}  // namespace kalvodrin::testing
