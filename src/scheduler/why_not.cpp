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
  const bool windowHolds = WindowTest(school, b);
  out.insert(out.end(), closed.begin(), closed.end());
  if (!windowHolds && closed.empty()) out.push_back({Blocker::kOutsideWindow});
  if (!windowHolds) return;
  // The other classes of a common lesson may keep a shorter day: each is named with
  // its last hour that day.
  const std::size_t d = static_cast<std::size_t>(b.day - 1);
  for (int i = 1; i < b.classCount; ++i) {
    const int no = b.classes[static_cast<std::size_t>(i)];
    const TClassGridRec* cg = school.ClassGridByNo(no);
    if (cg == nullptr) continue;
    const bool inside = cg->firstHour[d] != 0 && b.startHour >= cg->firstHour[d] &&
                        b.startHour + b.length - 1 <= cg->lastHour[d];
    if (inside) continue;
    Reason r{Blocker::kOutsideWindow, Party::kClass, no, b.startCell};
    r.amount = cg->firstHour[d] != 0 ? cg->lastHour[d] : 0;
    out.push_back(r);
  }
}

Block OneTeacher(const Block& b, int i) {
  Block one = b;
  one.teacherCount = 1;
  one.teachers[0] = b.teachers[static_cast<std::size_t>(i)];
  return one;
}

// How many hours more a day the teacher must be given for the block to pass its daily
// maximum: 0 when no raise of the maximum alone would do (the even spread of its hours
// over the week holds it then). Asked with the teacher's value raised for a moment.
int HoursMoreADay(School& school, const Block& one, const RuleParams& params) {
  TTeacherGridRec& t = *school.TeacherGridByNo(one.teachers[0]);
  const uint8_t was = t.effective.maxHoursPerDay;
  int more = 0;
  for (int k = 1; k <= kHoursPerDay && more == 0; ++k) {
    t.effective.maxHoursPerDay = static_cast<uint8_t>(std::min(was + k, 255));
    if (DailyMaximumRule(school, one, params)) more = k;
  }
  t.effective.maxHoursPerDay = was;
  return more;
}

// Which of the school's two switches for more hours of a lesson on one day would let
// the block in: kJoinSingles (two single hours joined into a double), kThreeADay (up to
// three hours a day), both, or 0 when neither would. Asked with them set for a moment.
int SameLessonSwitchesNeeded(School& school, const Block& b, const RuleParams& params) {
  TSettingsRec& set = school.Settings;
  const uint8_t merge = set.mergeOnePlusOne;
  const uint8_t more = set.moreThanTwoPerDay;
  int needed = 0;
  for (int tried : {kJoinSingles, kThreeADay, kJoinSingles | kThreeADay}) {
    set.mergeOnePlusOne = (tried & kJoinSingles) != 0 ? 1 : merge;
    set.moreThanTwoPerDay = (tried & kThreeADay) != 0 ? 1 : more;
    if (SameLessonRule(school, b, params)) {
      needed = tried;
      break;
    }
  }
  set.mergeOnePlusOne = merge;
  set.moreThanTwoPerDay = more;
  return needed;
}

// The rules as the run takes them from the settings, before any relaxation. The daily
// maximum and the gaps are each teacher's own; the rules a lesson's first teacher
// switches on name that teacher, whose setting would let the block in.
void RuleReasons(School& school, const Block& b, std::vector<Reason>& out) {
  const RuleParams params;
  const int first = b.teacherCount > 0 ? b.teachers[0] : 0;
  const Party firstParty = first != 0 ? Party::kTeacher : Party::kNone;
  for (int i = 0; i < b.teacherCount; ++i) {
    const Block one = OneTeacher(b, i);
    if (DailyMaximumRule(school, one, params)) continue;
    Reason r{Blocker::kDailyMaximum, Party::kTeacher, one.teachers[0]};
    r.amount = HoursMoreADay(school, one, params);
    out.push_back(r);
  }
  for (int i = 0; i < b.teacherCount; ++i) {
    const Block one = OneTeacher(b, i);
    if (!GapRule(school, one, params))
      out.push_back({Blocker::kGapRule, Party::kTeacher, one.teachers[0]});
  }
  if (!SameLessonRule(school, b, params)) {
    Reason r{Blocker::kSameLessonRule};
    r.amount = SameLessonSwitchesNeeded(school, b, params);
    out.push_back(r);
  }
  if (!DaysApartRule(school, b, params)) out.push_back({Blocker::kDaysApart, firstParty, first});
  if (!DifferentHoursRule(school, b, params))
    out.push_back({Blocker::kDifferentHours, firstParty, first});
  if (!OneTeacherTwoLessonsRule(school, b, params))
    out.push_back({Blocker::kTwoLessonsOfOneClass, firstParty, first});
  if (!LessonGroupRule(school, b, params))
    out.push_back({Blocker::kLessonGroupRule, firstParty, first});
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

// Cheaper fixes come first: opening one cell costs least, then more hours a day, then
// moving one block, then a teacher's setting, then a setting of the whole school or a
// class's day. Nothing when no single change is known to let the block in.
std::optional<int> FixCost(const Reason& r) {
  switch (r.kind) {
    case Blocker::kCellClosed: return 0;
    case Blocker::kDailyMaximum:
      if (r.amount == 0) return std::nullopt;
      return 1;
    case Blocker::kTeacherBusy:
    case Blocker::kClassBusy:
    case Blocker::kRoomBusy: return 2;
    case Blocker::kGapRule:
    case Blocker::kDaysApart:
    case Blocker::kDifferentHours:
    case Blocker::kTwoLessonsOfOneClass:
    case Blocker::kLessonGroupRule:
      if (r.party != Party::kTeacher) return std::nullopt;
      return 3;
    case Blocker::kSameLessonRule:
      if (r.amount == 0) return std::nullopt;
      return 4;
    case Blocker::kOutsideWindow:
      if (r.party != Party::kClass) return std::nullopt;
      return 4;
    case Blocker::kAnnexRule: return std::nullopt;
    case Blocker::kAlignedBlocks:
    case Blocker::kNotAtHour:
    case Blocker::kNotAfterHour: return 4;
  }
  return std::nullopt;
}

std::string Utf8(const std::string& cp1254) { return Cp1254ToUtf8(cp1254); }

std::string TeacherName(const School& s, int no) {
  const TTeacherRec* t = s.TeacherByNo(no);
  return t ? Utf8(t->name.str()) : "?";
}
std::string ClassName(const School& s, int no) {
  const TClassRec* c = s.ClassByNo(no);
  if (c == nullptr) return "?";
  // A class named whole without a section ("9-A") reads "9-A, 2. gün", not "9-A , 2. gün".
  return Utf8(c->section.empty() ? c->name.str() : c->name.str() + " " + c->section.str());
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
// "bir", "iki", ... for the small counts a fix names; digits beyond nine.
std::string CountWord(int n) {
  static const char* const kWords[] = {"sıfır", "bir",  "iki",  "üç",    "dört",
                                       "beş",   "altı", "yedi", "sekiz", "dokuz"};
  return n >= 0 && n <= 9 ? kWords[n] : std::to_string(n);
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
  auto journal = std::make_unique<ChangeJournal>();
  return ReasonsAt(prepared, classNo, lesson, length, startCell, *journal);
}

std::vector<Reason> ReasonsAt(School& prepared, int classNo, int lesson, int length, int startCell,
                              ChangeJournal& scratch) {
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
  const int mark = scratch.Mark();
  if (TakeOutBlocksInTheWay(prepared, b, scratch)) RuleReasons(prepared, b, out);
  RollBack(prepared, scratch, mark);
  return out;
}

WhyNotReport BuildWhyNot(const School& school) {
  auto prepared = std::make_unique<School>(school);
  PrepareAllTeachers(*prepared);
  auto journal = std::make_unique<ChangeJournal>();
  WhyNotReport report;
  // A fix, and the rows whose next block it would let in.
  std::map<std::tuple<int, int, int, int, int, int, int>, std::set<std::size_t>> lets;
  std::map<std::tuple<int, int, int, int, int, int, int>, Reason> fixes;
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
            WhyNotCell cell{day, hour,
                            ReasonsAt(*prepared, tl.classNo, tl.lesson, row.length,
                                      CellIndex(day, hour), *journal)};
            // A start the run never tries is a reason of its own, listed first: whatever
            // else is opened there, the run would not place the block at it.
            if (const std::optional<Reason> never = StartNeverTried(
                    *prepared, tl.classNo, tl.lesson, row.length, CellIndex(day, hour)))
              cell.reasons.insert(cell.reasons.begin(), *never);
            if (cell.reasons.size() == 1 && FixCost(cell.reasons.front())) {
              const Reason& only = cell.reasons.front();
              if (!row.cheapestFix || *FixCost(only) < *FixCost(*row.cheapestFix))
                row.cheapestFix = only;
              const auto key =
                  std::make_tuple(static_cast<int>(only.kind), static_cast<int>(only.party),
                                  only.owner, only.cell, only.classNo, only.lesson, only.amount);
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
    // A class hour is counted once: the rows of a lesson's second teacher and of the
    // other classes of its common lesson wait for the same block.
    std::set<std::pair<int, int>> blocks;
    int hours = 0;
    for (std::size_t r : rows) {
      const WhyNotRow& row = report.rows[r];
      const TClassLessonRec* cl = prepared->ClassLessonAt(row.classNo, row.lesson);
      const int unit = cl != nullptr && cl->commonGroup != 0 ? -cl->commonGroup : row.classNo;
      if (blocks.insert({unit, row.lesson}).second) hours += row.length;
    }
    if (hours > report.bestFixHours || (hours == report.bestFixHours && report.bestFix &&
                                        *FixCost(fixes[key]) < *FixCost(*report.bestFix))) {
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
  // A rule of one teacher's names the teacher.
  const std::string whose = r.party == Party::kTeacher ? ": " + PartyName(s, r) : std::string();
  switch (r.kind) {
    case Blocker::kTeacherBusy:
      return "Öğretmen dolu: " + PartyName(s, r) + ", " + CellName(r.cell) + in;
    case Blocker::kClassBusy:
      return "Sınıf dolu: " + PartyName(s, r) + ", " + CellName(r.cell) + " (" +
             LessonName(s, r.lesson) + ")";
    case Blocker::kRoomBusy:
      return "Derslik dolu: " + PartyName(s, r) + ", " + CellName(r.cell) + in;
    case Blocker::kCellClosed: return "Kapalı saat: " + PartyName(s, r) + ", " + CellName(r.cell);
    case Blocker::kOutsideWindow:
      if (r.party != Party::kClass) return "Ders saatleri dışında";
      return "Ders saatleri dışında: " + PartyName(s, r) + ", " +
             std::to_string(DayOfCell(r.cell)) + ". gün " +
             (r.amount != 0 ? "son ders " + std::to_string(r.amount) + ". saat" : "dersi yok");
    case Blocker::kDailyMaximum: return "Günlük en çok ders: " + PartyName(s, r);
    case Blocker::kGapRule: return "Boş saat kuralı" + whose;
    case Blocker::kSameLessonRule: return "Aynı ders aynı gün kuralı";
    case Blocker::kDaysApart: return "Günler arası kuralı" + whose;
    case Blocker::kDifferentHours: return "Farklı saatler kuralı" + whose;
    case Blocker::kTwoLessonsOfOneClass: return "Bir sınıfa aynı gün iki ders kuralı" + whose;
    case Blocker::kLessonGroupRule: return "Ders grubu kuralı" + whose;
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
    case Blocker::kDailyMaximum:
      return "Günde " + CountWord(r.amount) + " saat daha verin: " + PartyName(s, r);
    case Blocker::kTeacherBusy:
    case Blocker::kClassBusy:
    case Blocker::kRoomBusy:
      return "Dersi taşıyın: " + ClassName(s, r.classNo) + " " + LessonName(s, r.lesson) + ", " +
             CellName(r.cell);
    case Blocker::kGapRule: return "Boş saate izin verin: " + PartyName(s, r);
    case Blocker::kDaysApart:
    case Blocker::kDifferentHours:
    case Blocker::kTwoLessonsOfOneClass:
    case Blocker::kLessonGroupRule:
      if (r.party == Party::kTeacher) return "Öğretmenin ayarını gevşetin: " + ReasonText(s, r);
      break;
    case Blocker::kSameLessonRule: {
      std::string text = "Ayarı açın: ";
      if ((r.amount & kJoinSingles) != 0) text += "1 + 1 ders 2 biçiminde birleşebilsin";
      if (r.amount == (kJoinSingles | kThreeADay)) text += "; ";
      if ((r.amount & kThreeADay) != 0) text += "bir güne 2 den fazla ders verilebilsin";
      return text;
    }
    case Blocker::kOutsideWindow:
      if (r.party == Party::kClass)
        return "Ders saatlerini uzatın: " + PartyName(s, r) + ", " +
               std::to_string(DayOfCell(r.cell)) + ". gün";
      break;
    default: break;
  }
  return "Ayarı gevşetin: " + ReasonText(s, r);
}

}  // namespace kalvodrin
