// The term record of substitutions: dates, its text, what the term counts read from
// it, and that a save leaves either the old record or the new one, never a mix.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/file_set_save.h"
#include "core/substitution_record.h"
#include "fault_runs.h"
#include "faulty_file_system.h"
#include "school_files.h"

namespace kalvodrin {
namespace {

SchoolDate D(const char* text) { return ParseSchoolDate(text).value(); }

SubstitutionEntry Entry(const char* date, int hour, int substitute) {
  return {D(date), hour, 3, 7, 9, substitute, "9 A", "MATEMATİK", "AYŞE ÖZ", "ÇAĞLA İNCE"};
}

TEST(SchoolDateTest, ReadsOnlyRealDatesAndKnowsTheirWeekday) {
  EXPECT_TRUE(ParseSchoolDate("2024-02-29"));  // a leap year
  EXPECT_FALSE(ParseSchoolDate("2023-02-29"));
  EXPECT_FALSE(ParseSchoolDate("2100-02-29"));  // a century that is no leap year
  EXPECT_TRUE(ParseSchoolDate("2000-02-29"));
  EXPECT_TRUE(ParseSchoolDate("2026-04-30"));
  EXPECT_FALSE(ParseSchoolDate("2026-04-31"));
  EXPECT_TRUE(ParseSchoolDate("2026-12-31"));
  EXPECT_FALSE(ParseSchoolDate("2026-13-01"));
  EXPECT_FALSE(ParseSchoolDate("2026-00-10"));
  EXPECT_FALSE(ParseSchoolDate("2026-12-00"));
  EXPECT_FALSE(ParseSchoolDate("2026-12-9"));
  EXPECT_FALSE(ParseSchoolDate("2026/12/09"));
  EXPECT_FALSE(ParseSchoolDate("2026-12-09 "));
  EXPECT_EQ(SchoolDateText(D("2026-01-05")), "2026-01-05");

  EXPECT_EQ(WeekdayOf(D("2026-12-07")), 1);  // Monday
  EXPECT_EQ(WeekdayOf(D("2026-12-09")), 3);
  EXPECT_EQ(WeekdayOf(D("2026-12-11")), 5);
  EXPECT_EQ(WeekdayOf(D("2026-12-12")), 6);
  EXPECT_EQ(WeekdayOf(D("2026-12-13")), 7);
  EXPECT_EQ(WeekdayOf(D("2024-03-01")), 5);  // the day after a leap day
  EXPECT_EQ(WeekdayOf(D("2000-01-01")), 6);
}

TEST(SubstitutionRecordTest, TextReadsBackAndABadLineRefusesTheWholeRecord) {
  SubstitutionRecord record;
  ASSERT_TRUE(StartTerm(record, D("2026-09-14")));
  ReplaceDay(record, D("2026-12-09"), {Entry("2026-12-09", 1, 4), Entry("2026-12-09", 16, 5)});
  const std::string text = SubstitutionRecordText(record);
  EXPECT_NE(text.find("\"kind\":\"term\""), std::string::npos);
  EXPECT_NE(text.find("ÇAĞLA İNCE"), std::string::npos);  // names stay readable UTF-8
  SubstitutionRecord read;
  ASSERT_TRUE(ParseSubstitutionRecord(text, read).ok());
  EXPECT_EQ(read, record);

  SubstitutionRecord untouched = record;
  const std::string good =
      R"({"kind":"substitution","date":"2026-12-10","hour":16,"class":1,"lesson":1,)"
      R"("absent":1,"substitute":255})";
  ASSERT_TRUE(ParseSubstitutionRecord(good + "\r\n\n", untouched).ok());  // blank lines pass
  EXPECT_EQ(untouched.entries.size(), 1u);
  for (const std::string bad :
       {R"({"kind":"substitution","date":"2026-12-10","hour":17,"class":1,"lesson":1,)"
        R"("absent":1,"substitute":2})",
        R"({"kind":"substitution","date":"2026-12-10","hour":0,"class":1,"lesson":1,)"
        R"("absent":1,"substitute":2})",
        R"({"kind":"substitution","date":"2026-12-10","hour":1,"class":1,"lesson":1,)"
        R"("absent":1,"substitute":256})",
        R"({"kind":"substitution","date":"2026-12-10","hour":1,"class":1,"lesson":1,"absent":1})",
        R"({"kind":"holiday","date":"2026-12-10"})", R"({"kind":"term","date":"2026-02-30"})",
        R"([1,2])", R"({"kind":"term")"}) {
    SCOPED_TRACE(bad);
    SubstitutionRecord kept = record;
    const Status s = ParseSubstitutionRecord(text + bad + "\n", kept);
    EXPECT_FALSE(s.ok());
    EXPECT_NE(s.message().find("satır 4"), std::string::npos) << s.message();
    EXPECT_EQ(kept, record);
  }
}

TEST(SubstitutionRecordTest, TermCountsStartAtTheLatestTermAndKeepTheHistory) {
  SubstitutionRecord record;
  ReplaceDay(record, D("2026-01-12"), {Entry("2026-01-12", 1, 4)});
  ReplaceDay(record, D("2026-02-09"), {Entry("2026-02-09", 1, 4), Entry("2026-02-09", 2, 5)});
  ReplaceDay(record, D("2026-02-10"), {Entry("2026-02-10", 3, 4)});
  EXPECT_EQ(TermCounts(record)[4], 3);  // no term yet: everything counts
  EXPECT_EQ(TermCounts(record, D("2026-02-09"))[4], 2);

  ASSERT_TRUE(StartTerm(record, D("2026-02-09")));
  EXPECT_EQ(TermCounts(record)[4], 2);  // the start date belongs to the new term
  EXPECT_EQ(TermCounts(record)[5], 1);
  EXPECT_EQ(TermCounts(record, D("2026-02-10"))[4], 1);
  EXPECT_FALSE(StartTerm(record, D("2026-02-09")));
  EXPECT_FALSE(StartTerm(record, D("2026-02-01")));
  ASSERT_TRUE(StartTerm(record, D("2026-02-11")));
  EXPECT_EQ(TermCounts(record)[4], 0);
  EXPECT_EQ(record.entries.size(), 4u);  // the history stays
  EXPECT_EQ(*CurrentTermStart(record), D("2026-02-11"));

  // Saving a day again replaces it, and keeps the entries in date order.
  ReplaceDay(record, D("2026-02-09"), {Entry("2026-02-09", 6, 7)});
  ASSERT_EQ(record.entries.size(), 3u);
  EXPECT_EQ(record.entries[1].substitute, 7);
  EXPECT_EQ(EntriesOn(record, D("2026-02-09")).size(), 1u);
  ReplaceDay(record, D("2026-02-09"), {});
  EXPECT_TRUE(EntriesOn(record, D("2026-02-09")).empty());
}

TEST(SubstitutionRecordTest, SurvivesARestartAndAFailedSaveLeavesTheOldRecordWhole) {
  const testing::TempFolder folder;
  LocalFileSystem disk;
  SubstitutionRecord empty;
  ASSERT_TRUE(LoadSubstitutionRecord(folder.path(), disk, empty).ok());  // missing: empty
  EXPECT_TRUE(empty.entries.empty());

  SubstitutionRecord old;
  ReplaceDay(old, D("2026-12-07"), {Entry("2026-12-07", 2, 4)});
  ASSERT_TRUE(SaveSubstitutionRecord(folder.path(), old, disk).ok());
  SubstitutionRecord next = old;
  ReplaceDay(next, D("2026-12-08"), {Entry("2026-12-08", 3, 5), Entry("2026-12-08", 4, 6)});

  const testing::FolderImage before = testing::ImageOf(folder.path());
  const testing::FaultRuns runs = testing::FailEveryStep(
      {folder.path()}, testing::Keeping::kTogether,
      [&] { testing::PutBack(folder.path(), before); },
      [&](FileSystem& faulty) {
        const Status s = SaveSubstitutionRecord(folder.path(), next, faulty);
        return s.ok() ? std::string() : s.message();
      });
  EXPECT_GT(runs.runs, 2);
  EXPECT_GT(runs.failed, 2);

  ASSERT_TRUE(SaveSubstitutionRecord(folder.path(), next, disk).ok());
  SubstitutionRecord reread;
  ASSERT_TRUE(LoadSubstitutionRecord(folder.path(), disk, reread).ok());
  EXPECT_EQ(reread, next);

  testing::WriteBytes(folder / std::string(kSubstitutionRecordName), Bytes{'{', '\n'});
  SubstitutionRecord kept = next;
  EXPECT_FALSE(LoadSubstitutionRecord(folder.path(), disk, kept).ok());
  EXPECT_EQ(kept, next);
}

}  // namespace
}  // namespace kalvodrin
