#include "core/snapshot.h"

#include <gtest/gtest.h>

#include "core/cells.h"
#include "core/storage.h"
#include "fault_runs.h"
#include "school_files.h"

namespace kalvodrin {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

std::size_t At(int cell) { return static_cast<std::size_t>(cell - 1); }

Bytes Grids(const School& s) {
  Bytes all;
  for (DataFile f : {DataFile::kTeacherGrids, DataFile::kClassGrids, DataFile::kRoomGrids}) {
    const Bytes image = DataFileImage(s, f);
    all.insert(all.end(), image.begin(), image.end());
  }
  return all;
}

std::vector<int> Changed(const School& s) {
  std::vector<int> changed{-1};
  EXPECT_TRUE(ChangedTeachers(s, changed).ok());
  return changed;
}

TEST(Snapshot, ListsExactlyTheTeachersWhoseClassesMovedAndRestoresTheGrids) {
  TempFolder temp;
  auto school = testing::SampleSchool(temp.path());
  ASSERT_GE(school->TeacherGrids.size(), 2u);
  TTeacherGridRec& first = school->TeacherGrids[0];
  TTeacherGridRec& second = school->TeacherGrids[1];
  EXPECT_EQ(Changed(*school), std::vector<int>{});  // no snapshot yet

  ASSERT_TRUE(TakeSnapshot(*school).ok());
  const Bytes taken = Grids(*school);
  EXPECT_EQ(ReadBytes(temp.path() / "DUDIZIRZ.OLD"),
            DataFileImage(*school, DataFile::kTeacherGrids));
  EXPECT_EQ(Changed(*school), std::vector<int>{});

  // A lesson of the first teacher moves from Monday hour 1 to Tuesday hour 1 (a
  // class taught there or a made-up one); the second teacher only gets a cell closed.
  const uint8_t cls =
      first.occupant[At(CellIndex(1, 1))] != 0 ? first.occupant[At(CellIndex(1, 1))] : uint8_t{7};
  first.occupant[At(CellIndex(1, 1))] = 0;
  first.occupant[At(CellIndex(2, 1))] = cls;
  second.open[At(CellIndex(3, 3))] = second.open[At(CellIndex(3, 3))] == 0 ? 1 : 0;
  second.blockLen[At(CellIndex(4, 4))] ^= 1;
  school->ClassGrids[0].occupant[At(CellIndex(5, 5))] ^= 1;
  EXPECT_EQ(Changed(*school), std::vector<int>{first.teacher});
  const auto link = first.link;

  ASSERT_TRUE(RestoreSnapshot(*school).ok());
  EXPECT_EQ(Grids(*school), taken);
  EXPECT_EQ(first.link, link);
  EXPECT_EQ(Changed(*school), std::vector<int>{});
}

TEST(Snapshot, SkipsUnknownNumbersAndMissingFilesAndRefusesUnreadableOnes) {
  TempFolder temp;
  auto school = testing::SampleSchool(temp.path());
  ASSERT_TRUE(TakeSnapshot(*school).ok());
  // A teacher deleted since the snapshot: its record now names no current grid.
  Bytes teachers = ReadBytes(temp.path() / "DUDIZIRZ.OLD");
  teachers[0] = 251;
  teachers.resize(teachers.size() + 10);  // a part record at the end is left out
  WriteBytes(temp.path() / "DUDIZIRZ.OLD", teachers);
  std::filesystem::remove(temp.path() / "DUDIZIRY.OLD");
  TTeacherGridRec& first = school->TeacherGrids[0];
  first.occupant[At(CellIndex(1, 2))] ^= 3;
  const Bytes edited = Grids(*school);
  EXPECT_EQ(Changed(*school), std::vector<int>{});
  ASSERT_TRUE(RestoreSnapshot(*school).ok());
  EXPECT_EQ(Grids(*school), edited);

  // A snapshot file that cannot be read: an error, and nothing changes.
  std::filesystem::remove(temp.path() / "DUDIZIRY.OLD");
  std::filesystem::create_directory(temp.path() / "DUDIZIRY.OLD");
  school->ClassGrids[0].occupant[At(CellIndex(5, 5))] ^= 1;
  const Bytes before = Grids(*school);
  EXPECT_FALSE(RestoreSnapshot(*school).ok());
  EXPECT_EQ(Grids(*school), before);
  // Nor can one be taken over it: the other two files keep the old snapshot.
  EXPECT_FALSE(TakeSnapshot(*school).ok());
  EXPECT_EQ(ReadBytes(temp.path() / "DUDIZIRZ.OLD"), teachers);
}

// The three files are one snapshot: whichever step fails, all three old ones stay.
TEST(Snapshot, FailureAtAnyStepKeepsTheOldSnapshotWhole) {
  TempFolder temp;
  auto school = testing::SampleSchool(temp.path());
  ASSERT_TRUE(TakeSnapshot(*school).ok());
  const testing::FolderImage old = testing::ImageOf(temp.path());
  for (auto* grid : {&school->TeacherGrids[0].occupant, &school->ClassGrids[0].occupant,
                     &school->RoomGrids[0].occupant})
    (*grid)[At(CellIndex(2, 2))] ^= 1;
  const testing::FaultRuns runs = testing::FailEveryStep(
      {temp.path()}, testing::Keeping::kTogether, [&] { testing::PutBack(temp.path(), old); },
      [&](FileSystem& disk) { return TakeSnapshot(*school, disk).message(); });
  // Three files and the list written (each failing three ways), the list renamed and
  // six renames into place fail the save; only the tidying after it does not.
  EXPECT_EQ(runs.steps, 3 + 2 + 6 + 4);
  EXPECT_EQ(runs.failed, 4 * 3 + 1 + 6);
}

}  // namespace
}  // namespace kalvodrin
