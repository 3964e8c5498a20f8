// Seeded random sequences of every engine operation over a small school: after each
// step the timetables are consistent, a refused step changes nothing, and rolling the
// journal back restores every byte. Damaged timetables never make an operation read
// or write out of bounds (run under the sanitizers) and refusals leave them as they
// were.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

#include "core/cells.h"
#include "engine/block_operations.h"
#include "engine/cascade.h"
#include "engine/cell_masks.h"
#include "engine/consistency.h"
#include "engine/counts.h"
#include "engine/hour_operations.h"
#include "engine/locks.h"
#include "engine/reset.h"
#include "engine/rule_tests.h"
#include "engine/slot_tests.h"
#include "engine/teacher_preparation.h"
#include "grid_image.h"
#include "school_builder.h"

namespace kalvodrin {
namespace {

School SmallSchool() {
  SchoolBuilder b;
  b.Group("SOSYAL").Room("LAB").Room("SALON");
  b.Class("9", "A").Class("9", "B").Class("10", "A").Hours(3, 10);
  b.In("9 A").Lesson("MATEMATİK", 6, "2+2+2").Teacher("AHMET").Teach().InRoom("LAB");
  b.In("9 B").Lesson("MATEMATİK", 6, "2+2+2").Teach();
  b.In("10 A").Lesson("TARİH", 3, "2+1", "SOSYAL").Teacher("BERNA").Teach();
  b.Lesson("COĞRAFYA", 2, "1+1", "SOSYAL").Teach().Teacher("CEM").Teach().InRoom("SALON");
  for (const char* c : {"9 A", "9 B"}) b.In(c).Lesson("BEDEN", 2, "2");
  b.Common({"9 A", "9 B"}, "BEDEN").Teacher("DERYA").Teach().InRoom("SALON");
  b.In("9 B").Lesson("KİMYA", 4, "2+1+1").Teach("CEM", "9 B", "KİMYA");
  return b.Build();
}

class Sequence {
 public:
  Sequence(School& school, unsigned seed) : school_(school), random_(seed) {}

  int Pick(int from, int to) {
    return std::uniform_int_distribution<int>(from, to)(random_);
  }
  int AnyClass() { return school_.Classes[Index(school_.Classes.size())].number; }
  int AnyTeacher() { return school_.Teachers[Index(school_.Teachers.size())].number; }
  int AnyRoom() { return school_.Rooms[Index(school_.Rooms.size())].number; }
  const TClassLessonRec& AnyClassLesson() {
    return school_.ClassLessons[Index(school_.ClassLessons.size())];
  }

  // One random operation; returns whether it changed something it was allowed to.
  bool Step(ChangeJournal* journal) {
    const int cell = Pick(1, kCells);
    switch (Pick(0, 7)) {
      case 0: {
        const TClassLessonRec& cl = AnyClassLesson();
        const auto block = MakeBlock(school_, cl.classNo, cl.lesson, Pick(1, 3), cell);
        return block && PlaceBlock(school_, *block, journal);
      }
      case 1: {
        const TClassGridRec& g = *school_.ClassGridByNo(AnyClass());
        return RemoveBlock(school_, g.blockLen[cell - 1], g.blockStart[cell - 1],
                           g.classNo, journal) == RemoveOutcome::kRemoved;
      }
      case 2: {
        const TClassLessonRec& cl = AnyClassLesson();
        return PlaceOneHour(school_, cell, cl.classNo, cl.lesson, journal);
      }
      case 3:
        return RemoveOneHour(school_, cell, AnyClass(), journal);
      case 4:
        return ToggleTeacherLock(school_, cell, AnyTeacher(), journal);
      case 5:
        return ToggleClassLock(school_, cell, AnyClass(), journal);
      case 6:
        return ToggleRoomLock(school_, cell, AnyRoom(), journal);
      default: {
        const TClassLessonRec& cl = AnyClassLesson();
        const auto block = MakeBlock(school_, cl.classNo, cl.lesson, Pick(1, 3), cell);
        return block && SetBlockOpen(school_, *block, static_cast<uint8_t>(Pick(0, 1)),
                                     journal);
      }
    }
  }

 private:
  std::size_t Index(std::size_t size) {
    return static_cast<std::size_t>(Pick(0, static_cast<int>(size) - 1));
  }

  School& school_;
  std::mt19937 random_;
};

// The week's masks of a block's participants answer the availability and freedom
// tests for every place inside one day, the cells 64 and 65 on either side of the
// masks' two words included.
void ExpectMasksAgree(const School& school, const Block& at) {
  const ParticipantCells cells = CellsOf(school, at);
  for (int length : {1, 2, 3}) {
    for (int cell : {1, 63, 64, 65, 66, 79, 80, at.startCell}) {
      Block b = at;
      SetBlockStart(b, cell);
      b.length = length;
      if (!BlockFitsDay(b)) continue;
      ASSERT_EQ(HasRun(cells.open, cell, length), AvailabilityTest(school, b))
          << cell << "/" << length;
      ASSERT_EQ(HasRun(cells.free, cell, length), FreedomTest(school, b)) << cell << "/" << length;
    }
  }
}

TEST(RandomSequencesTest, EveryStepIsConsistentAndRollBackRestoresEveryByte) {
  for (unsigned seed = 1; seed <= 40; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    School school = SmallSchool();
    const auto start = GridImage(school);
    ChangeJournal journal;
    Sequence sequence(school, seed);
    int changed = 0;
    for (int step = 0; step < 200; ++step) {
      const auto before = GridImage(school);
      const int mark = journal.Mark();
      const bool did = sequence.Step(&journal);
      changed += did ? 1 : 0;
      if (!did) {
        ASSERT_EQ(GridImage(school), before) << "step " << step;
      }
      const auto problems = CheckConsistency(school);
      ASSERT_TRUE(problems.empty()) << "step " << step << ": " << problems.front();
      const TClassLessonRec& cl = sequence.AnyClassLesson();
      if (const auto block = MakeBlock(school, cl.classNo, cl.lesson, 1, sequence.Pick(1, kCells)))
        ExpectMasksAgree(school, *block);
      if (step % 17 == 0) {  // undo this one step now and then
        RollBack(school, journal, mark);
        ASSERT_EQ(GridImage(school), before) << "step " << step;
      }
    }
    EXPECT_GT(changed, 20);
    RollBack(school, journal, 0);
    EXPECT_EQ(GridImage(school), start);
  }
}

// Fills every byte of every timetable and of the assignment lists with noise.
void Damage(School& school, std::mt19937& random) {
  std::uniform_int_distribution<int> byte(0, 255);
  std::uniform_int_distribution<int> small(0, 20);
  auto noise = [&](auto& rec) {
    std::vector<uint8_t> bytes(sizeof rec);
    for (std::size_t i = 0; i < bytes.size(); ++i)
      bytes[i] = static_cast<uint8_t>(i % 3 == 0 ? byte(random) : small(random));
    std::memcpy(&rec, bytes.data(), bytes.size());
  };
  for (auto& g : school.TeacherGrids) {
    const uint8_t n = g.teacher;
    noise(g);
    g.teacher = n;
  }
  for (auto& g : school.ClassGrids) {
    const uint8_t n = g.classNo;
    noise(g);
    g.classNo = n;
  }
  for (auto& g : school.RoomGrids) {
    const uint8_t n = g.room;
    noise(g);
    g.room = n;
  }
  for (auto& cl : school.ClassLessons) {
    cl.teacherCount = static_cast<uint8_t>(byte(random));
    cl.roomCount = static_cast<uint8_t>(small(random));
  }
  for (auto& g : school.CommonGroups) g.count = static_cast<uint8_t>(byte(random));
}

TEST(RandomSequencesTest, DamagedTimetablesAreReportedAndNeverOverrun) {
  for (unsigned seed = 1; seed <= 25; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    School school = SmallSchool();
    std::mt19937 random(seed);
    Damage(school, random);
    EXPECT_FALSE(CheckConsistency(school).empty());
    Sequence sequence(school, seed);
    ChangeJournal journal;
    const RuleParams params{seed % 2 == 0, 1};
    for (int step = 0; step < 150; ++step) {
      const auto before = GridImage(school);
      if (!sequence.Step(&journal)) {
        ASSERT_EQ(GridImage(school), before) << "step " << step;
      }
      const TClassLessonRec& cl = sequence.AnyClassLesson();
      if (const auto block = MakeBlock(school, cl.classNo, cl.lesson,
                                       sequence.Pick(1, 16), sequence.Pick(1, kCells))) {
        WindowTest(school, *block);
        ExpectMasksAgree(school, *block);
        AvailabilityTest(school, *block);
        FreedomTest(school, *block);
        for (bool strict : {false, true})
          AllRulesPass(school, *block, RuleParams{strict, params.relaxPasses});
        GapRule(school, *block, params);
        AnnexRule(school, *block, params);
      }
    }
    RollBack(school, journal, 0);
    PrepareAllTeachers(school);
    CountAllHours(school);
    CheckConsistency(school);
    ResetPlacements(school, ResetOptions{false, false});
    DeleteClass(school, school.Classes[0].number);
    DeleteTeacher(school, school.Teachers[0].number);
    CheckConsistency(school);
  }
}

}  // namespace
}  // namespace kalvodrin
