#pragma once
// How the substitution plan is worded for the user (UTF-8): the reasons an hour stays
// uncovered and the marks of a candidate, shared by the window, the printout and the
// command line.

#include <string>
#include <optional>
#include <string_view>
#include <vector>

#include "core/school.h"
#include "core/substitution_sheet.h"
#include "substitution/day_plan.h"

namespace kalvodrin {

std::string_view NoneFreeText(NoneFree why);
// "NÖBETÇİ, AYNI DERS, ARADA, 2 SAAT" : what ranks the candidate where it stands.
std::string CandidateNotes(const Candidate& c);

std::string TeacherNameOf(const School& school, int teacher);
// The classes of the lesson, "9 A, 9 B".
std::string ClassesText(const School& school, const AffectedLesson& lesson);
std::string LessonNameOf(const School& school, int lesson);
// The absent teachers' names, joined.
std::string AbsentText(const School& school, const AffectedLesson& lesson);
// What stands in the substitute column: the teacher, the co-teacher who keeps the
// lesson, or why nobody takes it.
std::string SubstituteText(const School& school, const PlanRow& row);

// The sheet of the plan for printing: every row, the kept and the uncovered too.
SubstitutionSheet SheetOf(const School& school, const DayPlan& plan);

// The free-teacher list of the query for printing, in the order given.
FreeTeachersSheet FreeSheetOf(const School& school, const FreeQuery& query,
                              const std::vector<Candidate>& free);

// "2,3" or "1-4" into hours 1..16; empty optional for anything else.
std::optional<std::vector<int>> ParseHours(std::string_view text);

}  // namespace kalvodrin
