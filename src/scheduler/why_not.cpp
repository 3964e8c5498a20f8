#include "scheduler/why_not.h"

#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <tuple>

#include "core/cells.h"
#include "core/turkish_text.h"
#include "engine/block.h"
#include "engine/block_operations.h"
#include "engine/change_journal.h"
#include "engine/counts.h"
#include "engine/rule_tests.h"
#include "engine/slot_tests.h"
#include "engine/teacher_preparation.h"
#include "scheduler/block_sizes.h"
#include "scheduler/start_rules.h"

namespace kalvodrin {

namespace {

std::size_t At(int cell) { return static_cast<std::size_t>(cell - 1); }

// The busy and closed cells of one participant's plane under the block.
template <typename Grid, typename Add>
void ScanCells(const Grid* grid, const Block& b, Add add) {
  if (grid == nullptr) return;
  for (int c = b.startCell; c < b.startCell + b.length; ++c) add(*grid, c);
}

void SlotReasons(const School& school, const Block& b, std::vector<Reason>& out) {
  std::vector<Reason> closed;
  auto busy = [&](Blocker kind, Party party, int owner, int cell, int classNo) {
    const TClassGridRec* cg = school.ClassGridByNo(classNo);
    const Reason r{kind, party, owner, cell, classNo, cg ? cg->occupant[At(cell)] : 0};
    // One block in the way of several hours is one reason, named at its first hour.
    for (const Reason& seen : out)
      if (seen.kind == kind && seen.owner == owner && seen.classNo == classNo &&
          seen.lesson == r.lesson)
        return;
    out.push_back(r);
  };
  for (int i = 0; i < b.teacherCount; ++i) {
    const int no = b.teachers[static_cast<std::size_t>(i)];
    ScanCells(school.TeacherGridByNo(no), b, [&](const TTeacherGridRec& g, int c) {
      if (g.occupant[At(c)] != 0)
        busy(Blocker::kTeacherBusy, Party::kTeacher, no, c, g.occupant[At(c)]);
      if (g.open[At(c)] == 0) closed.push_back({Blocker::kCellClosed, Party::kTeacher, no, c});
    });
  }
  for (int i = 0; i < b.classCount; ++i) {
    const int no = b.classes[static_cast<std::size_t>(i)];
    ScanCells(school.ClassGridByNo(no), b, [&](const TClassGridRec& g, int c) {
      if (g.occupant[At(c)] != 0) busy(Blocker::kClassBusy, Party::kClass, no, c, no);
      if (g.open[At(c)] == 0) closed.push_back({Blocker::kCellClosed, Party::kClass, no, c});
    });
  }
  for (int i = 0; i < b.roomCount; ++i) {
    const int no = b.rooms[static_cast<std::size_t>(i)];
    ScanCells(school.RoomGridByNo(no), b, [&](const TRoomGridRec& g, int c) {
      if (g.occupant[At(c)] != 0) busy(Blocker::kRoomBusy, Party::kRoom, no, c, g.occupant[At(c)]);
      if (g.open[At(c)] == 0) closed.push_back({Blocker::kCellClosed, Party::kRoom, no, c});
    });
  }
  // A teacher whose every cell of the day is closed has no usable window that day;
  // the closed cells say that better than "outside a window".
  bool windowHolds = WindowTest(school, b);
  // The other classes of a common lesson may keep a shorter day.
  for (int i = 1; i < b.classCount && windowHolds; ++i) {
    const TClassGridRec* cg = school.ClassGridByNo(b.classes[static_cast<std::size_t>(i)]);
    const std::size_t d = static_cast<std::size_t>(b.day - 1);
    windowHolds = cg != nullptr && cg->firstHour[d] != 0 && b.startHour >= cg->firstHour[d] &&
                  b.startHour + b.length - 1 <= cg->lastHour[d];
  }
  out.insert(out.end(), closed.begin(), closed.end());
  if (!windowHolds && closed.empty()) out.push_back({Blocker::kOutsideWindow});
}

// Which teachers of the block are over their daily maximum, each asked on its own.
void DailyMaximumReasons(const School& school, const Block& b, const RuleParams& params,
                         std::vector<Reason>& out) {
  for (int i = 0; i < b.teacherCount; ++i) {
    Block one = b;
    one.teacherCount = 1;
    one.teachers[0] = b.teachers[static_cast<std::size_t>(i)];
    if (!DailyMaximumRule(school, one, params))
      out.push_back({Blocker::kDailyMaximum, Party::kTeacher, one.teachers[0]});
  }
}

// The rules as the run takes them from the settings, before any relaxation.
void RuleReasons(const School& school, const Block& b, std::vector<Reason>& out) {
  const RuleParams params;
  DailyMaximumReasons(school, b, params, out);
  if (!GapRule(school, b, params)) out.push_back({Blocker::kGapRule});
  if (!SameLessonRule(school, b, params)) out.push_back({Blocker::kSameLessonRule});
  if (!DaysApartRule(school, b, params)) out.push_back({Blocker::kDaysApart});
  if (!DifferentHoursRule(school, b, params)) out.push_back({Blocker::kDifferentHours});
  if (!OneTeacherTwoLessonsRule(school, b, params)) out.push_back({Blocker::kTwoLessonsOfOneClass});
  if (!LessonGroupRule(school, b, params)) out.push_back({Blocker::kLessonGroupRule});
  if (!AnnexRule(school, b, params)) out.push_back({Blocker::kAnnexRule});
}

// Takes out, through the journal, every block that a teacher, class or classroom of
// `b` holds in its hours. False when one cannot be taken out (damaged cells).
bool TakeOutBlocksInTheWay(School& school, const Block& b, ChangeJournal& journal) {
  for (int c = b.startCell; c < b.startCell + b.length; ++c) {
    // The class of each block in the way: teachers and rooms name it in their cells.
    std::vector<int> classes;
    for (int i = 0; i < b.teacherCount; ++i)
      if (const TTeacherGridRec* g =
              school.TeacherGridByNo(b.teachers[static_cast<std::size_t>(i)]))
        classes.push_back(g->occupant[At(c)]);
    for (int i = 0; i < b.classCount; ++i)
      classes.push_back(b.classes[static_cast<std::size_t>(i)]);
    for (int i = 0; i < b.roomCount; ++i)
      if (const TRoomGridRec* g = school.RoomGridByNo(b.rooms[static_cast<std::size_t>(i)]))
        classes.push_back(g->occupant[At(c)]);
    for (int classNo : classes) {
      const TClassGridRec* g = classNo != 0 ? school.ClassGridByNo(classNo) : nullptr;
      // Empty: nothing there, or already taken out with its common lesson.
      if (g == nullptr || g->occupant[At(c)] == 0) continue;
      if (RemoveBlock(school, g->blockLen[At(c)], g->blockStart[At(c)], classNo, &journal) ==
          RemoveOutcome::kRefused)
        return false;
    }
  }
  return true;
}

// Cheaper fixes come first: opening one cell costs least, then one more hour a day,
// then moving one block; a rule is a setting of the whole school.
int FixCost(const Reason& r) {
  switch (r.kind) {
    case Blocker::kCellClosed: return 0;
    case Blocker::kDailyMaximum: return 1;
    case Blocker::kTeacherBusy:
    case Blocker::kClassBusy:
    case Blocker::kRoomBusy: return 2;
    default: return 3;
  }
}

std::string Utf8(const std::string& cp1254) { return Cp1254ToUtf8(cp1254); }

std::string TeacherName(const School& s, int no) {
  const TTeacherRec* t = s.TeacherByNo(no);
  return t ? Utf8(t->name.str()) : "?";
}
std::string ClassName(const School& s, int no) {
  const TClassRec* c = s.ClassByNo(no);
  return c ? Utf8(c->name.str() + " " + c->section.str()) : "?";
}
std::string LessonName(const School& s, int no) {
  const TLessonRec* l = s.LessonByNo(no);
  return l ? Utf8(l->name.str()) : "?";
}
std::string RoomName(const School& s, int no) {
  const TRoomRec* r = s.RoomByNo(no);
  return r ? Utf8(r->name.str()) : "?";
}
std::string PartyName(const School& s, const Reason& r) {
  switch (r.party) {
    case Party::kTeacher: return TeacherName(s, r.owner);
    case Party::kClass: return ClassName(s, r.owner);
    case Party::kRoom: return RoomName(s, r.owner);
    case Party::kNone: break;
  }
  return {};
}
std::string CellName(int cell) {
  return std::to_string(DayOfCell(cell)) + ". gün " + std::to_string(HourOfCell(cell)) + ". saat";
}

}  // namespace

std::optional<Reason> StartNeverTried(const School& prepared, int classNo, int lesson, int length,
                                      int startCell) {
  std::optional<Block> made = MakeBlock(prepared, classNo, lesson, length, startCell);
  const TLessonRec* rec = prepared.LessonByNo(lesson);
  const TClassGridRec* cg = prepared.ClassGridByNo(classNo);
  if (!made || rec == nullptr || cg == nullptr || made->teacherCount == 0) return std::nullopt;
  const int first = cg->firstHour[static_cast<std::size_t>(made->day - 1)];
  switch (StartSkipAt(*rec, length, made->startHour, first, RunAlignsBlocks(prepared),
                      [&] { return EarlyHoursHaveRoom(prepared, *made, false); })) {
    case StartSkip::kTried: return std::nullopt;
    case StartSkip::kNotAtHour: return Reason{Blocker::kNotAtHour};
    case StartSkip::kNotAfterHour:
      return Reason{Blocker::kNotAfterHour, Party::kNone, 0, 0, 0, lesson};
    case StartSkip::kAlignedBlocks: return Reason{Blocker::kAlignedBlocks};
  }
  return std::nullopt;
}

std::vector<Reason> ReasonsAt(School& prepared, int classNo, int lesson, int length,
                              int startCell) {
  std::vector<Reason> out;
  std::optional<Block> made = MakeBlock(prepared, classNo, lesson, length, startCell);
  if (!made || !BlockFitsDay(*made)) {
    out.push_back({Blocker::kOutsideWindow});
    return out;
  }
  const Block& b = *made;
  SlotReasons(prepared, b, out);
  const bool busy = std::any_of(out.begin(), out.end(), [](const Reason& r) {
    return r.kind == Blocker::kTeacherBusy || r.kind == Blocker::kClassBusy ||
           r.kind == Blocker::kRoomBusy;
  });
  if (!busy) {
    RuleReasons(prepared, b, out);
    return out;
  }
  // The search never asks the rules where a block stands in the way, and they would
  // read that block as the new one's neighbour. With the blocks in the way taken out
  // for a moment, the rules say whether moving them would be enough.
  auto journal = std::make_unique<ChangeJournal>();
  if (TakeOutBlocksInTheWay(prepared, b, *journal)) RuleReasons(prepared, b, out);
  RollBack(prepared, *journal, 0);
  return out;
}

WhyNotReport BuildWhyNot(const School& school) {
  auto prepared = std::make_unique<School>(school);
  PrepareAllTeachers(*prepared);
  WhyNotReport report;
  // A fix, and the rows whose next block it would let in.
  std::map<std::tuple<int, int, int, int, int, int>, std::set<std::size_t>> lets;
  std::map<std::tuple<int, int, int, int, int, int>, Reason> fixes;
  for (const TTeacherRec& teacher : prepared->Teachers) {
    for (const TTeacherLessonRec& tl : prepared->TeacherLessons) {
      if (tl.teacher != teacher.number) continue;
      const TLessonRec* lesson = prepared->LessonByNo(tl.lesson);
      const int weekly = lesson != nullptr ? lesson->weeklyHours : 0;
      const int remaining = weekly - PlacedHours(*prepared, tl.classNo, tl.lesson);
      if (remaining <= 0) continue;
      WhyNotRow row{tl.teacher,
                    tl.classNo,
                    tl.lesson,
                    remaining,
                    NextBlockLength(*prepared, tl.classNo, tl.lesson),
                    {},
                    {}};
      const TClassGridRec* cg = prepared->ClassGridByNo(tl.classNo);
      if (row.length > 0 && cg != nullptr) {
        for (int day = 1; day <= kDays; ++day) {
          const std::size_t d = static_cast<std::size_t>(day - 1);
          const int first = cg->firstHour[d];
          const int last = std::min<int>(cg->lastHour[d], kHoursPerDay);
          if (first == 0 || last == 0) continue;
          for (int hour = first; hour <= last - row.length + 1; ++hour) {
            WhyNotCell cell{
                day, hour,
                ReasonsAt(*prepared, tl.classNo, tl.lesson, row.length, CellIndex(day, hour))};
            // A start the run never tries is a reason of its own, listed first: whatever
            // else is opened there, the run would not place the block at it.
            if (const std::optional<Reason> never = StartNeverTried(
                    *prepared, tl.classNo, tl.lesson, row.length, CellIndex(day, hour)))
              cell.reasons.insert(cell.reasons.begin(), *never);
            if (cell.reasons.size() == 1) {
              const Reason& only = cell.reasons.front();
              if (!row.cheapestFix || FixCost(only) < FixCost(*row.cheapestFix))
                row.cheapestFix = only;
              const auto key =
                  std::make_tuple(static_cast<int>(only.kind), static_cast<int>(only.party),
                                  only.owner, only.cell, only.classNo, only.lesson);
              lets[key].insert(report.rows.size());
              fixes[key] = only;
            }
            row.cells.push_back(std::move(cell));
          }
        }
      }
      report.rows.push_back(std::move(row));
    }
  }
  for (const auto& [key, rows] : lets) {
    int hours = 0;
    for (std::size_t r : rows) hours += report.rows[r].length;
    if (hours > report.bestFixHours || (hours == report.bestFixHours && report.bestFix &&
                                        FixCost(fixes[key]) < FixCost(*report.bestFix))) {
      report.bestFixHours = hours;
      report.bestFix = fixes[key];
    }
  }
  return report;
}

const char* BlockerKey(Blocker kind) {
  switch (kind) {
    case Blocker::kTeacherBusy: return "teacherBusy";
    case Blocker::kClassBusy: return "classBusy";
    case Blocker::kRoomBusy: return "roomBusy";
    case Blocker::kCellClosed: return "cellClosed";
    case Blocker::kOutsideWindow: return "outsideWindow";
    case Blocker::kDailyMaximum: return "dailyMaximum";
    case Blocker::kGapRule: return "gapRule";
    case Blocker::kSameLessonRule: return "sameLessonRule";
    case Blocker::kDaysApart: return "daysApart";
    case Blocker::kDifferentHours: return "differentHours";
    case Blocker::kTwoLessonsOfOneClass: return "twoLessonsOfOneClass";
    case Blocker::kLessonGroupRule: return "lessonGroupRule";
    case Blocker::kAnnexRule: return "annexRule";
    case Blocker::kAlignedBlocks: return "alignedBlocks";
    case Blocker::kNotAtHour: return "notAtHour";
    case Blocker::kNotAfterHour: return "notAfterHour";
  }
  return "";
}

std::string ReasonText(const School& s, const Reason& r) {
  const std::string in = r.classNo != 0
                             ? " (" + ClassName(s, r.classNo) + " " + LessonName(s, r.lesson) + ")"
                             : std::string();
  switch (r.kind) {
    case Blocker::kTeacherBusy:
      return "Öğretmen dolu: " + PartyName(s, r) + ", " + CellName(r.cell) + in;
    case Blocker::kClassBusy:
      return "Sınıf dolu: " + PartyName(s, r) + ", " + CellName(r.cell) + " (" +
             LessonName(s, r.lesson) + ")";
    case Blocker::kRoomBusy:
      return "Derslik dolu: " + PartyName(s, r) + ", " + CellName(r.cell) + in;
    case Blocker::kCellClosed: return "Kapalı saat: " + PartyName(s, r) + ", " + CellName(r.cell);
    case Blocker::kOutsideWindow: return "Ders saatleri dışında";
    case Blocker::kDailyMaximum: return "Günlük en çok ders: " + PartyName(s, r);
    case Blocker::kGapRule: return "Boş saat kuralı";
    case Blocker::kSameLessonRule: return "Aynı ders aynı gün kuralı";
    case Blocker::kDaysApart: return "Günler arası kuralı";
    case Blocker::kDifferentHours: return "Farklı saatler kuralı";
    case Blocker::kTwoLessonsOfOneClass: return "Bir sınıfa aynı gün iki ders kuralı";
    case Blocker::kLessonGroupRule: return "Ders grubu kuralı";
    case Blocker::kAnnexRule: return "Ek bina kuralı";
    case Blocker::kAlignedBlocks: return "Bloklar tek saatte başlar";
    case Blocker::kNotAtHour: return "Dersin blokları bu saatte başlamaz";
    case Blocker::kNotAfterHour: {
      const TLessonRec* l = s.LessonByNo(r.lesson);
      return "Ders günün ilk " + std::to_string(l != nullptr ? l->notAfterHour : 0) +
             " saatinde bitmeli";
    }
  }
  return {};
}

std::string FixText(const School& s, const Reason& r) {
  switch (r.kind) {
    case Blocker::kCellClosed: return "Saati açın: " + PartyName(s, r) + ", " + CellName(r.cell);
    case Blocker::kDailyMaximum: return "Günde bir saat daha verin: " + PartyName(s, r);
    case Blocker::kTeacherBusy:
    case Blocker::kClassBusy:
    case Blocker::kRoomBusy:
      return "Dersi taşıyın: " + ClassName(s, r.classNo) + " " + LessonName(s, r.lesson) + ", " +
             CellName(r.cell);
    default: return "Ayarı gevşetin: " + ReasonText(s, r);
  }
}

}  // namespace kalvodrin
