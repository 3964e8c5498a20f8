// report --why on the sample school, placed, after one teacher can no longer come on
// a day: the lessons that had to leave that day are listed with the teacher's closed
// cells as what stops them there.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <set>

#include "cli_run.h"
#include "core/cells.h"
#include "core/storage.h"
#include "engine/block_operations.h"
#include "engine/counts.h"
#include "scheduler/placement_run.h"
#include "scheduler/why_not.h"
#include "school_files.h"
#include "why_fix_trials.h"

namespace kalvodrin {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

constexpr int kDay = 2;

std::size_t At(int cell) { return static_cast<std::size_t>(cell - 1); }

// Takes every block of the teacher's off the day and closes the day for the teacher.
// Answers the number of hours taken off.
int CloseTeacherDay(School& school, int teacher) {
  TTeacherGridRec& grid = *school.TeacherGridByNo(teacher);
  int hours = 0;
  for (int hour = 1; hour <= kHoursPerDay; ++hour) {
    const int cell = CellIndex(kDay, hour);
    if (grid.occupant[At(cell)] == 0 || grid.blockStart[At(cell)] != cell) continue;
    const int length = grid.blockLen[At(cell)];
    EXPECT_EQ(RemoveBlock(school, length, cell, grid.occupant[At(cell)], nullptr),
              RemoveOutcome::kRemoved);
    hours += length;
  }
  for (int hour = 1; hour <= kHoursPerDay; ++hour) grid.open[At(CellIndex(kDay, hour))] = 0;
  return hours;
}

// For every row with a cheapest fix: made on a copy of the school, it lets a run at a
// start hour it was the only blocker of place the row's next block.
void ExpectEveryCheapestFixLetsTheHourIn(const School& school) {
  const WhyNotReport report = BuildWhyNot(school);
  int fixes = 0;
  for (const WhyNotRow& row : report.rows) {
    if (!row.cheapestFix) continue;
    const WhyNotCell* start = nullptr;
    for (const WhyNotCell& cell : row.cells)
      if (cell.reasons.size() == 1 && cell.reasons.front() == *row.cheapestFix) start = &cell;
    ASSERT_NE(start, nullptr);
    auto copy = std::make_unique<School>(school);
    if (!ApplyFix(*copy, *row.cheapestFix)) continue;
    ++fixes;
    const int before = PlacedHours(*copy, row.classNo, row.lesson);
    PlacementRun(*copy).RunAtCell(row.teacher, row.classNo, row.lesson,
                                  CellIndex(start->day, start->hour));
    EXPECT_EQ(PlacedHours(*copy, row.classNo, row.lesson), before + row.length)
        << ReasonText(school, *row.cheapestFix) << " at " << start->day << "/" << start->hour;
  }
  EXPECT_GT(fixes, 0);
}

TEST(WhyNotCli, NamesTheClosedCellsOfATeacherClosedOnADay) {
  TempFolder temp;
  const fs::path folder = temp.path() / "okul";
  fs::copy(KALVODRIN_SAMPLE, folder, fs::copy_options::recursive);
  ASSERT_EQ(Cli(temp, "schedule --folder " + Quoted(folder)).code, 0);
  EXPECT_EQ(Cli(temp, "report --why --folder " + Quoted(folder)).out, "");

  auto school = std::make_unique<School>();
  school->WorkFolder = folder;
  ASSERT_TRUE(LoadSchool(*school).ok());
  // The first teacher with lessons on the day.
  int teacher = 0;
  for (const TTeacherGridRec& g : school->TeacherGrids)
    for (int hour = 1; hour <= kHoursPerDay && teacher == 0; ++hour)
      if (g.occupant[At(CellIndex(kDay, hour))] != 0) teacher = g.teacher;
  ASSERT_NE(teacher, 0);
  ASSERT_GT(CloseTeacherDay(*school, teacher), 0);
  ASSERT_TRUE(SaveFiles(*school, FileSet::All()).ok());
  const Bytes before = testing::ReadBytes(folder / "DUDIZIRX.LOF");

  const CliRun run = Cli(temp, "report --why --json --folder " + Quoted(folder));
  ASSERT_EQ(run.code, 0) << run.err;
  const nlohmann::json out = nlohmann::json::parse(run.out);
  ASSERT_FALSE(out["rows"].empty());
  for (const auto& row : out["rows"]) {
    EXPECT_EQ(row["teacher"], teacher);
    int dayCells = 0;
    for (const auto& cell : row["cells"]) {
      if (cell["day"] != kDay) continue;
      ++dayCells;
      std::set<int> closed;
      for (const auto& reason : cell["reasons"])
        if (reason["kind"] == "cellClosed" && reason["owner"] == teacher)
          closed.insert(reason["cell"].get<int>());
      // Every hour of the block at this start is named as closed.
      EXPECT_EQ(closed.size(), static_cast<std::size_t>(row["length"].get<int>())) << cell.dump();
      EXPECT_EQ(*closed.begin(), CellIndex(kDay, cell["hour"].get<int>()));
    }
    EXPECT_GT(dayCells, 0);
  }
  const std::string name = Cli(temp, "report --why --folder " + Quoted(folder)).out;
  EXPECT_NE(name.find("Kapalı saat: "), std::string::npos);
  EXPECT_NE(name.find(", 2. gün "), std::string::npos);
  // Looking only: nothing was written.
  EXPECT_EQ(testing::ReadBytes(folder / "DUDIZIRX.LOF"), before);
  ExpectEveryCheapestFixLetsTheHourIn(*school);
}

}  // namespace
}  // namespace kalvodrin
