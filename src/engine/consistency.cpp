#include "engine/consistency.h"

#include <algorithm>
#include <optional>

#include "engine/cell_writes.h"
#include "engine/consistency_report.h"
#include "engine/counts.h"
#include "engine/participants.h"

namespace kalvodrin {
namespace {

using cells::At;

struct Link {
  int length;
  int start;
};

template <typename Grid>
Link LinkAt(const Grid& g, int cell) {
  return {g.blockLen[At(cell)], g.blockStart[At(cell)]};
}

bool SameLink(Link a, Link b) { return a.length == b.length && a.start == b.start; }

bool LinkCovers(Link link, int cell) { return BlockCoversCell(link.start, link.length, cell); }

template <typename Grid>
void CheckFreeCell(const Grid& g, int cell, const std::string& who, Report& report) {
  if (g.occupant[At(cell)] == 0 &&
      (g.blockLen[At(cell)] != 0 || g.blockStart[At(cell)] != 0))
    report.Add(who + ", " + CellText(cell) +
               ": boş hücrede blok uzunluğu/başlangıcı var");
}

// The class's block at the cell is one run of the lesson on one day.
void CheckClassBlock(const TClassGridRec& g, int cell, const std::string& who,
                     Report& report) {
  const int lesson = g.occupant[At(cell)];
  const Link link = LinkAt(g, cell);
  if (!LinkCovers(link, cell)) {
    report.Add(who + ", " + CellText(cell) + ": blok uzunluğu " + Num(link.length) +
               ", başlangıcı " + Num(link.start) + " hücreyi kapsamıyor");
    return;
  }
  for (int c = link.start; c < link.start + link.length; ++c) {
    if (g.occupant[At(c)] != lesson || !SameLink(LinkAt(g, c), link)) {
      report.Add(who + ", " + CellText(cell) + ": blok " + Num(link.start) + ".." +
                 Num(link.start + link.length - 1) + " tek parça değil");
      return;
    }
  }
}

// A teacher or room of the class's lesson holds one of its classes in the same block.
// `holder` names it, called only for a line written.
template <typename Grid, typename Holder>
void CheckHolder(const Grid* g, int cell, const Block& b, Link link, Holder holder,
                 Report& report) {
  if (g == nullptr)
    report.Add(holder() + " programı yok");
  else if (!HasClass(b, g->occupant[At(cell)]) || !SameLink(LinkAt(*g, cell), link))
    report.Add(holder() + " programında bu ders/blok yok");
}

// Every participant of the class's lesson agrees with the class about the cell. The
// text naming the cell is made only for a line written: made for every placed hour, it
// cost several allocations an hour, and the check runs after every change in the tests
// and the fuzzers.
void CheckParticipants(const School& school, const TClassGridRec& g, int cell,
                       const Block& b, const std::string& who, Report& report) {
  const Link link = LinkAt(g, cell);
  const auto at = [&] { return who + ", " + CellText(cell) + ": "; };
  for (int k = 0; k < b.classCount; ++k) {
    const int c = b.classes[static_cast<std::size_t>(k)];
    const TClassGridRec* m = school.ClassGridByNo(c);
    if (m == nullptr)
      report.Add(at() + "ortak dersin sınıfı " + Num(c) + " programı yok");
    else if (m->occupant[At(cell)] != b.lesson || !SameLink(LinkAt(*m, cell), link))
      report.Add(at() + "ortak dersin sınıfı " + Num(c) + " aynı dersi aynı blokta tutmuyor");
  }
  for (int k = 0; k < b.teacherCount; ++k) {
    const int t = b.teachers[static_cast<std::size_t>(k)];
    CheckHolder(
        school.TeacherGridByNo(t), cell, b, link, [&] { return at() + "öğretmen " + Num(t); },
        report);
  }
  for (int k = 0; k < b.roomCount; ++k) {
    const int r = b.rooms[static_cast<std::size_t>(k)];
    CheckHolder(
        school.RoomGridByNo(r), cell, b, link, [&] { return at() + "derslik " + Num(r); }, report);
  }
}

void CheckClassGrid(const School& school, const TClassGridRec& g, Report& report) {
  const std::string who = Owner("sınıf", g.classNo);
  if (school.ClassByNo(g.classNo) == nullptr)
    report.Add(who + ": programı var, sınıfı yok");
  std::array<int, kDays> placed{};
  for (int cell = 1; cell <= kCells; ++cell) {
    CheckFreeCell(g, cell, who, report);
    const int lesson = g.occupant[At(cell)];
    if (lesson == 0) continue;
    ++placed[cells::DayAt(cell)];
    const std::optional<Block> b = ParticipantsOf(school, g.classNo, lesson);
    if (!b || school.LessonByNo(lesson) == nullptr) {
      report.Add(who + ", " + CellText(cell) + ": sınıfın almadığı ders " + Num(lesson));
      continue;
    }
    CheckClassBlock(g, cell, who, report);
    CheckParticipants(school, g, cell, *b, who, report);
  }
  for (std::size_t d = 0; d < kDays; ++d) {
    const uint8_t expected = cells::Byte(DayWindowLength(g, d) - placed[d]);
    if (g.freeHours[d] != expected)
      report.Add(who + ", " + std::string(DayName(static_cast<int>(d) + 1)) +
                 ": boş saat sayacı " + Num(g.freeHours[d]) + ", olması gereken " +
                 Num(expected));
  }
}

// The lesson class `classNo` holds at the cell lists `number` among its teachers
// (or rooms when `rooms`).
bool TakesPart(const School& school, int classNo, int cell, int number, bool rooms) {
  const TClassGridRec* cg = school.ClassGridByNo(classNo);
  if (cg == nullptr || cg->occupant[At(cell)] == 0) return false;
  const TClassLessonRec* cl = school.ClassLessonAt(classNo, cg->occupant[At(cell)]);
  if (cl == nullptr) return false;
  const auto& list = rooms ? cl->rooms : cl->teachers;
  const int n = std::min<int>(rooms ? cl->roomCount : cl->teacherCount, kMaxListed);
  return std::find(list.begin(), list.begin() + n, number) != list.begin() + n;
}

void CheckTeacherGrid(const School& school, const TTeacherGridRec& g, Report& report) {
  const std::string who = Owner("öğretmen", g.teacher);
  if (school.TeacherByNo(g.teacher) == nullptr)
    report.Add(who + ": programı var, öğretmeni yok");
  DayBytes perDay{};
  int total = 0;
  for (int cell = 1; cell <= kCells; ++cell) {
    CheckFreeCell(g, cell, who, report);
    const int classNo = g.occupant[At(cell)];
    if (classNo == 0) continue;
    ++total;
    ++perDay[cells::DayAt(cell)];
    if (!TakesPart(school, classNo, cell, g.teacher, false))
      report.Add(who + ", " + CellText(cell) + ": sınıf " + Num(classNo) +
                 " yazılı, sınıfın o saatteki dersine girmiyor");
  }
  if (g.placedHours != total)
    report.Add(who + ": yerleşen saat sayacı " + Num(g.placedHours) + ", programda " +
               Num(total));
  if (g.placedPerDay != perDay)
    report.Add(who + ": günlük yerleşen saat sayaçları tutmuyor");
}

void CheckRoomGrid(const School& school, const TRoomGridRec& g, Report& report) {
  const std::string who = Owner("derslik", g.room);
  if (school.RoomByNo(g.room) == nullptr)
    report.Add(who + ": programı var, dersliği yok");
  for (int cell = 1; cell <= kCells; ++cell) {
    CheckFreeCell(g, cell, who, report);
    const int classNo = g.occupant[At(cell)];
    if (classNo != 0 && !TakesPart(school, classNo, cell, g.room, true))
      report.Add(who + ", " + CellText(cell) + ": sınıf " + Num(classNo) +
                 " yazılı, sınıfın o saatteki dersi bu dersliği kullanmıyor");
  }
}

void CheckGridsExist(const School& school, Report& report) {
  for (const TTeacherRec& t : school.Teachers)
    if (school.TeacherGridByNo(t.number) == nullptr)
      report.Add(Owner("öğretmen", t.number) + ": programı yok");
  for (const TClassRec& c : school.Classes)
    if (school.ClassGridByNo(c.number) == nullptr)
      report.Add(Owner("sınıf", c.number) + ": programı yok");
  for (const TRoomRec& r : school.Rooms)
    if (school.RoomGridByNo(r.number) == nullptr)
      report.Add(Owner("derslik", r.number) + ": programı yok");
}

}  // namespace

std::vector<std::string> CheckConsistency(const School& school) {
  Report report;
  CheckGridsExist(school, report);
  for (const TClassGridRec& g : school.ClassGrids) CheckClassGrid(school, g, report);
  for (const TTeacherGridRec& g : school.TeacherGrids)
    CheckTeacherGrid(school, g, report);
  for (const TRoomGridRec& g : school.RoomGrids) CheckRoomGrid(school, g, report);
  CheckAssignments(school, report);
  CheckHourTotals(school, report);
  return report.Take();
}

}  // namespace kalvodrin
