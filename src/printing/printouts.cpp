#include "printing/printouts.h"

#include <array>
#include <cmath>
#include <utility>

#include "printing/list_print.h"
#include "printing/page_fit.h"
#include "printing/sheet_print.h"
#include "printing/timetable_print.h"

namespace kalvodrin {
namespace {

constexpr std::array<std::pair<std::string_view, Printout>, 8> kNames = {{
    {"teacher", Printout::kTeacher},
    {"class", Printout::kClass},
    {"room", Printout::kRoom},
    {"sheet-teachers", Printout::kSheetTeachers},
    {"sheet-classes", Printout::kSheetClasses},
    {"sheet-rooms", Printout::kSheetRooms},
    {"teacher-list", Printout::kTeacherList},
    {"duty-chart", Printout::kDutyChart},
}};

}  // namespace

std::optional<Printout> PrintoutByName(std::string_view name) {
  for (const auto& [text, what] : kNames)
    if (text == name) return what;
  return std::nullopt;
}

std::vector<std::string_view> PrintoutNames() {
  std::vector<std::string_view> names;
  for (const auto& entry : kNames) names.push_back(entry.first);
  return names;
}

std::string_view PrintoutTitle(Printout what) {
  switch (what) {
    case Printout::kTeacher: return "HAFTALIK ÖĞRETMEN DERS PROGRAMI";
    case Printout::kClass: return "HAFTALIK SINIF DERS PROGRAMI";
    case Printout::kRoom: return "HAFTALIK DERSLİK DERS PROGRAMI";
    case Printout::kSheetTeachers: return "HAFTALIK ÖĞRETMEN DERS PROGRAM ÇİZELGESİ";
    case Printout::kSheetClasses: return "HAFTALIK SINIF DERS PROGRAM ÇİZELGESİ";
    case Printout::kSheetRooms: return "HAFTALIK DERSLİK DERS PROGRAM ÇİZELGESİ";
    case Printout::kTeacherList: return "ÖĞRETMEN LİSTESİ";
    case Printout::kDutyChart: return "ÖĞRETMEN NÖBET ÇİZELGESİ";
  }
  return {};
}

bool PrintsOneEntity(Printout what) {
  return what == Printout::kTeacher || what == Printout::kClass || what == Printout::kRoom;
}

bool IsSheet(Printout what) {
  return what == Printout::kSheetTeachers || what == Printout::kSheetClasses ||
         what == Printout::kSheetRooms;
}

bool EntityExists(const School& school, Printout what, int id) {
  switch (what) {
    case Printout::kTeacher: return school.TeacherByNo(id) != nullptr;
    case Printout::kClass: return school.ClassByNo(id) != nullptr;
    case Printout::kRoom: return school.RoomByNo(id) != nullptr;
    default: return true;
  }
}

int FirstEntity(const School& school, Printout what) {
  switch (what) {
    case Printout::kTeacher: return school.Teachers.empty() ? 0 : school.Teachers[0].number;
    case Printout::kClass: return school.Classes.empty() ? 0 : school.Classes[0].number;
    case Printout::kRoom: return school.Rooms.empty() ? 0 : school.Rooms[0].number;
    default: return 0;
  }
}

namespace {

void Draw(Canvas& canvas, const School& school, Printout what, int id, Selection selection,
          const PrintOptions& options) {
  const bool all = selection == Selection::kFromHere;
  switch (what) {
    case Printout::kTeacher:
      all ? PrintTeacherTimetables(canvas, school, id, options)
          : PrintTeacherTimetable(canvas, school, id, options);
      break;
    case Printout::kClass:
      all ? PrintClassTimetables(canvas, school, id, options)
          : PrintClassTimetable(canvas, school, id, options);
      break;
    case Printout::kRoom:
      all ? PrintRoomTimetables(canvas, school, id, options)
          : PrintRoomTimetable(canvas, school, id, options);
      break;
    case Printout::kSheetTeachers: PrintTeacherSheet(canvas, school, options); break;
    case Printout::kSheetClasses: PrintClassSheet(canvas, school, options); break;
    case Printout::kSheetRooms: PrintRoomSheet(canvas, school, options); break;
    case Printout::kTeacherList: PrintTeacherList(canvas, school, options); break;
    case Printout::kDutyChart: PrintDutyChart(canvas, school, options); break;
  }
}

}  // namespace

PrintLayout DrawPrintout(Canvas& canvas, const School& school, Printout what, int id,
                         Selection selection, const PrintOptions& options) {
  PrintLayout layout;
  layout.scale = DrawFitted(canvas, [&](Canvas& fitted) {
    layout.copiesApart = what == Printout::kTeacher && school.Settings.twoPerPage.get() != 0 &&
                         !TwoCopiesFitOnePage(fitted, school, id, options);
    Draw(fitted, school, what, id, selection, options);
  });
  return layout;
}

std::string PrintLayoutNote(const PrintLayout& layout) {
  std::string note;
  if (layout.copiesApart)
    note =
        "İki kopya bu kağıda alt alta sığmadığından her kopya ayrı sayfaya basılır; ikisi "
        "bir sayfaya, Yazıcı özelliklerinden dikey ya da daha büyük kağıt seçilince sığar.";
  if (layout.scale < 1.0) {
    if (!note.empty()) note += " ";
    note += "Kağıda sığması için %" +
            std::to_string(static_cast<int>(std::floor(layout.scale * 100))) +
            " boyutunda basılır.";
  }
  return note;
}

}  // namespace kalvodrin
