#include "gui/timetables/room_timetable_form.h"

#include <QDialog>

#include "gui/common/list_grid.h"
#include "gui/common/qt_text.h"
#include "timetables/painters.h"
#include "timetables/timetable_commands.h"

namespace kalvodrin {

TRoomPrgForm::TRoomPrgForm(AppContext context, QWidget* parent)
    : TimetableWindow(context,
                      {.caption = U8("DERSLİKLEİN DERS  PROGRAMI"),
                       .view = TimetableView::kRoom,
                       .ownerGridName = "RoomGrid",
                       .ownerColumns = {U8("DERSLİK")},
                       .lessonGridName = "RoomTeleGrid",
                       .lessonColumns = {{"SINIF", "classAndSection", 60},
                                         {U8("DERSİN ADI"), "lesson", 150},
                                         {"HDS", "hours", 40},
                                         {U8("ÖĞRETMEN"), "teacher", 150}},
                       .withRoom = true,
                       .cellKeyHint = U8("F8  HÜCRE KAPATIR AÇAR"),
                       .size = {1000, 480},
                       .helpPage = "130",
                       .typedKeysAct = true,
                       .owners = TimetableRooms,
                       .lessons = TimetableRoomLessons,
                       .paintCell = PaintRoomCell,
                       .cellCommand = RoomCellCommand,
                       .toggleCell = ToggleRoomCell,
                       .legend = RoomLegend},
                      parent) {
  setObjectName("TRoomPrgForm");
  AddPrintButton("YAZDIR", "YazdirBtn");
  AddButton("ÇIKIŞ", "CikisBtn", [this] { accept(); });
}

void TRoomPrgForm::Activate() {
  Refill();
  lessons()->setFocus();
}

}  // namespace kalvodrin
