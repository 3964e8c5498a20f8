#include "gui/timetables/timetable_lists.h"

#include "gui/common/apply_change.h"
#include "gui/common/function_keys.h"
#include "gui/common/key_line.h"
#include "gui/common/list_grid.h"
#include "gui/common/qt_text.h"
#include "gui/timetables/timetable_grid.h"
#include "timetables/timetable_commands.h"

namespace kalvodrin {

void FillOwners(ListGrid& grid, const std::vector<OwnerRow>& rows, bool withSection) {
  std::vector<QStringList> out;
  for (const OwnerRow& r : rows) {
    QStringList texts{QString::number(r.number), U8(r.name)};
    if (withSection) texts << U8(r.section);
    out.push_back(texts);
  }
  grid.SetRows(out);
}

void FillLessons(ListGrid& grid, const std::vector<LessonRow>& rows, bool withRoom,
                 const QStringList& columns) {
  std::vector<QStringList> out;
  for (const LessonRow& r : rows) {
    QStringList texts{QString::number(r.teacher), QString::number(r.classNo),
                      QString::number(r.lesson)};
    if (withRoom) texts << QString::number(r.room);
    for (const QString& c : columns) {
      if (c == "class") texts << U8(r.className);
      if (c == "section") texts << U8(r.section);
      if (c == "classAndSection") texts << U8(r.className + " " + r.section);
      if (c == "lesson") texts << U8(r.lessonName);
      if (c == "hours") texts << QString::number(r.weeklyHours);
      if (c == "teacher") texts << U8(r.teacherName);
    }
    out.push_back(texts);
  }
  grid.SetRows(out);
}

void SaveTimetables(const AppContext& context) {
  ApplyChange(context, Change{Outcome::kDone, TimetableFiles(), 0, 0}, {});
}

void BindOwnerGrid(QWidget* window, KeyLine& keys, TimetableGrid* grid, const AppContext& context,
                   int& selectedCell, const OwnerGridCommands& commands) {
  QObject::connect(grid, &TimetableGrid::CellActivated, window, commands.command);
  if (commands.typedKeysAct)
    QObject::connect(grid, &TimetableGrid::KeyTyped, window, [grid, commands] {
      if (grid->CurrentCell() != 0) commands.command(grid->CurrentCell());
    });
  QObject::connect(grid, &QTableWidget::cellClicked, window, [grid, &selectedCell] {
    selectedCell = grid->CurrentCell();
    grid->RepaintAll();
  });
  keys.Show(U8("Çift tık / Enter"), U8("Yerleştir / kaldır"));
  keys.Bind({QKeySequence(Qt::Key_F8)}, U8("Hücre aç/kapat"), commands.toggle);
  keys.Bind({QKeySequence(Qt::Key_F2), QKeySequence(Qt::CTRL | Qt::Key_P)}, U8("Yazdır"),
            commands.print);
  keys.Bind({QKeySequence(Qt::Key_F4), QKeySequence(Qt::CTRL | Qt::Key_S)}, U8("Kaydet"),
            [context] { SaveTimetables(context); });
  BindHelpKey(window, context.help, commands.helpPage);
  keys.Show("F1", U8("Yardım"));
}

}  // namespace kalvodrin
