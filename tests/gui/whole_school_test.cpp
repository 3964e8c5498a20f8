// A vice principal builds a school from an empty folder through the program's own
// windows, opened from the main menu, once by keyboard only and once by mouse only:
// lessons, classes with their day windows, a classroom, teachers, one with a closed
// day, class lessons with a common lesson in the classroom, the teachers' lessons,
// the automatic run, one hour moved and one kept in place by hand, a teacher's
// timetable saved as PDF on A4, two duty places with the proposal accepted, and a
// backup into a folder of the user's choice. The program started again finds all of
// it, consistent. The school is written once, in Scenario; the two hands differ only
// in how each step is given.

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPageSize>
#include <QPrinter>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "app/kalvodrin_app.h"
#include "core/cells.h"
#include "engine/consistency.h"
#include "gui/printing/print_dialog.h"
#include "gui/printing/print_service.h"
#include "gui/shell/backup_window.h"
#include "gui/shell/main_window.h"
#include "gui/timetables/teacher_timetable_form.h"
#include "gui/timetables/timetable_grid.h"
#include "printing/printouts.h"
#include "printing/recording_canvas.h"
#include "program_fixture.h"
#include "window_fixture.h"

namespace kalvodrin::testing {
namespace {

// The text after '&' in a caption: the letter that chooses it from the keyboard.
QChar Mnemonic(const QString& caption) {
  const qsizetype at = caption.indexOf('&');
  return at >= 0 && at + 1 < caption.size() ? caption[at + 1] : QChar();
}

Qt::Key KeyOf(QChar letter) { return static_cast<Qt::Key>(letter.toUpper().unicode()); }

QMenu* MenuOf(TKalvodrinForm& main, MainMenuItem item) {
  for (QAction* top : main.menuBar()->actions())
    if (top->menu() != nullptr && top->menu()->actions().contains(main.ActionOf(item)))
      return top->menu();
  return nullptr;
}

QAction* ActionStartingWith(QMenu* menu, const QString& caption) {
  for (QAction* a : menu->actions())
    if (QString(a->text()).remove('&').startsWith(caption)) return a;
  return nullptr;
}

// How the user gives each command: every step of the scenario is one of these, done
// by keyboard alone or by mouse alone (names are typed either way).
class Hands {
 public:
  virtual ~Hands() = default;
  // Chooses the item from the main window's menu bar.
  virtual void Menu(TKalvodrinForm& main, MainMenuItem item) = 0;
  // Goes into the named field, empties it and types.
  virtual void Fill(QWidget* form, const char* field, const QString& text) = 0;
  // Saves the new record of a list window.
  virtual void Save(QWidget* form) = 0;
  // Makes the grid's row that shows `text` in `column` the selected one.
  virtual void Pick(QWidget* form, const char* grid, int column, const QString& text) = 0;
  // The row's command: Enter, or a double click.
  virtual void Open(QWidget* form, const char* grid, int column, const QString& text) = 0;
  virtual void Press(QWidget* form, const char* button) = 0;
  // The timetable grid's command on a cell, and closing or opening the cell.
  virtual void Cell(QWidget* form, TimetableGrid* grid, int cell) = 0;
  virtual void Toggle(QWidget* form, TimetableGrid* grid, int cell) = 0;
  // From the timetable window to the print dialog's PDF.
  virtual void PrintToPdf(QWidget* form) = 0;
  // The last item of a combo box.
  virtual void ChooseLast(QWidget* form, const char* box) = 0;
  // The notice's "TAMAM".
  virtual void Answer(QDialog* notice) = 0;
  virtual void Close(QDialog* dialog) = 0;
  // The duty proposal: a new proposal, then storing it.
  virtual void Propose(QWidget* form) = 0;
  virtual void Accept(QWidget* form) = 0;
};

class Keyboard : public Hands {
 public:
  void Menu(TKalvodrinForm& main, MainMenuItem item) override {
    QMenu* menu = MenuOf(main, item);
    ASSERT_NE(menu, nullptr);
    Key(&main, KeyOf(Mnemonic(menu->title())), Qt::AltModifier);
    ASSERT_EQ(QApplication::activePopupWidget(), menu) << menu->title().toStdString();
    const QChar letter = Mnemonic(main.ActionOf(item)->text());
    ASSERT_FALSE(letter.isNull());
    QTest::keyClick(menu, KeyOf(letter));
  }
  void Fill(QWidget* form, const char* field, const QString& text) override {
    QLineEdit* edit = Child(form, field);
    TabTo(form, edit);
    Key(form, Qt::Key_A, Qt::ControlModifier);
    TypeText(edit, text);
    ASSERT_EQ(edit->text().isEmpty(), text.isEmpty()) << field;
  }
  void Save(QWidget* form) override { Key(form, Qt::Key_S, Qt::ControlModifier); }
  void Pick(QWidget* form, const char* gridName, int column, const QString& text) override {
    ListGrid* grid = Child<ListGrid>(form, gridName);
    TabTo(form, grid);
    const int row = static_cast<int>(grid->ColumnTexts(column).indexOf(text));
    ASSERT_GE(row, 0) << text.toStdString();
    Key(form, Qt::Key_Home, Qt::ControlModifier);
    for (int r = 0; r < row; ++r) Key(form, Qt::Key_Down);
    ASSERT_EQ(grid->SelectedRow(), row) << text.toStdString();
  }
  void Open(QWidget* form, const char* grid, int column, const QString& text) override {
    Pick(form, grid, column, text);
    Key(form, Qt::Key_Return);
  }
  void Press(QWidget* form, const char* name) override {
    TabTo(form, Child<QPushButton>(form, name));
    Key(form, Qt::Key_Space);
  }
  void Cell(QWidget* form, TimetableGrid* grid, int cell) override {
    CursorTo(form, grid, cell);
    Key(form, Qt::Key_Return);
  }
  void Toggle(QWidget* form, TimetableGrid* grid, int cell) override {
    CursorTo(form, grid, cell);
    Key(form, Qt::Key_F2);
  }
  void PrintToPdf(QWidget* form) override {
    OnNextModal([](QDialog* d) { Key(d, Qt::Key_S, Qt::ControlModifier); }, form);
    Key(form, Qt::Key_P, Qt::ControlModifier);
  }
  void ChooseLast(QWidget* form, const char* name) override {
    TabTo(form, Child<QComboBox>(form, name));
    Key(form, Qt::Key_End);
  }
  void Answer(QDialog* notice) override { Key(notice, Qt::Key_Return); }
  void Close(QDialog* dialog) override { Key(dialog, Qt::Key_Escape); }
  void Propose(QWidget* form) override { Press(form, "OnerBtn"); }
  void Accept(QWidget* form) override { Key(form, Qt::Key_S, Qt::ControlModifier); }

 private:
  // Tabs round the window until `target` (or a child of it) has the focus; a widget
  // the Tab key never reaches cannot be used from the keyboard.
  static void TabTo(QWidget* form, QWidget* target) {
    EnsureActive(form);
    for (int tabs = 0; tabs < 80; ++tabs) {
      QWidget* focus = QApplication::focusWidget();
      if (focus != nullptr && (focus == target || target->isAncestorOf(focus))) return;
      Key(form, Qt::Key_Tab);
    }
    FAIL() << target->objectName().toStdString() << " is not reached with Tab";
  }
  // Moves the timetable grid's cursor to the cell with the arrow keys.
  static void CursorTo(QWidget* form, TimetableGrid* grid, int cell) {
    TabTo(form, grid);
    if (grid->CurrentCell() == 0) Key(form, Qt::Key_Right);
    while (DayOfCell(grid->CurrentCell()) < DayOfCell(cell)) Key(form, Qt::Key_Down);
    while (DayOfCell(grid->CurrentCell()) > DayOfCell(cell)) Key(form, Qt::Key_Up);
    while (HourOfCell(grid->CurrentCell()) < HourOfCell(cell)) Key(form, Qt::Key_Right);
    while (HourOfCell(grid->CurrentCell()) > HourOfCell(cell)) Key(form, Qt::Key_Left);
    ASSERT_EQ(grid->CurrentCell(), cell);
  }
};

class Mouse : public Hands {
 public:
  void Menu(TKalvodrinForm& main, MainMenuItem item) override {
    QMenuBar* bar = main.menuBar();
    QMenu* menu = MenuOf(main, item);
    ASSERT_NE(menu, nullptr);
    EnsureActive(&main);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(main.ActionOf(item)).center());
  }
  void Fill(QWidget* form, const char* field, const QString& text) override {
    QLineEdit* edit = Child(form, field);
    EnsureActive(form);
    QTest::mouseClick(edit, Qt::LeftButton);
    ASSERT_TRUE(edit->hasFocus()) << field;
    QTest::mouseDClick(edit, Qt::LeftButton);  // selects what the field held
    TypeText(edit, text);
  }
  void Save(QWidget* form) override { Press(form, "KaydetBtn"); }
  void Pick(QWidget* form, const char* gridName, int column, const QString& text) override {
    ListGrid* grid = Child<ListGrid>(form, gridName);
    const int row = static_cast<int>(grid->ColumnTexts(column).indexOf(text));
    ASSERT_GE(row, 0) << text.toStdString();
    EnsureActive(form);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, Centre(grid, row, column));
    ASSERT_EQ(grid->SelectedRow(), row) << text.toStdString();
  }
  void Open(QWidget* form, const char* gridName, int column, const QString& text) override {
    Pick(form, gridName, column, text);
    ListGrid* grid = Child<ListGrid>(form, gridName);
    const int row = static_cast<int>(grid->ColumnTexts(column).indexOf(text));
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, Centre(grid, row, column));
  }
  void Press(QWidget* form, const char* name) override {
    EnsureActive(form);
    QTest::mouseClick(Child<QPushButton>(form, name), Qt::LeftButton);
  }
  void Cell(QWidget* form, TimetableGrid* grid, int cell) override {
    EnsureActive(form);
    const QPoint at = CellCentre(grid, cell);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, at);
  }
  // The right button on the cell, then the item of the menu that opens there.
  void Toggle(QWidget* form, TimetableGrid* grid, int cell) override {
    EnsureActive(form);
    const QPoint at = CellCentre(grid, cell);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
    ASSERT_EQ(grid->CurrentCell(), cell);
    QTimer::singleShot(0, [] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      ASSERT_NE(menu, nullptr);
      QAction* item = ActionStartingWith(menu, U8("HÜCREYİ KAPAT"));
      ASSERT_NE(item, nullptr);
      QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
    });
    QTest::mousePress(grid->viewport(), Qt::RightButton, {}, at);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, grid->viewport()->mapToGlobal(at));
    QApplication::sendEvent(grid->viewport(), &event);
    QTest::mouseRelease(grid->viewport(), Qt::RightButton, {}, at);
  }
  void PrintToPdf(QWidget* form) override {
    OnNextModal([this](QDialog* d) { Press(d, "PdfBtn"); }, form);
    Press(form, "YazdirBtn");
  }
  void ChooseLast(QWidget* form, const char* name) override {
    auto* box = Child<QComboBox>(form, name);
    QTest::mouseClick(box, Qt::LeftButton);
    QAbstractItemView* list = box->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(list));
    const QPoint last = list->visualRect(box->model()->index(box->count() - 1, 0)).center();
    // The pointer goes down the open list to the item, and is clicked there.
    QTest::mouseMove(list->viewport(), last);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, last);
    ASSERT_FALSE(list->isVisible());
  }
  void Answer(QDialog* notice) override { Press(notice, "TamamBtn"); }
  // The window's close button on its frame.
  void Close(QDialog* dialog) override { dialog->close(); }
  void Propose(QWidget* form) override { Press(form, "OnerBtn"); }
  void Accept(QWidget* form) override { Press(form, "KabulBtn"); }

 private:
  static QPoint Centre(ListGrid* grid, int row, int column) {
    grid->scrollToItem(grid->item(row, column));
    return grid->visualItemRect(grid->item(row, column)).center();
  }
  static QPoint CellCentre(TimetableGrid* grid, int cell) {
    return grid->visualRect(grid->model()->index(DayOfCell(cell), HourOfCell(cell))).center();
  }
};

std::string PdfText(const std::filesystem::path& pdf) {
  const std::filesystem::path text = pdf.string() + ".txt";
  const std::string command = "pdftotext -layout '" + pdf.string() + "' '" + text.string() + "'";
  if (std::system(command.c_str()) != 0) return {};
  std::ifstream in(text);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

int Count(const std::string& text, const std::string& what) {
  int n = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
    ++n;
  return n;
}

int Placed(const School& s) {
  int n = 0;
  for (const TClassGridRec& g : s.ClassGrids)
    for (uint8_t lesson : g.occupant) n += lesson != 0 ? 1 : 0;
  return n;
}

// The teacher's printout drawn on upright A4 at the PDF's 200 units an inch: both
// copies on the first page, every element on the paper, the first copy wholly above
// the second. Returns what is wrong.
std::string TwoWholeCopiesOnA4(const School& school, int teacher) {
  RecordingCanvas canvas(1654, 2339, false);
  canvas.charWidth = [](const Font& f) { return f.size * 200 * 6 / (72 * 10); };
  canvas.lineHeight = [](const Font& f) { return f.size * 200 * 115 / (72 * 100); };
  DrawPrintout(canvas, school, Printout::kTeacher, teacher, Selection::kOne);
  const std::string title = "HAFTALIK ÖĞRETMEN DERS PROGRAMI";
  std::string problems;
  int titles = 0, firstBottom = 0, secondTop = canvas.PageHeight();
  for (const CanvasOp& op : canvas.ops()) {
    if (op.kind != CanvasOp::Kind::kText && op.kind != CanvasOp::Kind::kLine) continue;
    if (op.page != 1) problems += "\"" + op.text + "\" on page " + std::to_string(op.page) + "; ";
    const bool text = op.kind == CanvasOp::Kind::kText;
    titles += op.text == title ? 1 : 0;
    const int right =
        text ? op.x + Utf8Length(op.text) * canvas.charWidth(op.font) : std::max(op.x, op.x2);
    const int bottom = text ? op.y + canvas.lineHeight(op.font) : std::max(op.y, op.y2);
    if (std::min(op.x, text ? op.x : op.x2) < 0 || right > canvas.PageWidth() ||
        bottom > canvas.PageHeight())
      problems += "\"" + op.text + "\" off the paper; ";
    if (titles <= 1)
      firstBottom = std::max(firstBottom, bottom);
    else
      secondTop = std::min(secondTop, std::min(op.y, text ? op.y : op.y2));
  }
  if (titles != 2) problems += std::to_string(titles) + " titles; ";
  if (firstBottom > secondTop) problems += "the copies overlap; ";
  return problems;
}

class WholeSchool : public ProgramFixture {
 protected:
  // Runs `steps` in the window that the menu item opens; `steps` closes it.
  void InWindow(Hands& h, TKalvodrinForm& main, MainMenuItem item,
                const std::function<void(QDialog*)>& steps) {
    OnNextModal(steps);
    h.Menu(main, item);
  }
  // The window that `open` opens from `from`, as InWindow.
  static void InChild(QDialog* from, const std::function<void()>& open,
                      const std::function<void(QDialog*)>& steps) {
    OnNextModal(steps, from);
    open();
  }
  // Types each text into Edit1, Edit2, ... and saves.
  static void Record(Hands& h, QWidget* form, const QStringList& texts) {
    for (int i = 0; i < texts.size(); ++i)
      h.Fill(form, QString("Edit%1").arg(i + 1).toLatin1().constData(), texts[i]);
    h.Save(form);
  }

  void Scenario(Hands& h);
};

void WholeSchool::Scenario(Hands& h) {
  const std::filesystem::path pdf = root / "omer.pdf";
  const std::filesystem::path usb = root / "usb";
  std::filesystem::create_directories(usb);
  std::size_t duties = 0;
  {
    KalvodrinApp app(Options());
    ASSERT_TRUE(app.Start());
    TKalvodrinForm& main = app.mainForm();
    School& school = app.school();
    InWindow(h, main, MainMenuItem::kLessonPool, [&](QDialog* d) {
      Record(h, d, {"matematik", "mat", "4", "2+2"});
      Record(h, d, {U8("türkçe"), "tr", "3", "2+1"});
      Record(h, d, {"beden", "bed", "2", "2"});
      h.Close(d);
    });
    ASSERT_EQ(school.Lessons.size(), 3u);
    InWindow(h, main, MainMenuItem::kClassesAndRooms, [&](QDialog* d) {
      Record(h, d, {"9-a", ""});
      Record(h, d, {"9-b", ""});
      InChild(d, [&] { h.Press(d, "DerslikBtn"); }, [&](QDialog* rooms) {
        Record(h, rooms, {"spor salonu"});
        h.Close(rooms);
      });
      h.Close(d);
    });
    ASSERT_EQ(school.Classes.size(), 2u);
    ASSERT_EQ(school.Rooms.size(), 1u);
    // 9-B ends at the fifth hour on Monday.
    InWindow(h, main, MainMenuItem::kWeeklyHours, [&](QDialog* d) {
      h.Pick(d, "Grid", 1, "9-B");
      h.Fill(d, "Edit2", "5");
      EXPECT_EQ(Child(d, "Edit2")->text(), "5");
      h.Pick(d, "Grid", 1, "9-A");
      h.Close(d);
    });
    InWindow(h, main, MainMenuItem::kTeachers, [&](QDialog* d) {
      Record(h, d, {U8("ayşe ışık"), "matematik", "", ""});
      Record(h, d, {U8("ömer çelik"), U8("türkçe"), "", ""});
      h.Close(d);
    });
    ASSERT_EQ(school.Teachers.size(), 2u);
    InWindow(h, main, MainMenuItem::kClassLessons, [&](QDialog* d) {
      for (const char* name : {"9-A", "9-B"}) {
        h.Pick(d, "ClassGrid", 1, name);
        for (const char* lesson : {"MATEMATİK", "TÜRKÇE", "BEDEN"})
          h.Open(d, "LessonGrid", 1, U8(lesson));
      }
      // BEDEN of both classes is one common lesson, in the gym.
      InChild(d, [&] { h.Press(d, "CommonBtn"); }, [&](QDialog* common) {
        h.Press(common, "NewBtn");
        for (const char* name : {"9-A", "9-B"}) {
          h.Pick(common, "ClassGrid", 1, name);
          h.Open(common, "ClLeGrid", 2, "BEDEN");
        }
        h.Close(common);
      });
      h.Pick(d, "ClassGrid", 1, "9-A");
      h.Pick(d, "ClLeGrid", 2, "BEDEN");
      InChild(d, [&] { h.Press(d, "DerslikBtn"); }, [&](QDialog* rooms) {
        h.Open(rooms, "Grid", 1, U8("SPOR SALONU"));
        h.Close(rooms);
      });
      h.Close(d);
    });
    {
      ASSERT_EQ(school.ClassLessons.size(), 6u);
      ASSERT_EQ(school.CommonGroups.size(), 1u);
      int inGym = 0;  // the room goes with both classes of the common lesson
      for (const TClassLessonRec& cl : school.ClassLessons) inGym += cl.roomCount;
      EXPECT_EQ(inGym, 2);
    }
    InWindow(h, main, MainMenuItem::kTeacherDistribution, [&](QDialog* d) {
      const struct {
        const char* teacher;
        const char* lesson;
      } given[] = {{"AYŞE IŞIK", "MATEMATİK"}, {"AYŞE IŞIK", "BEDEN"}, {"ÖMER ÇELİK", "TÜRKÇE"}};
      for (const auto& g : given)
        for (const char* name : {"9-A", "9-B"}) {
          h.Pick(d, "TeacherGrid", 2, U8(g.teacher));
          h.Pick(d, "ClassGrid", 1, name);
          h.Open(d, "ClLeGrid", 2, U8(g.lesson));
          // A common lesson given once is given to every class of it.
          if (std::string(g.lesson) == "BEDEN") break;
        }
      h.Close(d);
    });
    ASSERT_EQ(school.TeacherLessons.size(), 6u);

    app.printing().printer().setPageSize(QPageSize(QPageSize::A4));
    app.printing().printDialog().SetFileChooser(
        [&](QWidget*, const QString&) { return QString::fromStdString(pdf.string()); });
    InWindow(h, main, MainMenuItem::kTeacherTimetables, [&](QDialog* d) {
      auto* grid = Child<TimetableGrid>(d, "Grid");
      // Ömer cannot come on Fridays.
      h.Pick(d, "TeacherGrid", 1, U8("ÖMER ÇELİK"));
      for (int hour = 1; hour <= 6; ++hour) h.Toggle(d, grid, CellIndex(5, hour));
      // The automatic run places everything and says so.
      QString notice;
      OnNextModal(
          [&](QDialog* n) {
            notice = MessageText(n);
            h.Answer(n);
          },
          d);
      h.Press(d, "DagitBtn");
      ASSERT_EQ(Placed(school), 18) << notice.toStdString();
      // One of Ömer's one-hour blocks moved by hand: out of its cell, into a free one.
      h.Pick(d, "TeacherGrid", 1, U8("ÖMER ÇELİK"));
      const TTeacherGridRec& omer = *school.TeacherGridByNo(2);
      int from = 0;
      for (int cell = 1; cell <= kCells && from == 0; ++cell) {
        const std::size_t c = static_cast<std::size_t>(cell - 1);
        if (omer.occupant[c] != 0 && omer.blockLen[c] == 1) from = cell;
      }
      ASSERT_NE(from, 0);
      const int classNo = omer.occupant[static_cast<std::size_t>(from - 1)];
      const TClassGridRec& taught = *school.ClassGridByNo(classNo);
      h.Pick(d, "TeleGrid", 3, classNo == 1 ? "9-A" : "9-B");
      h.Cell(d, grid, from);
      ASSERT_EQ(Placed(school), 17);
      int to = 0;
      for (int cell = 1; cell <= 2 * kHoursPerDay && to == 0; ++cell) {
        const std::size_t c = static_cast<std::size_t>(cell - 1);
        const std::size_t day = static_cast<std::size_t>(DayOfCell(cell) - 1);
        if (cell != from && omer.occupant[c] == 0 && taught.occupant[c] == 0 &&
            HourOfCell(cell) <= taught.lastHour[day] && HourOfCell(cell) >= taught.firstHour[day])
          to = cell;
      }
      ASSERT_NE(to, 0);
      h.Cell(d, grid, to);
      EXPECT_EQ(omer.occupant[static_cast<std::size_t>(to - 1)], classNo);
      // The moved hour is locked there: its cell closed, a removal does nothing.
      h.Toggle(d, grid, to);
      h.Cell(d, grid, to);
      EXPECT_EQ(omer.occupant[static_cast<std::size_t>(to - 1)], classNo);
      EXPECT_EQ(Placed(school), 18);
      // Ömer's timetable as PDF on A4.
      h.PrintToPdf(d);
      h.Close(d);
    });
    ASSERT_TRUE(std::filesystem::exists(pdf));
    EXPECT_EQ(TwoWholeCopiesOnA4(school, 2), "");
    const std::string text = PdfText(pdf);
    // Two copies on the page, each whole: its title and its receipt line.
    EXPECT_EQ(Count(text, "HAFTALIK ÖĞRETMEN DERS PROGRAMI"), 2) << text;
    EXPECT_EQ(Count(text, "Aslını Teslim Aldım."), 2) << text;
    EXPECT_EQ(Count(text, "\f"), 1) << "one page";

    // Two duty places, then the fair proposal accepted.
    InWindow(h, main, MainMenuItem::kTeachers, [&](QDialog* d) {
      InChild(d, [&] { h.Press(d, "NobetBtn"); }, [&](QDialog* duty) {
        InChild(duty, [&] { h.Press(duty, "NobetYerBtn"); }, [&](QDialog* places) {
          Record(h, places, {U8("bahçe")});
          Record(h, places, {"koridor"});
          h.Close(places);
        });
        InChild(duty, [&] { h.Press(duty, "OneriBtn"); }, [&](QDialog* proposal) {
          h.Propose(proposal);
          EXPECT_NE(Child<QPushButton>(proposal, "KabulBtn")->isEnabled(), false);
          h.Accept(proposal);
        });
        h.Close(duty);
      });
      h.Close(d);
    });
    EXPECT_EQ(school.DutyPlaces.size(), 2u);
    duties = school.Duties.size();
    EXPECT_GT(duties, 0u);

    app.backupForm().SetFolderChooser(
        [&](QWidget*, const QString&) { return QString::fromStdString(usb.string()); });
    QString done;
    InWindow(h, main, MainMenuItem::kBackup, [&](QDialog* d) {
      h.ChooseLast(d, "ComboBox1");  // "Başka klasör…"
      EXPECT_TRUE(Child<QLabel>(d, "KlasorLabel")->text().contains(QString::fromStdString(usb.string())));
      OnNextModal(
          [&](QDialog* n) {
            done = MessageText(n);
            h.Answer(n);
          },
          d);
      h.Press(d, "DosyalariYedekleBtn");
      h.Close(d);
    });
    EXPECT_EQ(done, U8("Yedek alma işlemi tamamlandı."));
    EXPECT_TRUE(std::filesystem::exists(usb / "DUDIZIRZ.YDK"));
    main.close();
  }

  // The program started again on the folder finds the school as it was left.
  KalvodrinApp app(Options());
  ASSERT_TRUE(app.Start());
  const School& again = app.school();
  EXPECT_EQ(again.Lessons.size(), 3u);
  EXPECT_EQ(again.Classes.size(), 2u);
  EXPECT_EQ(again.ClassGridByNo(2)->lastHour[0], 5);
  EXPECT_EQ(again.Rooms.size(), 1u);
  EXPECT_EQ(again.Teachers.size(), 2u);
  EXPECT_EQ(again.CommonGroups.size(), 1u);
  EXPECT_EQ(again.TeacherLessons.size(), 6u);
  EXPECT_EQ(again.DutyPlaces.size(), 2u);
  EXPECT_EQ(again.Duties.size(), duties);
  EXPECT_EQ(Placed(again), 18);
  for (int hour = 1; hour <= 6; ++hour)
    EXPECT_EQ(again.TeacherGridByNo(2)->open[static_cast<std::size_t>(CellIndex(5, hour) - 1)], 0);
  EXPECT_EQ(CheckConsistency(again), std::vector<std::string>{});
  app.mainForm().close();
}

TEST_F(WholeSchool, BuiltByKeyboardOnlyAndFoundAgainAfterARestart) {
  Keyboard keys;
  Scenario(keys);
}

TEST_F(WholeSchool, BuiltByMouseOnlyAndFoundAgainAfterARestart) {
  Mouse mouse;
  Scenario(mouse);
}

}  // namespace
}  // namespace kalvodrin::testing
