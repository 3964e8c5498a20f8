// Whole-school runs on working folders whose timetable files are damaged: the run
// ends, and a cell that claims a block which does not cover it is left exactly as it
// was (the repair gives up on it rather than turning its bytes into days or cells).
// The sanitizer build runs the same and must report nothing.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <vector>

#include "core/storage.h"
#include "engine/block.h"
#include "engine/cell_writes.h"
#include "scheduler/placement_run.h"

namespace kalvodrin {
namespace {

using cells::At;

struct DamagedCell {
  int kind = 0;  // 0 teacher, 1 class, 2 room
  int owner = 0;
  int cell = 0;
  uint8_t occupant = 0;
  uint8_t length = 0;
  uint8_t start = 0;
};

template <typename Grid>
void CollectDamaged(const std::vector<Grid>& grids, int kind, int (*owner)(const Grid&),
                    std::vector<DamagedCell>& out) {
  for (const Grid& g : grids)
    for (int c = 1; c <= kCells; ++c)
      if (g.occupant[At(c)] != 0 &&
          !BlockCoversCell(g.blockStart[At(c)], g.blockLen[At(c)], c))
        out.push_back({kind, owner(g), c, g.occupant[At(c)], g.blockLen[At(c)],
                       g.blockStart[At(c)]});
}

std::vector<DamagedCell> DamagedCells(const School& s) {
  std::vector<DamagedCell> out;
  CollectDamaged<TTeacherGridRec>(
      s.TeacherGrids, 0, [](const TTeacherGridRec& g) -> int { return g.teacher; }, out);
  CollectDamaged<TClassGridRec>(
      s.ClassGrids, 1, [](const TClassGridRec& g) -> int { return g.classNo; }, out);
  CollectDamaged<TRoomGridRec>(
      s.RoomGrids, 2, [](const TRoomGridRec& g) -> int { return g.room; }, out);
  return out;
}

template <typename Grid>
bool StillHolds(const std::vector<Grid>& grids, int (*owner)(const Grid&),
                const DamagedCell& d) {
  for (const Grid& g : grids)
    if (owner(g) == d.owner)
      return g.occupant[At(d.cell)] == d.occupant && g.blockLen[At(d.cell)] == d.length &&
             g.blockStart[At(d.cell)] == d.start;
  return false;
}

bool StillHolds(const School& s, const DamagedCell& d) {
  switch (d.kind) {
    case 0:
      return StillHolds<TTeacherGridRec>(
          s.TeacherGrids, [](const TTeacherGridRec& g) -> int { return g.teacher; }, d);
    case 1:
      return StillHolds<TClassGridRec>(
          s.ClassGrids, [](const TClassGridRec& g) -> int { return g.classNo; }, d);
    default:
      return StillHolds<TRoomGridRec>(
          s.RoomGrids, [](const TRoomGridRec& g) -> int { return g.room; }, d);
  }
}

class DamagedFolder : public ::testing::TestWithParam<const char*> {};

TEST_P(DamagedFolder, RunEndsAndLeavesDamagedCellsAlone) {
  auto school = std::make_unique<School>();
  school->WorkFolder = std::filesystem::path(KALVODRIN_SCHEDULER_DATA) / GetParam();
  ASSERT_TRUE(LoadSchoolWithoutWriting(*school).ok());
  const std::vector<DamagedCell> damaged = DamagedCells(*school);
  ASSERT_FALSE(damaged.empty()) << "the folder no longer holds damaged cells";
  const RunOutcome outcome = PlacementRun(*school).RunWholeSchool();
  EXPECT_LE(outcome.placed, outcome.total);
  for (const DamagedCell& d : damaged)
    EXPECT_TRUE(StillHolds(*school, d))
        << "kind " << d.kind << " owner " << d.owner << " cell " << d.cell;
}

INSTANTIATE_TEST_SUITE_P(Folders, DamagedFolder,
                         ::testing::Values("shift-test-7", "shift-test-268"));

}  // namespace
}  // namespace kalvodrin
