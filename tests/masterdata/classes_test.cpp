#include <gtest/gtest.h>

#include "core/record_creation.h"
#include "masterdata/classes.h"
#include "typed.h"

namespace kalvodrin {
namespace {

std::vector<int> Numbers(const School& school) {
  std::vector<int> n;
  for (const TClassRec& c : school.Classes) n.push_back(c.number);
  return n;
}

std::vector<int> Orders(const School& school) {
  std::vector<int> n;
  for (const TClassRec& c : school.Classes) n.push_back(c.order);
  return n;
}

TEST(NewClass, IsShownLastWithItsDefaultTimetableAndCutFields) {
  School school;
  ASSERT_TRUE(SaveNewClass(school, "9", "A").done());
  const Change c = SaveNewClass(school, Cp("10fen"), Cp("çağdaş"));
  ASSERT_EQ(c.outcome, Outcome::kDone);
  EXPECT_EQ(c.number, 2);
  EXPECT_EQ(c.files, (FileSet{DataFile::kClasses, DataFile::kClassGrids}));
  const TClassRec& k = *school.ClassByNo(2);
  EXPECT_EQ(k.order, 2);
  EXPECT_EQ(k.name.str(), "10FE");
  EXPECT_EQ(Utf(k.section.view()), "ÇAĞ");
  const TClassGridRec* g = school.ClassGridByNo(2);
  ASSERT_NE(g, nullptr);
  EXPECT_EQ(g->firstHour, (DayBytes{1, 1, 1, 1, 1}));
  EXPECT_EQ(g->lastHour, (DayBytes{6, 6, 6, 6, 6}));
  EXPECT_EQ(SaveNewClass(school, "", "A").outcome, Outcome::kInvalid);
  EXPECT_EQ(school.Classes.size(), 2u);
  // A section may stay empty; two classes may carry the same name.
  EXPECT_TRUE(SaveNewClass(school, "9", "").done());
}

TEST(NewClass, A256thClassIsRefusedAndAFreedNumberStartsInTheMainBuilding) {
  School school;
  for (int n = 1; n <= 255; ++n) AddClass(school, n, "9", "A");
  school.ReindexClasses();
  EXPECT_EQ(SaveNewClass(school, "9", "B").outcome, Outcome::kFull);
  EXPECT_EQ(school.ClassGrids.size(), 0u);

  School other;
  AddClass(other, 1, "9", "A");
  other.ReindexClasses();
  other.Annex.bytes[1] = 1;  // left behind by a deleted class 2
  const Change c = SaveNewClass(other, "9", "B");
  ASSERT_EQ(c.number, 2);
  EXPECT_TRUE(c.files.has(DataFile::kAnnexFlags));
  EXPECT_FALSE(other.Annex.inAnnex(2));
}

TEST(ClassEdit, ReplacesNameAndSectionOnly) {
  School school;
  SaveNewClass(school, "9", "A");
  const Change c = SaveClassEdit(school, 1, Cp("11"), Cp("fenx"));
  ASSERT_TRUE(c.done());
  EXPECT_EQ(c.files, FileSet{DataFile::kClasses});
  EXPECT_EQ(school.ClassByNo(1)->section.str(), "FEN");
  EXPECT_EQ(school.ClassByNo(1)->order, 1);
  EXPECT_EQ(SaveClassEdit(school, 1, "", "A").outcome, Outcome::kInvalid);
  EXPECT_EQ(SaveClassEdit(school, 7, "9", "A").outcome, Outcome::kNotFound);
}

TEST(ClassAnnex, TogglesBetweenBuildingsAndRewritesTheFlagsEachTime) {
  School school;
  SaveNewClass(school, "9", "A");
  Change c = ToggleClassAnnex(school, 1);
  EXPECT_EQ(c.files, FileSet{DataFile::kAnnexFlags});
  EXPECT_EQ(school.Annex.bytes[0], 1);
  c = ToggleClassAnnex(school, 1);
  EXPECT_EQ(c.files, FileSet{DataFile::kAnnexFlags});
  EXPECT_EQ(school.Annex.bytes[0], 0);
  // Only class numbers 1..250 have a flag.
  AddClass(school, 251, "12", "X");
  school.ReindexClasses();
  EXPECT_EQ(ToggleClassAnnex(school, 251).outcome, Outcome::kNoAnnexFlag);
  EXPECT_EQ(ToggleClassAnnex(school, 9).outcome, Outcome::kNotFound);
}

TEST(ClassOrder, MovesSwapNeighboursAndTheEndsWriteNothing) {
  School school;
  for (const char* n : {"9", "10", "11"}) SaveNewClass(school, n, "A");
  Change c = MoveClass(school, 1, MoveDirection::kUp);
  EXPECT_EQ(c.outcome, Outcome::kUnchanged);
  EXPECT_TRUE(c.files.empty());
  c = MoveClass(school, 3, MoveDirection::kDown);
  EXPECT_EQ(c.outcome, Outcome::kUnchanged);
  EXPECT_TRUE(c.files.empty());
  EXPECT_EQ(Numbers(school), (std::vector<int>{1, 2, 3}));

  c = MoveClass(school, 3, MoveDirection::kUp);
  EXPECT_EQ(c.files, FileSet{DataFile::kClasses});
  EXPECT_EQ(Numbers(school), (std::vector<int>{1, 3, 2}));
  EXPECT_EQ(Orders(school), (std::vector<int>{1, 2, 3}));
  MoveClass(school, 1, MoveDirection::kDown);
  EXPECT_EQ(Numbers(school), (std::vector<int>{3, 1, 2}));
  EXPECT_EQ(school.ClassByNo(3)->order, 1);  // the index follows the move
}

TEST(ClassOrder, DamagedOrderBytesAreMendedByAMove) {
  School school;
  for (const char* n : {"9", "10", "11"}) SaveNewClass(school, n, "A");
  for (TClassRec& c : school.Classes) c.order = 7;
  ASSERT_TRUE(MoveClass(school, 2, MoveDirection::kDown).done());
  EXPECT_EQ(Numbers(school), (std::vector<int>{1, 3, 2}));
  EXPECT_EQ(Orders(school), (std::vector<int>{1, 2, 3}));
}

TEST(Rooms, NewEditAndMove) {
  School school;
  const Change c = SaveNewRoom(school, Cp("fizik laboratuvarı"));
  ASSERT_TRUE(c.done());
  EXPECT_EQ(c.files, (FileSet{DataFile::kRooms, DataFile::kRoomGrids}));
  EXPECT_EQ(Utf(school.RoomByNo(1)->name.view()), "FİZİK LABORA");
  ASSERT_NE(school.RoomGridByNo(1), nullptr);
  EXPECT_EQ(school.RoomGridByNo(1)->open[79], 1);
  SaveNewRoom(school, "SALON");
  EXPECT_EQ(school.RoomByNo(2)->order, 2);
  EXPECT_EQ(SaveNewRoom(school, "").outcome, Outcome::kInvalid);
  EXPECT_EQ(SaveRoomEdit(school, 2, Cp("spor salonu")).files, FileSet{DataFile::kRooms});
  EXPECT_EQ(school.RoomByNo(2)->name.str(), "SPOR SALONU");
  EXPECT_EQ(MoveRoom(school, 2, MoveDirection::kDown).outcome, Outcome::kUnchanged);
  EXPECT_EQ(MoveRoom(school, 2, MoveDirection::kUp).files, FileSet{DataFile::kRooms});
  EXPECT_EQ(school.Rooms[0].number, 2);
  EXPECT_EQ(school.Rooms[0].order, 1);
}

}  // namespace
}  // namespace kalvodrin
