// The shared pieces of the list windows, through real widgets: key filters, the list
// grid with hidden number columns, the incremental search box, focus colouring and
// window-wide function keys.
#include <QClipboard>
#include <QDialog>
#include <QLineEdit>
#include <QScrollBar>
#include <QShortcut>
#include <QSignalSpy>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include "gui/common/focus_colouring.h"
#include "gui/common/function_keys.h"
#include "gui/common/key_filters.h"
#include "gui/common/list_grid.h"
#include "gui/common/qt_text.h"
#include "gui/common/search_box.h"
#include "gui_test_support.h"

namespace kalvodrin {
namespace {

using testing::Activate;
using testing::TypeText;

TEST(KeyFilterTest, NamesAreTypedInTurkishCapitals) {
  QLineEdit name;
  InstallKeyFilter(&name, FieldKind::kTurkishUpper);
  TypeText(&name, U8("iıçğöşü abc"));
  EXPECT_EQ(name.text(), U8("İIÇĞÖŞÜ ABC"));
  // A letter the records cannot hold is not taken at all.
  TypeText(&name, U8("ж"));
  EXPECT_EQ(name.text(), U8("İIÇĞÖŞÜ ABC"));
  QTest::keyClick(&name, Qt::Key_Backspace);
  EXPECT_EQ(name.text(), U8("İIÇĞÖŞÜ AB"));
}

TEST(KeyFilterTest, DigitFieldsTakeDigitsAndBackspaceOnly) {
  QLineEdit hours;
  InstallKeyFilter(&hours, FieldKind::kDigits);
  TypeText(&hours, U8("1a2 -3ı"));
  EXPECT_EQ(hours.text(), "123");
  QTest::keyClick(&hours, Qt::Key_Backspace);
  EXPECT_EQ(hours.text(), "12");
}

TEST(KeyFilterTest, YesNoFieldsTakeOneEOrH) {
  QLineEdit flag;
  InstallKeyFilter(&flag, FieldKind::kYesNo);
  TypeText(&flag, "xe");
  EXPECT_EQ(flag.text(), "E");
  TypeText(&flag, "h");  // one letter only
  EXPECT_EQ(flag.text(), "E");
  QTest::keyClick(&flag, Qt::Key_Backspace);
  TypeText(&flag, "h");
  EXPECT_EQ(flag.text(), "H");
}

TEST(KeyFilterTest, PastedTextIsHeldToTheSameRule) {
  QLineEdit name;
  QLineEdit hours;
  InstallKeyFilter(&name, FieldKind::kTurkishUpper);
  InstallKeyFilter(&hours, FieldKind::kDigits);
  QApplication::clipboard()->setText(U8("şişli 4x"));
  name.paste();
  hours.paste();
  EXPECT_EQ(name.text(), U8("ŞİŞLİ 4X"));
  EXPECT_EQ(hours.text(), "4");
}

// A list window in miniature: a grid of teachers with the number hidden in column 0.
class ListGridTest : public ::testing::Test {
 protected:
  ListGridTest() {
    auto* layout = new QVBoxLayout(&window);
    grid = new ListGrid(&window);
    grid->setObjectName("Grid");
    layout->addWidget(grid);
    entry = new QLineEdit(&window);
    layout->addWidget(entry);
    grid->SetColumns({"NO", U8("ADI SOYADI"), U8("BRANŞI")}, {0});
    search = new SearchBox(grid, 1);
    window.resize(400, 300);
  }
  void Fill() {
    grid->SetRows({{"7", U8("AHMET YILMAZ"), U8("MATEMATİK")},
                   {"3", U8("AYŞE KAYA"), U8("TÜRKÇE")},
                   {"12", U8("ŞÜKRÜ ÖZ"), U8("FİZİK")},
                   {"5", U8("SELİM ER"), U8("KİMYA")}});
  }

  QDialog window;
  ListGrid* grid;
  QLineEdit* entry;
  SearchBox* search;
};

TEST_F(ListGridTest, NumbersSitInHiddenColumnsAndEmptyListsShowOneDisabledRow) {
  grid->SetRows({});
  EXPECT_EQ(grid->rowCount(), 1);
  EXPECT_EQ(grid->FilledRows(), 0);
  EXPECT_FALSE(grid->isEnabled());
  EXPECT_EQ(grid->SelectedNumber(), 0);
  Fill();
  EXPECT_TRUE(grid->isEnabled());
  EXPECT_TRUE(grid->isColumnHidden(0));
  EXPECT_FALSE(grid->isColumnHidden(1));
  EXPECT_EQ(grid->NumberAt(2), 12);
  EXPECT_EQ(grid->RowOfNumber(5), 3);
  EXPECT_EQ(grid->RowOfNumber(9), -1);
  EXPECT_EQ(grid->SelectedRow(), 0);
  EXPECT_EQ(grid->SelectedNumber(), 7);
}

TEST_F(ListGridTest, RefillKeepsTheSelectedRowIndexWhileItExists) {
  Fill();
  grid->SelectRow(2);
  Fill();
  EXPECT_EQ(grid->SelectedRow(), 2);
  grid->SelectRow(3);
  grid->SetRows({{"7", "A"}, {"3", "B"}});  // the selected row went away
  EXPECT_EQ(grid->SelectedRow(), 1);
  grid->SelectRow(40);
  EXPECT_EQ(grid->SelectedRow(), 1);
}

TEST_F(ListGridTest, LongNamesShowWholeOnOneLineAndTheGridNeverNarrows) {
  const QString longName = U8("ÇAĞDAŞ TÜRK VE DÜNYA TARİHİ ÖĞRETMENİ");
  grid->setColumnWidth(1, 40);
  grid->SetRows({{"1", longName, U8("FİZİK")}});
  EXPECT_FALSE(grid->wordWrap());
  EXPECT_GT(grid->columnWidth(1), grid->fontMetrics().horizontalAdvance(longName));
  EXPECT_EQ(grid->minimumWidth(), 0);  // a grid not asked to grow keeps its place
  grid->GrowToTexts();
  grid->SetRows({{"1", longName, U8("FİZİK")}});
  const int wide = grid->minimumWidth();
  EXPECT_GE(wide, grid->WidthForTexts());
  window.resize(wide, 300);
  Activate(&window);
  QTest::qWait(50);
  // Nothing is hidden to the right, and a shorter list keeps the window still.
  EXPECT_EQ(grid->horizontalScrollBar()->maximum(), 0);
  grid->SetRows({{"1", "A", "B"}});
  EXPECT_EQ(grid->minimumWidth(), wide);
}

TEST_F(ListGridTest, EnterAndDoubleClickAskForTheEditWindowOnFilledRowsOnly) {
  Fill();
  Activate(&window);
  QSignalSpy edits(grid, &ListGrid::EditRequested);
  grid->setFocus();
  grid->SelectRow(1);
  QTest::keyClick(grid, Qt::Key_Return);
  ASSERT_EQ(edits.count(), 1);
  EXPECT_EQ(edits.takeFirst().at(0).toInt(), 1);
  const QRect cell = grid->visualRect(grid->model()->index(2, 1));
  // A real double click is a click followed by the double-click event.
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
  QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
  ASSERT_EQ(edits.count(), 1);
  EXPECT_EQ(edits.takeFirst().at(0).toInt(), 2);
  EXPECT_FALSE(search->isVisible());  // Enter does not open the search box
}

TEST_F(ListGridTest, TypingInTheGridSearchesByNamePrefix) {
  Fill();
  Activate(&window);
  grid->setFocus();
  grid->SelectRow(0);
  TypeText(grid, "s");
  ASSERT_TRUE(search->isVisible());
  EXPECT_TRUE(search->hasFocus());
  EXPECT_EQ(search->text(), "S");  // the opening key is not lost
  EXPECT_EQ(grid->SelectedNumber(), 5);  // SELİM, not ŞÜKRÜ: plain prefix comparison
  TypeText(search, "x");  // "SX" matches nothing: the selection stays
  EXPECT_EQ(grid->SelectedNumber(), 5);
  QTest::keyClick(search, Qt::Key_Backspace);
  QTest::keyClick(search, Qt::Key_Backspace);
  TypeText(search, U8("ş"));
  EXPECT_EQ(search->text(), U8("Ş"));
  EXPECT_EQ(grid->SelectedNumber(), 12);
  TypeText(search, "a");  // "ŞA": no row, stays on ŞÜKRÜ
  EXPECT_EQ(grid->SelectedNumber(), 12);
  QTest::keyClick(search, Qt::Key_Return);
  EXPECT_TRUE(grid->hasFocus());
  EXPECT_FALSE(search->isVisible());  // leaving the box hides it
}

TEST_F(ListGridTest, EscapeReturnsToTheGridAndATypedKeyTogglesTheBox) {
  Fill();
  Activate(&window);
  grid->setFocus();
  TypeText(grid, "a");
  EXPECT_EQ(grid->SelectedNumber(), 7);
  TypeText(search, "y");
  EXPECT_EQ(grid->SelectedNumber(), 3);
  QTest::keyClick(search, Qt::Key_Escape);
  EXPECT_TRUE(grid->hasFocus());
  EXPECT_FALSE(search->isVisible());
  EXPECT_EQ(grid->SelectedNumber(), 3);
  // A box still showing is hidden by the next key typed into the grid.
  search->ToggleFromGrid("k");
  ASSERT_TRUE(search->isVisible());
  search->ToggleFromGrid("k");
  EXPECT_FALSE(search->isVisible());
  EXPECT_EQ(FirstRowWithPrefix({"AB", "ABC"}, "ABC"), 1);
  EXPECT_EQ(FirstRowWithPrefix({"AB"}, "b"), -1);
}

// The box shows when nothing matches, never hides the row it found, and each
// opening starts from the key that opened it.
TEST_F(ListGridTest, SearchBoxShowsNoMatchKeepsTheRowInSightAndStartsAfresh) {
  std::vector<QStringList> rows;
  for (int i = 1; i <= 40; ++i)
    rows.push_back({QString::number(i), QString("AD %1").arg(i, 2, 10, QChar('0')), ""});
  rows.push_back({"41", U8("ZEKİ"), ""});
  grid->SetRows(rows);
  Activate(&window);
  grid->setFocus();
  grid->SelectRow(0);
  TypeText(grid, "z");
  ASSERT_TRUE(search->isVisible());
  EXPECT_EQ(grid->SelectedNumber(), 41);
  EXPECT_FALSE(search->noMatch());
  // The found row is the last one, scrolled to the bottom: the box went to the top.
  const QRect cell = grid->visualRect(grid->model()->index(40, 1));
  const QRect found(grid->viewport()->mapTo(grid, cell.topLeft()), cell.size());
  EXPECT_FALSE(found.intersects(search->geometry()));
  EXPECT_LT(search->geometry().top(), found.top());
  TypeText(search, "x");  // "ZX": nothing
  EXPECT_TRUE(search->noMatch());
  EXPECT_EQ(grid->SelectedNumber(), 41);
  QTest::keyClick(search, Qt::Key_Escape);
  EXPECT_FALSE(search->isVisible());
  grid->SelectRow(0);
  TypeText(grid, "a");
  EXPECT_EQ(search->text(), "A");  // not "ZXA"
  EXPECT_FALSE(search->noMatch());
  EXPECT_EQ(grid->SelectedNumber(), 1);
  // At the top the row is clear of the box at the bottom.
  EXPECT_GT(search->geometry().top(), grid->viewport()->geometry().top() + 40);
  QTest::keyClick(search, Qt::Key_Backspace);  // an empty box moves nothing
  EXPECT_EQ(grid->SelectedNumber(), 1);
}

TEST_F(ListGridTest, TheFocusedGridIsMaroonTheOthersBlack) {
  auto* other = new ListGrid(&window);
  window.layout()->addWidget(other);
  Fill();
  other->SetRows({{"1", "X"}});
  FocusColouring colouring{grid, other};
  Activate(&window);
  grid->setFocus();
  QApplication::processEvents();
  EXPECT_EQ(TextColourOf(grid), kFocusTextColour);
  EXPECT_EQ(TextColourOf(other), kPlainTextColour);
  other->setFocus();
  QApplication::processEvents();
  EXPECT_EQ(TextColourOf(grid), kPlainTextColour);
  EXPECT_EQ(TextColourOf(other), kFocusTextColour);
  grid->setFocus();
  TypeText(grid, "a");  // the search box belongs to its grid
  QApplication::processEvents();
  EXPECT_TRUE(search->hasFocus());
  EXPECT_EQ(TextColourOf(grid), kFocusTextColour);
}

TEST_F(ListGridTest, FunctionKeysActWhicheverControlHasTheFocus) {
  Fill();
  int saves = 0;
  int deletes = 0;
  BindKey(&window, QKeySequence(Qt::Key_F2), [&] { ++saves; });
  QShortcut* del = BindKey(&window, QKeySequence(Qt::Key_F5), [&] { ++deletes; });
  Activate(&window);
  entry->setFocus();
  QTest::keyClick(entry, Qt::Key_F2);
  grid->setFocus();
  QTest::keyClick(grid, Qt::Key_F2);
  QTest::keyClick(grid, Qt::Key_F5);
  EXPECT_EQ(saves, 2);
  EXPECT_EQ(deletes, 1);
  del->setEnabled(false);  // e.g. an empty list: the key does nothing
  QTest::keyClick(grid, Qt::Key_F5);
  EXPECT_EQ(deletes, 1);
  EXPECT_FALSE(search->isVisible());  // function keys are not typed text
}

}  // namespace
}  // namespace kalvodrin
