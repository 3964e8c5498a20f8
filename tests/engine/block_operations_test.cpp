#include "engine/block_operations.h"

#include <gtest/gtest.h>

#include "core/cells.h"
#include "engine/consistency.h"
#include "grid_image.h"
#include "school_builder.h"

namespace kalvodrin {
namespace {

class BlockOperationsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    b.Room("LAB").Class("9", "A").Class("9", "B");
    b.In("9 A").Lesson("MATEMATİK", 6, "2+2+2").Teacher("ALİ").Teach().InRoom("LAB");
    b.In("9 B").Lesson("MATEMATİK", 6, "2+2+2").Teach();
    b.In("9 A").Lesson("BEDEN", 2, "2").In("9 B").Lesson("BEDEN", 2, "2");
    b.Common({"9 A", "9 B"}, "BEDEN").Teacher("CAN").Teach();
    school = b.Build();
    a = b.ClassNo("9 A");
    nineB = b.ClassNo("9 B");
    math = b.LessonNo("MATEMATİK");
    pe = b.LessonNo("BEDEN");
    ali = b.TeacherNo("ALİ");
    can = b.TeacherNo("CAN");
    lab = b.RoomNo("LAB");
  }

  Block At(int classNo, int lesson, int length, int day, int hour) {
    return *MakeBlock(school, classNo, lesson, length, CellIndex(day, hour));
  }

  SchoolBuilder b;
  School school;
  ChangeJournal journal;
  int a = 0, nineB = 0, math = 0, pe = 0, ali = 0, can = 0, lab = 0;
};

TEST_F(BlockOperationsTest, PlaceBlockWritesEveryParticipantAndItsCounters) {
  ASSERT_TRUE(PlaceBlock(school, At(a, math, 2, 2, 3), &journal));
  const int start = CellIndex(2, 3);
  const TTeacherGridRec& t = *school.TeacherGridByNo(ali);
  const TClassGridRec& c = *school.ClassGridByNo(a);
  const TRoomGridRec& r = *school.RoomGridByNo(lab);
  for (int cell : {start, start + 1}) {
    EXPECT_EQ(t.occupant[cell - 1], a);
    EXPECT_EQ(c.occupant[cell - 1], math);
    EXPECT_EQ(r.occupant[cell - 1], a);
    EXPECT_EQ(t.blockLen[cell - 1], 2);
    EXPECT_EQ(c.blockStart[cell - 1], start);
    EXPECT_EQ(r.blockStart[cell - 1], start);
  }
  EXPECT_EQ(t.placedHours, 2);
  EXPECT_EQ(t.placedPerDay[1], 2);
  EXPECT_EQ(c.freeHours[1], 4);
  EXPECT_EQ(journal.count(), 6);
  EXPECT_EQ(journal.entry(0).teacher, ali);
  EXPECT_EQ(journal.entry(1).lesson, math);
  EXPECT_EQ(journal.entry(2).room, lab);
  EXPECT_TRUE(CheckConsistency(school).empty());
}

TEST_F(BlockOperationsTest, RollbackRestoresEveryByte) {
  ASSERT_TRUE(PlaceBlock(school, At(a, math, 2, 1, 1), &journal));
  const auto before = GridImage(school);
  const int mark = journal.Mark();
  ASSERT_TRUE(PlaceBlock(school, At(nineB, math, 2, 1, 3), &journal));
  ASSERT_EQ(RemoveBlock(school, 2, CellIndex(1, 1), a, &journal),
            RemoveOutcome::kRemoved);
  ASSERT_TRUE(PlaceBlock(school, At(a, pe, 2, 1, 1), &journal));
  EXPECT_NE(GridImage(school), before);
  RollBack(school, journal, mark);
  EXPECT_EQ(journal.count(), mark);
  EXPECT_EQ(GridImage(school), before);
  RollBack(school, journal, mark + 5);  // a mark above the count changes nothing
  EXPECT_EQ(GridImage(school), before);
}

TEST_F(BlockOperationsTest, PlaceBlockRefusesWithoutChangingAnything) {
  ASSERT_TRUE(PlaceBlock(school, At(a, math, 2, 1, 1), &journal));
  const auto before = GridImage(school);
  const int count = journal.count();
  // The teacher is busy in the second hour.
  EXPECT_FALSE(PlaceBlock(school, At(nineB, math, 2, 1, 2), &journal));
  // A block running past the end of the day.
  Block late = At(a, math, 2, 1, 15);
  late.length = 3;
  EXPECT_FALSE(PlaceBlock(school, late, &journal));
  // A lesson number no lesson can have: 0 would write free cells.
  for (const int number : {0, 256}) {
    Block unnamed = At(a, math, 1, 3, 1);
    unnamed.lesson = number;
    EXPECT_FALSE(PlaceBlock(school, unnamed, &journal)) << number;
  }
  // A participant without a timetable.
  Block ghost = At(a, math, 1, 3, 1);
  ghost.teachers[0] = 99;
  EXPECT_FALSE(PlaceBlock(school, ghost, &journal));
  // The same teacher named twice.
  Block twice = At(a, math, 1, 3, 1);
  twice.teachers[1] = twice.teachers[0];
  twice.teacherCount = 2;
  EXPECT_FALSE(PlaceBlock(school, twice, &journal));
  // More participants than a list holds, or fewer than none.
  Block many = At(a, math, 1, 3, 1);
  many.teacherCount = kMaxListed + 1;
  EXPECT_FALSE(PlaceBlock(school, many, &journal));
  Block negative = At(a, math, 1, 3, 1);
  negative.teacherCount = -1;
  EXPECT_FALSE(PlaceBlock(school, negative, &journal));
  EXPECT_EQ(GridImage(school), before);
  EXPECT_EQ(journal.count(), count);
}

// A list filled to the last place is whole: the lesson is placed for every teacher.
TEST(BlockOperations, ALessonWithAFullListOfTeachersIsPlacedForEachOfThem) {
  SchoolBuilder b;
  b.Class("9", "A").Lesson("KORO", 2, "2");
  for (int n = 1; n <= kMaxListed; ++n) b.Teacher("T" + std::to_string(n)).Teach();
  School school = b.Build();
  const Block block = *MakeBlock(school, b.ClassNo("9 A"), b.LessonNo("KORO"), 2, CellIndex(1, 1));
  ASSERT_EQ(block.teacherCount, kMaxListed);
  ASSERT_TRUE(PlaceBlock(school, block, nullptr));
  EXPECT_EQ(school.TeacherGridByNo(b.TeacherNo("T15"))->occupant[1], b.ClassNo("9 A"));
}

TEST_F(BlockOperationsTest, FullJournalRefusesAPlacementThatWouldNotFit) {
  const Block block = At(a, math, 2, 4, 1);  // 2 hours x 3 participants
  JournalEntry filler;
  filler.cell = 1;
  while (journal.room() > 5) journal.Record(filler);
  const auto before = GridImage(school);
  EXPECT_FALSE(PlaceBlock(school, block, &journal));
  EXPECT_EQ(GridImage(school), before);
  journal.Truncate(journal.count() - 1);
  EXPECT_TRUE(PlaceBlock(school, block, &journal));
  EXPECT_TRUE(journal.full());
  EXPECT_FALSE(journal.Record(filler));
  // A mark past the entries or below zero truncates nothing.
  const int all = journal.count();
  journal.Truncate(all + 1);
  journal.Truncate(-1);
  EXPECT_EQ(journal.count(), all);
}

TEST_F(BlockOperationsTest, RemoveBlockOutcomes) {
  const auto empty = GridImage(school);
  EXPECT_EQ(RemoveBlock(school, 2, CellIndex(1, 1), a, &journal),
            RemoveOutcome::kFreeCell);
  ASSERT_TRUE(PlaceBlock(school, At(a, math, 2, 1, 1), nullptr));
  // A block that would leave its day, an unknown class.
  EXPECT_EQ(RemoveBlock(school, 2, CellIndex(1, 16), a, &journal),
            RemoveOutcome::kRefused);
  EXPECT_EQ(RemoveBlock(school, 2, CellIndex(1, 1), 77, &journal),
            RemoveOutcome::kRefused);
  // The teacher's cell no longer holds the class: damaged data is left alone.
  TTeacherGridRec& t = *school.TeacherGridByNo(ali);
  t.occupant[1] = nineB;
  const auto damaged = GridImage(school);
  EXPECT_EQ(RemoveBlock(school, 2, CellIndex(1, 1), a, &journal),
            RemoveOutcome::kRefused);
  EXPECT_EQ(GridImage(school), damaged);
  t.occupant[1] = a;
  EXPECT_EQ(RemoveBlock(school, 2, CellIndex(1, 1), a, &journal),
            RemoveOutcome::kRemoved);
  EXPECT_EQ(GridImage(school), empty);
}

TEST_F(BlockOperationsTest, CommonLessonIsPlacedForEveryMemberAndRemovedFromAny) {
  const Block block = At(nineB, pe, 2, 3, 1);
  ASSERT_EQ(block.classCount, 2);
  EXPECT_EQ(block.classes[0], nineB);  // the class asked for comes first
  EXPECT_EQ(block.classes[1], a);
  ASSERT_TRUE(PlaceBlock(school, block, &journal));
  const int cell = CellIndex(3, 1);
  EXPECT_EQ(school.TeacherGridByNo(can)->occupant[cell - 1], nineB);
  EXPECT_EQ(school.ClassGridByNo(a)->occupant[cell - 1], pe);
  EXPECT_EQ(school.ClassGridByNo(nineB)->occupant[cell - 1], pe);
  EXPECT_TRUE(CheckConsistency(school).empty());
  EXPECT_EQ(RemoveBlock(school, 2, cell, a, &journal), RemoveOutcome::kRemoved);
  EXPECT_EQ(school.ClassGridByNo(nineB)->occupant[cell - 1], 0);
  EXPECT_EQ(school.TeacherGridByNo(can)->placedHours, 0);
}

TEST_F(BlockOperationsTest, MakeBlockCopiesTheLessonAndRefusesUnknownOnes) {
  const Block block = At(a, math, 2, 5, 4);
  EXPECT_EQ(block.day, 5);
  EXPECT_EQ(block.startHour, 4);
  EXPECT_EQ(block.startCell, 68);
  EXPECT_EQ(block.weeklyHours, 6);
  EXPECT_EQ(block.patternBlocks, 3);
  EXPECT_EQ(block.roomCount, 1);
  EXPECT_FALSE(MakeBlock(school, a, 200, 1).has_value());
  EXPECT_FALSE(MakeBlock(school, 200, math, 1).has_value());
  EXPECT_FALSE(MakeBlock(school, a, math, 17).has_value());
  EXPECT_FALSE(MakeBlock(school, a, math, 0).has_value());
}

// Bytes past a list's count (left by a removal or a damaged file) are no participants.
TEST_F(BlockOperationsTest, ABlockTakesOnlyTheListedTeachersAndRooms) {
  TClassLessonRec& cl = *school.ClassLessonAt(a, math);
  cl.teachers[1] = static_cast<uint8_t>(can);
  cl.rooms[1] = static_cast<uint8_t>(lab + 1);
  const Block block = At(a, math, 2, 1, 1);
  ASSERT_EQ(block.teacherCount, 1);
  EXPECT_EQ(block.teachers[0], ali);
  ASSERT_EQ(block.roomCount, 1);
  EXPECT_EQ(block.rooms[0], lab);
}

// A 0 inside a list's count (a damaged record) is no participant either, and a number
// listed twice is one participant.
TEST_F(BlockOperationsTest, ABlockLeavesOutANoughtAndTakesARepeatedNumberOnce) {
  TClassLessonRec& cl = *school.ClassLessonAt(a, math);
  cl.teachers = {0, static_cast<uint8_t>(ali), static_cast<uint8_t>(ali)};
  cl.teacherCount = 3;
  const Block block = At(a, math, 2, 1, 1);
  ASSERT_EQ(block.teacherCount, 1);
  EXPECT_EQ(block.teachers[0], ali);
}

// A single hour and a block ending in the day's last hour come out; a block of no hours
// does not, nor one whose cells the journal has no room for, which leaves everything
// as it was.
TEST_F(BlockOperationsTest, RemoveBlockAtTheEdgesOfLengthDayAndJournal) {
  ASSERT_TRUE(PlaceBlock(school, At(a, math, 1, 2, 1), nullptr));
  ASSERT_TRUE(PlaceBlock(school, At(a, math, 2, 2, 15), nullptr));
  const auto placed = GridImage(school);
  EXPECT_EQ(RemoveBlock(school, 0, CellIndex(2, 1), a, &journal), RemoveOutcome::kRefused);
  ChangeJournal nearlyFull;
  JournalEntry filler;
  filler.cell = 1;
  while (nearlyFull.room() > 5) nearlyFull.Record(filler);  // 2 hours x 3 participants: 6
  EXPECT_EQ(RemoveBlock(school, 2, CellIndex(2, 15), a, &nearlyFull), RemoveOutcome::kRefused);
  EXPECT_EQ(nearlyFull.room(), 5);
  EXPECT_EQ(GridImage(school), placed);
  EXPECT_EQ(RemoveBlock(school, 1, CellIndex(2, 1), a, &journal), RemoveOutcome::kRemoved);
  EXPECT_EQ(RemoveBlock(school, 2, CellIndex(2, 15), a, &journal), RemoveOutcome::kRemoved);
  EXPECT_EQ(school.TeacherGridByNo(ali)->placedHours, 0);
  EXPECT_EQ(school.ClassGridByNo(a)->occupant[static_cast<std::size_t>(CellIndex(2, 16) - 1)], 0);
}

}  // namespace
}  // namespace kalvodrin
