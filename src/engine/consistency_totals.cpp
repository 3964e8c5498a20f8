#include "engine/consistency_report.h"
#include "engine/counts.h"

namespace kalvodrin {
namespace {

// A stored 0 is a total not counted yet (a school before its first run), which every
// run counts first; a counted total that no longer matches is stale.
void Compare(Report& report, const std::string& who, std::string_view what, int stored,
             int recounted) {
  if (stored != 0 && stored != recounted)
    report.Add(who + ": " + std::string(what) + " " + Num(stored) + ", derslerinden sayılan " +
               Num(recounted));
}

}  // namespace

void CheckHourTotals(const School& school, Report& report) {
  for (const TClassGridRec& g : school.ClassGrids)
    Compare(report, Owner("sınıf", g.classNo), "haftalık ders saati", g.weeklyHours,
            std::min(RecountClassWeeklyHours(school, g.classNo), 255));
  for (const TRoomGridRec& g : school.RoomGrids)
    Compare(report, Owner("derslik", g.room), "haftalık ders saati", g.weeklyHours,
            std::min(RecountRoomWeeklyHours(school, g.room), 255));
  for (const TTeacherGridRec& g : school.TeacherGrids) {
    const TeacherHourCounts counts = RecountTeacherHours(school, g.teacher);
    const std::string who = Owner("öğretmen", g.teacher);
    Compare(report, who, "haftalık ders saati", g.weeklyHours, counts.weeklyHours);
    Compare(report, who, "sabahçı sınıflardaki saati", g.morningHours, counts.morningHours);
    Compare(report, who, "öğlenci sınıflardaki saati", g.afternoonHours, counts.afternoonHours);
  }
}

}  // namespace kalvodrin
