#include "gui/timetables/class_timetable_form.h"

#include <QAction>
#include <QLabel>

#include "engine/counts.h"
#include "gui/common/focus_return.h"
#include "gui/common/key_line.h"
#include "gui/common/list_grid.h"
#include "gui/common/qt_text.h"
#include "gui/timetables/placement_style_form.h"
#include "gui/timetables/room_timetable_form.h"
#include "timetables/painters.h"

namespace kalvodrin {

TSnfPrgForm::TSnfPrgForm(AppContext context, TRoomPrgForm& roomWindow, QWidget* parent)
    : TimetableWindow(context,
                      {.caption = U8("SINIFLARIN  DERS PROGRAMI"),
                       .view = TimetableView::kClass,
                       .ownerGridName = "ClassGrid",
                       .ownerColumns = {"SINIF", U8("BÖLÜM")},
                       .ownerSections = true,
                       .ownerSearchName = "ClSearchEd",
                       .lessonGridName = "ClTeleGrid",
                       .lessonColumns = {{U8("DERSİN ADI"), "lesson", 170},
                                         {"HDS", "hours", 40},
                                         {U8("ÖĞRETMEN"), "teacher", 160}},
                       .lessonSearchColumn = 3,
                       .lessonSearchName = "LeSearched",
                       .cellKeyHint = U8("F8  HÜCRE KAPATIR AÇAR"),
                       .size = {1000, 520},
                       .helpPage = "128",
                       .owners = TimetableClasses,
                       .lessons = TimetableClassLessons,
                       .paintCell = PaintClassCell,
                       .cellCommand = ClassCellCommand,
                       .toggleCell = ToggleClassCell,
                       .legend = ClassLegend},
                      parent),
      roomWindow_(roomWindow),
      total_(AddCounter("TOPLAM", "ToplamLabel")),
      remaining_(AddCounter("KALAN", "KalanLabel")),
      lessonRemaining_(AddCounter("KALAN", "DersKalanLabel")),
      placementStyle_(std::make_shared<TNewLFForm>(context)) {
  setObjectName("TSnfPrgForm");
  AddPrintButton("YAZICI ÇIKIŞLARI", "YaziciBtn");
  AddButton("YERLEŞMEYEN DERSLER", "RaporBtn", [this] { OpenReport(); });
  AddButton("DERSHANE", "DershaneBtn", [this] { OpenRooms(); });
  AddButton("ÇIKIŞ", "CikisBtn", [this] { accept(); });
  keyLine()->Bind({QKeySequence(Qt::Key_F9)}, U8("Dershane"), [this] { OpenRooms(); });
  keyLine()->Bind({QKeySequence(Qt::Key_F11)}, U8("Yerleşmeyen dersler"), [this] { OpenReport(); });
  handBackAction_ = AddLessonAction("ÖĞRETMENE BAĞLAN", [this] { HandBack(); });
  AddLessonAction("YERLEŞTİRME BİÇİMİ", [this] { OpenPlacementStyle(); });
}

HandOver TSnfPrgForm::OpenWith(const HandOver& handOver) {
  handOver_ = handOver;
  handedBack_ = HandOver{};
  ExecReturningFocus(*this);
  handOver_ = HandOver{};
  return handedBack_;
}

void TSnfPrgForm::Activate() {
  CountAllHours(context().school);
  Refill();
  handBackAction_->setEnabled(handOver_.teacher != 0);
  owners()->setFocus();
  if (handOver_.classNo != 0) {
    Select(handOver_.teacher, handOver_.classNo, handOver_.lesson);
    lessons()->setFocus();
  }
}

void TSnfPrgForm::SelectionRead() {
  const ClassCounters k =
      CountClassWindow(context().school, selection().classNo, selection().lesson);
  total_->setNum(k.total);
  remaining_->setNum(k.remaining);
  lessonRemaining_->setNum(k.lessonRemaining);
}

void TSnfPrgForm::HandBack() {
  if (handOver_.teacher == 0) return;
  handedBack_ = HandOver{selection().teacher, selection().classNo, selection().lesson};
  accept();
}

void TSnfPrgForm::OpenRooms() {
  // Without classroom hours there is nothing to show: the window is not opened.
  if (!CountRoomHours(context().school)) return;
  ExecReturningFocus(roomWindow_);
  ReadSelection();
}

void TSnfPrgForm::OpenPlacementStyle() {
  placementStyle_->OpenFor(selection().classNo, selection().lesson);
}

}  // namespace kalvodrin
