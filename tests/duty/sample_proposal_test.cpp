// The proposal on the bundled sample school once its timetable is placed: a copy is
// scheduled with kalvodrin-cli, two duty places are added to its four, and duties are
// proposed for the six places on the five school days.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>

#include "core/storage.h"
#include "duty/duties.h"
#include "duty/duty_places.h"
#include "duty/duty_proposal.h"
#include "duty_test_support.h"
#include "scheduled_sample.h"
#include "school_files.h"

namespace kalvodrin {
namespace {

using ScheduledSample = testing::ScheduledSampleTest;

TEST_F(ScheduledSample, SixPlacesOnFiveDaysAreSharedFairly) {
  School school;
  school.WorkFolder = Folder();
  ASSERT_TRUE(LoadSchool(school).ok());
  ASSERT_EQ(school.DutyPlaces.size(), 4u);
  SaveNewDutyPlace(school, Cp("KANTİN"));
  SaveNewDutyPlace(school, Cp("SPOR SALONU ÖNÜ"));
  const std::vector<TDutyRec> given = school.Duties;
  for (int perSlot : {1, 3, 4}) {
    SCOPED_TRACE("teachers per place and day: " + std::to_string(perSlot));
    ProposalRequest r = DefaultProposalRequest(school);
    r.days = {1, 2, 3, 4, 5};
    r.perSlot = perSlot;
    const DutyProposal p = ProposeDuties(school, r);
    EXPECT_EQ(p.unfilled, 0);
    School accepted = school;
    AcceptProposal(accepted, p);
    // Every duty given before is still there, first and in its order.
    ASSERT_GE(accepted.Duties.size(), given.size());
    for (std::size_t i = 0; i < given.size(); ++i) {
      EXPECT_EQ(accepted.Duties[i].place, given[i].place);
      EXPECT_EQ(accepted.Duties[i].teacher, given[i].teacher);
    }
    EXPECT_EQ(accepted.Duties.size(), given.size() + p.duties.size());
    EXPECT_TRUE(CountersMatchRecords(accepted));
    for (const ProposedDuty& d : p.duties) ASSERT_TRUE(TeachesOn(school, d.teacher, d.day));
    std::map<int, int> count;
    for (const TDutyRec& d : accepted.Duties) ++count[d.teacher];
    const double mean = static_cast<double>(accepted.Duties.size()) / school.Teachers.size();
    for (const TTeacherRec& t : school.Teachers)
      EXPECT_LE(std::abs(count[t.number] - mean), 1.0) << Utf(t.name.view());
  }
}

TEST_F(ScheduledSample, TheCommandPrintsTheProposalAndWritesNothing) {
  std::map<std::string, Bytes> before;
  for (const auto& e : std::filesystem::directory_iterator(Folder()))
    before[e.path().filename().string()] = testing::ReadBytes(e.path());
  const testing::TempFolder temp;
  const std::string folder = " --folder " + Quoted(Folder());
  const CliRun run = Cli(temp, "duty --propose --json --per-slot 3" + folder);
  ASSERT_EQ(run.code, 0) << run.err;
  const std::string& text = run.out;
  EXPECT_NE(text.find("\"duties\""), std::string::npos);
  EXPECT_NE(text.find("\"unfilled\": 0"), std::string::npos);
  EXPECT_NE(text.find("\"placeName\": \"BAHÇE\""), std::string::npos);
  for (const auto& [name, bytes] : before)
    EXPECT_EQ(testing::ReadBytes(Folder() / name), bytes) << name;
  EXPECT_EQ(Cli(temp, "duty" + folder).code, 2);
  EXPECT_EQ(Cli(temp, "duty --propose --weight 3=10" + folder).code, 1);
}

}  // namespace
}  // namespace kalvodrin
