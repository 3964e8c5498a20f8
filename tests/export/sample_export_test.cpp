// Every export of the sample school once it is scheduled: well-formed pages, a CSV
// row per placed hour, calendars a parser accepts.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "core/cells.h"
#include "export/csv_export.h"
#include "export/html_export.h"
#include "export/ics_export.h"
#include "generator/sample_school.h"
#include "scheduler/placement_run.h"
#include "well_formed.h"

namespace kalvodrin {
namespace {

class SampleExport : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    school_ = std::make_unique<School>();
    BuildSampleSchool(*school_);
    PlacementRun(*school_).RunWholeSchool();
  }
  static void TearDownTestSuite() { school_.reset(); }
  static std::unique_ptr<School> school_;
};
std::unique_ptr<School> SampleExport::school_;

int PlacedClassHours(const School& s) {
  int n = 0;
  for (const TClassGridRec& g : s.ClassGrids)
    n += static_cast<int>(
        std::count_if(g.occupant.begin(), g.occupant.end(), [](uint8_t l) { return l != 0; }));
  return n;
}

TEST_F(SampleExport, CsvHasOneRowPerPlacedHour) {
  const int placed = PlacedClassHours(*school_);
  EXPECT_GT(placed, 900);
  const std::string csv = TimetableCsv(*school_);
  EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), placed + 1);
}

TEST_F(SampleExport, HtmlPagesAreWellFormed) {
  const auto files = HtmlExport(*school_);
  EXPECT_EQ(files.size(),
            school_->Teachers.size() + school_->Classes.size() + school_->Rooms.size() + 1);
  for (const ExportFile& f : files) ASSERT_EQ(testing::XmlProblem(f.content), "") << f.name;
  EXPECT_NE(files.back().content.find("CUMHURİYET ANADOLU LİSESİ"), std::string::npos);
}

TEST_F(SampleExport, CalendarsParseAndHoldEveryHour) {
  IcsOptions options;
  ASSERT_TRUE(ParseCalendarDate("2026-09-07", options.start));
  const IcsExport ics = CalendarExport(*school_, options);
  EXPECT_EQ(ics.hoursWithoutStartTime, 0);
  EXPECT_EQ(ics.files.size(), school_->Teachers.size() + school_->Classes.size());
  std::size_t classEvents = 0;
  for (const ExportFile& f : ics.files) {
    ASSERT_EQ(testing::IcsProblem(f.content), "") << f.name;
    if (f.name.rfind("sinif-", 0) == 0)
      for (const std::string& line : testing::IcsLines(f.content))
        classEvents += line == "BEGIN:VEVENT";
  }
  EXPECT_EQ(classEvents, static_cast<std::size_t>(PlacedClassHours(*school_)));
}

}  // namespace
}  // namespace kalvodrin
