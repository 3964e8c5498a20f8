#pragma once
// The fair proposal: duties for the places and days the user chooses, spread over the
// teachers so that
//   - a teacher is proposed only on a day they teach (a placed lesson that day), so
//     never on a closed day, and at most once a day;
//   - every teacher's number of duties (those already given included) follows the
//     weights the user sets, equal by default: the total of the squares of
//     count / weight is as small as the days allow;
//   - a teacher gets the same place twice in a week only when it cannot be avoided;
//   - every duty already given stays.
// Nothing is stored until the proposal is accepted.

#include <array>
#include <vector>

#include "core/change.h"
#include "core/school.h"

namespace kalvodrin {

inline constexpr int kMaxDutyWeight = 9;

struct ProposalRequest {
  std::vector<int> places;  // duty place numbers to fill
  std::vector<int> days;    // 1..7; only days with lessons can be given
  int perSlot = 1;          // teachers wanted at each place on each day, 1..255
  // Weight 0..kMaxDutyWeight by teacher number; 0 leaves the teacher out.
  std::array<int, 256> weights{};
};

// All places, Monday to Friday (the days that have lessons), one teacher a place a
// day, every weight 1.
ProposalRequest DefaultProposalRequest(const School& school);

struct ProposedDuty {
  int place = 0;
  int day = 0;
  int teacher = 0;
  bool operator==(const ProposedDuty&) const = default;
};

struct TeacherShare {
  int teacher = 0;
  int weight = 0;
  int given = 0;     // duties already given, at any place and day
  int proposed = 0;  // new duties in the proposal
};

struct DutyProposal {
  std::vector<ProposedDuty> duties;  // the new duties, by place order, day, teacher order
  std::vector<TeacherShare> shares;  // every teacher, in teacher order
  int unfilled = 0;                  // wanted duties no teacher could take
  int repeatedPlaces = 0;            // extra times a teacher has one place in the week, all duties
};

// True when the teacher has a lesson placed on the day (1..5).
bool TeachesOn(const School& school, int teacher, int day);

// Reads the school only. Unknown places and days outside 1..7 are ignored.
DutyProposal ProposeDuties(const School& school, const ProposalRequest& request);

// Gives every proposed duty (one given meanwhile is skipped). Rewrites DUDIZIR5.LOF
// and DUDIZIR4.LOF; kUnchanged when nothing was new.
Change AcceptProposal(School& school, const DutyProposal& proposal);

}  // namespace kalvodrin
