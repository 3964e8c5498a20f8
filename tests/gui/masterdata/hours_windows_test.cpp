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

TEST_F(HoursWindows, StartTimesCancelStoresNothing) {
  TSaatlerForm form(context());
  OnNextModal([](QDialog* d) {
    Type(d, "Edit3", "10:00");
    QTest::mouseClick(Child<QPushButton>(d, "IptalBtn"), Qt::LeftButton);
  });
  EXPECT_FALSE(form.Open());
  EXPECT_EQ(OnDisk().Settings.startTimes[2].str(), "");
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
