#pragma once
// Who may take a lesson hour of an absent teacher, ranked as a deputy head weighs
// them: the teacher on duty that day first, then one who teaches the same lesson (or
// a lesson of its group), then one already in the building (lessons before and after
// the hour), then the one with the fewest substitutions this term, counted by weight.
// Nobody is a candidate who teaches at the hour, has the hour closed, is away, or
// would pass the daily maximum of hours with the substitution counted.

#include <array>
#include <vector>

#include "core/school.h"
#include "substitution/affected_lessons.h"

namespace kalvodrin {

inline constexpr int kMaxSubstituteWeight = 9;

// What the ranking of one school day is read against.
struct DayContext {
  int day = 0;  // 1..5
  std::vector<Absence> absences;
  std::array<int, 256> termCounts{};  // substitutions this term, by teacher number
  // Share of substitutions by teacher number, 0..kMaxSubstituteWeight; 0 leaves the
  // teacher out. A teacher of weight 2 is asked twice as often as one of weight 1.
  std::array<int, 256> weights{};
  // Substitution hours already given that day, by teacher number (fixed by the user).
  std::array<int, 256> takenToday{};
};

// Every teacher of weight 1 and nothing counted yet.
DayContext MakeDayContext(int day, std::vector<Absence> absences);

enum class Presence {
  kAway = 0,     // no lesson that day: would have to come in
  kOneSide = 1,  // lessons that day before or after the hour
  kBetween = 2,  // lessons before and after the hour: in the building anyway
};

enum class SameLesson { kNo = 0, kGroup = 1, kLesson = 2 };

struct Candidate {
  int teacher = 0;
  bool onDuty = false;
  SameLesson sameLesson = SameLesson::kNo;
  Presence presence = Presence::kAway;
  int termCount = 0;
  int weight = 1;
  int hoursToday = 0;  // lessons and substitutions that day before this one
  int dailyMax = 0;
  bool operator==(const Candidate&) const = default;
};

// Whether a ranks before b: the order above, then the teacher list's order.
bool RanksBefore(const School& school, const Candidate& a, const Candidate& b);

// The most hours the teacher may have in a day: the school's daily maximum, or the
// teacher's own when that is higher; no limit when neither is set.
int DailyMaximum(const School& school, int teacher);
// Lessons the teacher has placed on the day.
int LessonsOn(const School& school, int teacher, int day);

// Why nobody is free for an hour, from the strongest reason down.
enum class NoneFree {
  kSomeone,       // there are candidates
  kDailyMax,      // someone is free and open but at the daily maximum
  kClosed,        // someone is free but has the hour closed
  kEveryoneBusy,  // every teacher there teaches or is away at the hour
  kTaken,         // those free take other hours of the day (set by the day plan)
};

// Teachers free at the hour, ranked; `lesson` is the lesson to be taken (0 for the
// free-teacher list, which ranks without it).
std::vector<Candidate> RankedCandidates(const School& school, const DayContext& context, int hour,
                                        int lesson);

NoneFree WhyNoneFree(const School& school, const DayContext& context, int hour);

}  // namespace kalvodrin
