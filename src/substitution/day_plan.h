#pragma once
// The substitution plan of one school day ("DERS GÖREVLENDİRME"): every lesson hour
// of the absent teachers with the teacher proposed to take it. The proposal covers as
// many hours as can be covered at all and, among such plans, spreads the hours so that
// every teacher's term count follows their weight (the sum of count² / weight is as
// small as the day allows); the ranking of candidates.h only breaks ties between
// teachers a whole share apart or less. Hours the user fixed stay as they are.
// Nothing is stored until the plan is saved into the term record.

#include <array>
#include <optional>
#include <vector>

#include "core/school.h"
#include "core/substitution_record.h"
#include "substitution/affected_lessons.h"
#include "substitution/candidates.h"

namespace kalvodrin {

struct FixedSubstitute {
  int hour = 0;
  int classNo = 0;
  int teacher = 0;
};

struct DayRequest {
  SchoolDate date;
  std::vector<Absence> absences;
  std::array<int, 256> weights = AllWeights(1);
  std::vector<FixedSubstitute> fixed;

  static std::array<int, 256> AllWeights(int w) {
    std::array<int, 256> a{};
    a.fill(w);
    return a;
  }
};

struct PlanRow {
  AffectedLesson lesson;
  int substitute = 0;  // 0 = none (uncovered, or kept by a co-teacher)
  bool fixed = false;  // given by the user, kept by every new proposal
  // Free teachers for the hour, ranked, with the fixed hours of the day counted.
  std::vector<Candidate> candidates;
  NoneFree why = NoneFree::kSomeone;  // for an uncovered hour
  bool NeedsSubstitute() const { return !lesson.keptByCoTeacher(); }
  bool Uncovered() const { return NeedsSubstitute() && substitute == 0; }
};

struct DayPlan {
  SchoolDate date;
  int weekday = 0;            // 1..7
  std::vector<PlanRow> rows;  // by hour, then class order
  DayContext context;         // what the ranking was read against
  int Covered() const;
  int UncoveredCount() const;
};

// Requires: the record is the term record of the school's folder. A weekend date gives
// a plan without rows (no lessons are placed then).
DayPlan ProposeDay(const School& school, const SubstitutionRecord& record,
                   const DayRequest& request);

// The user gives the row to another teacher (0 clears it). The row becomes fixed.
// Another row of the same hour that had the teacher loses them. Refused (false) when
// the teacher is not free at the hour or would pass the daily maximum.
bool ChangeSubstitute(const School& school, DayPlan& plan, std::size_t row, int teacher);

// The plan as entries of the term record: one per covered row.
std::vector<SubstitutionEntry> PlanEntries(const School& school, const DayPlan& plan);

// Saves the plan into the record of the working folder, replacing what was saved for
// the date before; all or nothing. On failure `record` is as it was.
Status SavePlan(const School& school, const DayPlan& plan, SubstitutionRecord& record,
                FileSystem& disk);

// Teachers free at an hour of a school day ("Boş öğretmenler"), ranked as for a lesson
// of no particular subject, with the term counts of the record. With a date, teachers
// the plan saved for it gives that hour are not free, and its hours count toward their
// daily maximum.
struct FreeQuery {
  int weekday = 0;  // 1..5
  int hour = 0;     // 1..16
  std::optional<SchoolDate> date;
  std::vector<Absence> absences;
};
std::vector<Candidate> FreeTeachers(const School& school, const SubstitutionRecord& record,
                                    const FreeQuery& query);

}  // namespace kalvodrin
