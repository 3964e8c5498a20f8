// The class and classroom windows driven by keys: new records, reordering with
// Ctrl+Up/Down, the "EKBİNA" popup item, editing and deleting with the confirmation.
#include <QAction>
#include <QFile>
#include <QLabel>

#include "gui/masterdata/class_forms.h"
#include "gui/masterdata/room_forms.h"
#include "window_fixture.h"

namespace kalvodrin::testing {
namespace {

using ClassWindows = WindowFixture;

QByteArray FileBytes(const std::filesystem::path& path) {
  QFile f(QString::fromStdString(path.string()));
  f.open(QIODevice::ReadOnly);
  return f.readAll();
}

std::vector<int> ClassNumbers(const School& s) {
  std::vector<int> n;
  for (const TClassRec& c : s.Classes) n.push_back(c.number);
  return n;
}

TEST_F(ClassWindows, ClassesByKeyboard) {
  TSinifForm form(context());
  Activate(&form);
  EXPECT_EQ(form.windowTitle(), U8("SINIFLAR"));
  for (const char* section : {"a", "b", "c"}) {
    Type(&form, "Edit1", "9");
    Type(&form, "Edit2", section);
    Key(&form, Qt::Key_F2);
  }
  ListGrid* grid = GridOf(&form);
  EXPECT_EQ(Column(&form, 3), (QStringList{"A", "B", "C"}));
  EXPECT_TRUE(grid->isColumnHidden(0));
  EXPECT_TRUE(grid->isColumnHidden(1));
  School disk = OnDisk();
  EXPECT_EQ(disk.Classes.size(), 3u);
  EXPECT_EQ(disk.ClassGrids.size(), 3u);

  // Ctrl+Up on the first row writes nothing; on the last row it moves the class up.
  const QByteArray before = FileBytes(folder / "SINIFLAR.LOF");
  grid->setFocus();
  grid->SelectRow(0);
  Key(&form, Qt::Key_Up, Qt::ControlModifier);
  EXPECT_EQ(FileBytes(folder / "SINIFLAR.LOF"), before);
  grid->SelectRow(2);
  Key(&form, Qt::Key_Up, Qt::ControlModifier);
  EXPECT_EQ(ClassNumbers(OnDisk()), (std::vector<int>{1, 3, 2}));
  EXPECT_EQ(grid->SelectedRow(), 1);
  EXPECT_EQ(Column(&form, 3), (QStringList{"A", "C", "B"}));
  Key(&form, Qt::Key_Down, Qt::ControlModifier);
  EXPECT_EQ(ClassNumbers(OnDisk()), (std::vector<int>{1, 2, 3}));

  // EKBİNA twice: annex, then main building again.
  grid->SelectRow(1);
  form.annexAction()->trigger();
  EXPECT_EQ(Column(&form, 4)[1], U8("EKBİNA"));
  EXPECT_TRUE(OnDisk().Annex.inAnnex(2));
  form.annexAction()->trigger();
  EXPECT_FALSE(OnDisk().Annex.inAnnex(2));

  // Search for 9 C, edit it, delete the middle class.
  TypeText(grid, "9");
  Key(&form, Qt::Key_Return);
  grid->SelectRow(2);
  OnNextModal([](QDialog* d) {
    EXPECT_EQ(d->windowTitle(), U8("SINIFLARI DÜZENLE"));
    Type(d, "Edit1", "10");
    Type(d, "Edit2", U8("fen"));
    Key(d, Qt::Key_Return);
  });
  Key(&form, Qt::Key_Return);
  EXPECT_EQ(FromCp1254(OnDisk().ClassByNo(3)->name.view()), "10");
  grid->SelectRow(1);
  AnswerNextConfirmation(true);
  Key(&form, Qt::Key_F5);
  EXPECT_EQ(lastMessage, U8("9 B Sınıfı silinecek !"));
  disk = OnDisk();
  EXPECT_EQ(ClassNumbers(disk), (std::vector<int>{1, 3}));
  EXPECT_EQ(disk.ClassByNo(3)->order, 2);
  EXPECT_EQ(disk.ClassGridByNo(2), nullptr);
  EXPECT_EQ(grid->SelectedRow(), 1);
  EXPECT_EQ(Child<QLabel>(&form, "CountLabel")->text(), "2");
}

TEST_F(ClassWindows, ClassroomsFromTheClassWindow) {
  TSinifForm classes(context());
  Activate(&classes);
  OnNextModal([this](QDialog* rooms) {
    EXPECT_EQ(rooms->windowTitle(), U8("DERSHANE AÇ-DÜZELT"));
    Type(rooms, "Edit1", U8("fizik laboratuvarı"));
    Key(rooms, Qt::Key_F2);
    Type(rooms, "Edit1", "salon");
    Key(rooms, Qt::Key_F2);
    EXPECT_EQ(Column(rooms, 2), (QStringList{U8("FİZİK LABORA"), "SALON"}));
    ListGrid* grid = GridOf(rooms);
    grid->setFocus();
    grid->SelectRow(1);
    const QByteArray before = FileBytes(folder / "DERSHANE.LOF");
    Key(rooms, Qt::Key_Down, Qt::ControlModifier);  // last row: nothing
    EXPECT_EQ(FileBytes(folder / "DERSHANE.LOF"), before);
    Key(rooms, Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(OnDisk().Rooms[0].number, 2);
    OnNextModal([](QDialog* edit) {
      EXPECT_EQ(edit->windowTitle(), U8("DERSLİK ADI DÜZENLE"));
      Type(edit, "Edit1", "spor salonu");
      Key(edit, Qt::Key_Return);
    }, rooms);
    Key(rooms, Qt::Key_Return);
    EXPECT_EQ(Column(rooms, 2)[0], "SPOR SALONU");
    AnswerNextConfirmation(true);
    Key(rooms, Qt::Key_F5);
    EXPECT_EQ(lastMessage, U8("SPOR SALONU Dersliği silinecek !"));
    const School disk = OnDisk();
    EXPECT_EQ(disk.Rooms.size(), 1u);
    EXPECT_EQ(disk.Rooms[0].order, 1);
    EXPECT_EQ(disk.RoomGrids.size(), 1u);
    rooms->close();
  });
  QTest::mouseClick(Child<QPushButton>(&classes, "DerslikBtn"), Qt::LeftButton);
  EXPECT_EQ(school.Rooms.size(), 1u);
}

}  // namespace
}  // namespace kalvodrin::testing
