#include "why_fix_trials.h"

#include <algorithm>
#include <memory>

#include "core/cells.h"
#include "core/turkish_text.h"
#include "engine/block_operations.h"
#include "engine/counts.h"
#include "scheduler/placement_run.h"

namespace kalvodrin {
namespace {

std::size_t At(int cell) { return static_cast<std::size_t>(cell - 1); }

uint8_t Byte(int value) { return static_cast<uint8_t>(std::clamp(value, 0, 255)); }

std::string Title(const School& s, const FixTrial& t) {
  const TClassRec* c = s.ClassByNo(t.classNo);
  const TLessonRec* l = s.LessonByNo(t.lesson);
  const TTeacherRec* teacher = s.TeacherByNo(t.teacher);
  return Cp1254ToUtf8((teacher ? teacher->name.str() : "?") + " / " +
                      (c ? c->name.str() + " " + c->section.str() : "?") + " " +
                      (l ? l->name.str() : "?"));
}

}  // namespace

int FixTrials::worked() const {
  return static_cast<int>(
      std::count_if(trials.begin(), trials.end(), [](const FixTrial& t) { return t.worked; }));
}

bool ApplyFix(School& school, const Reason& fix) {
  TTeacherGridRec* teacher =
      fix.party == Party::kTeacher ? school.TeacherGridByNo(fix.owner) : nullptr;
  switch (fix.kind) {
    case Blocker::kCellClosed: {
      auto& open = fix.party == Party::kTeacher ? school.TeacherGridByNo(fix.owner)->open
                   : fix.party == Party::kClass ? school.ClassGridByNo(fix.owner)->open
                                                : school.RoomGridByNo(fix.owner)->open;
      open[At(fix.cell)] = 1;
      return true;
    }
    case Blocker::kTeacherBusy:
    case Blocker::kClassBusy:
    case Blocker::kRoomBusy: {
      const TClassGridRec& g = *school.ClassGridByNo(fix.classNo);
      return RemoveBlock(school, g.blockLen[At(fix.cell)], g.blockStart[At(fix.cell)], fix.classNo,
                         nullptr) == RemoveOutcome::kRemoved;
    }
    case Blocker::kDailyMaximum:
      if (teacher == nullptr) return false;
      teacher->special.maxHoursPerDay =
          Byte(teacher->effective.maxHoursPerDay + std::max(fix.amount, 1));
      return true;
    case Blocker::kGapRule:
      if (teacher == nullptr) return false;
      teacher->special.gapsAllowed = 1;
      return true;
    case Blocker::kDaysApart:
      if (teacher == nullptr) return false;
      teacher->special.dayBetweenDays = 0;
      return true;
    case Blocker::kDifferentHours:
      if (teacher == nullptr) return false;
      teacher->special.differentHours = 0;
      return true;
    case Blocker::kTwoLessonsOfOneClass:
      if (teacher == nullptr) return false;
      teacher->special.sameClassDifferentDays = 0;
      return true;
    case Blocker::kLessonGroupRule:
      if (teacher == nullptr) return false;
      teacher->special.groupDifferentDays = 0;
      return true;
    case Blocker::kSameLessonRule:
      if ((fix.amount & kJoinSingles) != 0) school.Settings.mergeOnePlusOne = 1;
      if ((fix.amount & kThreeADay) != 0) school.Settings.moreThanTwoPerDay = 1;
      return fix.amount != 0;
    case Blocker::kOutsideWindow: {
      TClassGridRec* g = fix.party == Party::kClass ? school.ClassGridByNo(fix.owner) : nullptr;
      if (g == nullptr) return false;
      // The other class's day reaches over the start hour's whole day window of the first.
      const std::size_t d = static_cast<std::size_t>(DayOfCell(fix.cell) - 1);
      g->firstHour[d] = static_cast<uint8_t>(g->firstHour[d] == 0 ? HourOfCell(fix.cell)
                                                                   : std::min<int>(g->firstHour[d], HourOfCell(fix.cell)));
      g->lastHour[d] = static_cast<uint8_t>(std::max<int>(g->lastHour[d], kHoursPerDay));
      return true;
    }
    case Blocker::kAlignedBlocks: school.Settings.alignedBlocks = 0; return true;
    case Blocker::kNotAtHour:
      if (TLessonRec* l = school.LessonByNo(fix.lesson)) l->notAtHour = 0;
      return school.LessonByNo(fix.lesson) != nullptr;
    case Blocker::kNotAfterHour:
      if (TLessonRec* l = school.LessonByNo(fix.lesson)) l->notAfterHour = 0;
      return school.LessonByNo(fix.lesson) != nullptr;
    default: return false;
  }
}

FixTrials TryEveryCheapestFix(const School& school) {
  FixTrials out;
  const WhyNotReport report = BuildWhyNot(school);
  for (const WhyNotRow& row : report.rows) {
    FixTrial t{row.teacher, row.classNo, row.lesson, row.length, {}, 0, false, {}};
    if (!row.cheapestFix) {
      // The fewest things in the way at any start: each must change for the block.
      std::size_t fewest = 0;
      for (const WhyNotCell& cell : row.cells)
        if (fewest == 0 || cell.reasons.size() < fewest) fewest = cell.reasons.size();
      out.without.push_back(Title(school, t) + ": no single fix, at best " +
                            std::to_string(fewest) + " things in the way at a start");
      continue;
    }
    t.fix = *row.cheapestFix;
    for (const WhyNotCell& cell : row.cells)
      if (t.startCell == 0 && cell.reasons.size() == 1 && cell.reasons.front() == t.fix)
        t.startCell = CellIndex(cell.day, cell.hour);
    auto copy = std::make_unique<School>(school);
    if (t.startCell == 0 || !ApplyFix(*copy, t.fix)) {
      t.why = "the fix names no change to make";
    } else {
      const int before = PlacedHours(*copy, row.classNo, row.lesson);
      PlacementRun(*copy).RunAtCell(row.teacher, row.classNo, row.lesson, t.startCell);
      t.worked = PlacedHours(*copy, row.classNo, row.lesson) >= before + row.length;
      if (!t.worked) {
        // What the report says of that start once the change is made.
        auto changed = std::make_unique<School>(school);
        ApplyFix(*changed, t.fix);
        for (const WhyNotRow& after : BuildWhyNot(*changed).rows)
          if (after.classNo == row.classNo && after.lesson == row.lesson)
            for (const WhyNotCell& cell : after.cells)
              if (CellIndex(cell.day, cell.hour) == t.startCell) {
                for (const Reason& r : cell.reasons)
                  t.why += (t.why.empty() ? "" : "; ") + ReasonText(*changed, r);
                if (cell.reasons.empty()) t.why = "nothing in the way, yet the run did not place it";
              }
      }
    }
    out.trials.push_back(std::move(t));
  }
  return out;
}

std::string Describe(const School& school, const FixTrials& trials) {
  std::string text;
  for (const FixTrial& t : trials.trials) {
    if (t.worked) continue;
    text += Title(school, t) + " at " + std::to_string(DayOfCell(t.startCell)) + "/" +
            std::to_string(HourOfCell(t.startCell)) + ": " + FixText(school, t.fix) + " -> " +
            t.why + "\n";
  }
  for (const std::string& w : trials.without) text += w + "\n";
  return text;
}

}  // namespace kalvodrin
