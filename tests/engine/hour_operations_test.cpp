#include "engine/hour_operations.h"

#include <gtest/gtest.h>

#include "core/cells.h"
#include "engine/block.h"
#include "engine/change_journal.h"
#include "engine/consistency.h"
#include "engine/locks.h"
#include "grid_image.h"
#include "school_builder.h"

namespace kalvodrin {
namespace {

class HourOperationsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    b.Room("LAB").Class("10", "A").Hours(1, 8);
    b.Lesson("KİMYA", 4, "2+2")
        .Teacher("ECE")
        .Teach()
        .Teacher("FUAT")
        .Teach()
        .InRoom("LAB");
    b.Lesson("TARİH", 2, "1+1").Teacher("GÜL").Teach();
    school = b.Build();
    c = b.ClassNo("10 A");
    chem = b.LessonNo("KİMYA");
    history = b.LessonNo("TARİH");
    ece = b.TeacherNo("ECE");
    fuat = b.TeacherNo("FUAT");
    lab = b.RoomNo("LAB");
  }

  // Length and start of a cell in the teacher, class and room planes.
  void ExpectBlock(int cell, int length, int start) {
    SCOPED_TRACE("cell " + std::to_string(cell));
    for (const TTeacherGridRec* t :
         {school.TeacherGridByNo(ece), school.TeacherGridByNo(fuat)}) {
      EXPECT_EQ(t->blockLen[cell - 1], length);
      EXPECT_EQ(t->blockStart[cell - 1], start);
    }
    EXPECT_EQ(school.ClassGridByNo(c)->blockLen[cell - 1], length);
    EXPECT_EQ(school.ClassGridByNo(c)->blockStart[cell - 1], start);
    EXPECT_EQ(school.RoomGridByNo(lab)->blockLen[cell - 1], length);
    EXPECT_EQ(school.RoomGridByNo(lab)->blockStart[cell - 1], start);
  }

  SchoolBuilder b;
  School school;
  int c = 0, chem = 0, history = 0, ece = 0, fuat = 0, lab = 0;
};

TEST_F(HourOperationsTest, AnHourBetweenTwoSingleHoursJoinsThemIntoOneBlock) {
  ASSERT_TRUE(PlaceOneHour(school, CellIndex(1, 2), c, chem));
  ASSERT_TRUE(PlaceOneHour(school, CellIndex(1, 4), c, chem));
  ExpectBlock(2, 1, 2);
  ExpectBlock(4, 1, 4);
  ASSERT_TRUE(PlaceOneHour(school, CellIndex(1, 3), c, chem));
  for (int cell = 2; cell <= 4; ++cell) ExpectBlock(cell, 3, 2);
  EXPECT_EQ(school.TeacherGridByNo(ece)->placedHours, 3);
  EXPECT_EQ(school.ClassGridByNo(c)->freeHours[0], 5);
  EXPECT_TRUE(CheckConsistency(school).empty());
}

TEST_F(HourOperationsTest, RemovingTheMiddleHourLeavesTwoBlocksOfTheirOwn) {
  for (int h = 2; h <= 4; ++h)
    ASSERT_TRUE(PlaceOneHour(school, CellIndex(1, h), c, chem));
  ASSERT_TRUE(RemoveOneHour(school, CellIndex(1, 3), c));
  ExpectBlock(2, 1, 2);
  ExpectBlock(4, 1, 4);
  EXPECT_EQ(school.ClassGridByNo(c)->occupant[2], 0);
  EXPECT_EQ(school.TeacherGridByNo(fuat)->placedPerDay[0], 2);
  EXPECT_TRUE(CheckConsistency(school).empty());
  // Removing the first hour of a run leaves the rest starting one hour later.
  ASSERT_TRUE(PlaceOneHour(school, CellIndex(1, 3), c, chem));
  ASSERT_TRUE(RemoveOneHour(school, CellIndex(1, 2), c));
  ExpectBlock(3, 2, 3);
  ExpectBlock(4, 2, 3);
  EXPECT_TRUE(CheckConsistency(school).empty());
}

TEST_F(HourOperationsTest, PlacingAndRemovingAnHourRestoresEveryByte) {
  const auto before = GridImage(school);
  ASSERT_TRUE(PlaceOneHour(school, CellIndex(3, 5), c, history));
  EXPECT_EQ(school.ClassGridByNo(c)->freeHours[2], 7);
  ASSERT_TRUE(RemoveOneHour(school, CellIndex(3, 5), c));
  EXPECT_EQ(GridImage(school), before);
  EXPECT_FALSE(RemoveOneHour(school, CellIndex(3, 5), c));  // a free cell
}

TEST_F(HourOperationsTest, CheckOneHourRefusesWhatTheWindowWouldRefuse) {
  EXPECT_TRUE(CheckOneHour(school, CellIndex(1, 1), c, history));
  EXPECT_FALSE(CheckOneHour(school, CellIndex(1, 9), c, history));  // after the last hour
  EXPECT_FALSE(CheckOneHour(school, 0, c, history));
  EXPECT_FALSE(CheckOneHour(school, 81, c, history));
  EXPECT_FALSE(
      CheckOneHour(school, CellIndex(1, 1), c, 99));  // not a lesson of the class
  school.TeacherGridByNo(fuat)->open[CellIndex(2, 1) - 1] = 0;
  EXPECT_FALSE(CheckOneHour(school, CellIndex(2, 1), c, chem));  // a teacher closed it
  school.RoomGridByNo(lab)->occupant[CellIndex(2, 2) - 1] = 9;
  EXPECT_FALSE(CheckOneHour(school, CellIndex(2, 2), c, chem));  // the room is busy
  ASSERT_TRUE(PlaceOneHour(school, CellIndex(1, 1), c, history));
  ASSERT_TRUE(PlaceOneHour(school, CellIndex(4, 1), c, history));
  EXPECT_FALSE(CheckOneHour(school, CellIndex(5, 1), c, history));  // no hours left
  EXPECT_FALSE(PlaceOneHour(school, CellIndex(5, 1), c, history));
}

// A day window without a first hour refuses every hour, one from hour 3 the hours
// before it; an hour needs journal room for each participant's cell and a day's
// relinking.
TEST_F(HourOperationsTest, PlacingAnHourAsksTheDayWindowAndTheJournal) {
  TClassGridRec& g = *school.ClassGridByNo(c);
  g.firstHour[2] = 0;
  EXPECT_FALSE(CheckOneHour(school, CellIndex(3, 2), c, history));
  g.firstHour[3] = 3;
  EXPECT_FALSE(CheckOneHour(school, CellIndex(4, 2), c, history));
  EXPECT_TRUE(CheckOneHour(school, CellIndex(4, 3), c, history));
  ChangeJournal journal;
  JournalEntry filler;
  filler.cell = 1;
  const int needed = 2 + 2 * kHoursPerDay;  // GÜL and the class
  while (journal.room() > needed - 1) journal.Record(filler);
  const auto before = GridImage(school);
  EXPECT_FALSE(PlaceOneHour(school, CellIndex(4, 3), c, history, &journal));
  EXPECT_EQ(GridImage(school), before);
  journal.Truncate(journal.count() - 1);
  EXPECT_TRUE(PlaceOneHour(school, CellIndex(4, 3), c, history, &journal));
}

// A class without a timetable, or a class lesson whose lesson or class record is gone
// (a damaged file set), has no hour to check, remove or join.
TEST_F(HourOperationsTest, HoursOfRecordsThatAreGoneAreRefused) {
  EXPECT_FALSE(RemoveOneHour(school, CellIndex(1, 1), 99));
  EXPECT_FALSE(NormalizeBlock(school, CellIndex(1, 1), 99));
  std::erase_if(school.Lessons, [&](const TLessonRec& l) { return l.number == history; });
  school.ReindexLessons();
  EXPECT_FALSE(CheckOneHour(school, CellIndex(1, 1), c, history));
  school.ClassGrids.clear();
  school.ReindexClassGrids();
  EXPECT_FALSE(CheckOneHour(school, CellIndex(1, 1), c, chem));
}

TEST_F(HourOperationsTest, LockingAPlacedBlockLocksItForEveryParticipant) {
  ASSERT_TRUE(PlaceOneHour(school, CellIndex(2, 3), c, chem));
  ASSERT_TRUE(PlaceOneHour(school, CellIndex(2, 4), c, chem));
  ASSERT_TRUE(ToggleRoomLock(school, CellIndex(2, 4), lab));
  for (int cell : {CellIndex(2, 3), CellIndex(2, 4)}) {
    EXPECT_EQ(school.TeacherGridByNo(ece)->open[cell - 1], 0);
    EXPECT_EQ(school.TeacherGridByNo(fuat)->open[cell - 1], 0);
    EXPECT_EQ(school.ClassGridByNo(c)->open[cell - 1], 0);
    EXPECT_EQ(school.RoomGridByNo(lab)->open[cell - 1], 0);
  }
  ASSERT_TRUE(ToggleTeacherLock(school, CellIndex(2, 3), fuat));
  EXPECT_EQ(school.ClassGridByNo(c)->open[CellIndex(2, 4) - 1], 1);
  EXPECT_EQ(school.TeacherGridByNo(ece)->open[CellIndex(2, 3) - 1], 1);
  // A free cell flips for its owner alone.
  ASSERT_TRUE(ToggleClassLock(school, CellIndex(5, 1), c));
  EXPECT_EQ(school.ClassGridByNo(c)->open[CellIndex(5, 1) - 1], 0);
  EXPECT_EQ(school.TeacherGridByNo(ece)->open[CellIndex(5, 1) - 1], 1);
  EXPECT_FALSE(ToggleTeacherLock(school, 81, ece));
  EXPECT_FALSE(ToggleTeacherLock(school, 1, 99));
}

// A lock is all or nothing: a journal one entry short of the whole block (two hours
// of two teachers, the room and the class) refuses and changes nothing.
TEST_F(HourOperationsTest, LockingNeedsJournalRoomForEveryHourOfEveryParticipant) {
  ASSERT_TRUE(PlaceOneHour(school, CellIndex(2, 3), c, chem));
  ASSERT_TRUE(PlaceOneHour(school, CellIndex(2, 4), c, chem));
  ChangeJournal journal;
  JournalEntry filler;
  filler.cell = 1;
  while (journal.room() > 7) journal.Record(filler);
  const auto before = GridImage(school);
  EXPECT_FALSE(ToggleClassLock(school, CellIndex(2, 3), c, &journal));
  EXPECT_EQ(GridImage(school), before);
  EXPECT_EQ(journal.room(), 7);
  journal.Truncate(journal.count() - 1);
  EXPECT_TRUE(ToggleClassLock(school, CellIndex(2, 3), c, &journal));
  EXPECT_TRUE(journal.full());
  EXPECT_EQ(school.RoomGridByNo(lab)->open[CellIndex(2, 4) - 1], 0);
  // A free cell needs one entry.
  journal.Truncate(journal.count() - 1);
  EXPECT_TRUE(ToggleClassLock(school, CellIndex(5, 1), c, &journal));
  EXPECT_FALSE(ToggleClassLock(school, CellIndex(5, 1), c, &journal));
  EXPECT_EQ(school.ClassGridByNo(c)->open[CellIndex(5, 1) - 1], 0);
}

// The guidance hour closes every hour of its block for the teachers and the class;
// the rooms stay as they were, and so does the hour after the block.
TEST_F(HourOperationsTest, ClosingABlockClosesEachOfItsHoursForTeachersAndClasses) {
  const std::optional<Block> block = MakeBlock(school, c, chem, 2, CellIndex(3, 2));
  ASSERT_TRUE(block);
  ChangeJournal journal;
  JournalEntry filler;
  filler.cell = 1;
  while (journal.room() > 5) journal.Record(filler);  // 2 hours x 3 owners is 6
  const auto before = GridImage(school);
  EXPECT_FALSE(SetBlockOpen(school, *block, 0, &journal));
  EXPECT_EQ(GridImage(school), before);
  journal.Truncate(journal.count() - 1);
  ASSERT_TRUE(SetBlockOpen(school, *block, 0, &journal));
  for (int hour = 2; hour <= 4; ++hour) {
    SCOPED_TRACE("hour " + std::to_string(hour));
    const std::size_t at = static_cast<std::size_t>(CellIndex(3, hour) - 1);
    const int closed = hour <= 3 ? 0 : 1;
    EXPECT_EQ(school.TeacherGridByNo(ece)->open[at], closed);
    EXPECT_EQ(school.TeacherGridByNo(fuat)->open[at], closed);
    EXPECT_EQ(school.ClassGridByNo(c)->open[at], closed);
    EXPECT_EQ(school.RoomGridByNo(lab)->open[at], 1);
  }
  // A teacher without a timetable, or a block running past the day, closes nothing.
  Block ghost = *block;
  ghost.teachers[1] = 99;
  const auto closed = GridImage(school);
  EXPECT_FALSE(SetBlockOpen(school, ghost, 1));
  Block late = *block;
  SetBlockStart(late, CellIndex(3, kHoursPerDay));
  EXPECT_FALSE(SetBlockOpen(school, late, 0));
  EXPECT_EQ(GridImage(school), closed);
}

TEST_F(HourOperationsTest, OperationsOnDamagedCellsRefuseAndChangeNothing) {
  ASSERT_TRUE(PlaceOneHour(school, CellIndex(1, 1), c, chem));
  TClassGridRec& g = *school.ClassGridByNo(c);
  // A lesson the class does not take, and a block length past the end of the day.
  g.occupant[CellIndex(1, 6) - 1] = 77;
  g.blockLen[CellIndex(1, 6) - 1] = 1;
  g.blockStart[CellIndex(1, 6) - 1] = CellIndex(1, 6);
  g.blockLen[0] = 200;
  const auto damaged = GridImage(school);
  EXPECT_FALSE(RemoveOneHour(school, CellIndex(1, 6), c));
  EXPECT_FALSE(NormalizeBlock(school, CellIndex(1, 6), c));
  EXPECT_FALSE(ToggleClassLock(school, CellIndex(1, 6), c));
  EXPECT_FALSE(ToggleClassLock(school, CellIndex(1, 1), c));  // its length is wrong
  EXPECT_EQ(GridImage(school), damaged);
  EXPECT_FALSE(CheckConsistency(school).empty());
  // Normalizing mends the length of a block the lesson really holds.
  EXPECT_TRUE(NormalizeBlock(school, CellIndex(1, 1), c));
  EXPECT_EQ(g.blockLen[0], 1);
}

}  // namespace
}  // namespace kalvodrin
